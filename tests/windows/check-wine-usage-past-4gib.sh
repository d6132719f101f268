#!/bin/bash
# bytelora-cli.exe under wine in a network namespace of its own: `log` runs and stops,
# more than 4 GiB leave through a veth while nothing runs, `log` runs and stops again,
# and `usage --hours --json` then holds what the kernel counted as sent, within 1 %.
# A 32-bit counter wraps past 4 GiB unseen; the 64-bit one of GetIfTable2 does not.
# Needs root and network namespaces; without them it skips (exit 77) saying why.
# Usage: check-wine-usage-past-4gib.sh <runner> <bytelora-cli.exe>
set -u
runner=$1 cli=$2
. "$(dirname "$0")/../support/usage-netns.sh"
log_pid=
stop_wine() {
  [ -n "$log_pid" ] && kill "$log_pid" 2>/dev/null
  in_ns env WINEPREFIX="$work/prefix" wineserver -k >/dev/null 2>&1
}
# A 64 KiB MTU keeps the packet count (and the time) small.
netns_start bl4g 44 65535
netns_at_exit stop_wine

# The prefix and its services (which read the interface table) start inside.
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir "$WINEPREFIX"
in_ns wineserver -p
in_ns wineboot --init >/dev/null 2>&1 || true

in_ns "$runner" "$cli" interfaces >"$work/interfaces.txt" 2>&1 || { cat "$work/interfaces.txt" >&2; fail "interfaces failed"; }
tr -d '\r' <"$work/interfaces.txt" >"$work/interfaces"
cat "$work/interfaces"
grep -q 'TCPIP' "$work/interfaces" && fail "interfaces shows a device path, not the alias"
alias=$(awk '$1 ~ /^[0-9]+$/ && $3 == "ethernet" {print $2; exit}' "$work/interfaces")
[ -n "$alias" ] || fail "no ethernet row in the interface table"
grep -Eq "ethernet +(operational|connected) " "$work/interfaces" || fail "the veth that is up does not read as operational"

# One run of `log`, counting the veth by its alias, ended by Ctrl-C as a user ends it.
run_log() {
  local started
  # A job of its own (job control on), so that it does not ignore SIGINT as the
  # background commands of a script do.
  set -m
  ip netns exec "$ns" "$runner" "$cli" log --every "Log every 1 second" --interface "$alias" \
    >"$work/log-$1.txt" 2>&1 &
  log_pid=$!
  set +m
  started=$(date +%s)
  # The first table read stores its counters at once.
  until [ -n "$(find "$WINEPREFIX" -name 'usage.sqlite*' -newer "$work/stamp-$1" 2>/dev/null)" ]; do
    [ $(( $(date +%s) - started )) -lt 60 ] || { cat "$work/log-$1.txt" >&2; fail "log $1 stored nothing within 60 s"; }
    kill -0 "$log_pid" 2>/dev/null || { cat "$work/log-$1.txt" >&2; fail "log $1 ended early"; }
    sleep 0.5
  done
  sleep 2
  kill -INT -- "-$log_pid"
  for _ in $(seq 60); do kill -0 "$log_pid" 2>/dev/null || break; sleep 0.5; done
  kill -0 "$log_pid" 2>/dev/null && { kill -9 "$log_pid"; fail "log $1 did not stop on Ctrl-C"; }
  wait "$log_pid"
  log_pid=
  tr -d '\r' <"$work/log-$1.txt" | grep -Ei 'not recorded|could not|lost' && fail "log $1 reported a usage fault"
  return 0
}

before=$(sent_bytes)
touch "$work/stamp-1"
run_log 1
# 4.5 GiB in datagrams of 60,000 bytes while nothing records.
send $((4608 * 1024 * 1024)) 60000
touch "$work/stamp-2"
run_log 2
after=$(sent_bytes)
kernel=$((after - before))
[ "$kernel" -gt $((4 * 1024 * 1024 * 1024)) ] || fail "only $kernel bytes left the veth"

in_ns "$runner" "$cli" usage --hours --json >"$work/usage.json" 2>"$work/usage.err" || { cat "$work/usage.err" >&2; fail "usage failed"; }
# The "hours" array sums the counted interfaces; "interfaces" repeats them per interface.
stored=$(json_sent "$work/usage.json")
echo "kernel sent $kernel bytes; usage --hours --json holds $stored"
# The JSON keys stay the stored names; "aliases" gives the name the user knows.
tr -d '\r' <"$work/usage.json" | grep -Eq "^    \".+\": \"$alias\"\$" || { cat "$work/usage.json" >&2; fail "the JSON names no alias $alias"; }
within_one_percent "$stored" "$kernel" || fail "the stored usage ($stored) is more than 1 % off the kernel's $kernel"
echo "wine usage past 4 GiB ok"
