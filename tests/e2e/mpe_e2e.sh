#!/usr/bin/env bash
# MPE on the real program (Xvfb, openbox, private JACK): configuration at connection; a press 30 %
# of a key right of middle C's centre rounds to it; a slide that rests short of D's centre bends
# only its channel, rounded to exactly +2 semitones, heard going from 262 to 294 Hz; a computer key
# held beside it sounds on a channel of its own; each note-on follows its channel's own bend, and
# nothing bends a channel after its note-off; saved, the performance starts at its first note, the
# configuration sent before it at tick 0. The ninth click, on MIDI channel 10,
# plays the piano, not a drum kit. A sender on "Tinkella In" ($2) bends, presses and retunes every
# channel: its own only, and only until it goes, Esc, or Expression is switched off. Then the upper
# zone, and a split between the zones.
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
xdotool mousemove $((cx + 15)) $((y + h - 45)) mousedown 1 sleep 1.5 \
  $(for s in $(seq 16 2 44); do echo "mousemove $((cx + s)) $((y + h - 45)) sleep 0.01"; done) \
  sleep 2 keydown z sleep 0.5 mouseup 1 keyup z
wait $! 2>/dev/null; sleep 0.5
on=$(grep -m1 -o ': 9[1-9a-f] 3c 7f' "$work/dump.log") || fail "no note-on 60 on a member channel"
ch=${on:3:1}
grep ": 9[1-9a-f] 30 7f" "$work/dump.log" | grep -qv ": 9$ch " || fail "no note-on 48 on another channel"
seen ": 8$ch 3c 00" || fail "no note-off 60 on channel $ch"
grep -o ': e. .. ..' "$work/dump.log" | grep -v ": e$ch" | grep -v ' 00 40' && fail "bends off the slide's channel"
# Channel $1's bends (14-bit values, in order) in the dump's lines from $2 on.
bends() { tail -n +"${2:-1}" "$work/dump.log" | grep -o ": e$1 .. ..\|: 8$1 3c" |
  awk 'function h(x) {return (index(d, substr(x, 1, 1)) - 1) * 16 + index(d, substr(x, 2, 1)) - 1}
    BEGIN {d = "0123456789abcdef"} $2 ~ /^8/ {exit} {print h($4) * 128 + h($3)}' | tr '\n' ' '; }
# The press rests off-centre: rounded to middle C (8192) before the slide; the slide rests short of
# D's centre: rounded to exactly 2 semitones.
read -r -a slide <<<"$(bends "$ch")"
echo "bends on channel $ch: ${slide[*]}"
echo " ${slide[*]} " | grep -q " ${slide[0]} .*8192 " || [ "${slide[0]}" = 8192 ] || fail "the press never rounded to 8192"
bend=${slide[-1]}
[ "$bend" = 8533 ] || fail "the slide ended at bend $bend, not 8533"
# MPE's sender rules on channels 1..16 over the dump's lines $1 to $2: every note-on follows a bend
# of its channel since that channel's previous note; no bend after a note-off until the next note
# there; no note-off on a channel left pressed.
rules_kept() {
  sed -n "$1,$2p" "$work/dump.log" | grep -oE ': [89de][0-9a-f]( [0-9a-f]{2}){1,2}' | awk '
    {s = substr($2, 1, 1); c = substr($2, 2, 1)}
    s == "e" {if (c in ended) {print "a bend after the note-off on channel " c; bad = 1}; bent[c] = 1}
    s == "d" {pressed[c] = $3 != "00"}
    s == "8" {if (pressed[c]) {print "a note-off on channel " c " left pressed"; bad = 1}; ended[c] = 1}
    s == "9" {if (!(c in bent)) {print "a note-on on channel " c " without its bend"; bad = 1}
              delete ended[c]; delete bent[c]}
    END {exit bad}'
}
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
rules_kept 1 "$(wc -l <"$work/dump.log")" || fail "MPE's sender rules broken before Esc"
retune && xdotool windowactivate --sync "$piano" key Escape && sleep 0.5
take after-esc note 1 || fail "a sender's tunings outlived Esc"
send "e0 00 00" "d0 7f" && read -r x y _ < <(geometry "$window") # Keyboard tab, Expression: Off
xdotool mousemove $((x + 225)) $((y + 38)) click 1 sleep 0.5 mousemove $((x + 265)) $((y + 69)) \
  click 1 sleep 0.5 key Up Return && sleep 0.5
grep -q "^expression=off" "$XDG_CONFIG_HOME/Quorvin/Tinkella.conf" || fail "Expression not switched off"
take mpe-off click || fail "the sender's bend reached the player's middle C"
take sender-mpe-off note 0 || fail "the sender's bend outlived switching MPE off"

kill -TERM "$app_pid" && wait_until 10 gone "$app_pid" || fail "the first run did not quit"
export XDG_CONFIG_HOME=$work/config2 && mkdir -p "$XDG_CONFIG_HOME/Quorvin" && mark=$(($(wc -l <"$work/dump.log") + 1))
printf '[General]\nexpression=mpe\nmpeZone=upper\nmpeBendRange=12\npitchRounding=off\n' >"$XDG_CONFIG_HOME/Quorvin/Tinkella.conf"
start_app upper --midi=jack --audio=jack
wait_until 15 find_window '^Tinkella$' "$app_pid" || fail "second run: piano window not shown"
wait_until 15 has_port "Tinkella:Tinkella" || fail "second run: no MIDI port"
connect_dump "$work/upper.log"
later() { tail -n +"$mark" "$work/dump.log" | grep -q "$1"; }
wait_until 5 later "be 06 0c" && later "bf 64 06" && later "bf 06 0f" ||
  fail "upper zone: no RPN 6 = 15 on channel 16 or RPN 0 = 12 on channel 15"
piano=$window && xdotool windowactivate --sync "$piano" 2>/dev/null
read -r x y w h < <(geometry "$piano")
cx=$((x + 35 * 50 + 25 - (3500 - w) * 60 / 96))
jack_rec -f "$work/upper.wav" -d 6 -b 16 Tinkella:left Tinkella:right >"$work/jackrec2.log" 2>&1 & sleep 1
# shellcheck disable=SC2046
xdotool mousemove "$cx" $((y + h - 45)) mousedown 1 sleep 1 \
  $(for s in $(seq 2 2 50); do echo "mousemove $((cx + s)) $((y + h - 45)) sleep 0.01"; [ "$s" = 44 ] && echo "sleep 1.5"; done) \
  sleep 2 mouseup 1
wait $! 2>/dev/null; sleep 0.5
later ": 9e 3c 7f" && later ": 8e 3c 00" || fail "second run: middle C not on channel 15"
rules_kept "$mark" "$(wc -l <"$work/dump.log")" || fail "MPE's sender rules broken in the upper zone"
read -r -a slide <<<"$(bends e "$mark")"
echo "upper zone, range 12, rounding off: bends ${slide[*]}"
bend=${slide[-1]}
[ "$bend" -ge 9461 ] && [ "$bend" -le 9653 ] || fail "at D's centre, bend $bend, not 9557 (range 12)"
# Rounding off: the rest short of D stays there; only the last steps reach D's centre.
echo "${slide[*]}" | awk '{for (i = 1; i <= NF; i++) {near = $i > 9537 && $i < 9577
  if (near) seen = 1; else if (seen) bad = 1}} END {exit bad}' || fail "rounded with rounding off"
heard=$(for o in $(seq 0 0.2 5.6); do
  sox "$work/upper.wav" -n remix 1 trim "$o" 0.3 rate 2000 stat -freq 2>&1 |
    awk '$1 > 200 && $1 < 350 && $2 > m {m = $2; f = $1} END {printf "%.1f ", f}'
done)
echo "upper zone heard (Hz, every 0.2 s): $heard"
echo "$heard" | awk '{for (i = 1; i <= NF; i++) {c = c || ($i > 259.0 && $i < 264.2)
  d = d || (c && $i > 290.7 && $i < 296.6)}} END {exit !d}' || fail "range 12: not heard going from 262 to 294 Hz"
kill -TERM "$app_pid" && wait_until 10 gone "$app_pid" || fail "the second run did not quit"
tail -n +"$mark" "$work/dump.log" | grep -o ': ee .. ..\|: 8e 3c' | tail -2 | tr '\n' ' ' |
  grep -q ": 8e 3c : ee 00 40" || fail "quitting did not recentre channel 15 after its note"

# A split at middle C: both zones configured, seven members each; B below it plays on the lower
# zone's first member (channel 2), middle C on the upper zone's (channel 15).
export XDG_CONFIG_HOME=$work/config3 && mkdir -p "$XDG_CONFIG_HOME/Quorvin" && mark=$(($(wc -l <"$work/dump.log") + 1))
printf '[General]\nexpression=mpe\nsplitPoint=60\n' >"$XDG_CONFIG_HOME/Quorvin/Tinkella.conf"
start_app split --midi=jack --audio=jack
wait_until 15 find_window '^Tinkella$' "$app_pid" || fail "third run: piano window not shown"
connect_dump "$work/split.log"
wait_until 5 later "b0 06 07" && later "bf 06 07" || fail "split: no RPN 6 = 7 on channels 1 and 16"
xdotool windowactivate --sync "$window" 2>/dev/null && read -r x y w h < <(geometry "$window")
cx=$((x + 35 * 50 + 25 - (3500 - w) * 60 / 96))
xdotool mousemove $((cx - 50)) $((y + h - 45)) click 1 sleep 0.3 mousemove "$cx" $((y + h - 45)) click 1
wait_until 5 later ": 91 3b 7f" && later ": 9e 3c 7f" || fail "split: B3 not on channel 2 or C4 not on 15"
kill -TERM "$app_pid" && wait_until 10 gone "$app_pid" || fail "the third run did not quit"
echo "PASS"
