#!/usr/bin/env bash
# A private PipeWire desktop session without systemd, as a user's login would start it: its own
# session bus, pipewire, wireplumber and pipewire-pulse in a private XDG_RUNTIME_DIR, with a
# null sink "tinkella_sink" as the only card (its monitor is what the card would play).
#
# Sourced: pipewire_start FOLDER starts it there and exports the session's environment (fails
# when it is not up in 10 s; logs in FOLDER); pipewire_stop stops what it started; the ids are
# in pipewire_pids, the bus's first. pipewire_crash kills the daemons as a crash would, and
# pipewire_daemons_start FOLDER starts them again on the same bus.
# Run: bench/pipewire-session.sh COMMAND [ARG...] runs the command inside a fresh session.
# shellcheck shell=bash

pipewire_start() {
  local dir=$1 fd_address fd_pid
  export XDG_RUNTIME_DIR=$dir/runtime XDG_STATE_HOME=$dir/state
  unset PIPEWIRE_RUNTIME_DIR PULSE_SERVER PULSE_RUNTIME_PATH
  mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$XDG_STATE_HOME"
  exec {fd_address}>"$dir/bus.address" {fd_pid}>"$dir/bus.pid"
  dbus-daemon --session --fork --print-address="$fd_address" --print-pid="$fd_pid" || return 1
  exec {fd_address}>&- {fd_pid}>&-
  DBUS_SESSION_BUS_ADDRESS=$(cat "$dir/bus.address")
  export DBUS_SESSION_BUS_ADDRESS
  pipewire_pids=("$(cat "$dir/bus.pid")")
  pipewire_daemons_start "$dir"
}

# Starts pipewire, wireplumber and pipewire-pulse (logs appended in $1) on the running bus and
# loads the null sink, as the session manager does again after a crash; the daemons' ids are in
# pipewire_daemon_pids, and pipewire_accepting holds the time (ns) its socket took clients.
pipewire_daemons_start() {
  local dir=$1
  command -v pipewire >/dev/null || return 1
  # A killed daemon leaves its socket behind; it is bound anew once the daemon accepts clients.
  rm -f "$XDG_RUNTIME_DIR/pipewire-0"
  pipewire >>"$dir/pipewire.log" 2>&1 &
  pipewire_daemon_pids=($!)
  pipewire_pids+=($!)
  pipewire_wait 10 test -S "$XDG_RUNTIME_DIR/pipewire-0" || return 1
  pipewire_accepting=$(date +%s%N)
  wireplumber >>"$dir/wireplumber.log" 2>&1 &
  pipewire_daemon_pids+=($!)
  pipewire_pids+=($!)
  pipewire-pulse >>"$dir/pipewire-pulse.log" 2>&1 &
  pipewire_daemon_pids+=($!)
  pipewire_pids+=($!)
  pipewire_wait 10 pactl info || return 1
  pactl load-module module-null-sink sink_name=tinkella_sink >/dev/null || return 1
  pipewire_wait 10 pipewire_default_sink_is tinkella_sink
}

# Kills the daemon as a crash would; the session manager and the PulseAudio face go with it.
pipewire_crash() {
  local pid
  kill -KILL "${pipewire_daemon_pids[0]}"
  for pid in "${pipewire_daemon_pids[@]:1}"; do kill "$pid" 2>/dev/null; done
  for pid in "${pipewire_daemon_pids[@]}"; do wait "$pid" 2>/dev/null; done
  pipewire_pids=("${pipewire_pids[0]}")
}

pipewire_default_sink_is() { [ "$(pactl get-default-sink 2>/dev/null)" = "$1" ]; }

# Polls a command every 50 ms for up to $1 seconds.
pipewire_wait() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@" >/dev/null 2>&1; do [ "$SECONDS" -lt "$deadline" ] && sleep 0.05 || return 1; done
}

pipewire_stop() {
  local pid
  for pid in "${pipewire_pids[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${pipewire_pids[@]}"; do wait "$pid" 2>/dev/null; done
  pipewire_pids=()
  pipewire_daemon_pids=()
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  [ $# -gt 0 ] || { echo "usage: $0 COMMAND [ARG...]" >&2; exit 2; }
  session=$(mktemp -d)
  trap 'pipewire_stop; rm -rf "$session"' EXIT
  pipewire_start "$session" || { echo "pipewire-session: PipeWire did not start (logs below)" >&2
    tail -n 20 "$session"/*.log >&2; exit 1; }
  "$@"
fi
