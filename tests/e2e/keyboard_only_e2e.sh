#!/usr/bin/env bash
# The keyboard alone (xdotool keys, the pointer never used): Ctrl+, opens the settings at their
# first control, Down changes the instrument (stored), Ctrl+1 goes back to the piano window,
# Z plays its note (note-on and note-off at a JACK listener), Ctrl+Right scrolls an octave
# (stored), and Ctrl+S saves the last performance through the file dialog, typed and entered.
# Usage: keyboard_only_e2e.sh TINKELLA
set -u
bin=$1
source "$(dirname "$0")/lib.sh"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
export XDG_CONFIG_HOME=$work/config
conf=$XDG_CONFIG_HOME/Quorvin/Tinkella.conf
mkdir -p "$(dirname "$conf")"
printf '[General]\nsettingsVisible=false\n' >"$conf"
start_x 1920x1080 || fail "Xvfb with openbox did not start"
start_jackd || fail "jackd did not start"
start_dump
start_app app --midi=jack --audio=none
wait_until 15 find_window '^Tinkella$' "$app_pid" || fail "piano window not shown"
piano=$window
connect_dump "$work/app.log"
keys() { xdotool key --clearmodifiers --delay 100 "$@"; }
stored() { grep -qx "$1" "$conf"; }

xdotool windowactivate --sync "$piano"
keys ctrl+comma
wait_until 10 find_window '^Settings$' "$app_pid" || fail "Ctrl+, did not open the settings"
sleep 0.5
keys Down
wait_until 10 stored "instrument=2" || fail "Down on the first control did not change the instrument: $(cat "$conf")"
keys ctrl+1
sleep 0.5
before=$(wc -l <"$work/dump.log")
xdotool keydown z sleep 0.4 keyup z
wait_until 5 received_in_order "$before" "90 30 7f" "80 30 00" || fail "Z did not play C3"
keys ctrl+Right
wait_until 10 grep -q "^noteOffset=" "$conf" || fail "Ctrl+Right did not scroll an octave"
keys ctrl+s
sleep 1.5
keys ctrl+a
xdotool type --delay 20 "$work/take.mid"
keys Return
wait_until 10 test -s "$work/take.mid" || fail "Ctrl+S did not save the last performance"
[ "$(head -c 4 "$work/take.mid")" = MThd ] || fail "the saved file is not a MIDI file"
echo "PASS"
