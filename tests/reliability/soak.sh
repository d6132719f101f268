#!/usr/bin/env bash
# soak.sh <bytelora program> [seconds=600] [warm-up seconds=30] [allowed growth in kB=1024]
#
# Runs the real program on a virtual X display with a tray host, logging every 5 seconds
# into a folder of its own, and checks that its resident memory grows by at most the
# allowed amount between the end of the warm-up and the end of the run. Nothing of the
# user's own is touched: home, settings, autostart folder and history log are temporary.
set -euo pipefail
program=$(readlink -f "$1")
seconds=${2:-600}
warmup=${3:-30}
allowed_kb=${4:-1024}

work=$(mktemp -d /tmp/bytelora-soak.XXXXXX)
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work"/{home,config,state,data,tmp,runtime,log}
chmod 700 "$work/runtime"
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" \
  XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime" TMPDIR="$work/tmp" \
  TEMP="$work/log" QT_QPA_PLATFORM=xcb
unset SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS

# A free display number.
display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
  display=$((display + 1))
done
export DISPLAY=":$display"
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
trayer --edge top --align right --widthtype request --height 24 >"$work/trayer.log" 2>&1 &
pids+=($!)
sleep 1

"$program" >"$work/bytelora.log" 2>&1 &
app=$!
pids=("$app" "${pids[@]}")

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$app/status"; }
alive() { kill -0 "$app" 2>/dev/null; }

sleep "$warmup"
alive || { echo "soak: Bytelora ended during the warm-up"; cat "$work/bytelora.log"; exit 1; }
start_kb=$(rss_kb)
samples="$start_kb"
elapsed=$warmup
while [ "$elapsed" -lt "$seconds" ]; do
  step=$((seconds - elapsed < 60 ? seconds - elapsed : 60))
  sleep "$step"
  elapsed=$((elapsed + step))
  alive || { echo "soak: Bytelora ended after ${elapsed} s"; cat "$work/bytelora.log"; exit 1; }
  samples="$samples $(rss_kb)"
done
end_kb=$(rss_kb)
lines=0
[ -f "$work/log/Bytelora.txt" ] && lines=$(grep -c $'\r$' "$work/log/Bytelora.txt" || true)
partial=0
[ -s "$work/log/Bytelora.txt" ] && [ "$(tail -c 2 "$work/log/Bytelora.txt" | od -An -c | tr -d ' ')" != '\r\n' ] && partial=1
growth=$((end_kb - start_kb))

echo "soak: ${seconds} s, VmRSS after ${warmup} s ${start_kb} kB, at the end ${end_kb} kB," \
  "growth ${growth} kB (allowed ${allowed_kb} kB); samples (kB): ${samples}; history lines: ${lines}"
status=0
if [ "$growth" -gt "$allowed_kb" ]; then echo "soak: memory grew too much"; status=1; fi
# Logging every 5 seconds from the start: one line per 5 seconds, give or take one.
expected=$((seconds / 5))
if [ "$lines" -lt $((expected - 2)) ] || [ "$lines" -gt $((expected + 1)) ]; then
  echo "soak: expected about $expected history lines"; status=1
fi
if [ "$partial" -ne 0 ]; then echo "soak: the history log ends in a partial line"; status=1; fi
if [ -s "$work/bytelora.log" ]; then echo "soak: the program's output:"; cat "$work/bytelora.log"; fi
exit $status
