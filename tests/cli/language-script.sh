#!/usr/bin/env bash
# bytelora-cli in another language: what scripts read (usage --json, --csv, --prometheus)
# is byte for byte the same as under LANG=C; with --help it checks that the help is German
# under LANG=de_DE.UTF-8 once the German translation has it (until then it skips).
# Usage: language-script.sh <bytelora-cli> json|help <folder of the .ts files>
set -euo pipefail
cli=$1 what=$2 ts_dir=$3

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config TEMP=$home/tmp
export QT_QPA_PLATFORM=offscreen
unset LANGUAGE LC_ALL LC_MESSAGES
mkdir -p "$TEMP"
fail() { echo "FAIL: $*"; exit 1; }

# in_language <LANG value> <args...>: bytelora-cli's standard output under that locale.
in_language() {
  local lang=$1; shift
  env LANG="$lang" "$cli" "$@"
}

if [ "$what" = help ]; then
  # The help's translation in bytelora_de.ts: the first <translation> after its source.
  state=$(awk '/<source>Usage: bytelora-cli COMMAND/ { found = 1 }
               found && /<translation/ { print; exit }' "$ts_dir/bytelora_de.ts")
  case "$state" in
    "") fail "bytelora_de.ts has no entry for the help" ;;
    *unfinished*|*"<translation></translation>"*)
      echo "SKIP: the help is not translated into German yet"; exit 77 ;;
  esac
  english=$(in_language C --help)
  german=$(in_language de_DE.UTF-8 --help)
  [ "$german" != "$english" ] || fail "the help under LANG=de_DE.UTF-8 is the English one"
  ! grep -q 'print the download and upload rates once a second' <<<"$german" ||
    fail "the German help still explains in English: $german"
  # Commands, options and the interval names stay as they are typed.
  for typed in interfaces watch 'log ' usage --prometheus --textfile-dir '"Log every 1 second"'; do
    grep -q -- "$typed" <<<"$german" || fail "the German help lost $typed"
  done
  # A mistake is told in German too, with the help after it.
  status=0
  in_language de_DE.UTF-8 nosuchcommand >/dev/null 2>"$home/err" || status=$?
  [ "$status" -eq 2 ] || fail "an unknown command exited $status"
  ! grep -q "unknown command" "$home/err" || fail "the mistake is told in English: $(cat "$home/err")"
  echo "German help: all checks passed"
  exit 0
fi

# A recorder makes the database; a few days of an interface's hours go in beside it.
"$cli" log --every "Log every 1 second" >/dev/null 2>&1 &
recorder=$!
db=$XDG_DATA_HOME/Bytelora/usage.sqlite
for _ in $(seq 50); do [ -f "$db" ] && break; sleep 0.1; done
sleep 0.5
kill -TERM "$recorder"; wait "$recorder" || fail "log ended with a failure"
[ -f "$db" ] || fail "log made no database"
if command -v sqlite3 >/dev/null; then
  now_hour=$(( $(date +%s) / 3600 ))
  sqlite3 "$db" "INSERT INTO interfaces(name) VALUES('test0');
    WITH RECURSIVE h(n) AS (SELECT 0 UNION ALL SELECT n + 1 FROM h WHERE n < 99)
    INSERT INTO usage_hours(hour, interface, received, sent)
    SELECT $now_hour - n, 'test0', 1234567 * (n + 1), 7654321 FROM h;"
fi

checked=0
for args in "usage --json" "usage --hours --json" "usage --months --json" "usage --csv" \
            "usage --years --csv" "usage --prometheus" "usage --apps --json"; do
  # shellcheck disable=SC2086
  in_language C $args >"$home/c" || fail "$args failed under LANG=C"
  for lang in de_DE.UTF-8 fr_FR.UTF-8 ru_RU.UTF-8 ja_JP.UTF-8 zh_CN.UTF-8; do
    # shellcheck disable=SC2086
    in_language "$lang" $args >"$home/other" || fail "$args failed under LANG=$lang"
    cmp -s "$home/c" "$home/other" || fail "$args differs under LANG=$lang: $(diff "$home/c" "$home/other" | head -5)"
    checked=$((checked + 1))
  done
done
# The Language choice in the settings does not change them either.
in_language C usage --json >"$home/c"
mkdir -p "$XDG_CONFIG_HOME/Quillmark"
printf '[Bytelora]\nLanguage=de\n' >"$XDG_CONFIG_HOME/Quillmark/Bytelora.conf"
in_language C usage --json >"$home/chosen"
cmp -s "$home/c" "$home/chosen" || fail "usage --json differs with Language=de"
echo "machine-readable output in $checked language runs: all byte-identical to LANG=C"
