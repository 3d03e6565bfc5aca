#!/bin/bash
# A program moved out of its installation folder (no interface art beside it) stops with the
# fatal message and leaves where it happened in Error.out.
set -u
AERODECK="$1"
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
cp "$AERODECK/Wing-Wright" "$TMP/"
# The message box needs someone to press OK; there is nobody, so give it a few seconds.
timeout -k 2 8 "$TMP/Wing-Wright" >/dev/null 2>&1
grep -q "I cannot open the graphics interface file!" "$TMP/Error.out" || { echo "no fatal message"; cat "$TMP/Error.out"; exit 1; }
grep -q "^file: .*Hl_MNW.cpp, line: [0-9]*$" "$TMP/Error.out" || { echo "no file and line"; exit 1; }
echo "fatal stop logged"
