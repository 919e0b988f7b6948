# Starts a private virtual X display. Sourced, not run.

# velmora_start_xvfb DIR GEOMETRY: starts Xvfb on a display it picks itself
# (parallel runs never collide), logging to DIR/xvfb.log; exports DISPLAY and
# sets VELMORA_XVFB_PID once the server is ready.
velmora_start_xvfb() {
  local dir=$1 geometry=$2
  # Xvfb writes the display number to the fd once it accepts clients.
  Xvfb -displayfd 3 -screen 0 "$geometry" -nolisten tcp 3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
  VELMORA_XVFB_PID=$!
  local _
  for _ in $(seq 1 100); do
    if [[ -f $dir/display && $(wc -l <"$dir/display") -ge 1 ]]; then
      DISPLAY=":$(head -n1 "$dir/display")"
      export DISPLAY
      return 0
    fi
    sleep 0.1
  done
  echo "Xvfb did not start" >&2
  cat "$dir/xvfb.log" >&2
  kill "$VELMORA_XVFB_PID" 2>/dev/null
  return 1
}
