#!/usr/bin/env bash
# MPE on the real program (Xvfb + openbox + a private JACK server, MPE stored in the settings):
# the zone's configuration at connection, a mouse slide from middle C to D bending only that
# note's channel up to +2 semitones and heard going from 262 Hz to 294 Hz, and a computer key
# held beside it on a channel of its own.
set -u
bin=$1
source "$(dirname "$0")/lib.sh"
export XDG_CONFIG_HOME=$work/config
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
cleanup_first() { xdotool mouseup 1 keyup z 2>/dev/null; }
mkdir -p "$XDG_CONFIG_HOME/Quorvin" && printf '[General]\nexpression=mpe\n' >"$XDG_CONFIG_HOME/Quorvin/Tinkella.conf"
start_x 1920x1080 || fail "Xvfb with openbox did not start"
start_jackd || fail "jackd did not start"
start_app tinkella --midi=jack --audio=jack
wait_until 15 find_window '^Tinkella$' || fail "piano window not shown"
piano=$window
start_dump
connect_dump "$work/tinkella.log"
seen() { grep -q "$1" "$work/dump.log"; }
wait_until 5 seen "b0 06 0f" || fail "no MPE configuration message (RPN 6 = 15) at connection"
seen "b0 06 02" && seen "b1 06 30" && seen "bf 06 30" || fail "no bend ranges (RPN 0) at connection"

# The strongest frequency between 200 and 350 Hz of the recording $1 from $2 s for $3 s, from
# the spectrum of its first channel at 2 kHz (half-hertz bins).
pitch_of() {
  sox "$1" -n remix 1 trim "$2" "$3" rate 2000 stat -freq 2>&1 |
    awk '$1 > 200 && $1 < 350 && $2 > m {m = $2; f = $1} END {print f}'
}
within() { awk -v f="$1" -v w="$2" 'BEGIN {exit !(f > w * 0.99 && f < w * 1.01)}'; }

xdotool windowactivate --sync "$piano" 2>/dev/null
sleep 0.3
read -r x y w h < <(geometry "$piano")
cx=$((x + 35 * 50 + 25 - (3500 - w) * 60 / 96))
cy=$((y + h - 45))
jack_rec -f "$work/slide.wav" -d 4 -b 16 Tinkella:left Tinkella:right >"$work/jackrec.log" 2>&1 &
pids+=($!)
sleep 0.5
xdotool mousemove "$cx" "$cy" mousedown 1
sleep 1
# shellcheck disable=SC2046
xdotool $(for s in $(seq 2 2 50); do echo "mousemove $((cx + s)) $cy sleep 0.01"; done)
sleep 1
xdotool keydown z
sleep 0.5
xdotool mouseup 1 keyup z
wait "${pids[-1]}" 2>/dev/null
sleep 0.5
on=$(grep -m1 -o ': 9[1-9a-f] 3c 7f' "$work/dump.log") || fail "no note-on 60 on a member channel"
ch=${on:3:1}
grep -q ": 9[1-9a-f] 30 7f" "$work/dump.log" || fail "no note-on 48 for the computer key"
grep ": 9[1-9a-f] 30 7f" "$work/dump.log" | grep -qv ": 9$ch " || fail "the key shares the slide's channel"
grep -q ": 8$ch 3c 00" "$work/dump.log" || fail "no note-off 60 on channel $ch"
grep -o ': e[0-9a-f] .. ..' "$work/dump.log" | grep -v "e$ch" | grep -v ": e. 00 40" &&
  fail "bends other than centred ones off the slide's channel"
last=$(grep -o ": e$ch .. .." "$work/dump.log" | tail -1)
bend=$((0x${last:8:2} * 128 + 0x${last:5:2}))
echo "last bend on channel $ch: $bend (+2 semitones: 8533)"
[ "$bend" -ge 8448 ] && [ "$bend" -le 8618 ] || fail "the slide ended at bend $bend, not 8533"
rest=$(sox "$work/slide.wav" -n remix 1 silence 1 0.005 2% stat 2>&1 | awk '/Length/ {print $3}')
begin=$(awk -v t="$(soxi -D "$work/slide.wav")" -v r="$rest" 'BEGIN {print t - r}')
c=$(pitch_of "$work/slide.wav" "$(awk -v b="$begin" 'BEGIN {print b + 0.2}')" 0.6)
d=$(pitch_of "$work/slide.wav" "$(awk -v b="$begin" 'BEGIN {print b + 1.5}')" 0.6)
echo "heard $c Hz, then $d Hz"
within "$c" 261.63 && within "$d" 293.66 || fail "heard $c Hz then $d Hz, not 262 then 294"
echo "PASS"
