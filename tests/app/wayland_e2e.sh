#!/usr/bin/env bash
# The program in a Wayland session under a real compositor: weston,
# headless, with XWayland. Where an X display answers, the program runs on
# it: the clock shows at its stored place, and the tray (a panel's
# StatusNotifierItem watcher) and the settings dialog work. Where none does,
# it runs on Wayland, stays up without filling its output with warnings,
# keeps the stored place for a later X11 start, and ends cleanly. Skipped
# (77) when a tool is missing.
#
# usage: wayland_e2e.sh VELMORA VELMORA_CLI TRAY_TESTS
set -uo pipefail
velmora=$1
cli=$2
tray_tests=$3
for tool in weston Xwayland xwininfo dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done
[[ -n $(find /usr/lib -path '*/platforms/libqwayland-generic.so' -print -quit 2>/dev/null) ]] ||
  { echo "qt6-wayland is not installed"; exit 77; }

dir=$(mktemp -d "${TMPDIR:-/tmp}/velmora-wayland.XXXXXX")
mkdir -p "$dir/runtime" "$dir/home"
chmod 700 "$dir/runtime"
weston_pid=
session=
program=
cleanup() {
  [[ -n $session ]] && kill "$session" 2>/dev/null && wait "$session" 2>/dev/null
  [[ -n $weston_pid ]] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
  rm -rf "$dir"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  echo "--- program output:"; cat "$dir/velmora.log" 2>/dev/null
  echo "--- weston:"; tail -20 "$dir/weston.log" 2>/dev/null
  exit 1
}

XDG_RUNTIME_DIR=$dir/runtime weston --backend=headless-backend.so --xwayland --socket=velmora-wl \
  --width=1280 --height=800 --idle-time=0 --logger-scopes=log,xwm-wm-x11 --log="$dir/weston.log" &
weston_pid=$!
display=
for _ in $(seq 1 100); do
  display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$dir/weston.log" 2>/dev/null)
  [[ -n $display && -S $dir/runtime/velmora-wl ]] && break
  sleep 0.1
done
[[ -n $display ]] || fail "weston did not offer an X display"

data="$dir/home/Documents/ハルカゼ舎/VelmoraData"
mkdir -p "$data"
ini=$data/Settei.ini
set_key() { "$cli" ini set "$ini" "$@" >/dev/null || fail "velmora-cli ini set $*"; }
set_key Jiho Use 0
set_key Clock Left 300
set_key Clock Top 200
set_key Clock Width 200
set_key Clock AllwaysFront 0

# Starts the program in the Wayland session with the X display given (or
# none) and no platform chosen; $program is the program itself, $session
# the bus around it.
launch() {
  rm -f "$dir/pid"
  # shellcheck disable=SC2016  # $$ is the inner shell's, which becomes the program
  HOME=$dir/home XDG_CONFIG_HOME=$dir/home/.config XDG_RUNTIME_DIR=$dir/runtime \
    WAYLAND_DISPLAY=velmora-wl XDG_SESSION_TYPE=wayland DISPLAY=$1 \
    env -u QT_QPA_PLATFORM dbus-run-session -- sh -c 'echo $$ >"$0"; exec "$1"' "$dir/pid" \
    "$velmora" >"$dir/velmora.log" 2>&1 &
  session=$!
  for _ in $(seq 1 100); do
    [[ -s $dir/pid ]] && break
    sleep 0.05
  done
  program=$(cat "$dir/pid" 2>/dev/null) || fail "the program did not start"
}
# Ends the program with SIGTERM; fails unless it ends cleanly and soon.
end() {
  kill -TERM "$program" || fail "the program was not running"
  for _ in $(seq 1 100); do
    kill -0 "$session" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$session" 2>/dev/null && fail "the program did not end on SIGTERM"
  wait "$session" || fail "the program ended with status $?"
  session=
}

# With XWayland: the clock's X window is made at its stored place, which is
# where a window manager that places windows as they ask (KWin's, Mutter's)
# shows it. Weston 10's puts every window in the corner, inside a frame of
# its own, so the test reads the place the window was made at from its log.
launch "$display"
clock=
for _ in $(seq 1 100); do
  clock=$(DISPLAY=$display xwininfo -root -tree 2>/dev/null | grep '"velmora"' | grep -m1 ' 200x')
  [[ -n $clock ]] && break
  sleep 0.1
done
[[ -n $clock ]] || fail "no clock window on the X display $display"
echo "the clock on XWayland: $clock"
made=$(grep -m1 "XCB_CREATE_NOTIFY (window $(($(awk '{print $1}' <<<"$clock"))), " "$dir/weston.log")
[[ $made == *"at (300, 200), width 200"* ]] || fail "the clock was not made at its stored place: $made"
end

# The tray's menu and the settings dialog on XWayland, driven as a panel
# drives them.
DISPLAY=$display WAYLAND_DISPLAY=$dir/runtime/velmora-wl XDG_SESSION_TYPE=wayland \
  dbus-run-session -- "$tray_tests" --gtest_filter='StatusNotifierTray.*' >"$dir/tray.log" 2>&1 ||
  { cat "$dir/tray.log"; fail "the tray or the dialog failed on XWayland"; }
grep -q '^\[  PASSED  \] 1 test' "$dir/tray.log" || { cat "$dir/tray.log"; fail "the tray test did not run"; }
echo "the tray's menu and the settings dialog work on XWayland"

# Without an X display: on Wayland itself, up for a while without a flood
# of warnings, and the stored place kept. (The XWayland run stored where
# weston put the clock.)
set_key Clock Left 300
set_key Clock Top 200
launch ""
for _ in $(seq 1 60); do
  kill -0 "$session" 2>/dev/null || fail "the program ended on Wayland"
  sleep 0.1
done
lines=$(wc -l <"$dir/velmora.log")
[[ $lines -lt 20 ]] || fail "$lines lines of output in six seconds"
end
[[ $("$cli" ini get "$ini" Clock Left) == 300 && $("$cli" ini get "$ini" Clock Top) == 200 ]] ||
  fail "the stored place was lost on Wayland"
echo "the program ran on Wayland and kept the clock's place"
