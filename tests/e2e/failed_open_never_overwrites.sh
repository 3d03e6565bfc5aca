#!/bin/bash
# A designer opens a damaged aircraft through File > Open, dismisses the alert and chooses Save:
# the program must not write the cleared record over the file that failed to open. The aircraft
# is not named any more, so Save asks for a name and the new file lands in the Aircraft folder,
# whatever folder the program was started from. At the next start the last aircraft (now
# damaged too) fails to read, and Save again asks for a name instead of writing over it.
set -u
. "$(dirname "$0")/common.bash"
fresh_installation "$1"
printf 'I\n740 version\n  1024   768    32     1     0     1    0.020000    0.020000' > "$PRF/Aerodeck 7 Resolution.prf"
rm -rf "$TMP/Aircraft"/*/                    # the sample aircraft: the damaged one is alone in the dialog
printf 'xyz' > "$TMP/Aircraft/damaged.acf"
mkdir "$TMP/elsewhere"
cd "$TMP/elsewhere"

# The File menu hangs under its title at the top left, one 12-pixel row an item; the alert's OK
# and the dialog's Cancel sit centred at the bottom of their 1024 x 768 screens.
file_menu() { click 20 9; click 40 "$1"; }
OPEN=36; SAVE=49
ok() { click 511 476; }
cancel() { click 387 598; }
dont_save() { click 441 442; }

start_program
file_menu $OPEN
xdotool key Return; sleep 1          # the dialog opens the only aircraft in the folder
ok
file_menu $SAVE                      # no name: the save dialog, in the Aircraft folder
xdotool key --delay 30 --repeat 12 BackSpace; xdotool type --delay 50 Mine; xdotool key Return; sleep 1
ok                                   # the check's notice: a new aircraft has no never-exceed speed
close_program "$pid"

[ "$(cat "$TMP/Aircraft/damaged.acf")" = xyz ] || { echo "the damaged file was overwritten"; exit 1; }
[ -s "$TMP/Aircraft/Mine.acf" ] || { echo "Save did not write Aircraft/Mine.acf"; ls -la "$TMP/Aircraft"; exit 1; }
[ -z "$(ls -A "$TMP/elsewhere")" ] || { echo "something was saved in the starting folder"; ls -A "$TMP/elsewhere"; exit 1; }

# The last aircraft, damaged since: the program starts with a new one and never saves over it.
printf 'abc' > "$TMP/Aircraft/Mine.acf"
start_program
file_menu $SAVE
cancel                               # a cancelled Save leaves the aircraft marked unsaved
kill -TERM "$pid"; sleep 1; dont_save
wait_exit "$pid"
[ "$(cat "$TMP/Aircraft/Mine.acf")" = abc ] || { echo "the last aircraft was overwritten at the next start"; exit 1; }
echo "a failed open left the file alone and Save asked for a new name"
