#!/usr/bin/env bash
# The real-time checker on a private JACK server: in every process callback it counts the
# allocation, the free and the mutex lock, naming where the first came from, but not the eventfd
# wake-up.
set -u
checker=$1
sender=$2
source "$(dirname "$0")/../e2e/lib.sh"
start_jackd || fail "jackd did not start"

# The sender's report, written as it ends when its standard input closes a second later.
sleep 1 | TINKELLA_RTCHECK_REPORT=$work/faults LD_PRELOAD=$checker "$sender" --rt-faults \
  >"$work/faults.log" 2>&1 || fail "the sender failed"
report=$(cat "$work"/faults.[0-9]*) || fail "the sender left no report"
echo "$report" | head -n 3
count() { echo "$report" | sed -n "s/^$1: \([0-9]*\),.*/\1/p"; }
callbacks=$(echo "$report" | sed -n 's/^marked callbacks: //p')
[ "${callbacks:-0}" -gt 0 ] || fail "no process callback was marked"
for call in malloc free pthread_mutex_lock; do
  [ "$(count "$call")" -ge "$callbacks" ] || fail "$(count "$call") calls to $call counted in $callbacks cycles"
done
echo "$report" | grep -A 8 "^pthread_mutex_lock" | grep -q "midi_send" ||
  fail "the lock's backtrace does not name the sender"
[ -z "$(count write)" ] || fail "the eventfd wake-up was counted as a write"
echo "PASS"
