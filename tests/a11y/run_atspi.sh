#!/bin/sh
# Runs atspi_check.py against the program $1 in a D-Bus session of its own, bounded in time.
# Exits 77 (skipped) only where the AT-SPI client library (Debian's python3-pyatspi) or the
# accessibility bus (at-spi2-core) is not installed; test.sh installs both.
host=$1
here=$(dirname "$0")
python=/usr/bin/python3 # Debian's own Python, the one python3-pyatspi installs into
if ! "$python" -c 'import gi; gi.require_version("Atspi", "2.0"); import pyatspi' >/dev/null 2>&1; then
    echo "SKIP: python3-pyatspi is not installed"
    exit 77
fi
if [ ! -x /usr/libexec/at-spi-bus-launcher ] || ! command -v dbus-run-session >/dev/null 2>&1; then
    echo "SKIP: at-spi2-core (the accessibility bus) is not installed"
    exit 77
fi
log=$(mktemp)
# The session's services get no terminal and no CTest pipe to hold open.
timeout -k 10 240 dbus-run-session -- "$python" "$here/atspi_check.py" "$host" --tree </dev/null >"$log" 2>&1
status=$?
grep -v -e '^dbus-daemon\[' -e '^SpiRegistry daemon' "$log"
rm -f "$log"
[ "$status" -eq 124 ] && echo "FAIL: the check did not end within 240 s"
exit "$status"
