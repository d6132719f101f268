#!/usr/bin/env bash
# The Debian package: its control fields, its files, and a real dpkg install into a
# throw-away root with its own dpkg database; the installed program starts under Xvfb,
# a second start hands over to the first, a start after a crash works, and removing
# the package leaves no file behind.
# Usage: check-debian-package.sh <build dir> <version>
set -euo pipefail
build=$1
version=$2
skip() { echo "SKIP: $*" >&2; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in cpack dpkg dpkg-deb dpkg-shlibdeps file Xvfb xdotool; do
  command -v "$tool" >/dev/null || skip "$tool is missing"
done

work=$(mktemp -d "${TMPDIR:-/tmp}/bytelora-deb.XXXXXX")
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# --- the package --------------------------------------------------------------------------
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/cpack" >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log" >&2; fail "cpack -G DEB failed"; }
deb=$(ls "$work"/cpack/bytelora_"$version"_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { ls "$work/cpack" >&2; fail "no bytelora_${version}_<arch>.deb"; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = bytelora ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = net ] || fail "Section: $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"
depends=$(field Depends)
for dep in libqt6widgets6 libqt6sql6 libc6 libstdc++6 qt6-qpa-plugins; do
  grep -q "\b$dep\b" <<<"$depends" || fail "Depends lacks $dep: $depends"
done
# The one-instance guard needs no Qt Network on Linux.
if grep -q "\blibqt6network6\b" <<<"$depends"; then
  fail "Depends names libqt6network6, which the program does not use: $depends"
fi

contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for file in ./usr/bin/bytelora ./usr/bin/bytelora-cli \
            ./usr/share/applications/org.bytelora.Bytelora.desktop \
            ./usr/share/metainfo/org.bytelora.Bytelora.metainfo.xml \
            ./usr/share/icons/hicolor/48x48/apps/org.bytelora.Bytelora.png \
            ./usr/share/icons/hicolor/scalable/apps/org.bytelora.Bytelora.svg \
            ./usr/share/bytelora/help/bytelora-help.html; do
  grep -qx "$file" <<<"$contents" || fail "the package lacks $file"
done
# The per-application counter, where it was built: the program, its hardened unit, and
# maintainer scripts that make its user and enable it (but leave another root alone).
if [ -x "$build/countd/daemon/bytelora-countd" ]; then
  for file in ./usr/sbin/bytelora-countd ./usr/lib/systemd/system/bytelora-countd.service; do
    grep -qx "$file" <<<"$contents" || fail "the package lacks $file"
  done
  dpkg-deb --ctrl-tarfile "$deb" | tar -x -C "$work" ./postinst ./prerm ./postrm \
    || fail "the package has no maintainer scripts for the counter"
  for script in postinst prerm postrm; do sh -n "$work/$script" || fail "$script is not a valid shell script"; done
  grep -q 'useradd --system' "$work/postinst" || fail "postinst makes no system user"
  grep -q 'deb-systemd-helper enable bytelora-countd.service' "$work/postinst" || fail "postinst enables nothing"
  unit=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/lib/systemd/system/bytelora-countd.service)
  for setting in NoNewPrivileges=yes ProtectSystem=strict "RestrictAddressFamilies=AF_UNIX AF_NETLINK" \
                 RuntimeDirectory=bytelora "WantedBy=multi-user.target"; do
    grep -qx "$setting" <<<"$unit" || fail "the counter's unit lacks $setting"
  done
  if command -v systemd-analyze >/dev/null; then
    printf '%s\n' "$unit" >"$work/bytelora-countd.service"
    # Only the unit's own syntax: the program's path is the installed one.
    if systemd-analyze verify "$work/bytelora-countd.service" 2>&1 | grep -v -e 'bytelora-countd: No such file' \
         -e 'Command /usr/sbin/bytelora-countd is not executable' -e 'System has not been booted with systemd' \
         -e 'Failed to ' -e '^$' | grep .; then
      fail "systemd-analyze finds fault with the counter's unit"
    fi
  fi
fi

# Files owned by root, as dpkg expects of a package it installs system-wide.
if dpkg-deb --contents "$deb" | awk '{print $2}' | grep -qv '^root/root$'; then
  fail "the package holds files not owned by root"
fi

# --- install into a throw-away root ---------------------------------------------------------
root="$work/root"
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
: >"$root/var/lib/dpkg/status"
: >"$root/var/lib/dpkg/available"
# The root holds no other packages: the dependencies are this machine's.
dpkgr=(dpkg --root="$root" --force-not-root --force-depends --force-script-chrootless
       --log=/dev/null)
"${dpkgr[@]}" -i "$deb" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log" >&2; fail "dpkg -i failed"; }
dpkg-query --admindir="$root/var/lib/dpkg" -W -f='${Status}' bytelora | grep -qx 'install ok installed' \
  || fail "dpkg does not list bytelora as installed"
[ -x "$root/usr/bin/bytelora" ] || fail "no /usr/bin/bytelora after install"

# --- the installed program runs ---------------------------------------------------------------
# Xvfb picks a free display and writes its number once it accepts clients. -noreset: by
# default it resets whenever its last client leaves, and a program connecting just then
# (the window polls below come and go) is turned away.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 300); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(tr -d '\n' <"$work/display")"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
home="$work/home"
mkdir -p "$home/config" "$home/state" "$home/runtime" "$home/tmp"
chmod 700 "$home/runtime"
export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_STATE_HOME="$home/state" \
       XDG_RUNTIME_DIR="$home/runtime" TMPDIR="$home/tmp"
unset TEMP

windows() { xdotool search --onlyvisible --name '^Bytelora$' 2>/dev/null | wc -l; }
wait_for_window() {
  local tries
  # Up to 30 s: a loaded CI machine can be slow to map the first window.
  for tries in $(seq 300); do
    [ "$(windows)" -ge 1 ] && return 0
    kill -0 "$1" 2>/dev/null || fail "bytelora ended at start-up: $(cat "$work/bytelora.log")"
    sleep 0.1
  done
  fail "no Bytelora window appeared: $(cat "$work/bytelora.log")"
}

"$root/usr/bin/bytelora" >"$work/bytelora.log" 2>&1 &
first=$!
pids+=("$first")
wait_for_window "$first"

# A second start hands over to the first and ends; still one window.
timeout 20 "$root/usr/bin/bytelora" >"$work/second.log" 2>&1 \
  || fail "the second start did not end cleanly: $(cat "$work/second.log")"
kill -0 "$first" 2>/dev/null || fail "the first instance ended when the second started"
[ "$(windows)" -eq 1 ] || fail "$(windows) Bytelora windows after a second start"

# A crash leaves the lock and the socket behind; the next start is not blocked by them.
kill -KILL "$first"
wait "$first" 2>/dev/null || true
"$root/usr/bin/bytelora" >"$work/bytelora.log" 2>&1 &
again=$!
pids+=("$again")
wait_for_window "$again"
kill "$again"
wait "$again" 2>/dev/null || true

# --- remove -----------------------------------------------------------------------------------
"${dpkgr[@]}" --purge bytelora >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log" >&2; fail "dpkg --purge failed"; }
left=$(cd "$root" && find . -mindepth 1 -not -path './var' -not -path './var/lib' \
       -not -path './var/lib/dpkg' -not -path './var/lib/dpkg/*')
[ -z "$left" ] || fail "removing the package left: $left"
if dpkg-query --admindir="$root/var/lib/dpkg" -W bytelora >/dev/null 2>&1; then
  fail "dpkg still knows bytelora after purge"
fi
echo "debian package ok: $(basename "$deb")"
