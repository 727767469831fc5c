#!/usr/bin/env bash
# The real-time checker on a private JACK server: it counts the allocations, frees and mutex
# locks of a process callback but not its eventfd wake-ups, and FluidSynth playing chords there
# (events and rendering on the audio thread, reverb and chorus on) makes no offending call.
set -u
checker=$1
probe=$2
source "$(dirname "$0")/../e2e/lib.sh"
start_jackd || fail "jackd did not start"

# Runs the probe in mode $1 for $2 cycles under the checker; its report in $report.
checked() {
  TINKELLA_RTCHECK_REPORT=$work/$1 LD_PRELOAD=$checker "$probe" "$@" >"$work/$1.log" 2>&1 || fail "the $1 probe failed"
  report=$(cat "$work/$1".[0-9]*) || fail "the $1 probe left no report"
  echo "$report" | head -n 3
}
count() { echo "$report" | sed -n "s/^$1: \([0-9]*\),.*/\1/p"; }

checked faults 200
for call in malloc free pthread_mutex_lock; do
  [ "$(count "$call")" -ge 200 ] || fail "$(count "$call") calls to $call counted in 200 cycles"
done
echo "$report" | grep -A 8 "^pthread_mutex_lock" | grep -q "rtcheck_probe" ||
  fail "the lock's backtrace does not name the probe"
[ -z "$(count write)" ] || fail "the eventfd wake-up was counted as a write"

checked synth 1500 "${SOUNDFONT:-/usr/share/sounds/sf2/default-GM.sf2}"
grep -q "^offending calls: 0$" <<<"$report" || fail "FluidSynth offends on the audio thread: $report"
echo "PASS"
