#!/usr/bin/env bash
# The real program on a private X display (Xvfb with openbox, so windows become active as on
# a desktop) and a private JACK server: the start-up log with its banner reaches standard
# error, the three windows appear where they belong, a click on middle C leaves the MIDI port
# as 90 3c 7f / 80 3c 00 and sounds at middle C's pitch from the synthesiser's ports, and
# Ctrl+Q with a key held sends that key's note-off before the program exits. Screenshots of
# the windows go to the artefacts folder.
# Usage: app_e2e.sh <path to tinkella> <artefacts folder>
set -u
bin=$1
artefacts=${2:-$(pwd)/artifacts}
mkdir -p "$artefacts"
work=$(mktemp -d)
server="tinkella-app-e2e-$$-$RANDOM"
export JACK_NO_START_SERVER=1 JACK_DEFAULT_SERVER=$server
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
source "$(dirname "$0")/lib.sh"
cleanup_last() {
  if [ -n "${xvfb_pid:-}" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
}

fail() {
  echo "FAIL: $*"
  for f in "$work"/*.log; do echo "--- $f"; tail -n 60 "$f"; done
  exit 1
}

# --- without any display the program says so in one line and exits with status 1 ---------
env -u DISPLAY "$bin" >"$work/nodisplay.out" 2>"$work/nodisplay.log"
status=$?
[ "$status" -eq 1 ] || fail "without a display the exit status was $status, not 1"
[ "$(wc -l <"$work/nodisplay.log")" -eq 1 ] || fail "without a display: not one line"
grep -q "no display" "$work/nodisplay.log" || fail "without a display: no explanation"
"$bin" --version | grep -q "^Tinkella [0-9]" || fail "--version"
"$bin" --help | grep -q -- "--midi=NAME" || fail "--help"

# --- a private display with a window manager ------------------------------------------------
display=""
for n in $(seq 100 160); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=$n; break; fi
done
[ -n "$display" ] || fail "no free display number"
Xvfb ":$display" -screen 0 1920x1080x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
wait_until 10 xwininfo -root >/dev/null 2>&1 || fail "Xvfb did not start"
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 0.5

# JACK keeps at most eight servers in its shared registry, and a server that was killed keeps
# its slot until a server of the same name starts and stops again. When the registry is full,
# the slots of servers that no longer run are freed that way, then the start is tried again.
reclaim_dead_slots() {
  local name pid
  for name in $(strings /dev/shm/jack-shm-registry 2>/dev/null |
                sed -n 's/^jack-[0-9]*:\([^:]*\):.*/\1/p' | sort -u); do
    pgrep -f -- "jackd.* -n $name " >/dev/null && continue
    jackd --no-realtime -n "$name" "${jackd_driver[@]}" >/dev/null 2>&1 &
    pid=$!
    jack_wait -s "$name" -w -t 5 >/dev/null 2>&1
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
}
if ! start_jackd; then
  kill "$jackd_pid" 2>/dev/null
  wait "$jackd_pid" 2>/dev/null
  grep -q "Too many servers" "$work/jackd.log" || fail "jackd did not start"
  reclaim_dead_slots
  start_jackd || fail "jackd did not start"
fi

# --- start-up ---------------------------------------------------------------------------------
"$bin" --midi=jack --audio=jack >"$work/tinkella.out" 2>"$work/tinkella.log" &
app_pid=$!
pids+=($app_pid)
wait_until 15 grep -q "virtual source PUBLISHED" "$work/tinkella.log" || fail "no start-up log"
grep -q "MIDIOutput starting" "$work/tinkella.log" || fail "no start-up banner"
grep -q "Point the track's input at" "$work/tinkella.log" || fail "no instructions box"
wait_until 10 has_port "Tinkella:Tinkella" || fail "MIDI port Tinkella:Tinkella missing"
wait_until 10 has_port "Tinkella Synth:left" || fail "synthesiser ports missing"

window_id() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }
wait_until 10 test -n "$(window_id '^Tinkella$')" || fail "piano window not shown"
wait_until 10 test -n "$(window_id '^Settings$')" || fail "settings panel not shown"
piano=$(window_id '^Tinkella$')
panel=$(window_id '^Settings$')
sleep 1

# The client area of a window: x y width height on the root window.
geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
                           /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'
}
read -r px py pw ph < <(geometry "$piano")
read -r sx sy sw sh < <(geometry "$panel")
echo "piano window at $px,$py ${pw}x$ph; settings panel at $sx,$sy ${sw}x$sh"
[ "$sw" -eq 380 ] && [ "$sh" -eq 317 ] || fail "settings panel is ${sw}x$sh, not 380x317"
[ "$sx" -eq 1183 ] || fail "settings panel left edge at $sx, not 1183"
[ $(( 1080 - (sy + sh) )) -eq 132 ] || fail "settings panel bottom $(( 1080 - sy - sh )) above the screen's, not 132"

strip=$(window_id 'Touch Bar')
import -window root "$artefacts/app-e2e-desktop.png"
import -window "$piano" "$artefacts/app-e2e-piano-window.png"
import -window "$panel" "$artefacts/app-e2e-settings-panel.png"
[ -n "$strip" ] && import -window "$strip" "$artefacts/app-e2e-strip.png"
[ -n "$strip" ] || echo "note: no strip window visible"
for w in "$piano" "$panel" ${strip:+"$strip"}; do
  xprop -id "$w" _NET_WM_ICON | grep -q "Icon (16 x 16)" || fail "window $w carries no icon"
done

# --- a click on middle C ----------------------------------------------------------------------
jack_midi_dump >"$work/dump.log" 2>&1 &
pids+=($!)
wait_until 10 has_port "midi-monitor:input" || fail "jack_midi_dump did not start"
jack_connect Tinkella:Tinkella midi-monitor:input || fail "jack_connect failed"
# The MIDI system's notifications reach the main thread through the watched descriptor.
wait_until 10 grep -q "CoreMIDI notification: id=" "$work/tinkella.log" ||
  fail "the new connection was not reported"

# The window's keys are ceil(0.6 * 50 + 20) = 50 points wide, 70 slots make 3500 points, and
# the view is scrolled to 60/96 of the overflow. Middle C is slot 35; its white part lies near
# the bottom of the keyboard, above the scroll bar.
scroll_x=$(( (3500 - pw) * 60 / 96 ))
key_x() { echo $(( px + $1 * 50 + 25 - scroll_x )); }
key_y=$(( py + ph - 45 ))

jack_rec -f "$work/take.wav" -d 3 -b 16 "Tinkella Synth:left" "Tinkella Synth:right" \
  >"$work/jackrec.log" 2>&1 &
rec_pid=$!
pids+=($rec_pid)
sleep 0.5
# Under heavy load the dummy JACK server can miss a cycle and drop the MIDI written in it; a
# click whose messages were lost that way is repeated, at most three times in all.
lines_after() { tail -n +"$(( $1 + 1 ))" "$work/dump.log"; }
click_arrived() {
  lines_after "$1" | grep -q "80 3c 00" || return 1
  local on off
  on=$(lines_after "$1" | grep -n "90 3c 7f" | head -1 | cut -d: -f1)
  off=$(lines_after "$1" | grep -n "80 3c 00" | head -1 | cut -d: -f1)
  [ -n "$on" ] && [ "$on" -lt "$off" ]
}
clicked=""
for attempt in 1 2 3; do
  before=$(wc -l <"$work/dump.log")
  xdotool mousemove "$(key_x 35)" "$key_y" mousedown 1
  sleep 0.6
  xdotool mouseup 1
  if wait_until 5 click_arrived "$before"; then clicked=yes; break; fi
  echo "note: middle C's messages were not all received (attempt $attempt)"
done
[ -n "$clicked" ] || fail "middle C's note-on and note-off did not reach jack_midi_dump"
wait "$rec_pid" 2>/dev/null

# Heard: the take has a clear level, and its fundamental (low-passed, sounding part only)
# is middle C, 261.6 Hz.
sox "$work/take.wav" -n stat >"$work/stat.log" 2>&1 || fail "sox could not read the take"
peak=$(awk '/Maximum amplitude/ {print $3}' "$work/stat.log")
awk -v p="$peak" 'BEGIN {exit !(p > 0.02)}' || fail "the take is silent (peak $peak)"
sox "$work/take.wav" "$work/note.wav" remix 1 silence 1 0.005 2% trim 0.05 0.4 lowpass 400 \
  lowpass 400 2>>"$work/stat.log"
sox "$work/note.wav" -n stat 2>"$work/pitch.log"
pitch=$(awk '/Rough   frequency/ {print $3}' "$work/pitch.log")
echo "middle C: peak $peak, rough frequency $pitch Hz"
awk -v f="$pitch" 'BEGIN {exit !(f > 240 && f < 285)}' || fail "pitch $pitch Hz is not middle C"

# --- Ctrl+Q with a key held ends the note first -----------------------------------------------
held=""
for attempt in 1 2 3; do
  xdotool mousemove "$(key_x 36)" "$key_y" mousedown 1
  if wait_until 5 grep -q "90 3e 7f" "$work/dump.log"; then held=yes; break; fi
  echo "note: D's note-on was not received (attempt $attempt)"
  xdotool mouseup 1
  sleep 0.3
done
[ -n "$held" ] || fail "D's note-on did not arrive"
xdotool key --clearmodifiers ctrl+q
wait_until 10 bash -c "! kill -0 $app_pid 2>/dev/null" || fail "Ctrl+Q did not end the program"
wait "$app_pid"
status=$?
xdotool mouseup 1
[ "$status" -eq 0 ] || fail "exit status $status after Ctrl+Q"
wait_until 5 grep -q "80 3e 00" "$work/dump.log" || fail "no note-off for the key held at quit"
if grep -q "settingsVisible=false" "$XDG_CONFIG_HOME/Quorvin/Tinkella.conf" 2>/dev/null; then
  fail "quitting recorded the settings panel as closed"
fi
echo "PASS"
