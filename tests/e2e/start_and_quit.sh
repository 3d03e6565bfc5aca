#!/bin/bash
# Starts the real program from its installation folder on the current X display, lets it run
# its frame loop, closes it like a window manager would, and checks what it left behind.
set -u
AERODECK="$1"
PROG="$AERODECK/Wing-Wright"
rm -f "$AERODECK/Error.out" "$AERODECK/Data.out"
"$PROG" &
pid=$!
sleep 4
if ! kill -0 "$pid" 2>/dev/null; then
  wait "$pid"; echo "the program stopped on its own with status $?"; cat "$AERODECK/Error.out" 2>/dev/null; exit 1
fi
kill -TERM "$pid"            # delivered as a quit request, like the window's close box
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then echo "the program did not stop when asked"; kill -KILL "$pid"; exit 1; fi
wait "$pid"; status=$?
[ "$status" = 0 ] || { echo "exit status $status"; exit 1; }
grep -q "^OpenGL Situation:" "$AERODECK/Error.out" || { echo "no OpenGL report in Error.out"; exit 1; }
grep -q "^depth buffer bits:" "$AERODECK/Error.out" || { echo "no depth buffer line"; exit 1; }
[ -f "$AERODECK/Data.out" ] || { echo "no Data.out"; exit 1; }
echo "started, ran and quit cleanly"
