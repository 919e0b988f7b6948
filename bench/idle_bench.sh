#!/usr/bin/env bash
# Idle cost of the running program: its CPU time over a stretch with nothing
# due, once with the clock window shown and once with it hidden, each time
# beside `xclock -update 1` on the same private display, both given as
# percent of one core; the resident memory after start; then the resident
# memory of the speech path over many utterances (speech_memory_bench).
#
#   bench/idle_bench.sh [--build DIR] [--seconds N] [--settle N]
#                       [--utterances N | --no-speech]
#
# DIR is a build folder holding bin/velmora, bin/velmora-cli and, unless
# --no-speech, bin/speech_memory_bench (default: build/rel). The display,
# the session bus, the tray and the home folder are private to the run; the
# sound server is the one of scripts/lib/services.sh when one answers,
# otherwise a null-sink server of the run's own.
set -u

root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/rel
seconds=60
settle=15  # the program's deferred start-up step runs 10 s after start
utterances=1000
usage() {
  echo "usage: $0 [--build DIR] [--seconds N] [--settle N] [--utterances N | --no-speech]" >&2
  exit 2
}
while [[ $# -gt 0 ]]; do
  case $1 in
    --build) build=${2:?}; shift 2 ;;
    --seconds) seconds=${2:?}; shift 2 ;;
    --settle) settle=${2:?}; shift 2 ;;
    --utterances) utterances=${2:?}; shift 2 ;;
    --no-speech) utterances=0; shift ;;
    *) usage ;;
  esac
done
[[ $seconds =~ ^[1-9][0-9]*$ && $settle =~ ^[0-9]+$ && $utterances =~ ^[0-9]+$ ]] || usage
build=$(cd "$build" && pwd) || exit 2
bin=$build/bin
for program in velmora velmora-cli; do
  [[ -x $bin/$program ]] || { echo "$bin/$program is not built" >&2; exit 1; }
done
if ((utterances > 0)) && [[ ! -x $bin/speech_memory_bench ]]; then
  echo "$bin/speech_memory_bench is not built (or pass --no-speech)" >&2
  exit 1
fi
for tool in Xvfb xclock dbus-daemon xdotool; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 1; }
done

dir=$(mktemp -d /tmp/velmora-idle.XXXXXX)
chmod 700 "$dir"
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  done
  [[ -n ${bus_pid:-} ]] && kill "$bus_pid" 2>/dev/null
  rm -rf "$dir"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# shellcheck source=../scripts/lib/xvfb.sh
source "$root/scripts/lib/xvfb.sh"
velmora_start_xvfb "$dir" 1280x800x24 || exit 1
xvfb_pid=$VELMORA_XVFB_PID
pids+=("$xvfb_pid")

dbus-daemon --session --fork --nopidfile --print-address=3 --print-pid=4 \
  3>"$dir/bus-address" 4>"$dir/bus-pid" || { echo "no session bus" >&2; exit 1; }
bus_pid=$(head -n1 "$dir/bus-pid")
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$dir/bus-address")
export DBUS_SESSION_BUS_ADDRESS

# A tray, as on a desktop, so the program's icon docks rather than waits.
if command -v trayer >/dev/null; then
  trayer --edge top --align right --widthtype request --height 32 --SetDockType true \
    --transparent false >"$dir/trayer.log" 2>&1 &
  pids+=("$!")
fi

export HOME=$dir/home
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share
export XDG_CACHE_HOME=$HOME/.cache XDG_RUNTIME_DIR=$dir/runtime
mkdir -p "$HOME" "$XDG_CONFIG_HOME"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"

if [[ -n ${PULSE_SERVER:-} ]] && pactl info >/dev/null 2>&1; then
  sound="the running server at $PULSE_SERVER"
else
  command -v pulseaudio >/dev/null || { echo "pulseaudio is not installed" >&2; exit 1; }
  pulse=$dir/pulse
  mkdir -m 700 -p "$pulse"
  export PULSE_RUNTIME_PATH=$pulse PULSE_STATE_PATH=$pulse/state PULSE_COOKIE=$pulse/cookie
  export PULSE_SERVER=unix:$pulse/native
  pulseaudio --daemonize=no --system=no --exit-idle-time=-1 --disallow-exit -n \
    --log-target=stderr \
    --load="module-native-protocol-unix socket=$pulse/native auth-cookie=$pulse/cookie auth-anonymous=1" \
    --load="module-null-sink sink_name=velmora_idle sink_properties=device.description=VelmoraIdle" \
    --load="module-always-sink" >"$dir/pulseaudio.log" 2>&1 &
  pids+=("$!")
  for _ in $(seq 1 50); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.2
  done
  pactl set-default-sink velmora_idle >/dev/null 2>&1 ||
    { echo "the sound server did not start" >&2; cat "$dir/pulseaudio.log" >&2; exit 1; }
  sound="a null-sink server of this run"
fi

data=$HOME/Documents/ハルカゼ舎/VelmoraData
mkdir -p "$data"
ini=$data/Settei.ini
set_key() {
  "$bin/velmora-cli" ini set "$ini" "$1" "$2" "$3" || exit 1
}
# Nothing due: no alarm armed and no time signal.
set_key Alarm Use 0
set_key Alarm Snooze 0
set_key Jiho Use 0

clk_tck=$(getconf CLK_TCK)
# utime + stime of a process, all its threads, in clock ticks.
cpu_ticks() {
  local stat
  stat=$(<"/proc/$1/stat") || return 1
  # The command name may hold spaces: count the fields after its ")".
  stat=${stat##*) }
  local fields
  read -ra fields <<<"$stat"
  echo $((fields[11] + fields[12]))
}
# The same to the nanosecond from the scheduler's accounting, summed over
# the threads alive at the time (an idle program's threads live as long as
# it does).
cpu_ns() {
  local task sum=0 ns
  for task in /proc/"$1"/task/*/schedstat; do
    read -r ns _ <"$task" 2>/dev/null && sum=$((sum + ns))
  done
  echo "$sum"
}
resident_kib() {
  awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"
}
percent() {  # ticks used over the measured seconds, as percent of one core
  awk -v t="$1" -v hz="$clk_tck" -v s="$2" 'BEGIN { printf "%.2f", 100 * t / hz / s }'
}
percent_ns() {
  awk -v n="$1" -v s="$2" 'BEGIN { printf "%.3f", 100 * n / 1e9 / s }'
}
# Whether the process has a clock-sized window mapped (its tray icon is
# smaller).
clock_on_screen() {
  local id width
  for id in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
    width=$(xdotool getwindowgeometry --shell "$id" | sed -n 's/^WIDTH=//p')
    ((width >= 100)) && { echo shown; return; }
  done
  echo hidden
}

xclock -update 1 >"$dir/xclock.log" 2>&1 &
xclock_pid=$!
pids+=("$xclock_pid")

# One measured run of the program with the clock window shown or not.
measure() {
  local show=$1 label=$2
  set_key Clock Show "$show"
  QT_QPA_PLATFORM=xcb "$bin/velmora" >"$dir/velmora-$show.log" 2>&1 &
  local pid=$!
  pids+=("$pid")
  sleep "$settle"
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "velmora ended early; its output:" >&2
    cat "$dir/velmora-$show.log" >&2
    exit 1
  fi
  local rss window
  rss=$(resident_kib "$pid")
  window=$(clock_on_screen "$pid")
  local p0 x0 s0 p1 x1 s1 pn0 xn0 sn0 pn1 xn1 sn1
  p0=$(cpu_ticks "$pid") x0=$(cpu_ticks "$xclock_pid") s0=$(cpu_ticks "$xvfb_pid")
  pn0=$(cpu_ns "$pid") xn0=$(cpu_ns "$xclock_pid") sn0=$(cpu_ns "$xvfb_pid")
  sleep "$seconds"
  p1=$(cpu_ticks "$pid") x1=$(cpu_ticks "$xclock_pid") s1=$(cpu_ticks "$xvfb_pid")
  pn1=$(cpu_ns "$pid") xn1=$(cpu_ns "$xclock_pid") sn1=$(cpu_ns "$xvfb_pid")
  printf '%-28s velmora %6s %%   xclock %6s %%   X server %6s %%   (window %s)\n' \
    "$label:" "$(percent $((p1 - p0)) "$seconds")" "$(percent $((x1 - x0)) "$seconds")" \
    "$(percent $((s1 - s0)) "$seconds")" "$window"
  printf '%-28s velmora %7s %%  xclock %7s %%  X server %7s %%   (scheduler, ns)\n' "" \
    "$(percent_ns $((pn1 - pn0)) "$seconds")" "$(percent_ns $((xn1 - xn0)) "$seconds")" \
    "$(percent_ns $((sn1 - sn0)) "$seconds")"
  printf '%-28s VmRSS %s KiB after %d s\n' "" "$rss" "$settle"
  kill "$pid"
  wait "$pid" 2>/dev/null
}

echo "idle cost over $seconds s after $settle s to settle, percent of one core;" \
  "load before: $(cut -d' ' -f1-3 /proc/loadavg); sound: $sound"
measure 1 "clock shown"
measure 0 "clock hidden"

if ((utterances > 0)); then
  echo
  # A null sink nobody listens to mixes up to two seconds ahead, and a
  # stream's end is heard only after that. A listener at low latency keeps
  # it short, as a desktop's busy sink is, so the thousand utterances take
  # minutes instead of more than half an hour; memory is what is measured.
  if command -v parec >/dev/null; then
    parec --latency-msec=10 -d "$(pactl get-default-sink).monitor" >/dev/null 2>&1 &
    pids+=("$!")
  fi
  "$bin/speech_memory_bench" "$utterances"
fi
