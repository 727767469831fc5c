#!/usr/bin/env bash
# One running copy per settings file, on a private X display (Xvfb with openbox) and a private
# session bus: a second launch hands over to the first and exits 0 without making anything
# (its standard error stays empty), and the first copy's piano window is then shown and active,
# also after it was minimised; a launch without a session bus reaches the first copy through
# its socket, also after the window was closed; a socket left by a killed copy is replaced; a
# bus name owner that does not answer is passed over; another settings folder and
# --new-instance run beside it. Sound and MIDI are irrelevant here (--audio=none --midi=none).
# Usage: single_instance_e2e.sh <path to tinkella>
set -u
if [ -z "${SINGLE_INSTANCE_E2E_BUS:-}" ]; then
  SINGLE_INSTANCE_E2E_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
bin=$1
work=$(mktemp -d)
# The default settings file lies under $HOME/.config; only that file's copy takes the bus name.
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
unset XDG_CONFIG_HOME WAYLAND_DISPLAY QT_QPA_PLATFORM DESKTOP_STARTUP_ID XDG_ACTIVATION_TOKEN
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
source "$(dirname "$0")/lib.sh"
cleanup_first() { [ -n "${first:-}" ] && kill -CONT "$first" 2>/dev/null; }
cleanup_last() {
  if [ -n "${xvfb_pid:-}" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
}

fail() {
  echo "FAIL: $*"
  xwininfo -root -tree | grep -i tinkella
  for w in $(xdotool search --name '^Tinkella$'); do echo "$w: $(xprop -id "$w" _NET_WM_PID)"; done
  ps -o pid,stat,cmd -p "${pids[*]}"
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
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"; }
wait_until 10 wm_ready || fail "openbox did not start"

# Starts a copy that should run; its process id in $started once its piano window is visible.
start_copy() {
  local log=$1
  shift
  "$bin" --audio=none --midi=none "$@" >/dev/null 2>"$work/$log.log" &
  started=$!
  pids+=("$started")
  wait_until 30 has_piano "$started" || fail "$log: no piano window"
}
has_piano() { [ -n "$(piano_of "$1")" ]; }
piano_of() { xdotool search --all --onlyvisible --pid "$1" --name '^Tinkella$' 2>/dev/null | head -1; }
# A launch that should hand over: exits 0 before the guard's 10 s, having written nothing.
hand_over() {
  local log=$1
  shift
  timeout 10 "$bin" "$@" >"$work/$log.out" 2>"$work/$log.log"
  local status=$?
  [ "$status" -eq 0 ] || fail "$log: exit status $status, not 0 (a second copy ran?)"
  [ ! -s "$work/$log.log" ] || fail "$log: wrote to standard error"
}
is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
is_viewable() { xwininfo -id "$1" | grep -q "Map State: IsViewable"; }
is_hidden() { ! is_viewable "$1"; }
owns_bus_name() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:com.quorvin.Tinkella | grep -q "boolean true"
}

# --- the first copy owns the bus name and an owner-only socket --------------------------------
start_copy first
first=$started
piano=$(piano_of "$first")
owns_bus_name || fail "the first copy does not own com.quorvin.Tinkella"
sockets=("$XDG_RUNTIME_DIR"/tinkella-*.socket)
socket=${sockets[0]}
[ -S "$socket" ] || fail "no socket in \$XDG_RUNTIME_DIR"
[ "$(stat -c %a "$socket")" = 700 ] || fail "socket mode $(stat -c %a "$socket"), not 700"

# --- a second launch brings the window forward, also from minimised ---------------------------
xdotool windowminimize "$piano"
wait_until 5 is_hidden "$piano" || fail "window not minimised"
hand_over second
wait_until 5 is_viewable "$piano" || fail "minimised piano window not shown again"
wait_until 5 is_active "$piano" || fail "piano window not active after the second launch"

# --- without a session bus the launch finds the same copy through its socket; the window was
# closed (openbox's Alt+F4), which leaves the program running
xdotool key --clearmodifiers alt+F4
wait_until 5 is_hidden "$piano" || fail "window not closed"
(unset DBUS_SESSION_BUS_ADDRESS; hand_over nobus) || exit 1
wait_until 5 is_viewable "$piano" || fail "no bus: closed piano window not shown again"
wait_until 5 is_active "$piano" || fail "no bus: piano window not active"

# --- other settings folder, --new-instance: copies of their own -------------------------------
XDG_CONFIG_HOME=$work/other start_copy other
other=$started
start_copy alone --new-instance
kill "$started"
owns_bus_name || fail "the bus name changed hands"

# --- a killed copy's socket is replaced; the new holder answers -------------------------------
kill -9 "$other"
wait "$other" 2>/dev/null
XDG_CONFIG_HOME=$work/other DBUS_SESSION_BUS_ADDRESS='' start_copy replacing
XDG_CONFIG_HOME=$work/other DBUS_SESSION_BUS_ADDRESS='' hand_over replaced
kill "$started"

# --- a bus name owner that does not answer is passed over -------------------------------------
kill -STOP "$first"
start_copy beside_stopped
grep -q "did not answer" "$work/beside_stopped.log" || fail "no line about the silent copy"
kill "$started"
kill -CONT "$first"
hand_over after_resume
echo "PASS"
