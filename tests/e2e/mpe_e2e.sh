#!/usr/bin/env bash
# MPE on the real program (Xvfb, openbox, private JACK): configuration at connection; a mouse slide
# from middle C to D bends only its channel, to +2 semitones, heard going from 262 to 294 Hz; a
# computer key held beside it sounds on a channel of its own; saved, the performance starts at its
# first note, the configuration sent before it at tick 0.
set -u
[ -n "${MPE_E2E_BUS:-}" ] || MPE_E2E_BUS=1 exec dbus-run-session -- "$0" "$@"
bin=$1
source "$(dirname "$0")/lib.sh"
export XDG_CONFIG_HOME=$work/config
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
cleanup_first() { xdotool mouseup 1 keyup z 2>/dev/null; }
mkdir -p "$XDG_CONFIG_HOME/Quorvin" && printf '[General]\nexpression=mpe\n' >"$XDG_CONFIG_HOME/Quorvin/Tinkella.conf"
start_x 1920x1080 && start_jackd || fail "Xvfb with openbox, or jackd, did not start"
start_app tinkella --midi=jack --audio=jack
wait_until 15 find_window '^Tinkella$' || fail "piano window not shown"
start_dump && connect_dump "$work/tinkella.log"
seen() { grep -q "$1" "$work/dump.log"; }
wait_until 5 seen "bf 06 30" && seen "b0 06 02" && seen "b1 06 30" || fail "no bend ranges (RPN 0)"
seen "b0 06 0f" || fail "no MPE configuration message (RPN 6 = 15) at connection"

xdotool windowactivate --sync "$window" 2>/dev/null
read -r x y w h < <(geometry "$window")
cx=$((x + 35 * 50 + 25 - (3500 - w) * 60 / 96)) # middle C's centre; D's is 50 to the right
jack_rec -f "$work/slide.wav" -d 6 -b 16 Tinkella:left Tinkella:right >"$work/jackrec.log" 2>&1 & sleep 1
# shellcheck disable=SC2046
xdotool mousemove "$cx" $((y + h - 45)) mousedown 1 sleep 1.5 \
  $(for s in $(seq 2 2 50); do echo "mousemove $((cx + s)) $((y + h - 45)) sleep 0.01"; done) \
  sleep 2 keydown z sleep 0.5 mouseup 1 keyup z
wait $! 2>/dev/null; sleep 0.5
on=$(grep -m1 -o ': 9[1-9a-f] 3c 7f' "$work/dump.log") || fail "no note-on 60 on a member channel"
ch=${on:3:1}
grep ": 9[1-9a-f] 30 7f" "$work/dump.log" | grep -qv ": 9$ch " || fail "no note-on 48 on another channel"
seen ": 8$ch 3c 00" || fail "no note-off 60 on channel $ch"
grep -o ': e. .. ..' "$work/dump.log" | grep -v ": e$ch" | grep -v ' 00 40' && fail "bends off the slide's channel"
# The last bend before the note-off, and the channel centred again after it.
last=$(grep -o ": e$ch .. ..\|: 8$ch 3c" "$work/dump.log" | grep -B1 ": 8$ch 3c" | head -1)
grep -o ": e$ch .. .." "$work/dump.log" | tail -1 | grep -q " 00 40" || fail "channel $ch left bent"
bend=$((0x${last:8:2} * 128 + 0x${last:5:2}))
[ "$bend" -ge 8448 ] && [ "$bend" -le 8618 ] || fail "the slide ended at bend $bend, not 8533"
# The strongest frequency (200..350 Hz, half-hertz bins) in each 0.3 s from every 0.2 s: middle C
# first, D later. (The dummy server's cycles run late on a busy machine: no wall-clock times.)
heard=$(for o in $(seq 0 0.2 5.6); do
  sox "$work/slide.wav" -n remix 1 trim "$o" 0.3 rate 2000 stat -freq 2>&1 |
    awk '$1 > 200 && $1 < 350 && $2 > m {m = $2; f = $1} END {printf "%.1f ", f}'
done)
echo "last bend $bend on channel $ch; heard (Hz, every 0.2 s): $heard"
echo "$heard" | awk '{for (i = 1; i <= NF; i++) {c = c || ($i > 259.0 && $i < 264.2)
  d = d || (c && $i > 290.7 && $i < 296.6)}} END {exit !d}' || fail "not heard going from 262 to 294 Hz"
gdbus call --session --dest com.quorvin.Tinkella --object-path /com/quorvin/Tinkella --method org.\
freedesktop.Application.ActivateAction save-performance "[<'$work/mpe.mid'>]" {} >/dev/null || fail "not saved"
midicsv "$work/mpe.mid" | awk -F', ' '$1 == 2 && $3 ~ /_c$/ && !n {late += $2; n = $3 == "Note_on_c"
  c += $3 == "Control_c"} END {exit late || !n || !c}' || fail "the saved performance does not start at its first note"
echo "PASS"
