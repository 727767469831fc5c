#!/usr/bin/env bash
# A flood into the real program's "Tinkella In" on Xvfb + openbox + a private JACK server: a
# sender that stays connected queues 15,360 balanced events in one burst; afterwards no key is lit
# blue but the one it still holds, and the player's Q (middle C) sounds, recorded by jack_rec.
set -u
bin=$1
source "$(dirname "$0")/lib.sh"
export XDG_CONFIG_HOME=$work/config
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

start_x 1920x1080 || fail "Xvfb with openbox did not start"
start_jackd || fail "jackd did not start"
start_app tinkella --midi=jack --audio=jack
wait_until 15 find_window '^Tinkella$' || fail "piano window not shown"
piano=$window
wait_until 10 has_port "Tinkella:Tinkella In" || fail "no port Tinkella In"
exec 7> >("$2" "Tinkella:Tinkella In" >"$work/sender.out" 2>"$work/sender.log")
pids+=($!)
wait_until 10 grep -qx connected "$work/sender.out" || fail "the sender did not connect"

# Prints how many pixel columns of the piano window show keys lit blue, and the first of them.
lit() {
  import -window "$piano" "$work/shot.png" 2>/dev/null
  convert "$work/shot.png" -alpha off -fuzz 3% -fill magenta -opaque 'rgb(140,191,255)' \
    -opaque 'rgb(26,89,242)' -fill black +opaque magenta -fill white -opaque magenta \
    -scale 'x1!' -threshold 0 txt:- | awk -F'[,:]' '/#FFFFFF/ {if (!n++) l = $1} END {print n + 0, l + 0}'
}
# Sends the marker (72, velocity 1; again each time, as a flood drops note-ons) until it alone is lit.
only_marker_lit() {
  echo "90 48 01" >&7
  read -r width _ < <(lit)
  [ "$width" -gt 0 ] && [ "$width" -lt 80 ] || { sleep 0.3; return 1; }
}
none_lit() { read -r width _ < <(lit); [ "$width" = 0 ] || { sleep 0.3; return 1; }; }

# The marker lit and let go before the flood: the sender reaches the program and the check sees
# keys. The marker sent after the burst is lit once all of the burst is taken.
wait_until 20 only_marker_lit || fail "the sender's marker did not light alone (lit: $(lit))"
echo "90 48 00" >&7
wait_until 20 none_lit || fail "the marker's note-off left it lit"
echo "burst 60" >&7
wait_until 60 grep -q "^sent 15360 events" "$work/sender.out" || fail "the burst was not sent"
wait_until 60 only_marker_lit || fail "keys stayed lit after the flood (columns, first: $(lit))"
echo "90 48 00" >&7
wait_until 20 none_lit || fail "the marker stayed lit after the flood"

# Every note-off of the flood reached the synthesiser: its notes ring out and it falls silent.
quiet() {
  jack_rec -f "$work/quiet.wav" -d 1 -b 16 "Tinkella:left" "Tinkella:right" >/dev/null 2>&1
  sox "$work/quiet.wav" -n stat 2>&1 | awk '/Maximum amplitude/ {exit !($3 < 0.001)}'
}
wait_until 20 quiet || fail "the synthesiser still sounds after the flood"
jack_rec -f "$work/take.wav" -d 3 -b 16 "Tinkella:left" "Tinkella:right" >"$work/jackrec.log" 2>&1 &
pids+=($!)
xdotool windowactivate --sync "$piano" sleep 0.5 keydown q sleep 0.6 keyup q
wait "${pids[-1]}" 2>/dev/null
heard_middle_c "$work/take.wav" 0.02 || fail "the player's Q is not a clear middle C after the flood"
echo "PASS"
