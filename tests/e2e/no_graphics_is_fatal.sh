#!/bin/bash
# Without any display the graphics cannot be set up: the program resets the resolution
# preferences (a header of another kind and version -999, so the next start takes the defaults)
# and stops with the fatal message in Error.out.
set -u
AERODECK="$1"
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
cp -r "$AERODECK/." "$TMP/"
rm -f "$TMP/Error.out"
DISPLAY= WAYLAND_DISPLAY= SDL_VIDEODRIVER=x11 timeout -k 2 20 "$TMP/Wing-Wright" >/dev/null 2>&1
status=$?
[ "$status" = 1 ] || { echo "exit status $status, expected the fatal stop (1)"; exit 1; }
grep -q "I could not set up the graphics for Skyvane!" "$TMP/Error.out" || { echo "no fatal message"; cat "$TMP/Error.out"; exit 1; }
prf="$TMP/Resources/Preferences/Aerodeck 7 Resolution.prf"
[ "$(od -An -tx1 "$prf" | tr -d ' \n')" = "6919fcffff" ] || { echo "resolution preferences not reset"; od -An -tx1 "$prf"; exit 1; }
echo "fatal stop with the resolution reset"
