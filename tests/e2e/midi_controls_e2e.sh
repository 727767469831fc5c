#!/usr/bin/env bash
# The MIDI tab's settings on the real program (Xvfb, openbox, private JACK, the lossless listener):
# on channel 5 at velocity 90 a click on middle C gives 94 3c 5a then 84 3c 00 and is heard; with
# program out, Violin chosen in the panel goes out as bank select and c4 28, and again to a new
# destination; the modulation wheel dragged sends controller 1 ending where it was let go; the pitch
# wheel dragged up bends a held note by 2 semitones, heard, and ends at exactly 8192; a knob turned
# sends its controller. Split at middle C: B held on channel 2 sounds as a Reed Organ that holds its
# level, middle C held on channel 1 as the piano that decays, each at its pitch.
set -u
bin=$1
artefacts=${2:-$(pwd)/artifacts}
mkdir -p "$artefacts"
source "$(dirname "$0")/lib.sh"
export XDG_CONFIG_HOME=$work/config
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
cleanup_first() { xdotool mouseup 1 keyup z 2>/dev/null; }
mkdir -p "$XDG_CONFIG_HOME/Quorvin"
printf '[General]\nmidiChannel=5\nvelocity=90\nsendProgram=true\nshowWheels=true\nshowControllers=true\n' \
  >"$XDG_CONFIG_HOME/Quorvin/Tinkella.conf"
start_x 1920x1080 && start_jackd || fail "Xvfb with openbox, or jackd, did not start"
start_app tinkella --midi=jack --audio=jack
wait_until 15 find_window '^Tinkella$' || fail "piano window not shown"
piano=$window
wait_until 10 find_window '^Settings$' || fail "settings panel not shown"
panel=$window
start_dump && connect_dump "$work/tinkella.log"
seen() { grep -q "$1" "$work/dump.log"; }
lines() { grep -c "$1" "$work/dump.log"; }
wait_until 5 seen ": c4 00" && seen ": b4 00 00" && seen ": b4 20 00" || fail "no program at connection"
import -window "$piano" "$artefacts/midi-controls-piano-window.png"

# The window: the menu bar, the knobs' row (51 points) over the two wheels (34 points each) and
# the keys. Middle C's centre, as on_middle_c finds it in a scroll area 68 points narrower.
xdotool windowactivate --sync "$piano" 2>/dev/null
read -r x y w h < <(geometry "$piano")
keys_y=$((y + h - 45))
c4=$((x + 68 + 35 * 50 + 25 - (3500 - (w - 68)) * 60 / 96))
wheel_y=$((y + 19 + 51 + (h - 19 - 51 - 14) / 2))
# Drags with the mouse from $1,$2 by $3 points up, in steps of 5, and holds it there.
drag_up() {
  # shellcheck disable=SC2046
  xdotool mousemove "$1" "$2" mousedown 1 sleep 0.2 \
    $(for s in $(seq 5 5 "$3"); do echo "mousemove $1 $(($2 - s)) sleep 0.02"; done)
}

jack_rec -f "$work/click.wav" -d 3 -b 16 Tinkella:left Tinkella:right >"$work/jackrec.log" 2>&1 &
sleep 0.5
before=$(wc -l <"$work/dump.log")
xdotool mousemove "$c4" "$keys_y" mousedown 1 sleep 0.6 mouseup 1
wait_until 5 received_in_order "$before" ": 94 3c 5a" ": 84 3c 00" ||
  fail "a click on middle C did not give 94 3c 5a then 84 3c 00"
wait $! 2>/dev/null
heard_middle_c "$work/click.wav" 0.01 || fail "the click on channel 5 is not heard as middle C"

# Violin chosen in the panel, then a new destination.
read -r px py _ < <(geometry "$panel")
xdotool windowactivate --sync "$panel" 2>/dev/null
xdotool mousemove $((px + 265)) $((py + 61)) click 1 sleep 0.6 type Violin
xdotool key Return
wait_until 5 seen ": c4 28" || fail "Violin chosen: no program change c4 28"
grep -o ': b4 00 ..\|: b4 20 ..\|: c4 ..' "$work/dump.log" | tail -3 | tr '\n' ' ' |
  grep -qx ': b4 00 00 : b4 20 00 : c4 28 ' || fail "Violin chosen: not bank 0 then program 40"
jack_disconnect Tinkella:Tinkella midi-monitor:input && jack_connect Tinkella:Tinkella midi-monitor:input ||
  fail "could not connect again"
wait_until 5 eval '[ "$(lines ": c4 28")" = 2 ]' || fail "a new destination did not get the program"

# The modulation wheel dragged up and let go: controller 1 rises and stays where it was left.
xdotool windowactivate --sync "$piano" 2>/dev/null
before=$(lines ": b4 01 ")
drag_up $((x + 51)) "$wheel_y" 40 && xdotool mouseup 1 && sleep 0.5
mods=$(grep -o ': b4 01 ..' "$work/dump.log" | tail -n +$((before + 1)) | awk '{print $4}' | tr '\n' ' ')
echo "modulation sent: $mods"
last=$(echo "$mods" | awk '{print $NF}')
[ "$(echo "$mods" | wc -w)" -ge 3 ] && [ $((0x${last:-0})) -ge 20 ] ||
  fail "the modulation wheel did not send controller 1 rising to where it was let go"

# The pitch wheel dragged to the top under a held C3 (the computer keyboard's Z), then let go.
xdotool keydown z && sleep 0.5 && drag_up $((x + 17)) "$wheel_y" 150
jack_rec -f "$work/bent.wav" -d 1 -b 16 Tinkella:left Tinkella:right >>"$work/jackrec.log" 2>&1
xdotool mouseup 1 sleep 0.3 keyup z
seen ": 94 30 5a" || fail "no note-on 48 at velocity 90 on channel 5"
bent=$(sox "$work/bent.wav" -n remix 1 rate 2000 stat -freq 2>&1 |
  awk '$1 > 100 && $1 < 200 && $2 > m {m = $2; f = $1} END {print f + 0}')
echo "C3 (130.8 Hz) with the pitch wheel at the top: strongest at $bent Hz"
awk -v f="$bent" 'BEGIN {exit !(f > 145.36 && f < 148.30)}' || fail "not bent by 2 semitones (146.8 Hz)"
seen ": e4 7f 7f" || fail "the pitch wheel never reached the top"
wait_until 5 eval 'grep -o ": e4 .. .." "$work/dump.log" | tail -1 | grep -qx ": e4 00 40"' ||
  fail "the pitch wheel's bends did not end at 8192"

# The volume knob clicked and turned with the keys.
before=$(lines ": b4 07 ")
xdotool mousemove $((x + 38)) $((y + 19 + 20)) click 1 sleep 0.3 key Up Up
wait_until 5 eval '[ "$(lines ": b4 07 ")" -gt "$before" ]' || fail "the volume knob sent no controller 7"
xdotool windowactivate --sync "$panel" 2>/dev/null
xdotool mousemove $((px + 266)) $((py + 38)) click 1 sleep 0.5
import -window "$panel" "$artefacts/midi-controls-midi-tab.png"

kill "$app_pid" && wait "$app_pid" 2>/dev/null
printf '[General]\nsplitPoint=60\nsplitInstrument=21\nsendProgram=true\n' \
  >"$XDG_CONFIG_HOME/Quorvin/Tinkella.conf"
base=$(wc -l <"$work/dump.log")
start_app split --midi=jack --audio=jack
wait_until 15 find_window '^Tinkella$' "$app_pid" || fail "piano window not shown again"
piano=$window
connect_dump "$work/split.log"
wait_until 5 seen ": c1 14" && seen ": c0 00" || fail "split: no programs 0 and 20 at connection"
# The key $2 points right of middle C pressed 0.4 s into a recording of 3 s of JACK's time (slower
# than the clock's on a busy machine) and held to its end: prints its strongest pitch from 200 to
# 330 Hz and its level 1.2 s after its onset against 0.1 s after it, the last note's tail skipped.
held() {
  local wav=$work/$1.wav rec level=() at
  jack_rec -f "$wav" -d 3 -b 16 Tinkella:left Tinkella:right >>"$work/jackrec.log" 2>&1 &
  rec=$!
  wait_until 10 eval '[ "$(stat -c %s "$wav" 2>/dev/null || echo 0)" -gt 80000 ]' &&
    on_middle_c mousemove_relative -- "$2" 0 mousedown 1
  wait $rec
  xdotool mouseup 1
  for at in 0.1 1.2; do
    level+=("$(sox "$wav" -n remix 1 trim 0.3 silence 1 0.005 2% trim $at 0.3 stat 2>&1 |
      awk '/RMS  *amp/ {print $3}')")
  done
  sox "$wav" -n remix 1 rate 2000 stat -freq 2>&1 | awk -v a="${level[0]}" -v b="${level[1]}" '
    $1 > 200 && $1 < 330 && $2 > m {m = $2; f = $1} END {printf "%.1f %.2f\n", f, a ? b / a : 0}'
}
read -r b3_hz b3_kept < <(held b3 -50)
read -r c4_hz c4_kept < <(held c4 0)
wait_until 5 received_in_order "$base" ": 91 3b 7f" ": 81 3b 00" &&
  received_in_order "$base" ": 90 3c 7f" ": 80 3c 00" ||
  fail "split at middle C: not B below on channel 2 and middle C on channel 1"
echo "split: B3 (246.9 Hz) at $b3_hz Hz keeps $b3_kept of its level, middle C at $c4_hz Hz $c4_kept"
awk -v b="$b3_hz" -v bk="$b3_kept" -v c="$c4_hz" -v ck="$c4_kept" \
  'BEGIN {exit !(b > 242 && b < 252 && bk > 0.65 && c > 256.5 && c < 266.8 && ck < 0.45)}' ||
  fail "split: not B3 as an organ that holds beside middle C as a piano that decays"
echo "PASS"
