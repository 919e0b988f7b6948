#!/usr/bin/env bash
# Runs the tray end-to-end test on a private virtual display with an XEmbed
# tray (trayer) and a private session bus, so neither a desktop's tray nor
# another test's windows can get in its way. Skipped (77) when a tool is
# missing.
#   tray_e2e.sh TEST_PROGRAM ARTIFACT_DIR
set -u
program=$1
out=$2
for tool in Xvfb trayer xdotool xwininfo dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done

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

# The tray in the top right corner, as on many desktops.
trayer --edge top --align right --widthtype request --height 32 --SetDockType true \
  --transparent false >"$dir/trayer.log" 2>&1 &
trayer_pid=$!
for _ in $(seq 1 50); do
  xwininfo -root -tree 2>/dev/null | grep -q '"panel"' && break
  sleep 0.1
done

# A bus of its own: no desktop's StatusNotifier host takes the icon away
# from the XEmbed tray.
dbus-run-session -- "$program" "$out"
