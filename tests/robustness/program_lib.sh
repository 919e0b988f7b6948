# The real program on a virtual display, a session bus and a PulseAudio
# server of its own (so no other test hears or loses anything), for the
# robustness tests. Sourced after `velmora` and `cli` are set; `dir` is the
# test's own folder, removed at the end.
# shellcheck shell=bash
for tool in Xvfb pulseaudio pactl parec dbus-run-session od awk; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done

# shellcheck source=../../scripts/lib/xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/xvfb.sh"

dir=$(mktemp -d "${TMPDIR:-/tmp}/velmora-robust.XXXXXX")
socket=$dir/pulse/native
xvfb=
pulse=
recorder=
program=
session=
cleanup() {
  local pid
  for pid in "$program" "$session" "$recorder" "$pulse" "$xvfb"; do
    [[ -n $pid ]] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  done
  rm -rf "$dir"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  echo "--- program output:"; cat "$dir/velmora.log" 2>/dev/null
  exit 1
}
# The program is gone: says how it ended.
ended() {
  wait "$session"
  fail "$1 (exit status $?)"
}
mkdir -p "$dir/pulse" "$dir/pulse-home" "$dir/home" "$dir/runtime"
chmod 700 "$dir/pulse" "$dir/pulse-home" "$dir/runtime"

# Our own server on our own socket: every client below is pointed at it, and
# stopping it disturbs nobody else.
start_server() {
  HOME=$dir/pulse-home XDG_CONFIG_HOME=$dir/pulse-home/.config \
    PULSE_RUNTIME_PATH=$dir/pulse-home/runtime PULSE_STATE_PATH=$dir/pulse-home/state \
    DBUS_SESSION_BUS_ADDRESS='' DISPLAY='' PULSE_SERVER='' \
    pulseaudio --daemonize=no --system=no -n --exit-idle-time=-1 --disallow-exit \
    --disable-shm=yes --log-target=stderr \
    --load="module-native-protocol-unix socket=$socket auth-anonymous=1" \
    --load="module-null-sink sink_name=velmora_null sink_properties=device.description=VelmoraNull" \
    >>"$dir/pulseaudio.log" 2>&1 &
  pulse=$!
  for _ in $(seq 1 100); do
    pactl info >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  cat "$dir/pulseaudio.log"
  return 1
}
stop_server() {
  kill "$pulse" && wait "$pulse" 2>/dev/null
  pulse=
  [[ -n $recorder ]] && kill "$recorder" 2>/dev/null && wait "$recorder" 2>/dev/null
  recorder=
}
# Records what the server's output plays, 8 kHz mono, into FILE.
record() {
  parec --raw --format=s16le --channels=1 --rate=8000 --latency-msec=50 \
    -d velmora_null.monitor >"$1" 2>>"$dir/parec.log" &
  recorder=$!
}
# Whether FILE holds a tenth of a second of clearly audible samples.
heard() {
  od -An -td2 -v -w2 "$1" 2>/dev/null |
    awk '{ if ($1 > 1000 || $1 < -1000) loud++ } END { exit loud >= 800 ? 0 : 1 }'
}
# Starts the program on a session bus of its own, so no desktop's tray host
# takes part, with the environment words given (NAME=VALUE ...); $program is
# the program itself, $session the bus around it.
launch() {
  rm -f "$dir/pid"
  # shellcheck disable=SC2016  # $$ is the inner shell's, which becomes the program
  HOME=$dir/home XDG_CONFIG_HOME=$dir/home/.config XDG_RUNTIME_DIR=$dir/runtime \
    QT_QPA_PLATFORM=xcb dbus-run-session -- env "$@" sh -c 'echo $$ >"$0"; exec "$1"' "$dir/pid" \
    "$velmora" >"$dir/velmora.log" 2>&1 &
  session=$!
  for _ in $(seq 1 100); do
    [[ -s $dir/pid ]] && break
    sleep 0.05
  done
  program=$(cat "$dir/pid" 2>/dev/null) || fail "the program did not start"
}
# Waits up to SECONDS for sound in FILE.
wait_heard() {
  local file=$1 tenths=$(($2 * 10))
  for ((i = 0; i < tenths; i++)); do
    heard "$file" && return 0
    kill -0 "$program" 2>/dev/null || ended "the program ended"
    sleep 0.1
  done
  return 1
}

# The data folder, its settings file and how the test sets a key there.
data="$dir/home/Documents/ハルカゼ舎/VelmoraData"
ini=$data/Settei.ini
set_key() { "$cli" ini set "$ini" "$@" >/dev/null || fail "velmora-cli ini set $*"; }
# An alarm every day at HH:MM:SS, without time signals or snooze: a before
# sound (a wave on a sound channel) and then the preset words, round after
# round.
set_daily_alarm() {
  set_key Jiho Use 0
  set_key Alarm Use 1
  set_key Alarm Snooze 0
  set_key Alarm DayOrWeek 0
  set_key Alarm BeforeSoundNo 1
  set_key Alarm DayTime "2011/01/01 $1"
}
# The display, the sound server and the data folder.
start_services() {
  velmora_start_xvfb "$dir" 1280x800x24 || fail "Xvfb did not start"
  xvfb=$VELMORA_XVFB_PID
  export PULSE_SERVER="unix:$socket"
  start_server || fail "pulseaudio did not start"
  mkdir -p "$data"
}
# An event loop that still turns ends the program on SIGTERM, at once.
end_cleanly() {
  kill -TERM "$program"
  for _ in $(seq 1 100); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$program" 2>/dev/null && fail "the program did not end on SIGTERM: its event loop is stuck"
  wait "$session"
  status=$?
  program=
  session=
  [[ $status -eq 0 ]] || fail "the program ended with status $status"
  echo "the program ended cleanly on SIGTERM"
}
