#!/usr/bin/env bash
# The sound server goes away while the alarm rings and comes back a few
# seconds later. The real program, on a virtual display of its own and a
# PulseAudio server of its own (so no other test hears or loses anything),
# must live through it, ring again on the restarted server, and still end
# cleanly on SIGTERM: its event loop never froze. Skipped (77) when a tool
# is missing.
#
# usage: sound_server_loss_test.sh VELMORA VELMORA_CLI
set -uo pipefail
velmora=$1
cli=$2
# shellcheck source=program_lib.sh
source "$(dirname "$0")/program_lib.sh"

start_services

# A program started just before its alarm time rings it on its first tick
# in the five seconds after that time (the wake-up moment is only computed
# ten seconds after the start). A machine too slow to be up within those
# seconds gets another try with more time.
rang=
for lead in 5 9 14; do
  set_daily_alarm "$(date -d "+$lead sec" +%H:%M:%S)"
  record "$dir/before.raw"
  launch
  if wait_heard "$dir/before.raw" $((lead + 8)); then
    rang=1
    break
  fi
  echo "the alarm $lead s ahead was not heard; trying again"
  kill "$program" && wait "$session" 2>/dev/null
  program=
  session=
  kill "$recorder" && wait "$recorder" 2>/dev/null
  recorder=
done
[[ -n $rang ]] || fail "the alarm never rang"
echo "the alarm rings"

# Lost in the middle of a round, away longer than a client library's quick
# reconnection attempts last.
sleep 1.5
stop_server
echo "sound server stopped"
for _ in $(seq 1 40); do
  kill -0 "$program" 2>/dev/null || ended "the program died without its sound server"
  sleep 0.1
done
start_server || fail "pulseaudio did not start again"
echo "sound server started again"
record "$dir/after.raw"
wait_heard "$dir/after.raw" 15 || fail "the alarm was not heard again on the restarted server"
echo "the alarm rings again"

end_cleanly
