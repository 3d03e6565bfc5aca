#!/bin/bash
# The real program, started from a copy of its installation on the current X display: it loads
# the English text (its lowest free index goes to Error.out), and a normal exit leaves both
# preference files, which the next start reads. A damaged resolution file stops the next start
# with the scanning message.
set -u
. "$(dirname "$0")/common.bash"
fresh_installation "$1"

run_and_quit
grep -q "english:Wing-Wright.txt lowest free text index=[0-9]*$" "$TMP/Error.out" || { echo "no text index line"; cat "$TMP/Error.out"; exit 1; }
size=$(stat -c %s "$PRF/Aerodeck 7 Wing-Wright.prf" 2>/dev/null)
[ "$size" = 17941 ] || { echo "editor preferences are ${size:-missing} bytes"; exit 1; }
res=$(cat "$PRF/Aerodeck 7 Resolution.prf" 2>/dev/null)
expected_start=$'I\n740 version\n  1024   768    32     1     0     1'
[ "${res:0:50}" = "$expected_start" ] && [ "${#res}" = 74 ] || { echo "resolution preferences:"; printf '%s\n' "$res"; exit 1; }

# A second start over the files the first one left.
run_and_quit
[ "$(stat -c %s "$PRF/Aerodeck 7 Wing-Wright.prf")" = 17941 ] || { echo "editor preferences lost"; exit 1; }
ls "$PRF" | grep -q '\.tmp$' && { echo "a temporary file was left behind"; exit 1; }

# A field that is not a number: the fatal stop, and the file left as it was.
printf 'I\n740 version\n  1024   768    xx     1     0     1    0.020000    0.020000' > "$PRF/Aerodeck 7 Resolution.prf"
timeout -k 2 10 "$TMP/Wing-Wright" >/dev/null 2>&1
grep -q "File-scanning error!" "$TMP/Error.out" || { echo "no scanning message"; cat "$TMP/Error.out"; exit 1; }
grep -q "^io$" "$TMP/Error.out" || { echo "the message does not name the field reader"; exit 1; }
grep -q "xx" "$PRF/Aerodeck 7 Resolution.prf" || { echo "the damaged file was overwritten"; exit 1; }
echo "text loaded, preferences written at exit and read at the next start"
