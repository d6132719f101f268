#!/usr/bin/env bash
# bytelora-cli usage as a script sees it: exit codes, the limit read from the settings,
# and the Prometheus text (from `usage --prometheus` and from `log --textfile-dir`)
# checked by promtool. Everything lives in a throw-away home.
# Usage: usage-script.sh <bytelora-cli>
set -euo pipefail
cli=$1
command -v promtool >/dev/null || { echo "SKIP: promtool is missing (Debian package prometheus)"; exit 77; }
command -v sqlite3 >/dev/null || { echo "SKIP: sqlite3 is missing"; exit 77; }

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config TEMP=$home/tmp
export QT_QPA_PLATFORM=offscreen
# The messages it looks for are the English ones, whatever the tester's language.
export LC_ALL=C.UTF-8
unset LANGUAGE LC_MESSAGES
mkdir -p "$TEMP" "$home/textfiles"
db=$XDG_DATA_HOME/Bytelora/usage.sqlite
fail() { echo "FAIL: $*"; exit 1; }

# expect <status> <command...>: runs it, keeps its output in $out and $err.
expect() {
  local want=$1; shift
  local got=0
  "$@" >"$home/out" 2>"$home/err" || got=$?
  out=$(cat "$home/out"); err=$(cat "$home/err")
  [ "$got" -eq "$want" ] || fail "$* exited $got, not $want: $out $err"
}

expect 0 "$cli" usage --help
grep -q -- '--prometheus' <<<"$out" || fail "usage --help does not list --prometheus"
expect 2 "$cli" usage --hours --days
grep -q 'cannot go together' <<<"$err" || fail "no reason given for --hours --days: $err"
expect 2 "$cli" usage --top 0
expect 1 "$cli" usage --interface nosuch

# A recorder makes the database; a week of an interface's hours goes in beside it.
"$cli" log --every "Log every 1 second" --textfile-dir "$home/textfiles" >/dev/null 2>&1 &
recorder=$!
for _ in $(seq 50); do [ -s "$home/textfiles/bytelora.prom" ] && break; sleep 0.1; done
kill -TERM "$recorder"; wait "$recorder" || fail "log ended with a failure"
[ -f "$db" ] || fail "log made no database"
now_hour=$(( $(date +%s) / 3600 ))
sqlite3 "$db" "INSERT INTO interfaces(name) VALUES('test0');
  WITH RECURSIVE h(n) AS (SELECT 0 UNION ALL SELECT n + 1 FROM h WHERE n < 167)
  INSERT INTO usage_hours(hour, interface, received, sent)
  SELECT $now_hour - n, 'test0', 1048576, 524288 FROM h;"

expect 1 "$cli" usage --interface nosuch
grep -q 'test0' <<<"$err" || fail "the known interfaces are not named: $err"
expect 0 "$cli" usage --prometheus
grep -q '^bytelora_sent_bytes_total{interface="test0"} 88080384$' <<<"$out" || fail "wrong total: $out"
promtool check metrics <"$home/out" || fail "promtool refuses usage --prometheus"

# In India's zone (+05:30) each stored hour is labelled with the half hour it starts at.
expect 0 env TZ=Asia/Kolkata "$cli" usage --hours --csv
[ "$(grep -c ':30,1048576,524288,' <<<"$out")" -eq 24 ] || fail "hours in +05:30: $out"

# The recorder's textfile holds the same totals, and promtool takes it too.
"$cli" log --every "Log every 1 second" --textfile-dir "$home/textfiles" >/dev/null 2>&1 &
recorder=$!
sleep 1.5
kill -TERM "$recorder"; wait "$recorder" || fail "log ended with a failure"
promtool check metrics <"$home/textfiles/bytelora.prom" || fail "promtool refuses the textfile"
expect 0 "$cli" usage --prometheus
# (The textfile also lists the interfaces counted now, at 0 until they move something.)
[ "$(grep test0 <<<"$out")" = "$(grep test0 "$home/textfiles/bytelora.prom")" ] ||
  fail "the textfile and usage --prometheus differ"
[ "$(ls -A "$home/textfiles")" = bytelora.prom ] || fail "left behind: $(ls -A "$home/textfiles")"

# The monthly limit from the settings: 1 MB is passed, 10 TB is not.
mkdir -p "$XDG_CONFIG_HOME/Quillmark"
printf '[Bytelora]\nUsage%%20Limit%%20MB=1\n' >"$XDG_CONFIG_HOME/Quillmark/Bytelora.conf"
expect 1 "$cli" usage --limit
[ "$(wc -l <<<"$out")" -eq 1 ] && grep -q 'reached' <<<"$out" || fail "usage --limit: $out"
printf '[Bytelora]\nUsage%%20Limit%%20MB=10000000\n' >"$XDG_CONFIG_HOME/Quillmark/Bytelora.conf"
expect 0 "$cli" usage --limit --interface test0
grep -q '^Within the monthly limit' <<<"$out" || fail "usage --limit: $out"
echo "usage for scripts: all checks passed"
