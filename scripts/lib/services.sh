# Starts the services the tests need in a private runtime folder and stops
# them again: a virtual X display, a session bus and a PulseAudio server with
# a null sink as its default output. Sourced, not run.

# shellcheck source=xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"

velmora_start_services() {
  VELMORA_SERVICE_DIR=$(mktemp -d /tmp/velmora-services.XXXXXX)
  chmod 700 "$VELMORA_SERVICE_DIR"
  export XDG_RUNTIME_DIR="$VELMORA_SERVICE_DIR/runtime"
  mkdir -m 700 -p "$XDG_RUNTIME_DIR"

  velmora_start_xvfb "$VELMORA_SERVICE_DIR" 1920x1080x24 || return 1

  eval "$(dbus-launch --sh-syntax)"
  VELMORA_DBUS_PID=$DBUS_SESSION_BUS_PID

  # The sound server is ours alone: its socket, cookie, state and home lie in
  # the private folder and every client is pointed at that socket, so neither
  # a desktop's server nor the tests can reach the other. Anonymous access
  # lets test programs that give themselves a fresh HOME connect too.
  local pulse_dir="$VELMORA_SERVICE_DIR/pulse"
  mkdir -m 700 -p "$pulse_dir" "$VELMORA_SERVICE_DIR/pulse-home"
  export PULSE_RUNTIME_PATH="$pulse_dir"
  export PULSE_STATE_PATH="$pulse_dir/state"
  export PULSE_COOKIE="$pulse_dir/cookie"
  export PULSE_SERVER="unix:$pulse_dir/native"
  HOME="$VELMORA_SERVICE_DIR/pulse-home" XDG_CONFIG_HOME="$VELMORA_SERVICE_DIR/pulse-home/.config" \
    pulseaudio --daemonize=no --system=no --exit-idle-time=-1 --disallow-exit -n \
    --log-target=stderr \
    --load="module-native-protocol-unix socket=$pulse_dir/native auth-cookie=$pulse_dir/cookie auth-anonymous=1" \
    --load="module-null-sink sink_name=velmora_null sink_properties=device.description=VelmoraNull" \
    --load="module-always-sink" \
    >"$VELMORA_SERVICE_DIR/pulseaudio.log" 2>&1 &
  VELMORA_PULSE_PID=$!

  local i
  for i in $(seq 1 50); do
    if pactl info >/dev/null 2>&1; then
      pactl set-default-sink velmora_null >/dev/null 2>&1 || true
      return 0
    fi
    sleep 0.2
  done
  echo "services did not start; logs:" >&2
  cat "$VELMORA_SERVICE_DIR"/*.log >&2 || true
  return 1
}

velmora_stop_services() {
  local pid
  for pid in "${VELMORA_PULSE_PID:-}" "${VELMORA_DBUS_PID:-}" "${VELMORA_XVFB_PID:-}"; do
    if [[ -n "$pid" ]]; then
      kill "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
    fi
  done
  if [[ -n "${VELMORA_SERVICE_DIR:-}" ]]; then
    rm -rf "$VELMORA_SERVICE_DIR"
  fi
  # Nothing may go on pointing at the server that is gone.
  unset PULSE_SERVER PULSE_COOKIE PULSE_RUNTIME_PATH PULSE_STATE_PATH
}
