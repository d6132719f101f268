#!/bin/bash
# The real `bytelora-cli log` in a network namespace of its own, killed with SIGKILL
# after the given seconds while traffic flows, traffic sent while nothing runs, then
# started again and stopped with Ctrl-C: the data usage stored must equal what the
# kernel counted as sent on the veth over the whole span (headers included, as the
# interface counts them), within 1 %.
# Needs root and network namespaces; without them it skips (exit 77) saying why.
# Usage: check-usage-crash-netns.sh <bytelora-cli> <seconds before the kill>
set -u
cli=$1 kill_after=$2
. "$(dirname "$0")/../support/usage-netns.sh"
pids=()
stop_programs() {
  local pid
  for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null; done
}
netns_start blcrash 46 1500
netns_at_exit stop_programs
# send_mb <MB>: that much in datagrams of 1400 bytes.
send_mb() { send $(($1 * 1000 * 1000)) 1400; }

# A home of its own: the database, its lock and the history log.
export HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config" \
  XDG_RUNTIME_DIR="$work/run" TEMP="$work/temp"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$TEMP"
chmod 700 "$XDG_RUNTIME_DIR"
database="$XDG_DATA_HOME/Bytelora/usage.sqlite"

# start_log <name>: `log` counting the veth, as a job of its own so that it takes Ctrl-C.
start_log() {
  set -m
  in_ns "$cli" log --every "Log every 1 second" --interface va >"$work/log-$1.txt" 2>&1 &
  log_pid=$!
  set +m
  pids+=("$log_pid")
}

before=$(sent_bytes)
start_log 1
# Its first table read stores the counters it counts from; until then it has not begun.
for _ in $(seq 100); do [ -f "$database" ] && break; sleep 0.1; done
[ -f "$database" ] || { cat "$work/log-1.txt" >&2; fail "log stored nothing within 10 s"; }
# Traffic while it records, for as long as it lives.
for _ in $(seq "$kill_after"); do
  send_mb 2
  sleep 1
done
kill -0 "$log_pid" 2>/dev/null || { cat "$work/log-1.txt" >&2; fail "log ended early"; }
kill -9 -- "-$log_pid"
wait "$log_pid" 2>/dev/null
# While nothing runs.
send_mb 30
start_log 2
sleep 3
send_mb 5
sleep 2
kill -INT -- "-$log_pid"
for _ in $(seq 40); do kill -0 "$log_pid" 2>/dev/null || break; sleep 0.25; done
kill -0 "$log_pid" 2>/dev/null && fail "log did not stop on Ctrl-C"
wait "$log_pid"
after=$(sent_bytes)
kernel=$((after - before))

[ -f "$database" ] || { cat "$work"/log-*.txt >&2; fail "no database at $database"; }
"$cli" usage --hours --json >"$work/usage.json" 2>"$work/usage.err" || { cat "$work/usage.err" >&2; fail "usage failed"; }
stored=$(json_sent "$work/usage.json")
echo "killed after $kill_after s: the kernel sent $kernel bytes; usage --hours --json holds $stored"
within_one_percent "$stored" "$kernel" || { cat "$work"/log-*.txt >&2; fail "the stored usage ($stored) is more than 1 % off the kernel's $kernel"; }
echo "usage across a crash ok"
