#!/bin/sh
# Stands in for systemctl in a throw-away system that runs no systemd (check-debian-upgrade.sh
# installs it as /usr/local/bin/systemctl there): it keeps whether each unit would run, and
# reads enablement from the links under /etc/systemd/system, as systemd would. A masked
# unit, or one whose unit file is gone, does not start. Every call is logged, so that a
# failed check can show the order the maintainer scripts ran in.
state=/var/lib/systemctl-stand-in
mkdir -p "$state"
echo "$*" >>"$state/log"
action=
unit=
for arg in "$@"; do
  case $arg in
    -*) ;;
    *) if [ -z "$action" ]; then action=$arg; else unit=$arg; fi ;;
  esac
done
masked() { [ "$(readlink "/etc/systemd/system/$1")" = /dev/null ]; }
unit_file() { [ -f "/usr/lib/systemd/system/$1" ] || [ -f "/etc/systemd/system/$1" ]; }
case $action in
  daemon-reload) exit 0 ;;
  is-enabled)
    unit_file "$unit" && ! masked "$unit" && [ -n "$(find /etc/systemd/system -path "*.wants/$unit" 2>/dev/null)" ] ;;
  start | restart)
    if masked "$unit" || ! unit_file "$unit"; then
      echo "systemctl stand-in: $unit is masked or has no unit file" >&2
      exit 1
    fi
    echo active >"$state/$unit" ;;
  stop) echo inactive >"$state/$unit" ;;
  is-active) [ "$(cat "$state/$unit" 2>/dev/null)" = active ] ;;
  *)
    echo "systemctl stand-in: '$action' is not handled" >&2
    exit 1 ;;
esac
