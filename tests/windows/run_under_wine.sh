#!/bin/sh
# run_under_wine.sh <test.exe> [arguments...]: runs a Qt Test program under Wine with its
# log on standard output. Without a console window, Qt Test on Windows sends its log to the
# debugger, so the log goes through a file here (Z: is the Unix root in a Wine prefix).
# Wine's own output goes through a file as well: a Wine service that the program happens to
# start (and that outlives it) inherits its standard output, and would hold the test open
# until the service ends.
log=$(mktemp) || exit 1
output=$(mktemp) || exit 1
program=$1
shift
wine "$program" "$@" -o "Z:$log,txt" </dev/null >"$output" 2>&1
status=$?
cat "$output" "$log"
rm -f "$log" "$output"
exit $status
