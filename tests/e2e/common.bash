# Sourced by the end-to-end tests.

# A private copy of the installation in $TMP (removed at exit), with no logs and no preferences:
# a first start.
fresh_installation() {
  TMP=$(mktemp -d)
  trap 'rm -rf "$TMP"' EXIT
  cp -r "$1/." "$TMP/"
  PRF="$TMP/Resources/Preferences"
  rm -f "$TMP/Error.out" "$PRF/Aerodeck 7 Resolution.prf" "$PRF/Aerodeck 7 Wing-Wright.prf"
}

# Closes the running program $1 as a window manager would, and fails unless it ends cleanly.
close_program() {
  local pid=$1
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"; echo "the program stopped on its own with status $?"; cat "$TMP/Error.out" 2>/dev/null; exit 1
  fi
  kill -TERM "$pid"            # delivered as a quit request, like the window's close box
  wait_exit "$pid"
}

# Waits up to 5 seconds for the program $1 to end, and fails unless it ends cleanly.
wait_exit() {
  local pid=$1
  for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then echo "the program did not stop when asked"; kill -KILL "$pid"; exit 1; fi
  wait "$pid" || { echo "exit status $?"; exit 1; }
}

# Starts the program from $TMP, lets it run a few seconds, and closes it.
run_and_quit() {
  "$TMP/Wing-Wright" &
  local pid=$!
  sleep 4
  close_program "$pid"
}

# Starts the program (the command given, or the copy in $TMP) and waits for its window: sets pid
# and wid.
start_program() {
  [ $# -gt 0 ] || set -- "$TMP/Wing-Wright"
  "$@" &
  pid=$!
  wid=""
  for _ in $(seq 1 100); do
    wid=$(xdotool search --name '^Aerodeck$' 2>/dev/null | head -1)
    [ -n "$wid" ] && break
    sleep 0.1
  done
  if [ -z "$wid" ]; then
    echo "no window; the windows on the display:"
    xdotool search --name '.' getwindowname %@ 2>/dev/null
    find "$TMP" -name Error.out -exec tail -n 5 {} \; 2>/dev/null
    kill -KILL "$pid"; exit 1
  fi
  sleep 2
}

# A real click at window pixel ($1, $2), counted from the top left.
click() { xdotool mousemove --window "$wid" "$1" "$2" click 1; sleep 0.7; }
