#!/usr/bin/env bash
# The strip on Wayland, all run as an unprivileged user; screenshots to $2. Headless sway: a
# 1085 × 30 layer surface centred 8 points above the bottom edge, tiled windows ending above it,
# the focus kept by the piano window. Headless weston: docked in the only toplevel.
set -u
bin=$1
shots=${2:-$PWD}
source "$(dirname "$0")/lib.sh"
unset DISPLAY WAYLAND_DISPLAY
# The user's own folder, the program copied there: the build folder may be closed to the user.
home=$work/nobody
mkdir -p "$home/run" "$home/.config/Quorvin" "$shots"
printf '[General]\nsettingsVisible=false\n' >"$home/.config/Quorvin/Tinkella.conf"
cp "$bin" "$home/tinkella"
# A build measured for coverage: the counters are handed to the user's copy and taken back.
build=$(cd "$(dirname "$bin")" && pwd) counters=$home/gcov
mkdir -p "$counters" && find "$build" -name '*.gcda' -exec cp --parents {} "$counters/" \;
cleanup_first() { [ -d "$counters$build" ] && cp -r "$counters$build/." "$build/"; }
chmod 755 "$work" && chmod 700 "$home/run" && chown -R 65534:65534 "$home"
# Becomes the command run as that user: call it in a subshell or in the background.
nobody() {
  cd "$home" && exec setpriv --reuid=65534 --regid=65534 --clear-groups env -i PATH="$PATH" \
    HOME="$home" XDG_RUNTIME_DIR="$home/run" GCOV_PREFIX="$counters" "$@"
}
# Starts a compositor (log $work/$1.log) whose socket matches $2; $socket once it listens.
start_compositor() {
  nobody "${@:3}" >"$work/$1.log" 2>&1 &
  pids+=($!)
  wait_until 10 compgen -G "$home/run/$2.lock" >/dev/null &&
    socket=$(basename "$(compgen -G "$home/run/$2.lock")" .lock)
}
start_tinkella() {
  nobody WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland "$@" ./tinkella --audio=none \
    --midi=none >"$work/$socket-app.log" 2>&1 &
  app_pid=$! && pids+=("$app_pid")
}
ran=0

printf 'output * mode 1280x720\noutput * bg #404040 solid_color\n' >"$home/sway.conf"
if start_compositor sway 'wayland-*' env WLR_BACKENDS=headless WLR_HEADLESS_OUTPUTS=1 \
  WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman sway -c sway.conf; then
  ran=1
  ipc() { (nobody SWAYSOCK="$(compgen -G "$home/run/sway-ipc.*")" swaymsg -r "$@"); }
  focused() { ipc -t get_tree | jq -e '.. | objects | select(.focused) | .name == "Tinkella"'; }
  # What differs from the background in the bottom 38 points (w h x y, pixels at scale $1),
  # $2 × $3 pixels, centred to a point.
  centred() { read -r w h x y <<<"$(strip_box "$1")" && [ "$w $h $y" = "$2 $3 0" ] &&
    [ $((2 * x + w - 1280 * $1)) -ge -$1 ] && [ $((2 * x + w - 1280 * $1)) -le $1 ]; }
  strip_box() {
    (nobody WAYLAND_DISPLAY="$socket" grim shot.png) &&
      convert "$home/shot.png" -crop $((1280 * $1))x$((38 * $1))+0+$((682 * $1)) +repage \
        -bordercolor '#404040' -border 1 -fuzz 1% -trim \
        -format '%w %h %[fx:page.x-1] %[fx:page.y-1]' info:
  }
  start_tinkella
  wait_until 30 focused >/dev/null || fail "sway: the piano window never had the focus"
  grep -q "strip is a layer surface" "$work/$socket-app.log" || fail "sway: no layer surface"
  wait_until 10 centred 1 1085 30 || fail "sway: strip at $(strip_box 1)"
  cp "$home/shot.png" "$shots/sway-strip.png"
  focused >/dev/null || fail "sway: the strip took the focus"
  [ "$(ipc -t get_tree | jq '.. | objects | select(.name == "Tinkella") | .rect.y + .rect.height')" \
    = 682 ] || fail "sway: the piano window does not end above the strip (at 682)"
  # Twice the pixels on a screen of the same size in points: the strip drawn at 2170 × 60.
  ipc output HEADLESS-1 mode 2560x1440 scale 2 >/dev/null
  wait_until 10 centred 2 2170 60 || fail "sway at scale 2: strip at $(strip_box 2)"
  cp "$home/shot.png" "$shots/sway-strip-2x.png"
  kill "$app_pid" && wait "$app_pid"
else
  echo "SKIP sway: headless sway did not start: $(tail -n 3 "$work/sway.log")"
fi

if start_compositor weston weston-wl weston --backend=headless-backend.so --use-pixman --width=1280 \
  --height=720 --no-config --debug --socket=weston-wl; then
  ran=1
  start_tinkella WAYLAND_DEBUG=client
  log=$work/$socket-app.log
  wait_until 30 grep -q "set_window_geometry" "$log" || fail "weston: no piano window"
  grep -q "strip is docked in the piano window" "$log" || fail "weston: the strip is not docked"
  [ "$(grep -c 'get_toplevel' "$log")" = 1 ] || fail "weston: more than one toplevel"
  sleep 1
  (nobody WAYLAND_DISPLAY="$socket" timeout 10 weston-screenshooter) &&
    cp "$(compgen -G "$home/wayland-screenshot-*.png")" "$shots/weston-docked.png" ||
    fail "weston: no screenshot"
  kill "$app_pid" && wait "$app_pid"
else
  echo "SKIP weston: headless weston did not start: $(tail -n 3 "$work/weston.log")"
fi
[ "$ran" = 1 ] || exit 77
