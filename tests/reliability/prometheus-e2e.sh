#!/usr/bin/env bash
# Many machines, end to end: bytelora-cli log records an interface in a private network
# namespace while traffic flows over it and keeps node_exporter's textfile; Debian's
# prometheus-node-exporter serves the file and Prometheus scrapes it, both as plain
# processes on free loopback ports with folders of their own. Prometheus's HTTP API must
# then give the interface's sent total that `usage --json` gives for all time, and the
# counter must never have gone backwards.
# Usage: prometheus-e2e.sh <bytelora-cli> <bytelora_traffic>. Needs root and `ip netns`;
# without them it skips (exit 77) saying why.
set -euo pipefail
cli=$1
traffic=$2
. "$(dirname "$0")/../support/netns.sh"
say() { echo "prometheus-e2e: $*"; }
netns_require prometheus-e2e
for tool in prometheus prometheus-node-exporter curl ss; do
  command -v "$tool" >/dev/null || { say "FAIL: $tool is missing"; exit 1; }
done

started=$(date +%s)
work=$(mktemp -d)
tag=$(( $$ % 100000 ))
near=blpa$tag far=blpb$tag
ns1=bytelora-prom-a-$tag ns2=bytelora-prom-b-$tag
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
netns_at_exit cleanup
netns_pair "$ns1" "$ns2" "$near" "$far" 10.79.0.1/24 10.79.0.2/24

# A free loopback port: one nobody listens on, not the one picked before.
free_port() {
  local port
  while :; do
    port=$(( 20000 + RANDOM % 20000 ))
    [ "$port" != "${1:-}" ] && ! ss -Htln "sport = :$port" | grep -q . && { echo "$port"; return; }
  done
}
exporter_port=$(free_port)
prometheus_port=$(free_port "$exporter_port")
mkdir -p "$work"/{textfiles,exporter,prometheus/data,home/data,home/tmp}

prometheus-node-exporter --web.listen-address="127.0.0.1:$exporter_port" \
  --collector.disable-defaults --collector.textfile \
  --collector.textfile.directory="$work/textfiles" >"$work/exporter/log" 2>&1 &
pids+=($!)
cat >"$work/prometheus/prometheus.yml" <<YAML
global:
  scrape_interval: 1s
scrape_configs:
  - job_name: bytelora
    static_configs:
      - targets: ['127.0.0.1:$exporter_port']
YAML
prometheus --config.file="$work/prometheus/prometheus.yml" --storage.tsdb.path="$work/prometheus/data" \
  --web.listen-address="127.0.0.1:$prometheus_port" >"$work/prometheus/log" 2>&1 &
pids+=($!)
api=http://127.0.0.1:$prometheus_port
# The value of an instant query's one sample; nothing when there is none.
query() {
  curl -sf "$api/api/v1/query" --data-urlencode "query=$1" |
    sed -n 's/.*"value":\[[^,]*,"\([0-9.]*\)"\].*/\1/p'
}
for _ in $(seq 100); do curl -sf "$api/-/ready" >/dev/null && break; sleep 0.2; done
curl -sf "$api/-/ready" >/dev/null || { tail -20 "$work/prometheus/log"; say "FAIL: Prometheus did not start"; exit 1; }

# The recorder counts the namespace's interface from its first read (its first textfile
# appears then); the traffic flows while it records.
home=$work/home
ip netns exec "$ns1" env HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" \
  TEMP="$home/tmp" "$cli" log --every "Log every 1 second" --interface "$near" \
  --textfile-dir "$work/textfiles" >/dev/null 2>"$work/recorder.log" &
recorder=$!
pids+=($recorder)
for _ in $(seq 50); do [ -s "$work/textfiles/bytelora.prom" ] && break; sleep 0.1; done
[ -s "$work/textfiles/bytelora.prom" ] || { cat "$work/recorder.log"; say "FAIL: no textfile"; exit 1; }
# Prometheus has the running recorder's first textfile, at 0, before the traffic starts.
for _ in $(seq 50); do
  [ "$(query "bytelora_sent_bytes_total{interface=\"$near\"}")" = 0 ] && break
  sleep 0.2
done
[ "$(query "bytelora_sent_bytes_total{interface=\"$near\"}")" = 0 ] ||
  { say "FAIL: Prometheus has no series at 0 from the running recorder"; exit 1; }
sleep 1
before_traffic=$(date +%s)
ip netns exec "$ns2" "$traffic" receive 10.79.0.2 5001 30 >"$work/received" &
pids+=($!)
sleep 0.3
ip netns exec "$ns1" "$traffic" send 10.79.0.2 5001 24000000 4000000 >/dev/null &
sender=$!
pids+=($sender)
wait "$sender" || { say "FAIL: the traffic did not get through"; exit 1; }
sleep 1
kill -TERM "$recorder"
wait "$recorder" || { cat "$work/recorder.log"; say "FAIL: the recorder failed"; exit 1; }

# All time, as usage --json says it: the years view summed.
stored=$(env HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" \
  "$cli" usage --years --json --interface "$near" |
  sed -n '/"years"/,/^  \]/p' | grep -o '"sent": [0-9]*' | awk '{s += $2} END {print s + 0}')
[ "$stored" -ge 24000000 ] || { say "FAIL: usage --json says $stored bytes sent, less than the 24000000 sent"; exit 1; }

scraped=
for _ in $(seq 60); do
  scraped=$(query "bytelora_sent_bytes_total{interface=\"$near\"}")
  [ "$scraped" = "$stored" ] && break
  sleep 0.5
done
[ "$scraped" = "$stored" ] || { say "FAIL: Prometheus has ${scraped:-nothing}, usage --json $stored"; exit 1; }
resets=$(query "resets(bytelora_sent_bytes_total{interface=\"$near\"}[5m])")
[ "$resets" = "0" ] || { say "FAIL: the counter went backwards ($resets resets)"; exit 1; }
# The README's query of this month's bytes per machine: with the month begun just before
# the traffic, everything less the 0 scraped then; begun before anything was recorded,
# everything through its last line.
month_query() {
  query "  sum by (instance) (bytelora_received_bytes_total + bytelora_sent_bytes_total)
  - sum by (instance) (last_over_time(bytelora_received_bytes_total[31d] @ $1)
                     + last_over_time(bytelora_sent_bytes_total[31d] @ $1))
  or sum by (instance) (bytelora_received_bytes_total + bytelora_sent_bytes_total)"
}
received=$(query "bytelora_received_bytes_total{interface=\"$near\"}")
for start in "$before_traffic" "$started"; do
  month=$(month_query "$start")
  [ "$month" = "$(( received + scraped ))" ] ||
    { say "FAIL: the month's query from $start gives ${month:-nothing}, not $received + $scraped"; exit 1; }
done
say "Prometheus scraped $scraped bytes sent on $near, as usage --json says"
