# Shared by the end-to-end scripts: a fresh folder $work, a private JACK server $server, an X
# display with openbox, the program $bin, jack_midi_dump; on exit every process in $pids is
# stopped, after the script's cleanup_first if it defines one.
# shellcheck shell=bash
work=$(mktemp -d)
server="tinkella-$(basename "$0" .sh)-$$-$RANDOM"
# jack_lsp (JACK 1.9.21) aborts against a server name of 24, 40 or 56 characters.
case ${#server} in 24 | 40 | 56) server+=_ ;; esac
pids=()
export JACK_NO_START_SERVER=1 JACK_DEFAULT_SERVER=$server XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# With the real-time checker named in $TINKELLA_RTCHECK (tests/rtcheck), $bin and $probe run with
# it preloaded, each writing $work/rtcheck.<pid> at exit, and cleanup fails the test when a
# report counts a call made inside a real-time callback. A program built with AddressSanitizer,
# whose runtime must come first and owns the allocator, runs unchecked (the release build checks).
rtcheck_wrap() {
  printf '#!/bin/sh\nexport TINKELLA_RTCHECK_REPORT='\''%s'\'' LD_PRELOAD='\''%s'\''\nexec '\''%s'\'' "$@"\n' \
    "$work/rtcheck" "$TINKELLA_RTCHECK" "$1" >"$work/checked-$(basename "$1")"
  chmod +x "$work/checked-$(basename "$1")"
  echo "$work/checked-$(basename "$1")"
}
if [ -n "${TINKELLA_RTCHECK:-}" ] && ldd "${bin:-${probe:-}}" | grep -q libasan; then
  echo "rtcheck: not preloaded into a program built with AddressSanitizer"
  unset TINKELLA_RTCHECK
elif [ -n "${TINKELLA_RTCHECK:-}" ]; then
  [ -z "${bin:-}" ] || bin=$(rtcheck_wrap "$bin")
  [ -z "${probe:-}" ] || probe=$(rtcheck_wrap "$probe")
fi

# Prints the reports that count offending calls, each frame of the program placed by addr2line,
# and fails when there is one; says how many callbacks were checked otherwise.
rtcheck_verdict() {
  local report line where calls=0 status=0 frame='^(/[^(]+)[(][+](0x[0-9a-f]+)[)]'
  for report in "$work"/rtcheck.*; do
    [ -e "$report" ] || continue
    calls=$((calls + $(sed -n 's/^marked callbacks: //p' "$report")))
    grep -qx "offending calls: 0" "$report" && continue
    echo "FAIL: a real-time callback allocated, waited, locked or touched a file or socket:"
    while IFS= read -r line; do
      [[ $line =~ $frame ]] && where=$(addr2line -Cfpe "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}") &&
        [[ $where != *"??:"* ]] && line="$line $where"
      echo "    $line"
    done <"$report"
    status=1
  done
  [ -z "${TINKELLA_RTCHECK:-}" ] || [ $status -ne 0 ] ||
    echo "rtcheck: $calls real-time callbacks checked, no offending call"
  return $status
}

fail() {
  echo "FAIL: $*"
  for f in "$work"/*.log; do echo "--- $f"; tail -n 40 "$f"; done
  exit 1
}

# Polls a condition every 50 ms for up to $1 seconds.
wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do [ "$SECONDS" -lt "$deadline" ] && sleep 0.05 || return 1; done
}
gone() { ! kill -0 "$1" 2>/dev/null; }

# The dummy driver at 48 kHz, 64-frame periods. The test servers run synchronously (--sync): a
# client that a busy machine makes late then delays the cycle instead of having its MIDI dropped
# between clients, which would fail a test for the machine's sake.
jackd_driver=(-d dummy -r 48000 -p 64)

# Starts the private server (log $work/jackd.log); fails when it is not up in 10 s. When JACK's
# registry (eight servers) is full, the slots of dead servers are freed and the start retried.
start_jackd() {
  local name
  for _ in 1 2; do
    jackd --no-realtime --sync -n "$server" "${jackd_driver[@]}" >"$work/jackd.log" 2>&1 &
    jackd_pid=$!
    jack_wait -s "$server" -w -t 10 >/dev/null 2>&1 && return 0
    kill "$jackd_pid" 2>/dev/null
    wait "$jackd_pid" 2>/dev/null
    grep -q "Too many servers" "$work/jackd.log" || return 1
    for name in $(strings /dev/shm/jack-shm-registry 2>/dev/null |
      sed -n 's/^jack-[0-9]*:\([^:]*\):.*/\1/p' | sort -u); do
      pgrep -f -- "jackd.* -n $name " >/dev/null || release_server_slot "$name"
    done
  done
  return 1
}

# A jackd that dies without unregistering keeps its slot in the registry, and only a server of
# the same name ($1) frees it again.
release_server_slot() {
  grep -qa "jack-[0-9]*:$1:" /dev/shm/jack-shm-registry 2>/dev/null || return 0
  jackd --no-realtime -n "$1" "${jackd_driver[@]}" >/dev/null 2>&1 &
  local pid=$!
  jack_wait -s "$1" -w -t 5 >/dev/null 2>&1
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
}

# Each jack_lsp is a client joining and leaving the graph, so ports are polled sparingly.
has_port() { jack_lsp 2>/dev/null | grep -qx "$1" || { sleep 0.2; return 1; }; }

# Starts Xvfb with a screen of $1 (WIDTHxHEIGHT) and openbox on it, and exports DISPLAY once
# the window manager is up (fails otherwise); the ids in $xvfb_pid and $wm_pid.
start_x() {
  local fd number
  exec {fd}<> <(:)
  Xvfb -displayfd "$fd" -screen 0 "${1}x24" -nolisten tcp >>"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  pids+=("$xvfb_pid")
  read -r -t 10 number <&"$fd" || return 1
  export DISPLAY=":$number"
  openbox --sm-disable >>"$work/openbox.log" 2>&1 &
  wm_pid=$!
  pids+=("$wm_pid")
  wait_until 10 wm_ready
}
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }

# Starts $bin with the options after $1, its standard error in $work/$1.log; the id in $app_pid.
start_app() {
  local log=$1
  shift
  "${bin:?}" "$@" >"$work/$log.out" 2>"$work/$log.log" &
  app_pid=$!
  pids+=("$app_pid")
}

# Sets $window to a visible window whose name matches $1 (and of process $2 when given).
find_window() {
  window=$(xdotool search --all --onlyvisible ${2:+--pid "$2"} --name "$1" 2>/dev/null | head -1)
  [ -n "$window" ]
}

# The client area of window $1: x y width height on the root window.
geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
                           /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'
}

# Moves the pointer onto middle C of the piano window $piano and runs the xdotool commands $@
# there. Its keys are 50 points wide, 70 slots make 3500 points and the view is scrolled to 60/96
# of the overflow; middle C is slot 35, its white part near the bottom, above the scroll bar.
on_middle_c() {
  local x y w h
  read -r x y w h < <(geometry "$piano")
  xdotool mousemove $((x + 35 * 50 + 25 - (3500 - w) * 60 / 96)) $((y + h - 45)) "$@"
}

# Clicks middle C until jack_midi_dump shows its note-on, then its note-off: at most three tries,
# as the dummy server under heavy load can miss a cycle and drop the MIDI written in it.
click_seen() {
  local before
  for _ in 1 2 3; do
    before=$(wc -l <"$work/dump.log")
    on_middle_c mousedown 1 sleep 0.6 mouseup 1
    wait_until 5 received_in_order "$before" "90 3c 7f" "80 3c 00" && return 0
  done
  return 1
}

# Starts a MIDI listener on midi-monitor:input, its output in $work/dump.log: the lossless
# midi_listen named in $TINKELLA_MIDI_LISTEN, or else jack_midi_dump (same lines, fewer under load).
start_dump() {
  "${TINKELLA_MIDI_LISTEN:-jack_midi_dump}" >"$work/dump.log" 2>&1 &
  pids+=($!)
  wait_until 10 has_port "midi-monitor:input" || fail "jack_midi_dump did not start"
}

# Connects Tinkella's MIDI port, once it is there, to jack_midi_dump and waits until the log $1
# reports it. The processing graph takes a connection up a cycle or two after it is reported; a
# note sent in between reaches nobody, hence the few periods' pause.
connect_dump() {
  wait_until 10 has_port "Tinkella:Tinkella" || fail "MIDI port Tinkella:Tinkella missing"
  jack_connect Tinkella:Tinkella midi-monitor:input || fail "jack_connect failed"
  wait_until 10 grep -q "CoreMIDI notification: id=" "$1" || fail "the connection was not reported"
  sleep 0.1
}

# jack_midi_dump (or aseqdump) received $2, then $3, after its first $1 lines of dump.log.
received_in_order() {
  tail -n +"$(($1 + 1))" "$work/dump.log" |
    awk -v on="$2" -v off="$3" 'index($0, on) {a = 1} a && index($0, off) {f = 1} END {exit !f}'
}

# The copy logging to $1 reported the other instance exactly once, the one logging to $2 never.
reported_other_copy() {
  [ "$(grep -c "MIDI-ERROR: another running instance already publishes 'Tinkella'" "$1")" = 1 ] &&
    ! grep -q "another running instance" "$2"
}

# The recording $1 is middle C: its peak is above $2 (full scale 1) and the fundamental of its
# sounding part, low-passed, near 261.6 Hz (or between $3 and $4 Hz). Prints both figures.
heard_middle_c() {
  local peak pitch
  peak=$(sox "$1" -n stat 2>&1 | awk '/Maximum amplitude/ {print $3}')
  pitch=$(sox "$1" -p remix 1 silence 1 0.005 2% trim 0.05 0.4 lowpass 400 lowpass 400 2>/dev/null |
    sox -p -n stat 2>&1 | awk '/Rough   frequency/ {print $3}')
  echo "$1: peak $peak, rough frequency $pitch Hz"
  awk -v p="$peak" -v f="$pitch" -v min="$2" -v lo="${3:-240}" -v hi="${4:-285}" \
    'BEGIN {exit !(p > min && f > lo && f < hi)}'
}

# Stops the processes, the JACK server last, and frees its registry slot.
cleanup() {
  if declare -F cleanup_first >/dev/null; then cleanup_first; fi
  for pid in "${pids[@]}" ${jackd_pid:+"$jackd_pid"}; do
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  release_server_slot "$server"
  rtcheck_verdict
  local checked=$?
  rm -rf "$work"
  [ $checked -eq 0 ] || exit 1
}
trap cleanup EXIT
