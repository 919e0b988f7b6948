#!/usr/bin/env bash
# Kills a settings writer with SIGKILL in the middle of its writes, again and
# again, and after every kill checks that Settei.ini is whole and holds every
# write that had completed (the one in flight may have landed or not).
#
# usage: settings_crash_test.sh RIG [KILLS]
#   RIG    the settings_crash_rig program
#   KILLS  how many times to kill the writer (200)
set -euo pipefail
rig=$1
kills=${2:-200}

work=$(mktemp -d "${TMPDIR:-/tmp}/velmora-crash.XXXXXX")
writer=
cleanup() {
  if [[ -n "$writer" ]]; then
    kill -KILL "$writer" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
file=$work/Settei.ini
log=$work/writes.log
: >"$log"

mid_write=0
for ((round = 1; round <= kills; round++)); do
  # Start with the write that was in flight at the last kill, or the next one.
  last=$(tail -n 1 "$log")
  if [[ -z "$last" ]]; then
    first=0
  elif [[ $last == B* ]]; then
    first=${last#B }
  else
    first=$((${last#D } + 1))
  fi
  lines_before=$(wc -l <"$log")
  "$rig" write "$file" "$first" >>"$log" 2>"$work/writer.err" &
  writer=$!
  # Wait for the writer's first write, so the kill lands among the writes and
  # not in the program's start.
  for _ in $(seq 1 500); do
    if (($(wc -l <"$log") > lines_before)) || ! kill -0 "$writer" 2>/dev/null; then
      break
    fi
    sleep 0.005
  done
  if ! kill -0 "$writer" 2>/dev/null; then
    echo "round $round: the writer stopped by itself:" >&2
    cat "$work/writer.err" >&2
    exit 1
  fi
  # 0 to 60 ms more: tens of writes, each a read, a rewrite and two fsyncs.
  sleep "0.0$(printf '%02d' $((RANDOM % 60)))"
  kill -KILL "$writer"
  wait "$writer" 2>/dev/null || true
  writer=
  if [[ $(tail -n 1 "$log") == B* ]]; then
    mid_write=$((mid_write + 1))
  fi
  if ! result=$("$rig" check "$file" "$log"); then
    echo "round $round: the settings file is damaged after the kill" >&2
    echo "last log lines:" >&2
    tail -n 4 "$log" >&2
    exit 1
  fi
done
echo "$kills kills, $mid_write of them inside a write; last check: $result"
echo "file: $(wc -c <"$file") bytes, $(grep -c '^Key' "$file" || true) keys"
