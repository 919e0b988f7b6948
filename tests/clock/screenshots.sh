#!/usr/bin/env bash
# Photographs the clock window on a private virtual display, first without
# and then with a compositing manager (xcompmgr). Skipped (77) when Xvfb is
# not installed.
#   screenshots.sh PROGRAM ARTIFACT_DIR
set -u
program=$1
out=$2
command -v Xvfb >/dev/null || { echo "Xvfb is not installed"; exit 77; }

# shellcheck source=../../scripts/lib/xvfb.sh
source "$(dirname "$0")/../../scripts/lib/xvfb.sh"

dir=$(mktemp -d /tmp/velmora-screens.XXXXXX)
VELMORA_XVFB_PID=
compositor=
cleanup() {
  [[ -n $compositor ]] && kill "$compositor" 2>/dev/null && wait "$compositor" 2>/dev/null
  [[ -n $VELMORA_XVFB_PID ]] && kill "$VELMORA_XVFB_PID" 2>/dev/null && wait "$VELMORA_XVFB_PID" 2>/dev/null
  rm -rf "$dir"
}
trap cleanup EXIT
velmora_start_xvfb "$dir" 1280x1024x24 || exit 1
export QT_QPA_PLATFORM=xcb

status=0
"$program" plain "$out" || status=1
if command -v xcompmgr >/dev/null; then
  xcompmgr >"$dir/xcompmgr.log" 2>&1 &
  compositor=$!
  sleep 1
  "$program" composited "$out" || status=1
else
  echo "xcompmgr is not installed: no pictures with a compositing manager"
fi
exit $status
