#!/usr/bin/env bash
# Idle cost of the running program: its CPU time and its wake-ups over a
# stretch with nothing due, once with the clock window shown and once with it
# hidden, each time beside `xclock -update 1` on the same private display; the
# resident memory after start; then the resident memory of the speech path
# over many utterances (speech_memory_bench).
#
#   bench/idle_bench.sh [--build DIR] [--seconds N] [--settle N]
#                       [--jiho MINUTES | --jiho off] [--poll-seconds N]
#                       [--utterances N | --no-speech]
#
# CPU is utime + stime of all threads, as percent of one core. A wake-up is
# a voluntary context switch (a thread that slept in the kernel and was woken),
# summed over all threads from /proc/PID/task/*/status: it counts what costs
# power, and not a poll() that returns at once. The same run then attaches
# strace for --poll-seconds (default 20; 0 leaves it out) and counts the
# poll-family calls of all threads, the figure a poll-based look reports;
# strace slows the program, so no CPU is taken from that stretch.
# The time signal is on every --jiho minutes (default 15), as a user has it;
# the stretches are placed clear of its marks, so nothing is due in them.
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
jiho=15
poll_seconds=20
usage() {
  echo "usage: $0 [--build DIR] [--seconds N] [--settle N] [--jiho MINUTES | --jiho off]" \
    "[--poll-seconds N] [--utterances N | --no-speech]" >&2
  exit 2
}
while [[ $# -gt 0 ]]; do
  case $1 in
    --build) build=${2:?}; shift 2 ;;
    --seconds) seconds=${2:?}; shift 2 ;;
    --settle) settle=${2:?}; shift 2 ;;
    --utterances) utterances=${2:?}; shift 2 ;;
    --jiho) jiho=${2:?}; shift 2 ;;
    --poll-seconds) poll_seconds=${2:?}; shift 2 ;;
    --no-speech) utterances=0; shift ;;
    *) usage ;;
  esac
done
[[ $seconds =~ ^[1-9][0-9]*$ && $settle =~ ^[0-9]+$ && $utterances =~ ^[0-9]+$ ]] || usage
[[ $poll_seconds =~ ^[0-9]+$ && ($jiho == off || $jiho =~ ^[1-9][0-9]?$) ]] || usage
((poll_seconds == 0)) || command -v strace >/dev/null || { echo "strace is not installed" >&2; exit 1; }
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
# No alarm armed; the time signal as the user chose (the stretches keep
# clear of its marks).
set_key Alarm Use 0
set_key Alarm Snooze 0
if [[ $jiho == off ]]; then
  set_key Jiho Use 0
else
  set_key Jiho Use 1
  set_key Jiho Mode 0
  set_key Jiho MinitInterval "$jiho"
fi

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
# Voluntary context switches of all the process's threads alive now.
switches() {
  awk '/^voluntary_ctxt_switches:/ { n += $2 } END { print n + 0 }' /proc/"$1"/task/*/status 2>/dev/null
}
per_second() {
  awk -v n="$1" -v s="$2" 'BEGIN { printf "%.1f", n / s }'
}
# Poll-family calls of all threads per second over N seconds, under strace.
polls_per_second() {
  local pid=$1 n=$2 out=$dir/strace-$1.txt
  timeout -s INT "$n" strace -f -qq -c -o "$out" \
    -e trace=poll,ppoll,select,pselect6,epoll_wait,epoll_pwait -p "$pid" >/dev/null 2>&1
  awk -v s="$n" '$NF ~ /^(poll|ppoll|select|pselect6|epoll_wait|epoll_pwait)$/ { c += $4 }
    END { printf "%.1f", c / s }' "$out" 2>/dev/null || echo "?"
}
# Seconds to wait so that [now, now + N s] keeps clear of the time signal's
# marks: from 2 min before a mark (the pre-announcement and the tone's lead)
# to 1 min after it (the speech).
clear_of_marks() {
  [[ $jiho == off ]] && { echo 0; return; }
  local need=$1 now period=$((jiho * 60)) into next
  now=$(date +%s)
  into=$(((now - $(date -d "$(date +%F\ %H:00)" +%s)) % 3600))
  next=$(((into / period + 1) * period))
  ((next > 3600)) && next=3600  # marks restart at every full hour
  if ((into + need + 120 > next)); then
    echo $((next - into + 60))
  else
    echo 0
  fi
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
  local show=$1 label=$2 wait
  wait=$(clear_of_marks $((settle + seconds + poll_seconds)))
  if ((wait > 0)); then
    echo "(waiting ${wait} s to keep clear of the time signal's mark)"
    sleep "$wait"
  fi
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
  local p0 x0 p1 x1 pn0 xn0 sn0 pn1 xn1 sn1 pw0 xw0 pw1 xw1
  p0=$(cpu_ticks "$pid") x0=$(cpu_ticks "$xclock_pid")
  pn0=$(cpu_ns "$pid") xn0=$(cpu_ns "$xclock_pid") sn0=$(cpu_ns "$xvfb_pid")
  pw0=$(switches "$pid") xw0=$(switches "$xclock_pid")
  sleep "$seconds"
  p1=$(cpu_ticks "$pid") x1=$(cpu_ticks "$xclock_pid")
  pn1=$(cpu_ns "$pid") xn1=$(cpu_ns "$xclock_pid") sn1=$(cpu_ns "$xvfb_pid")
  pw1=$(switches "$pid") xw1=$(switches "$xclock_pid")
  local ppoll=- xpoll=-
  if ((poll_seconds > 0)); then
    ppoll=$(polls_per_second "$pid" "$poll_seconds")
    xpoll=$(polls_per_second "$xclock_pid" "$poll_seconds")
  fi
  printf '| %-6s | %5s | %5s | %5s | %5s | %5s | %5s | %5s | %5s | %5s | %s |\n' \
    "$label" "$(percent $((p1 - p0)) "$seconds")" "$(percent_ns $((pn1 - pn0)) "$seconds")" \
    "$(per_second $((pw1 - pw0)) "$seconds")" "$ppoll" \
    "$(percent $((x1 - x0)) "$seconds")" "$(percent_ns $((xn1 - xn0)) "$seconds")" \
    "$(per_second $((xw1 - xw0)) "$seconds")" "$xpoll" \
    "$(percent_ns $((sn1 - sn0)) "$seconds")" "$window"
  rss_lines+=("$label: VmRSS $rss KiB after $settle s")
  kill "$pid"
  wait "$pid" 2>/dev/null
}

rss_lines=()
echo "idle cost over $seconds s after $settle s to settle (poll calls over $poll_seconds s more);" \
  "time signal: $([[ $jiho == off ]] && echo off || echo "every $jiho min");" \
  "load before: $(cut -d' ' -f1-3 /proc/loadavg); sound: $sound"
echo
echo "| clock  | velmora CPU % | (ns) | wake-ups/s | poll calls/s |" \
  "xclock CPU % | (ns) | wake-ups/s | poll calls/s | X server CPU % (ns) | window |"
echo "|---|---|---|---|---|---|---|---|---|---|---|"
measure 1 "shown"
measure 0 "hidden"
echo
printf '%s\n' "${rss_lines[@]}"
echo "(CPU: percent of one core, utime + stime in clock ticks, and (ns) from the scheduler;"
echo " wake-ups: voluntary context switches of all threads; poll calls: under strace, all threads)"

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
