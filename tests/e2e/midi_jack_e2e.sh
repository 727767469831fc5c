#!/usr/bin/env bash
# End to end on a private JACK server: the probe's "Tinkella" port appears, jack_midi_dump
# connected to it receives middle C's note-on and note-off, switching the output off ends a
# held note, a second copy logs the "another running instance" error once and still publishes,
# its note into the first copy's "Tinkella In" lights the key and sounds through the synthesiser
# but never comes back out, and ends when the second copy goes; without a MIDI system the
# output stays off with clear lines.
set -u
probe=$1
source "$(dirname "$0")/lib.sh"
start_jackd || fail "jackd did not start"

mkfifo "$work/in1" "$work/in2"
"$probe" --midi=jack --audio=jack <"$work/in1" >"$work/probe1.out" 2>"$work/probe1.log" &
pids+=($!)
exec 7>"$work/in1"
wait_until 10 grep -qx ready "$work/probe1.out" || fail "first probe not ready"
start_dump
connect_dump "$work/probe1.log"

echo "note 60" >&7
wait_until 10 received_in_order 0 "90 3c 7f" "80 3c 00" || fail "middle C's note-on and note-off not received in order"
grep -q "MIDI: send #2 MIDIReceivedEventList word=0x20803C00 mt=2 status=0x80 data1=60 data2=0 -> 0 (noErr)" \
  "$work/probe1.log" || fail "send line of the note-off missing"

# Switching the output off ends a held note on the wire, then sends nothing more.
echo "on 64" >&7
wait_until 10 grep -q "90 40 7f" "$work/dump.log" || fail "note-on of E not received"
echo "enable 0" >&7
wait_until 10 grep -q "80 40 00" "$work/dump.log" || fail "switching off did not end the held note"
echo "note 65" >&7
wait_until 10 grep -q "MIDI: noteOff note=65 channel=0" "$work/probe1.log" || fail "probe stalled"
grep -qE "(90|80) 41" "$work/dump.log" && fail "a switched-off output sent a note"

# The second copy picks its backend itself: without an ALSA sequencer it falls back to JACK.
"$probe" <"$work/in2" >"$work/probe2.out" 2>"$work/probe2.log" &
pids+=($!)
exec 8>"$work/in2"
wait_until 10 grep -qx ready "$work/probe2.out" || fail "second probe did not publish"
reported_other_copy "$work/probe2.log" "$work/probe1.log" ||
  fail "not only the second copy reported the other instance, once"
[ "$(jack_lsp | grep -c ':Tinkella$')" = 2 ] || fail "expected two Tinkella ports"
grep -q "virtual source PUBLISHED: name='Tinkella'" "$work/probe2.log" || fail "second copy not published"

# The second copy's middle C into the first one's "Tinkella In": lit, heard, not sent on.
jack_connect "$(jack_lsp | grep -v ^Tinkella: | grep :Tinkella$)" "Tinkella:Tinkella In" ||
  fail "could not connect to Tinkella In"
sent=$(wc -l <"$work/dump.log")
jack_rec -f "$work/take.wav" -d 2 -b 16 "Tinkella Synth:left" "Tinkella Synth:right" \
  >"$work/jackrec.log" 2>&1 &
pids+=($!)
sleep 0.3
echo "on 60" >&8
wait_until 10 grep -qx "lit 60" "$work/probe1.out" || fail "the incoming note lit no key"
wait "${pids[-1]}" 2>/dev/null
pitch=$(sox "$work/take.wav" -n remix 1 silence 1 0.005 2% trim 0.05 0.4 lowpass 400 lowpass 400 \
  stat 2>&1 | awk '/Rough   frequency/ {print $3}')
awk -v f="$pitch" 'BEGIN {exit !(f > 240 && f < 285)}' || fail "pitch $pitch Hz is not middle C"
[ "$(wc -l <"$work/dump.log")" = "$sent" ] || fail "the incoming note came back out of Tinkella"
echo quit >&8
wait_until 10 grep -qx "lit" "$work/probe1.out" || fail "the note outlived its sender"
echo quit >&7

echo "note 60" | "$probe" --midi=none >"$work/none.out" 2>"$work/none.log" || fail "probe failed"
grep -qx unavailable "$work/none.out" || fail "--midi=none published"
grep -qx "MIDI-ERROR: MIDIClientCreateWithBlock failed (noConnection)" "$work/none.log" ||
  fail "--midi=none did not say why"
grep -qx "MIDI-ERROR: send skipped: MIDI source unavailable" "$work/none.log" ||
  fail "--midi=none sent a note"
echo "PASS"
