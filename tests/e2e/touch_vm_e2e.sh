#!/usr/bin/env bash
# Real fingers in one boot of scripts/alsa-vm: a uinput touch screen through udev and libinput into
# headless sway (seatd; the layer-surface strip), then Xorg (dummy video, libinput, XInput 2 touch).
# On each a chord, a slide, five fingers, a finger on the piano window and unplugged fingers; under
# each a finger holding the pitch wheel up under a chord on the strip; under sway also a finger
# either side of a split, with MPE off and on, and, with MPE, one resting off-centre; on X11 a
# finger in each window at once. Each note is the strip hit test's (white keys of 50 points
# scrolled to 60/96 of the overflow) and ends.
set -u
[ "${1:-}" = --in-vm ] || ALSA_VM_MEMORY=1536 ALSA_VM_CPUS=2 \
  exec "$(dirname "$0")/../../scripts/alsa-vm" "$3" "$0" --in-vm "$1" "$2"
bin=$2 device=$3 && declare -A fd screen
source "$(dirname "$0")/lib.sh"
export XDG_CONFIG_HOME=$work/config && mkdir -p "$XDG_CONFIG_HOME/Quorvin"
printf '[General]\nsettingsVisible=false\nvelocityFromTouch=true\nshowWheels=true\nsplitPoint=60\n' >"$XDG_CONFIG_HOME/Quorvin/Tinkella.conf"
/lib/systemd/systemd-udevd --daemon 2>/dev/null && udevadm trigger --action=add && udevadm settle
# A touch screen $1 (1280 × 720, options after it) fed by ${fd[$1]}; unplugged with its process.
plug() { mkfifo "$work/$1.in" || return; "$device" "$1" 1280 720 "${@:2}" <"$work/$1.in" >"$work/screen-$1.log" 2>&1 &
  screen[$1]=$! && pids+=($!) && exec {fd[$1]}>"$work/$1.in"
  wait_until 10 grep -q ready "$work/screen-$1.log" && udevadm settle; }
# The notes since the mark in $played (+N on, -N off, in order), read by bash alone: polled often.
mark() { mapfile -t lines <"$work/dump.log" && marked=${#lines[@]}; }
events() {
  local line on && played= && mapfile -t -s "$marked" lines <"$work/dump.log"
  for line in "${lines[@]}"; do [[ $line =~ :\ ([89])[0-9a-f]\ ([0-9a-f]{2}) ]] &&
    on=${BASH_REMATCH[1]/9/+} && played+="${on/8/-}$((16#${BASH_REMATCH[2]})) "; done
}
# The notes since the mark are those of $1, in any order.
played() { events; local rest=" $played " note
  for note in $1; do [[ $rest == *" $note "* ]] && rest=${rest/ $note / } || return 1; done; [ -z "${rest// /}" ]; }
# Plays frame $2 on screen $1 and waits until the notes since the mark are $3.
finger() { echo "$2" >&"${fd[$1]}" && wait_until 20 played "$3" ||
  fail "after '$2' on $1: '$played' instead of '$3'"; }
# White key slot $1 of a keyboard view at x y w h ($2..$5), $6 points above its bottom.
slot() { echo $(($2 + 50 * $1 + 25 - (3500 - $4) * 60 / 96)) $(($3 + $5 - $6)); }
# The piano window's keys (x y w h) right of its two wheels of 34 points, from the window's $1..$4.
keys() { echo $(($1 + 68)) "$2" $(($3 - 68)) "$4"; }

gestures() { # $1 the screen, $2 the strip's view (x y w h), $3 the piano window's
  mark && finger "$1" "down 0 $(slot 35 $2 15); down 1 $(slot 37 $2 15)" "+60 +64"
  finger "$1" "up 0; up 1" "+60 +64 -60 -64"
  mark && finger "$1" "down 0 $(slot 38 $2 15)" "+65"
  finger "$1" "move 0 $(slot 39 $2 15)" "+65 -65 +67"
  finger "$1" "up 0" "+65 -65 +67 -67" && [ "$played" = "+65 -65 +67 -67 " ] || fail "slide: $played"
  mark && finger "$1" "$(for i in 0 1 2 3 4; do echo -n "down $i $(slot $((40 + i)) $2 15);"; done)" \
    "+69 +71 +72 +74 +76"
  finger "$1" "up 0; up 1; up 2; up 3; up 4" "+69 +71 +72 +74 +76 -69 -71 -72 -74 -76"
  mark && finger "$1" "down 0 $(slot 35 $3 45)" "+60" && finger "$1" "up 0" "+60 -60"
}
# A finger rolls the pitch wheel of the piano window at $2 (x y w h) up from its foot by most of the
# window's height, to the top, and holds it while two on the strip at $3 play C and E: both note-ons
# follow the top bend; letting go of the wheel sends the centre last.
bends() { tail -n +$((marked + 1)) "$work/dump.log" | grep -o ': e0 .. ..\|: 90' | tr '\n' ' '; }
wheel() { local x y h s && read -r x y _ h <<<"$2" && mark && echo "down 2 $((x + 17)) $((y + h - 30))" >&"${fd[$1]}"
  for s in 1 2 3 4; do echo "move 2 $((x + 17)) $((y + h - 30 - s * (h - 40) / 4))" >&"${fd[$1]}"; done
  wait_until 20 eval '[[ $(bends) == *": e0 7f 7f " ]]' || fail "$1: the pitch wheel not up: $(bends)"
  finger "$1" "down 0 $(slot 35 $3 15); down 1 $(slot 37 $3 15)" "+60 +64" && finger "$1" "up 0; up 1" "+60 +64 -60 -64"
  echo "up 2" >&"${fd[$1]}" && wait_until 20 eval '[[ $(bends) == *": e0 7f 7f : 90 : 90 : e0 00 40 " ]]' ||
    fail "$1: the chord under the pitch wheel held up: $(bends)"; }
# Fingers down in frame $2 play $3 (+N ...), then screen $1 is unplugged: each note ends.
unplugged() {
  mark && finger "$1" "$2" "$3" && kill "${screen[$1]}"
  wait_until 20 played "$3 ${3//+/-}" || fail "$1 unplugged: $played"
}

# Periods of 21 ms: the emulated CPU has better to do than wake every client 750 times a second.
jackd_driver=(-d dummy -r 48000 -p 1024) && start_jackd && start_dump || fail "jackd did not start"
# Xorg starts meanwhile; it takes the screens plugged from then on through udev.
/usr/lib/xorg/Xorg :7 -config "$(dirname "$0")/touch_vm_xorg.conf" -noreset -nolisten tcp -novtswitch \
  -sharevts -extension GLX -logfile "$work/xorg.log" >/dev/null 2>&1 &

# sway as an unprivileged user, its seat opened by seatd.
home=$work/nobody && mkdir -p "$home/run" && chmod 755 "$work" && chmod 700 "$home/run"
printf 'output * mode 1280x720\nfor_window [title="^Tinkella$"] floating enable\n' >"$home/sway.conf"
chown -R 65534:65534 "$home" && plug wayland || fail "no touch screen"
SEATD_VTBOUND=0 seatd -g nogroup >"$work/seatd.log" 2>&1 & pids+=($!)
(cd "$home" && exec setpriv --reuid=65534 --regid=65534 --clear-groups env -i PATH="$PATH" \
  HOME="$home" XDG_RUNTIME_DIR="$home/run" WLR_BACKENDS=headless,libinput WLR_RENDERER=pixman \
  LIBSEAT_BACKEND=seatd WLR_HEADLESS_OUTPUTS=1 sway -c sway.conf) >"$work/sway.log" 2>&1 &
sway_pid=$! && pids+=($!) && wait_until 20 compgen -G "$home/run/wayland-*.lock" >/dev/null || fail "sway did not start"
socket=$(compgen -G "$home/run/wayland-*.lock") && socket=${socket%.lock}
WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland start_app wayland --audio=none --midi=jack
window() { SWAYSOCK=$(compgen -G "$home/run/sway-ipc.*") swaymsg -r -t get_tree | jq -r '.. | objects |
  select(.name == "Tinkella") | .rect.x + .window_rect.x, .rect.y + .window_rect.y, .window_rect.width,
  .window_rect.height' | xargs; }
published() { wait_until 120 grep -q "virtual source PUBLISHED" "$work/$1.log"; }
published wayland && grep -q "strip is a layer surface" "$work/wayland.log" || fail "sway: no strip"
connect_dump "$work/wayland.log" && wait_until 30 eval '[ -n "$(window)" ]' || fail "sway: no window"
echo "touch-vm: sway ready at $SECONDS s" && gestures wayland "97 682 1085 30" "$(keys $(window))"
# The split at middle C: A below it plays on the channel after the player's, E above on the player's.
sent() { tail -n +$((marked + 1)) "$work/dump.log" | grep -q ": $1"; }
mark && finger wayland "down 0 $(slot 33 97 682 1085 30 15); down 1 $(slot 37 97 682 1085 30 15)" "+57 +64"
finger wayland "up 0; up 1" "+57 +64 -57 -64" && sent "91 39" && sent "90 40" && sent "81 39" &&
  sent "80 40" || fail "sway: split at 60: $(tail -n +$((marked + 1)) "$work/dump.log" | tr '\n' ' ')"
wheel wayland "$(window)" "97 682 1085 30"
# Qt's own windows hear nothing when sway's seat loses its touch screen; the strip does.
unplugged wayland "down 0 $(slot 46 97 682 1085 30 15)" "+79"
# MPE on a new screen: "a b c d" since the mark, a = the notes 60 and 64 on two channels, b = the bends
# away from the centre on 64's channel only, c d = the last bend on each channel (centred: 0040).
# The slid note's channel keeps its bend after its note-off, until that channel's next note.
mpe() { tail -n +$((marked + 1)) "$work/dump.log" | awk -F': ' '{split($2, m, " "); c = substr(m[1], 2)}
  m[1] ~ /^9/ {n[m[2]] = c} m[1] ~ /^e/ {last[c] = m[2] m[3]; if (m[2] m[3] != "0040") bent = bent c}
  END {print (n["3c"] != n["40"]) " " (bent ~ "^" n["40"] "+$") " " last[n["3c"]] " " last[n["40"]]}'; }
kill "$app_pid" && wait "$app_pid"; mkdir -p "$work/mpe/Quorvin" && plug mpe || fail "MPE: no screen"
printf '[General]\nsettingsVisible=false\nexpression=mpe\nmpeBendRange=12\nsplitPoint=60\n' >"$work/mpe/Quorvin/Tinkella.conf"
XDG_CONFIG_HOME=$work/mpe WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland start_app mpe --audio=none --midi=jack
published mpe && connect_dump "$work/mpe.log" && mark || fail "MPE: not published"
# Split at middle C: A3 plays on the lower zone's first member channel, E4 on the upper zone's.
finger mpe "down 0 $(slot 33 97 682 1085 30 15); down 1 $(slot 37 97 682 1085 30 15)" "+57 +64" &&
  finger mpe "up 0; up 1" "+57 +64 -57 -64" && sent "91 39" && sent "9e 40" && mark ||
  fail "MPE split at 60: $(tail -n +$((marked + 1)) "$work/dump.log" | tr '\n' ' ')"
finger mpe "down 0 $(slot 35 97 682 1085 30 15); down 1 $(slot 37 97 682 1085 30 15)" "+60 +64"
echo "move 1 $(slot 39 97 682 1085 30 15)" >&"${fd[mpe]}" && wait_until 20 eval '[[ $(mpe) == "1 1 "* ]]' &&
  finger mpe "up 0; up 1" "+60 +64 -60 -64" && [[ $(mpe) == "1 1 0040 "* && $(mpe) != *" 0040" ]] ||
  fail "MPE: $(mpe)"
# A finger resting 30 % of a key right of middle C's centre starts 0.2 semitone sharp, beyond 1 % of
# the range of 12 from the centre, and is rounded to within 1 %: "first last" bend off the centre.
rested() { local c= line && first= last= && mapfile -t -s "$marked" lines <"$work/dump.log"
  for line in "${lines[@]}"; do [[ $line =~ :\ 9(.)\ 3c ]] && c=${BASH_REMATCH[1]}; done
  for line in "${lines[@]}"; do [[ -n $c && $line =~ :\ e$c\ (..)\ (..) ]] &&
    last=$((16#${BASH_REMATCH[2]} * 128 + 16#${BASH_REMATCH[1]} - 8192)) && first=${first:-$last}; done; }
read -r fx fy <<<"$(slot 35 97 682 1085 30 8)" && mark && finger mpe "down 0 $((fx + 15)) $fy" "+60"
wait_until 20 eval 'rested; [ -n "$last" ] && [ "${last#-}" -le 81 ]' && finger mpe "up 0" "+60 -60" &&
  [ "${first#-}" -gt 81 ] || fail "MPE: a finger resting off-centre bent $first, then $last"
kill "$app_pid" "$sway_pid" "${screen[mpe]}" && wait "$app_pid"; echo "touch-vm: sway done at $SECONDS s"

export DISPLAY=:7 && wait_until 30 xdotool getdisplaygeometry >/dev/null || fail "Xorg did not start"
plug x11 && plug pressure --pressure || fail "no touch screens on X11"
echo "touch-vm: Xorg ready at $SECONDS s" && start_app x11 --audio=none --midi=jack
published x11 && wait_until 30 find_window "Touch Bar" || fail "X11: no strip window"
strip=$(geometry "$window") && connect_dump "$work/x11.log" && wait_until 30 find_window '^Tinkella$'
piano=$(keys $(geometry "$window")) && echo "touch-vm: X11 ready at $SECONDS s" && gestures x11 "$strip" "$piano"
wheel x11 "$(geometry "$window")" "$strip"
# A finger held on the keyboard view at $1 (x y w h, height above its bottom), one more on the one
# at $2; four times each way round, as Qt 6 hands the second finger the first one's window about
# every other time.
two() { mark && finger x11 "down 0 $(slot 35 $1)" "+60" && finger x11 "down 1 $(slot 37 $2)" "+60 +64" &&
  finger x11 "up 1; up 0" "+60 +64 -60 -64"; }
for _ in 1 2 3 4; do two "$strip 15" "$piano 45" && two "$piano 45" "$strip 15"; done
unplugged x11 "down 0 $(slot 35 $piano 45)" "+60"
# Middle C's velocity under full ($1 = 255) or a quarter (64) pressure: softer under a lighter finger.
velocity() { mark && finger pressure "down 0 $(slot 35 $strip 15) $1" "+60" && finger pressure "up 0" "+60 -60"
  local line= && for line in "${lines[@]}"; do [[ $line =~ :\ 9.\ 3c\ (..) ]] && break; done
  [[ $line =~ :\ 9.\ 3c\ (..) ]] && echo $((16#${BASH_REMATCH[1]})) ||
    { echo "no note-on in: ${lines[*]}" >&2; return 1; }; }
hard=$(velocity 255) && soft=$(velocity 64) || fail "X11: no velocity read at $SECONDS s"
echo "touch-vm: middle C at velocity $hard, $soft lighter"
[ "$soft" -lt "$hard" ] || fail "X11: velocity $soft under a light finger, $hard under a firm one"
unplugged pressure "down 0 $(slot 46 $strip 15); down 1 $(slot 47 $strip 15)" "+79 +81"
# MPE: MIDI switched off under a finger pressing middle C leaves the listener no note, no pressure.
kill "$app_pid" && wait "$app_pid"; plug held-pressure --pressure && mkdir -p "$work/held/Quorvin" || fail "no screen"
printf '[General]\nexpression=mpe\n' >"$work/held/Quorvin/Tinkella.conf"
XDG_CONFIG_HOME=$work/held start_app held --audio=none --midi=jack
published held && connect_dump "$work/held.log" && wait_until 30 find_window '^Settings$' || fail "X11 MPE"
read -r x y _ <<<"$(geometry "$window")" && mark && finger held-pressure "down 0 $(slot 35 $strip 15)" "+60"
since() { tail -n +$((marked + 1)) "$work/dump.log" | grep -A9 "$1" | grep -q "$2"; }
since ": e. " ": d. [1-7]" && xdotool mousemove $((x + 100)) $((y + 340)) click 1 && wait_until 20 played "+60 -60" &&
  wait_until 5 since ": 8. 3c" ": d. 00" ||
  fail "X11 MPE: pressure, then MIDI switched off mid-note: '$played'"
echo "PASS"
