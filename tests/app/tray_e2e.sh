#!/usr/bin/env bash
# Runs the tray end-to-end test on a private virtual display with an XEmbed
# tray (trayer) and a private session bus, so neither a desktop's tray nor
# another test's windows can get in its way. Skipped (77) when a tool is
# missing.
#
# With --screen-reader it runs the screen reader test instead, with an
# accessibility bus (at-spi2-core) on that session bus. The bus launcher
# marks the display as accessible, so every Qt program started on it would
# talk to the bus: the display and the bus are this run's alone, and the
# other tests never see them.
#   tray_e2e.sh [--screen-reader] TEST_PROGRAM ARTIFACT_DIR
set -u
launcher=/usr/libexec/at-spi-bus-launcher

# Run again by itself inside the session bus (--on-bus COMMAND...): the
# accessibility bus beside the test, ended with it.
if [[ ${1-} == --on-bus ]]; then
  shift
  "$launcher" --launch-immediately &
  launcher_pid=$!
  for _ in $(seq 1 50); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
      org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true && break
    sleep 0.1
  done
  "$@"
  status=$?
  kill "$launcher_pid" 2>/dev/null
  wait "$launcher_pid" 2>/dev/null
  exit "$status"
fi

screen_reader=
if [[ ${1-} == --screen-reader ]]; then
  screen_reader=1
  shift
fi
program=$1
out=$2
for tool in Xvfb trayer xdotool xwininfo dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done
if [[ -n $screen_reader ]]; then
  [[ -x $launcher ]] || { echo "at-spi2-core is not installed"; exit 77; }
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "python3-pyatspi is not installed"; exit 77; }
fi

# shellcheck source=../../scripts/lib/xvfb.sh
source "$(dirname "$0")/../../scripts/lib/xvfb.sh"

dir=$(mktemp -d /tmp/velmora-tray.XXXXXX)
VELMORA_XVFB_PID=
trayer_pid=
cleanup() {
  [[ -n $trayer_pid ]] && kill "$trayer_pid" 2>/dev/null && wait "$trayer_pid" 2>/dev/null
  [[ -n $VELMORA_XVFB_PID ]] && kill "$VELMORA_XVFB_PID" 2>/dev/null && wait "$VELMORA_XVFB_PID" 2>/dev/null
  rm -rf "$dir"
}
trap cleanup EXIT
velmora_start_xvfb "$dir" 1280x800x24 || exit 1

# The tray in the top right corner, as on many desktops. On a loaded
# machine trayer has been seen never to come up: it is given ten seconds,
# then started once more, and the run stops with its log when it still has
# no panel, rather than failing every test for a missing icon.
start_trayer() {
  trayer --edge top --align right --widthtype request --height 32 --SetDockType true \
    --transparent false >>"$dir/trayer.log" 2>&1 &
  trayer_pid=$!
  for _ in $(seq 1 100); do
    xwininfo -root -tree 2>/dev/null | grep -q '"panel"' && return 0
    sleep 0.1
  done
  kill "$trayer_pid" 2>/dev/null && wait "$trayer_pid" 2>/dev/null
  trayer_pid=
  return 1
}
if ! start_trayer && ! start_trayer; then
  echo "trayer did not come up; its log:" >&2
  cat "$dir/trayer.log" >&2
  exit 1
fi

# A bus of its own: no desktop's StatusNotifier host takes the icon away
# from the XEmbed tray.
if [[ -z $screen_reader ]]; then
  dbus-run-session -- "$program" "$out" --gtest_filter='-ScreenReader.*'
  exit
fi
export VELMORA_SCREEN_READER_WALK
VELMORA_SCREEN_READER_WALK=$(cd "$(dirname "$0")" && pwd)/screen_reader_walk.py
dbus-run-session -- "$0" --on-bus "$program" "$out" --gtest_filter='ScreenReader.*'
