#!/usr/bin/env bash
# Two clients kept across JACK server restarts (killed, then stopped cleanly): each loss is
# reported once and so is each return; the ports come back under their names, the synthesiser
# client's outputs reconnected to playback and sounding; a connection the user made comes back
# when its peer appears again, one the user broke does not.
set -u
probe=$1
source "$(dirname "$0")/lib.sh"
start_jackd || fail "jackd did not start"

mkfifo "$work/in"
"$probe" <"$work/in" >"$work/probe.out" 2>"$work/probe.log" &
probe_pid=$!
pids+=("$probe_pid")
exec 7>"$work/in"
wait_until 10 grep -qx ready "$work/probe.out" || fail "probe not ready"
playing() { jack_lsp -c "Tinkella Synth:$1" 2>/dev/null | grep -q "system:playback_$2"; }
peer_connected() { jack_lsp -c conn-probe:out 2>/dev/null | grep -q "midi-monitor:input"; }
# A jack_midi_dump that outlives its server would take the wake-ups of the next one's
# "midi-monitor", so it goes with the server.
stop_server() {
  kill "-$1" "$jackd_pid"
  wait "$jackd_pid" 2>/dev/null
  kill "$dump_pid" 2>/dev/null
}
start_dump_again() { start_dump && dump_pid=${pids[-1]}; }

start_dump_again
jack_connect conn-probe:out midi-monitor:input || fail "jack_connect failed"

# Stops the server with signal $1, checks the loss is reported (report number $2), starts it
# again and checks the return within a few seconds.
restart_server() {
  stop_server "$1"
  wait_until 10 grep -qx "gone $2" "$work/probe.out" || fail "SIG$1: loss not reported"
  [ "$(grep -c "sound waits for it to come back" "$work/probe.log")" = "$2" ] ||
    fail "SIG$1: the synthesiser client did not say once that the server went"
  gone "$probe_pid" && fail "SIG$1: the probe died with the server"
  start_jackd || fail "SIG$1: jackd did not start again"
  local started=$SECONDS
  wait_until 5 grep -qx "back $2" "$work/probe.out" || fail "SIG$1: return not reported"
  echo "SIG$1: back within $((SECONDS - started)) s of the server accepting clients"
  [ "$(grep -c "sound plays again" "$work/probe.log")" = "$2" ] ||
    fail "SIG$1: the synthesiser client did not say once that the server is back"
  for port in conn-probe:out "conn-probe:in" "Tinkella Synth:left" "Tinkella Synth:right"; do
    wait_until 5 has_port "$port" || fail "SIG$1: $port missing"
  done
  playing left 1 && playing right 2 || fail "SIG$1: outputs not reconnected to playback"
  start_dump_again
  wait_until 5 peer_connected || fail "SIG$1: connection to jack_midi_dump not restored"
}
restart_server KILL 1
jack_rec -f "$work/take.wav" -d 1 -b 16 "Tinkella Synth:left" >"$work/jackrec.log" 2>&1 ||
  fail "jack_rec failed"
peak=$(sox "$work/take.wav" -n stat 2>&1 | awk '/Maximum amplitude/ {print $3}')
awk -v p="$peak" 'BEGIN {exit !(p > 0.2)}' || fail "no sound after the restart (peak $peak)"
restart_server TERM 2

# A connection the user broke stays broken after the next restart.
jack_disconnect conn-probe:out midi-monitor:input || fail "jack_disconnect failed"
sleep 0.5
stop_server KILL
wait_until 10 grep -qx "gone 3" "$work/probe.out" || fail "third loss not reported"
start_jackd || fail "jackd did not start a third time"
wait_until 5 grep -qx "back 3" "$work/probe.out" || fail "third return not reported"
start_dump_again
sleep 1
peer_connected && fail "a connection the user broke came back"

echo q >&7
wait_until 10 gone "$probe_pid" || fail "probe did not end"
wait "$probe_pid" || fail "probe exit status $?"
grep -qx "end gone 3 back 3" "$work/probe.out" || fail "losses and returns not reported once each"
echo "PASS"
