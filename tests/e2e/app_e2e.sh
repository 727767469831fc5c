#!/usr/bin/env bash
# The real program on Xvfb + openbox + a private JACK server with jack_midi_dump on its port: start-up
# log, windows' places and icons, holds ended on unmap, desktop switch, minimise and the save dialog,
# Ctrl+Q with a key held, and a quit with the server frozen. A click heard and seen, and the server killed
# mid-note, are in jack_restart_e2e.sh.
set -u
bin=$1
artefacts=${2:-$(pwd)/artifacts}
mkdir -p "$artefacts"
source "$(dirname "$0")/lib.sh"
export XDG_CONFIG_HOME=$work/config
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
cleanup_first() { kill -CONT "${jackd_pid:-}" 2>/dev/null; xdotool mouseup 1 2>/dev/null; }

"$bin" --version | grep -q "^Tinkella [0-9]" || fail "--version"
"$bin" --help | grep -q -- "--midi=NAME" || fail "--help"
start_x 1920x1080 || fail "Xvfb with openbox did not start"
start_jackd || fail "jackd did not start"

start_app tinkella --midi=jack --audio=jack
wait_until 15 grep -q "virtual source PUBLISHED" "$work/tinkella.log" || fail "no start-up log"
grep -q "MIDIOutput starting" "$work/tinkella.log" || fail "no start-up banner"
grep -q "Point the track's input at" "$work/tinkella.log" || fail "no instructions box"
wait_until 10 has_port "Tinkella:left" || fail "synthesiser ports missing"
# One client carries the MIDI port and the synthesiser's outputs, connected to the playback ports.
clients=$(jack_lsp | sed -n 's/:.*//p' | grep -v '^system$' | sort -u | tr '\n' ' ')
[ "$clients" = "Tinkella " ] || fail "clients other than one Tinkella: $clients"
jack_lsp -c Tinkella:right | grep -q "system:playback_2" || fail "right not connected to playback"
wait_until 10 find_window '^Tinkella$' || fail "piano window not shown"
piano=$window
wait_until 10 find_window '^Settings$' || fail "settings panel not shown"
sleep 1
read -r sx sy sw sh < <(geometry "$window")
[ "${sw}x$sh" = 380x385 ] || fail "settings panel is ${sw}x$sh, not 380x385"
[ "$sx" -eq 1183 ] || fail "settings panel left edge at $sx, not 1183"
[ $((1080 - (sy + sh))) -eq 132 ] || fail "settings panel bottom $((1080 - sy - sh)) above the screen's, not 132"

import -window root "$artefacts/app-e2e-desktop.png"
for name in piano-window:'^Tinkella$' settings-panel:'^Settings$' strip:'Touch Bar'; do
  find_window "${name#*:}" || continue
  import -window "$window" "$artefacts/app-e2e-${name%%:*}.png"
  xprop -id "$window" _NET_WM_ICON | grep -q "Icon (16 x 16)" || fail "${name%%:*} carries no icon"
done

# --- holds whose release the window can no longer receive -----------------------------------
start_dump
connect_dump "$work/tinkella.log"
count() { grep -c "$1" "$work/dump.log"; }
more() { [ "$(count "$1")" -gt "$2" ]; }
# Activates the piano window and presses the mouse on the middle of its white keys until a note-on arrives, up
# to three times (a cycle the busy dummy server missed drops its MIDI); $offs then counts the
# note-offs so far.
press() {
  local ons
  xdotool windowactivate --sync "$piano" 2>/dev/null
  sleep 0.3
  eval "$(xdotool getwindowgeometry --shell "$piano")"
  for _ in 1 2 3; do
    ons=$(count ': 90 ')
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 45)) mousedown 1
    if wait_until 5 more ': 90 ' "$ons"; then offs=$(count ': 80 ') && return 0; fi
    xdotool mouseup 1
  done
  fail "$1: no note-on"
}
# Holds a key while the command after $1 runs, lets go, waits for the note-off, and shows the
# window again.
hold_then() {
  local name=$1
  shift
  press "$name"
  "$@"
  sleep 0.5
  xdotool mouseup 1
  wait_until 5 more ': 80 ' "$offs" || fail "$name: the held key's note-off never arrived"
  xdotool set_desktop 0
  xdotool windowmap --sync "$piano"
}
hold_then "window unmapped" xdotool windowunmap --sync "$piano"
hold_then "desktop switched" xdotool set_desktop 1
hold_then "window minimised" xdotool windowminimize --sync "$piano"
# Every note played since the first $1 lines of the dump has had its note-off.
silent() { tail -n +"$(($1 + 1))" "$work/dump.log" | awk '$2 ~ /^9/ && $4 != "00" {on[$3]++; n++}
  $2 ~ /^8/ || ($2 ~ /^9/ && $4 == "00") {on[$3]--} END {for (k in on) if (on[k]) exit 1; exit !n}'; }
# The mouse down on middle C, then on the strip; Ctrl+S (without --clearmodifiers, which would let
# go of the button) opens the save dialog, the button comes up over it, Esc closes it.
find_window "Touch Bar" && read -r x y w h < <(geometry "$window") || fail "no strip window"
for held in "on_middle_c mousedown 1" "xdotool mousemove $((x + w / 2)) $((y + h / 2)) mousedown 1"; do
  xdotool windowactivate --sync "$piano" 2>/dev/null && sleep 0.3 && before=$(wc -l <"$work/dump.log")
  ons=$(count ': 90 ') && $held && wait_until 5 more ': 90 ' "$ons" && xdotool key ctrl+s ||
    fail "$held: no note-on"
  wait_until 10 find_window '^Save Last Performance$' && read -r x y w h < <(geometry "$window") &&
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) mouseup 1 key Escape || fail "no save dialog"
  wait_until 5 silent "$before" || fail "$held, the save dialog: a note left sounding"
done
grep -q "MIDI: send #[0-9]* MIDIReceivedEventList word=0x2080.* -> 0 (noErr)$" "$work/tinkella.log" ||
  fail "no note-off's send line with the status JACK returned, 0 (noErr)"

# --- Ctrl+Q with a key held ends the note first -----------------------------------------------
press "Ctrl+Q"
xdotool key --clearmodifiers ctrl+q
wait_until 10 gone "$app_pid" || fail "Ctrl+Q did not end the program"
wait "$app_pid" || fail "exit status $? after Ctrl+Q"
xdotool mouseup 1
wait_until 5 more ': 80 ' "$offs" || fail "no note-off for the key held at quit"
if grep -q "settingsVisible=false" "$XDG_CONFIG_HOME/Quorvin/Tinkella.conf" 2>/dev/null; then
  fail "quitting recorded the settings panel as closed"
fi

# --- quit while the JACK server is frozen ----------------------------------------------------
# A stopped server runs no cycle, so the note-off queued at quit cannot leave; the program must
# still end promptly, say that it could not be delivered, and leave its client to the system.
start_app frozen --midi=jack --audio=jack
wait_until 15 find_window '^Tinkella$' "$app_pid" || fail "frozen: piano window not shown"
piano=$window
connect_dump "$work/frozen.log"
press frozen
kill -STOP "$jackd_pid"
started=$(date +%s%N)
kill -TERM "$app_pid"
wait_until 5 gone "$app_pid" || fail "frozen server: the program did not end"
wait "$app_pid" || fail "frozen server: exit status $?"
echo "frozen server: the program ended $((($(date +%s%N) - started) / 1000000)) ms after SIGTERM"
kill -CONT "$jackd_pid"
xdotool mouseup 1
grep -q "did not leave 'Tinkella'" "$work/frozen.log" ||
  fail "frozen server: the undelivered note-off was not reported"
no_client() { ! jack_lsp 2>/dev/null | grep -q "^Tinkella:"; }
wait_until 10 no_client || fail "the server kept the program's client after continuing"
echo "PASS"
