#!/usr/bin/env bash
# Photographs the clock window on a private virtual display, first without
# and then with a compositing manager (xcompmgr). Skipped (77) when Xvfb is
# not installed.
#   screenshots.sh PROGRAM ARTIFACT_DIR
set -u
program=$1
out=$2
command -v Xvfb >/dev/null || { echo "Xvfb is not installed"; exit 77; }

dir=$(mktemp -d /tmp/velmora-screens.XXXXXX)
# The server picks a free display itself, so parallel runs never collide.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
xvfb=$!
compositor=
cleanup() {
  [[ -n $compositor ]] && kill "$compositor" 2>/dev/null && wait "$compositor" 2>/dev/null
  kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$dir"
}
trap cleanup EXIT
for _ in $(seq 1 50); do
  [[ -s $dir/display ]] && break
  sleep 0.1
done
[[ -s $dir/display ]] || { echo "Xvfb did not start"; cat "$dir/xvfb.log"; exit 1; }
export DISPLAY=":$(head -n1 "$dir/display")"
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
