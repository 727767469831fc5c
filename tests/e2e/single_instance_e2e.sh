#!/usr/bin/env bash
# One running copy per settings file, on Xvfb with openbox and a private session bus: a second
# launch hands over to the first and exits 0 silently, the first copy's piano window then shown
# and active (also from minimised); without a session bus it reaches the first through its
# socket (also with the window closed); a killed copy's socket is replaced; a bus name owner
# that does not answer is passed over; another settings folder and --new-instance run beside.
set -u
if [ -z "${SINGLE_INSTANCE_E2E_BUS:-}" ]; then
  SINGLE_INSTANCE_E2E_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
bin=$1
source "$(dirname "$0")/lib.sh"
# Settings under $XDG_CONFIG_HOME, away from $HOME/.config: the first copy takes the bus name.
export HOME=$work/home XDG_CONFIG_HOME=$work/config
unset WAYLAND_DISPLAY QT_QPA_PLATFORM DESKTOP_STARTUP_ID XDG_ACTIVATION_TOKEN
mkdir -p "$HOME"
cleanup_first() { [ -n "${first:-}" ] && kill -CONT "$first" 2>/dev/null; }
start_x 1920x1080 || fail "Xvfb with openbox did not start"

# Starts a copy that should run; returns once its piano window is visible.
start_copy() {
  start_app "$@" --audio=none --midi=none
  wait_until 30 find_window '^Tinkella$' "$app_pid" || fail "$1: no piano window"
}
# A launch that should hand over: exits 0 before the guard's 10 s, having written nothing.
hand_over() {
  local log=$1
  shift
  timeout 10 "$bin" "$@" >"$work/$log.out" 2>"$work/$log.log" ||
    fail "$log: exit status $?, not 0 (a second copy ran?)"
  [ ! -s "$work/$log.log" ] || fail "$log: wrote to standard error"
}
is_viewable() { xwininfo -id "$piano" | grep -q "Map State: IsViewable"; }
is_hidden() { ! is_viewable; }
in_front() { is_viewable && [ "$(xdotool getactivewindow 2>/dev/null)" = "$piano" ]; }
owns_bus_name() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.GetConnectionUnixProcessID string:com.quorvin.Tinkella 2>/dev/null |
    grep -q "uint32 $1$"
}

# --- the first copy owns the bus name and an owner-only socket --------------------------------
start_copy first
first=$app_pid
piano=$window
wait_until 5 owns_bus_name "$first" || fail "the first copy does not own com.quorvin.Tinkella"
socket=$(compgen -G "$XDG_RUNTIME_DIR/tinkella-*.socket" | head -1)
[ -S "$socket" ] || fail "no socket in \$XDG_RUNTIME_DIR"
[ "$(stat -c %a "$socket")" = 700 ] || fail "socket mode $(stat -c %a "$socket"), not 700"

# --- a second launch, then the desktop's Activate, bring the window forward from minimised -----
xdotool windowminimize "$piano"
wait_until 5 is_hidden || fail "window not minimised"
hand_over second
wait_until 5 in_front || fail "minimised piano window not shown again and active"
xdotool windowminimize "$piano" && wait_until 5 is_hidden || fail "window not minimised"
gdbus call --session --dest com.quorvin.Tinkella --object-path /com/quorvin/Tinkella --method \
  org.freedesktop.Application.Activate "{}" >/dev/null && wait_until 5 in_front || fail "Activate on the bus"

# --- without a session bus the launch finds the same copy through its socket; the window was
# closed (openbox's Alt+F4), which leaves the program running
xdotool key --clearmodifiers alt+F4
wait_until 5 is_hidden || fail "window not closed"
(unset DBUS_SESSION_BUS_ADDRESS; hand_over nobus) || exit 1
wait_until 5 in_front || fail "no bus: closed piano window not shown again and active"

# --- other settings folder, --new-instance: copies of their own -------------------------------
XDG_CONFIG_HOME=$work/other start_copy other
other=$app_pid
start_copy alone --new-instance
kill "$app_pid"
owns_bus_name "$first" || fail "the bus name changed hands"

# --- a killed copy's socket is replaced; the new holder answers -------------------------------
kill -9 "$other"
wait "$other" 2>/dev/null
XDG_CONFIG_HOME=$work/other DBUS_SESSION_BUS_ADDRESS='' start_copy replacing
XDG_CONFIG_HOME=$work/other DBUS_SESSION_BUS_ADDRESS='' hand_over replaced
kill "$app_pid"

# --- a bus name owner that does not answer is passed over -------------------------------------
kill -STOP "$first"
start_copy beside_stopped
grep -q "did not answer" "$work/beside_stopped.log" || fail "no line about the silent copy"
kill "$app_pid"
kill -CONT "$first"
hand_over after_resume
echo "PASS"
