#!/usr/bin/env bash
# The wall clock is set forward over the alarm's moment while the real
# program runs (a process clock stepped by libfaketime, as time sync or a
# hand would): landing a minute past the moment, within the alarm's grace,
# the alarm rings at once instead of waiting for the next day, and the
# program still ends cleanly. Skipped (77) when a tool is missing.
#
# usage: clock_step_test.sh VELMORA VELMORA_CLI
set -uo pipefail
velmora=$1
cli=$2
faketime_lib=$(find /usr/lib -name libfaketimeMT.so.1 -print -quit 2>/dev/null)
[[ -n $faketime_lib ]] || { echo "libfaketime is not installed"; exit 77; }
# shellcheck source=program_lib.sh
source "$(dirname "$0")/program_lib.sh"

start_services
# An hour and a minute ahead: armed at start-up, and nowhere near ringing.
set_daily_alarm "$(date -d "+3660 sec" +%H:%M:%S)"

# The program's clock is the real one plus the offset in this file, read
# again every second; the millisecond count and Qt's timers stay real.
offset=$dir/faketime
echo "+0" >"$offset"
record "$dir/alarm.raw"
# (AddressSanitizer wants its own library first; libfaketime only wraps
# the clock calls, so its order does not matter.)
launch LD_PRELOAD="$faketime_lib" FAKETIME_TIMESTAMP_FILE="$offset" FAKETIME_CACHE_DURATION=1 \
  FAKETIME_DONT_FAKE_MONOTONIC=1 ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
# Past the deferred start-up, which arms the alarm.
for _ in $(seq 1 130); do
  kill -0 "$program" 2>/dev/null || ended "the program ended"
  sleep 0.1
done
heard "$dir/alarm.raw" && fail "the alarm rang before the clock was set"

# An hour and two minutes forward: the clock lands a minute past the alarm.
echo "+3720" >"$offset"
echo "the clock is set forward past the alarm"
wait_heard "$dir/alarm.raw" 10 || fail "the alarm jumped over was not rung"
echo "the alarm rings a minute late"

end_cleanly
