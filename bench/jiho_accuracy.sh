#!/usr/bin/env bash
# Times the real program's time signal against the minute marks: a display,
# a session bus and PulseAudio with a null sink of their own (those of the
# test run), then jiho_accuracy_bench. With --soak it also rings and stops
# an alarm every ten minutes and follows the program's memory, windows and
# sound streams (xdotool, xwininfo and pactl drive and watch it).
# With --hidden the clock lives in a tray (trayer) only, so its tick sleeps
# between the marks as it does on a desktop with the clock hidden.
#   bench/jiho_accuracy.sh BUILD_DIR [--minutes N] [--mode tone|speech|both] [--hidden]
#                          [--soak [--alarm-every N] [--warm-up N]]
set -eu
build=$1
shift
here=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=../scripts/lib/services.sh
source "$here/scripts/lib/services.sh"
velmora_start_services
trap velmora_stop_services EXIT
if [[ " $* " == *" --hidden "* ]]; then
  trayer --edge top --align right --widthtype request --height 32 --SetDockType true \
    --transparent false >/dev/null 2>&1 &
  tray=$!
  trap 'kill "$tray" 2>/dev/null; velmora_stop_services' EXIT
  sleep 1
fi
"$build/bin/jiho_accuracy_bench" "$@"
