#!/usr/bin/env bash
# Holds that end when the piano window can no longer receive their release, on the real program
# under Xvfb with openbox and a private JACK server, jack_midi_dump on its MIDI port: a key held
# with the mouse while the window is unmapped, moved to another desktop or minimised must send
# its note-off. Then a quit while the JACK server is frozen (SIGSTOP) must end the program
# within a few seconds.
# Usage: stuck_e2e.sh <path to tinkella>
set -u
bin=$1
work=$(mktemp -d)
server="tinkella-stuck-e2e-$$-$RANDOM"
export JACK_NO_START_SERVER=1 JACK_DEFAULT_SERVER=$server
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
source "$(dirname "$0")/lib.sh"
cleanup_first() { [ -n "${jackd_pid:-}" ] && kill -CONT "$jackd_pid" 2>/dev/null; xdotool mouseup 1 2>/dev/null; }
cleanup_last() {
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
}
fail() {
  echo "FAIL: $*"
  for f in "$work"/*.log; do echo "--- $f"; tail -n 30 "$f"; done
  exit 1
}

display=""
for n in $(seq 161 199); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=$n; break; fi
done
[ -n "$display" ] || fail "no free display number"
Xvfb ":$display" -screen 0 1920x1080x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
wait_until 10 xwininfo -root >/dev/null 2>&1 || fail "Xvfb did not start"
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
start_jackd || fail "jackd did not start"

"$bin" --midi=jack --audio=jack >"$work/tinkella.out" 2>"$work/tinkella.log" &
app_pid=$!
pids+=("$app_pid")
wait_until 15 has_port "Tinkella:Tinkella" || fail "MIDI port Tinkella:Tinkella missing"
shown() { piano=$(xdotool search --onlyvisible --name '^Tinkella$' 2>/dev/null | head -1); [ -n "$piano" ]; }
wait_until 10 shown || fail "piano window not shown"
jack_midi_dump >"$work/dump.log" 2>&1 &
pids+=($!)
wait_until 10 has_port "midi-monitor:input" || fail "jack_midi_dump did not start"
jack_connect Tinkella:Tinkella midi-monitor:input || fail "jack_connect failed"
wait_until 10 grep -q "CoreMIDI notification: id=" "$work/tinkella.log" ||
  fail "the new connection was not reported"

count() { grep -c "$1" "$work/dump.log"; }
more() { [ "$(count "$1")" -gt "$2" ]; }
# Presses the mouse on middle C (centre of the client area, low on the white keys), waits for
# the note-on, runs the action, lets go, and waits for the note-off.
hold_then() {
  local name=$1; shift
  xdotool windowactivate --sync "$piano" 2>/dev/null
  sleep 0.3
  local x y
  eval "$(xdotool getwindowgeometry --shell "$piano")"
  x=$((X + WIDTH / 2)); y=$((Y + HEIGHT - 45))
  local ons offs
  ons=$(count ': 90 ') offs=$(count ': 80 ')
  xdotool mousemove "$x" "$y" mousedown 1
  wait_until 5 more ': 90 ' "$ons" || { xdotool mouseup 1; fail "$name: no note-on"; }
  "$@"
  sleep 0.5
  xdotool mouseup 1
  wait_until 5 more ': 80 ' "$offs" || fail "$name: the held key's note-off never arrived"
  echo "ok: $name"
}
restore() {
  xdotool set_desktop 0
  xdotool windowmap --sync "$piano"
  xdotool windowactivate --sync "$piano"
  sleep 0.5
}

hold_then "window unmapped" xdotool windowunmap --sync "$piano"
restore
hold_then "desktop switched" xdotool set_desktop 1
restore
hold_then "window minimised" xdotool windowminimize --sync "$piano"
restore

# --- quit while the JACK server is frozen ----------------------------------------------------
# A stopped server runs no cycle, so the note-off queued at quit cannot leave; the program must
# still end promptly, say that it could not be delivered, and leave its client to the system.
# With a server that runs, the note-off of a key held at quit arrives (app_e2e.sh, Ctrl+Q).
eval "$(xdotool getwindowgeometry --shell "$piano")"
ons=$(count ': 90 ')
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 45)) mousedown 1
wait_until 5 more ': 90 ' "$ons" || fail "frozen server: no note-on"
kill -STOP "$jackd_pid"
started=$(date +%s%N)
kill -TERM "$app_pid"
wait_until 5 bash -c "! kill -0 $app_pid 2>/dev/null" || fail "frozen server: the program did not end"
wait "$app_pid"
status=$?
echo "frozen server: the program ended $(( ($(date +%s%N) - started) / 1000000 )) ms after SIGTERM"
kill -CONT "$jackd_pid"
xdotool mouseup 1
[ "$status" -eq 0 ] || fail "frozen server: exit status $status"
grep -q "did not leave 'Tinkella'" "$work/tinkella.log" ||
  fail "frozen server: the undelivered note-off was not reported"
gone() { ! jack_lsp 2>/dev/null | grep -q "^Tinkella:"; }
wait_until 10 gone || fail "the server kept the program's client after continuing"
tail -n 2 "$work/tinkella.log"
echo "PASS"
