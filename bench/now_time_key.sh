#!/usr/bin/env bash
# How soon the key that says the time is heard: a display, a session bus and
# PulseAudio with a null sink of their own (those of the test run), then
# now_time_key_bench.
#   bench/now_time_key.sh BUILD_DIR [--presses N]
set -eu
build=$1
shift
here=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=../scripts/lib/services.sh
source "$here/scripts/lib/services.sh"
velmora_start_services
trap velmora_stop_services EXIT
"$build/bin/now_time_key_bench" "$@"
