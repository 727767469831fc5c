#!/usr/bin/env bash
# The strip on Wayland, all run as an unprivileged user; screenshots to $2. Headless sway: a
# 1085 × 30 layer surface centred 8 points above the bottom edge, the focused piano window
# floating above it; at scale 2 as sharp as the window, narrowed on a narrow screen. Sway on an
# X server: a click at scale 2 plays the key under it. Headless weston: docked in the toplevel.
# On the user's own accessibility bus, read with pyatspi, sway's strip lists its keys by name,
# and middle C's "Press" action plays it (note-on, then note-off at a JACK listener).
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
    --midi="${midi:-none}" >"$work/$socket-app.log" 2>&1 &
  app_pid=$! && pids+=("$app_pid")
}
ran=0
ipc() { (nobody SWAYSOCK="$(compgen -G "$home/run/sway-ipc.*")" swaymsg -r "$@"); }
shot() { (nobody WAYLAND_DISPLAY="$socket" grim shot.png); }
pixel() { convert "$home/shot.png" -format "%[hex:p{$1,$2}]" info:; }

printf 'output * mode 1280x720\noutput * bg #404040 solid_color\n' >"$home/sway.conf"
if start_compositor sway 'wayland-*' env WLR_BACKENDS=headless WLR_HEADLESS_OUTPUTS=1 \
  WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman sway -c sway.conf; then
  ran=1 sway_pid=${pids[-1]}
  focused() { ipc -t get_tree | jq -e '.. | objects | select(.focused) | .name == "Tinkella"'; }
  output() { ow=$1 oh=$2 os=$3 && ipc output HEADLESS-1 mode $(($1 * $3))x$(($2 * $3)) scale "$3"; }
  ow=1280 oh=720 os=1 rows=38 # the output's points, pixels to a point
  # What differs from the background in the bottom $rows points (w h x y, in pixels) is $1 × $2
  # pixels, centred to a point.
  centred() { read -r w h x y <<<"$(strip_box)" && [ "$w $h $y" = "$1 $2 0" ] &&
    [ $((2 * x + w - ow * os)) -ge -$os ] && [ $((2 * x + w - ow * os)) -le $os ]; }
  strip_box() {
    shot && convert "$home/shot.png" -crop $((ow * os))x$((rows * os))+0+$(((oh - rows) * os)) \
      +repage -bordercolor '#404040' -border 1 -fuzz 1% -trim \
      -format '%w %h %[fx:page.x-1] %[fx:page.y-1]' info:
  }
  # The darkest value in pixel row $1 from x $2 for $3 pixels, and the widest run of pixels
  # between its darkest and lightest (a tenth of the way from either): 0 where every edge
  # falls on a pixel boundary, 1 where it falls inside a pixel; more is a blurred edge.
  edge() {
    convert "$home/shot.png" -crop "$3x1+$2+$1" +repage -colorspace gray -depth 8 gray:- |
      od -An -v -tu1 -w1 | awk '{ v[NR] = $1; if (NR == 1 || $1 < lo) lo = $1; if ($1 > hi) hi = $1}
        END { for (i = 1; i <= NR; i++) if (10 * (v[i] - lo) > hi - lo &&
          10 * (hi - v[i]) > hi - lo) { if (++r > m) m = r } else r = 0; print lo, m + 0 }'
  }
  export JACK_PROMISCUOUS_SERVER=nogroup bus=unix:path=$home/run/bus # the user's JACK clients
  start_jackd && start_dump || fail "no JACK server"
  nobody dbus-daemon --session --nofork --address="$bus" >"$work/bus.log" 2>&1 &
  pids+=($!) && wait_until 10 test -S "$home/run/bus" || fail "no session bus"
  nobody DBUS_SESSION_BUS_ADDRESS="$bus" /usr/libexec/at-spi-bus-launcher --launch-immediately &
  pids+=($!)
  midi=jack start_tinkella DBUS_SESSION_BUS_ADDRESS="$bus" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    JACK_PROMISCUOUS_SERVER=nogroup JACK_DEFAULT_SERVER="$server" JACK_NO_START_SERVER=1
  wait_until 30 focused >/dev/null || fail "sway: the piano window never had the focus"
  cat >"$work/reader.py" <<'PY'
import sys, pyatspi
app = next(a for a in pyatspi.Registry.getDesktop(0) if a and a.name.lower() == "tinkella")
keys = {key.name: key for key in next(w for w in app if w.name == "Touch strip keyboard")}
if sys.argv[1] == "keys":
    box = keys["C5"].queryComponent().getExtents(pyatspi.WINDOW_COORDS)
    print("strip:", " ".join(keys), "| C5 at", box.x, box.y, box.width, box.height)
    sys.exit(0 if "C5" in keys and "C\u266f5" in keys and len(keys) >= 24 else 1)
action = keys["C5"].queryAction()
action.doAction([action.getName(i) for i in range(action.nActions)].index("Press"))
PY
  reader() { (nobody DBUS_SESSION_BUS_ADDRESS="$bus" python3 "$work/reader.py" "$@"); }
  connect_dump "$work/$socket-app.log"
  wait_until 10 reader keys || fail "sway: the strip's keys are not listed by name"
  before=$(wc -l <"$work/dump.log") && reader press &&
    wait_until 5 received_in_order "$before" "90 3c 7f" "80 3c 00" || fail "sway: Press on C5"
  ipc -t get_tree | jq -e "[.. | objects | select(.pid? == $app_pid)] | length == 1" >/dev/null ||
    fail "sway: more than the piano window"
  grep -q "strip is a layer surface" "$work/$socket-app.log" || fail "sway: no layer surface"
  wait_until 10 centred 1085 30 || fail "sway: strip at $(strip_box)"
  window_row=$(ipc -t get_tree | # a white key's lower half in the window
    jq '.. | objects | select(.name == "Tinkella") | .rect.y + .rect.height - 30')
  wait_until 10 eval 'shot && [ "$(pixel 640 "$window_row")" != 404040 ]' ||
    fail "sway: the piano window is not drawn"
  cp "$home/shot.png" "$shots/sway-strip.png"
  focused >/dev/null || fail "sway: the strip took the focus"
  ipc -t get_tree | jq -e '.. | objects | select(.name == "Tinkella") | .type == "floating_con"
    and .window_rect.width == 1200 and .rect.y + .rect.height <= 682' >/dev/null ||
    fail "sway: the piano window is not floating at its own size above the strip (at 682)"
  # Twice the pixels on a screen of the same size in points: the strip drawn at 2170 × 60,
  # its key edges as sharp as the window's.
  output 1280 720 2 >/dev/null
  wait_until 10 centred 2170 60 || fail "sway at scale 2: strip at $(strip_box)"
  wait_until 10 eval 'shot && [ "$(pixel 1280 $((window_row * 2)))" != 404040 ]' ||
    fail "sway at scale 2: the piano window is not drawn"
  cp "$home/shot.png" "$shots/sway-strip-2x.png"
  read -r window_dark window_blur <<<"$(edge $((window_row * 2)) 80 2400)"
  read -r strip_dark strip_blur <<<"$(edge 1419 195 2170)"
  echo "scale 2 darkest, edge: window $window_dark $window_blur, strip $strip_dark $strip_blur"
  [ "$strip_dark" -le $((window_dark + 16)) ] && [ "$strip_blur" -le 1 ] &&
    [ "$strip_blur" -le $((window_blur + 1)) ] || fail "sway at scale 2: the strip is blurred"
  # A screen narrower than the strip: 624 points wide, 8 from either side (the piano window,
  # wider than the screen now, moved out of the way).
  output 640 360 2 >/dev/null
  ipc '[title="^Tinkella$"] move position 0 0' >/dev/null
  wait_until 10 centred 1248 60 || fail "sway on a narrow screen: strip at $(strip_box)"
  kill "$app_pid" "$sway_pid" && wait "$app_pid" "$sway_pid"
else
  echo "SKIP sway: headless sway did not start: $(tail -n 3 "$work/sway.log")"
fi

# A click at scale 2 lights the key under it alone (sway on an X server has a pointer).
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1280x720x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
if read -r -t 10 number <&"$fd" && start_compositor sway-x11 'wayland-*' env DISPLAY=":$number" \
  WLR_BACKENDS=x11 WLR_RENDERER=pixman sway -c sway.conf; then
  ipc output X11-1 scale 2 >/dev/null
  start_tinkella
  # Where (w x) the strip's bottom (points 340 to 352) changed since before ("1 -1": nowhere).
  lit_box() {
    shot && convert "$home/before.png" "$home/shot.png" -compose difference -composite \
      -crop 1280x24+0+680 +repage -threshold 5% -trim -format '%w %[fx:page.x]' info: 2>/dev/null
  }
  wait_until 30 eval 'shot && [ "$(pixel 640 700)" != 404040 ]' || fail "sway x11: no strip"
  cp "$home/shot.png" "$home/before.png"
  ipc seat seat0 cursor set 320 348 >/dev/null && ipc seat seat0 cursor press button1 >/dev/null
  wait_until 5 eval 'read -r w x <<<"$(lit_box)" && [ "$x" -le 640 ] && [ $((x + w)) -gt 640 ] &&
    [ "$w" -le 160 ]' || fail "sway at scale 2: a click at x 320 lit $(lit_box)"
  ipc seat seat0 cursor release button1 >/dev/null
  wait_until 5 eval '[ "$(lit_box)" = "1 -1" ]' || fail "sway at scale 2: a key stays lit"
  kill "$app_pid" && wait "$app_pid"
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
