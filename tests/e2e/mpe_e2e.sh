#!/usr/bin/env bash
# MPE on the real program (Xvfb, openbox, private JACK): configuration at connection; a mouse slide
# from middle C to D bends only its channel, to +2 semitones, heard going from 262 to 294 Hz; a
# computer key held beside it sounds on a channel of its own; saved, the performance starts at its
# first note, the configuration sent before it at tick 0. The ninth click, on MIDI channel 10,
# plays the piano, not a drum kit. A sender on "Tinkella In" ($2) bends, presses and retunes every
# channel: its own only, and only until it goes, Esc, or Expression is switched off.
set -u
[ -n "${MPE_E2E_BUS:-}" ] || MPE_E2E_BUS=1 exec dbus-run-session -- "$0" "$@"
bin=$1
sender=$2
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

# Records what the command after $1 plays: true when its strongest frequency is middle C's (±1 %).
take() {
  xdotool windowactivate --sync "$piano" 2>/dev/null
  jack_rec -f "$work/$1.wav" -d 2 -b 16 Tinkella:left Tinkella:right >/dev/null 2>&1 &
  local recording=$! f && sleep 0.5 && "${@:2}" && wait "$recording"
  f=$(sox "$work/$1.wav" -n remix 1 silence 1 0.005 2% trim 0 0.5 rate 4000 stat -freq 2>&1 |
    awk '$1 > 100 && $1 < 1500 && $2 > m {m = $2; f = $1} END {print f + 0}')
  echo "$1: strongest at $f Hz" && awk -v f="$f" 'BEGIN {exit !(f > 259 && f < 264.2)}'
}
click() { on_middle_c mousedown 1 sleep 0.6 mouseup 1; }
# A sender ($1) on "Tinkella In", after Tinkella's MPE configuration; send() waits until lines left.
open_sender() { exec 7> >("$sender" "Tinkella:Tinkella In" >"$work/$1.out" 2>&1) && out=$work/$1.out sent=0
  pids+=($!) && wait_until 10 grep -qsx connected "$out" && sleep 0.5 || fail "$1 did not connect"; }
send() { printf '%s\n' "$@" >&7 && sent=$((sent + $#)) && wait_until 10 eval '[ "$(grep -c ^sent "$out")" -ge $sent ]'; }
note() { send "9$1 3c 7f" && sleep 0.6 && send "8$1 3c 00"; }
# On every channel: bend range (RPN 0) 2, coarse (2) and fine tuning (1) up, a tuning program (3).
retune() { for c in 0 1 2 3 4 5 6 7 8 9 a b c d e f; do send "b$c 65 00" "b$c 64 00" "b$c 06 02" \
  "b$c 64 02" "b$c 06 4c" "b$c 64 01" "b$c 26 7f" "b$c 06 7f" "b$c 64 03" "b$c 06 05"; done; }

piano=$window && wait_until 10 find_window '^Settings$' || fail "settings panel not shown"
for _ in $(seq 15); do grep -q ": 98 3c 7f" "$work/dump.log" && break; click; done
take ninth click && seen ": 99 3c 7f" || fail "the ninth note (MIDI channel 10) is not the piano's middle C"
open_sender first && retune
take player-retuned click || fail "the sender's tunings reached the player's middle C"
exec 7>&- && wait_until 10 eval '! jack_lsp | grep -q midi_send' && sleep 0.5 && open_sender second
take after-sender note 1 || fail "a sender's tunings outlived it"
retune && xdotool windowactivate --sync "$piano" key Escape && sleep 0.5
take after-esc note 1 || fail "a sender's tunings outlived Esc"
send "e0 00 00" "d0 7f" && read -r x y _ < <(geometry "$window") # Keyboard tab, Expression: Off
xdotool mousemove $((x + 225)) $((y + 38)) click 1 sleep 0.5 mousemove $((x + 265)) $((y + 69)) \
  click 1 sleep 0.5 key Up Return && sleep 0.5
grep -q "^expression=off" "$XDG_CONFIG_HOME/Quorvin/Tinkella.conf" || fail "Expression not switched off"
take mpe-off click || fail "the sender's bend reached the player's middle C"
take sender-mpe-off note 0 || fail "the sender's bend outlived switching MPE off"
echo "PASS"
