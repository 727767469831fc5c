#!/usr/bin/env bash
# End to end on a private JACK server: the probe's "Tinkella" port appears; a second copy logs
# the "another running instance" error once and still publishes, its note into the first copy's
# "Tinkella In" lights the key and sounds through the synthesiser's own client, and ends when the
# second copy goes; without a MIDI system the output stays off with clear lines.
set -u
probe=$1
source "$(dirname "$0")/lib.sh"
start_jackd || fail "jackd did not start"

mkfifo "$work/in1" "$work/in2"
"$probe" --midi=jack --audio=jack <"$work/in1" >"$work/probe1.out" 2>"$work/probe1.log" &
pids+=($!)
exec 7>"$work/in1"
wait_until 10 grep -qx ready "$work/probe1.out" || fail "first probe not ready"

# The second copy picks its backend itself: without an ALSA sequencer it falls back to JACK.
"$probe" <"$work/in2" >"$work/probe2.out" 2>"$work/probe2.log" &
pids+=($!)
exec 8>"$work/in2"
wait_until 10 grep -qx ready "$work/probe2.out" || fail "second probe did not publish"
reported_other_copy "$work/probe2.log" "$work/probe1.log" ||
  fail "not only the second copy reported the other instance, once"
[ "$(jack_lsp | grep -c ':Tinkella$')" = 2 ] || fail "expected two Tinkella ports"
grep -q "virtual source PUBLISHED: name='Tinkella'" "$work/probe2.log" || fail "second copy not published"

# The second copy's middle C into the first one's "Tinkella In": lit and heard.
jack_connect "$(jack_lsp | grep -v ^Tinkella: | grep :Tinkella$)" "Tinkella:Tinkella In" ||
  fail "could not connect to Tinkella In"
jack_rec -f "$work/take.wav" -d 2 -b 16 "Tinkella Synth:left" "Tinkella Synth:right" \
  >"$work/jackrec.log" 2>&1 &
pids+=($!)
sleep 0.3
echo "on 60" >&8
wait_until 10 grep -qx "lit 60" "$work/probe1.out" || fail "the incoming note lit no key"
wait "${pids[-1]}" 2>/dev/null
heard_middle_c "$work/take.wav" 0.01 || fail "the incoming note is not a clear middle C"
echo quit >&8
wait_until 10 grep -qx "lit" "$work/probe1.out" || fail "the note outlived its sender"
echo quit >&7

echo "on 60" | "$probe" --midi=none >"$work/none.out" 2>"$work/none.log" || fail "probe failed"
grep -qx unavailable "$work/none.out" || fail "--midi=none published"
grep -qx "MIDI-ERROR: MIDIClientCreateWithBlock failed (noConnection)" "$work/none.log" ||
  fail "--midi=none did not say why"
grep -qx "MIDI-ERROR: send skipped: MIDI source unavailable" "$work/none.log" ||
  fail "--midi=none sent a note"
echo "PASS"
