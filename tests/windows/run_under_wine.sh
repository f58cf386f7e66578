#!/bin/sh
# run_under_wine.sh <test.exe> [arguments...]: runs a Qt Test program under Wine with its
# log on standard output. Without a console window, Qt Test on Windows sends its log to the
# debugger, so the log goes through a file here (Z: is the Unix root in a Wine prefix).
log=$(mktemp) || exit 1
program=$1
shift
wine "$program" "$@" -o "Z:$log,txt"
status=$?
cat "$log"
rm -f "$log"
exit $status
