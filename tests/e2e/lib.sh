# Shared by the end-to-end scripts: a private JACK server, polling, and the cleanup on exit.
# The sourcing script sets $work (a fresh folder) and $server (a unique JACK server name) first,
# may append process ids to $pids, and may define cleanup_first and cleanup_last, which the
# cleanup calls before the processes are stopped and after the JACK server is.
# shellcheck shell=bash
pids=()

# Polls a condition every 50 ms for up to $1 seconds.
wait_until() {
  local limit=$(($1 * 20))
  shift
  for ((i = 0; i < limit; i++)); do
    if "$@"; then return 0; fi
    sleep 0.05
  done
  return 1
}

# The options after a server's name: the dummy driver at 48 kHz, 64-frame periods. jackd itself
# is started directly, so that $! is its own process id. The test servers run synchronously
# (--sync): a client that a busy machine makes late then delays the cycle instead of having its
# MIDI dropped between clients, which would fail a test for the machine's sake.
jackd_driver=(-d dummy -r 48000 -p 64)

# Starts the private server, its output in $work/jackd.log; fails when it is not up in 10 s.
start_jackd() {
  jackd --no-realtime --sync -n "$server" "${jackd_driver[@]}" >"$work/jackd.log" 2>&1 &
  jackd_pid=$!
  jack_wait -s "$server" -w -t 10 >/dev/null 2>&1
}

# A jackd that dies without unregistering keeps its slot in JACK's shared registry (eight
# servers at most), and only a server of the same name frees it again.
release_server_slot() {
  grep -qa "jack-[0-9]*:$server:" /dev/shm/jack-shm-registry 2>/dev/null || return 0
  jackd --no-realtime -n "$server" "${jackd_driver[@]}" >/dev/null 2>&1 &
  local pid=$!
  jack_wait -s "$server" -w -t 5 >/dev/null 2>&1
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
}

# Each jack_lsp is a client joining and leaving the graph, so ports are polled sparingly.
has_port() { jack_lsp 2>/dev/null | grep -qx "$1" || { sleep 0.2; return 1; }; }

cleanup() {
  if declare -F cleanup_first >/dev/null; then cleanup_first; fi
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
  if [ -n "${jackd_pid:-}" ]; then
    kill "$jackd_pid" 2>/dev/null
    wait "$jackd_pid" 2>/dev/null
    release_server_slot
  fi
  if declare -F cleanup_last >/dev/null; then cleanup_last; fi
  rm -rf "$work"
}
trap cleanup EXIT
