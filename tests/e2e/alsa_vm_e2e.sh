#!/usr/bin/env bash
# The ALSA backends on a real kernel, in one boot of scripts/alsa-vm: the program publishes a
# readable, subscribable "Tinkella" port, lists no system ports as sources and hears clients come
# and go; a second copy (the probe) reports the other instance once, and its middle C key
# reaches aseqdump as note-on and note-off and sounds through FluidSynth's ALSA driver into
# snd-aloop, recorded on the loopback's other side; a sender into its "Tinkella In" lights a key
# until it leaves.
set -u
# The build folder (that of the cache $3) stays writable for coverage counters.
[ "${1:-}" = --in-vm ] || ALSA_VM_WRITABLE=${3%/*} exec "$(dirname "$0")/../../scripts/alsa-vm" \
  "$3" "$0" --in-vm "$1" "$2"
bin=$2
source "$(dirname "$0")/lib.sh"
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$work/config
# Waits for a line matching $2 in log $1 after the mark taken before the event (logged_after).
mark() { marked=$(wc -l <"$1"); }
logged_after() { wait_until 120 eval "tail -n +$((marked + 1)) $1 | grep -q '$2'"; }

start_app tinkella --audio=none
wait_until 300 grep -q "virtual source PUBLISHED" "$work/tinkella.log" || fail "not published"
# The kernel's view: R = readable and subscribable, - = not writable, e = exported.
grep -A3 '"Tinkella" \[User' /proc/asound/seq/clients | grep -q 'Port .*"Tinkella" (R-e-)' ||
  fail "no port Tinkella with capabilities R-e- in $(cat /proc/asound/seq/clients)"
aseqdump -l | grep -q "Tinkella  *Tinkella" || fail "aseqdump -l does not list Tinkella"
grep -q "source \[.*— System" "$work/tinkella.log" && fail "system ports listed as MIDI sources"

mkfifo "$work/in"
"$3" --midi=alsa --audio=alsa <"$work/in" >"$work/probe.out" 2>"$work/probe.log" &
probe_pid=$!
pids+=("$probe_pid")
exec 7>"$work/in"
wait_until 300 grep -qx ready "$work/probe.out" || fail "probe not ready"
reported_other_copy "$work/probe.log" "$work/tinkella.log" ||
  fail "not only the second copy reported the other instance, once"
address=$(sed -n "s/.*virtual source PUBLISHED: name='Tinkella' uniqueID=//p" "$work/probe.log")
mark "$work/tinkella.log"
aseqdump -p $((address / 256)):$((address % 256)) >"$work/dump.log" 2>&1 &
dump_pid=$!
logged_after "$work/tinkella.log" "notification: id=2" || fail "a new client was not notified"
wait_until 60 grep -q "Connected From: $((address / 256)):$((address % 256))" /proc/asound/seq/clients ||
  fail "aseqdump did not subscribe"

arecord -q -D plughw:Loopback,1,0 -f S16_LE -r 48000 -c 2 -d 4 "$work/take.wav" 2>"$work/arecord.log" &
record_pid=$!
wait_until 60 grep -q RUNNING /proc/asound/Loopback/pcm1c/sub0/status || fail "arecord did not start"
echo "key 60" >&7
sleep 1.5
echo "up 60" >&7
wait "$record_pid" || fail "arecord failed"
wait_until 60 received_in_order 0 "note 60, velocity 127" "note 60, velocity 0" ||
  fail "middle C's note-on and note-off did not reach aseqdump in order"
mark "$work/tinkella.log"
kill "$dump_pid"
logged_after "$work/tinkella.log" "notification: id=3" || fail "a client leaving was not notified"

# A sender into the probe's "Tinkella In" lights middle C; its note ends when the sender leaves.
client=$((address / 256))
input=$(aconnect -o | awk -v c="$client:" '/^client/ {on = $2 == c} on && /Tinkella In/ {print $1}')
[ -n "$input" ] || fail "no writable port Tinkella In: $(aconnect -o)"
printf 'MThd\0\0\0\6\0\0\0\1\0\140MTrk\0\0\0\10\0\220\74\144\140\377\57\0' >"$work/on.mid"
aplaymidi -p "$client:$input" "$work/on.mid" || fail "aplaymidi failed"
wait_until 60 grep -qx "lit 60" "$work/probe.out" || fail "middle C from MIDI in did not light"
wait_until 60 eval 'tail -n 1 "$work/probe.out" | grep -qx lit' || fail "the sender's note outlived it"

heard_middle_c "$work/take.wav" 0.01 || fail "no middle C above -40 dBFS in the take"
echo quit >&7
wait "$probe_pid" || fail "the probe ended with status $?"
echo "PASS"
