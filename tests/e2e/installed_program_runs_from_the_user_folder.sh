#!/bin/bash
# The program installed under a prefix (by `cmake --install`, or the Debian package unpacked when
# WW_INSTALLED_PREFIX names its usr folder) and started by its launcher from elsewhere: it makes
# the designer's own folder, finds its resources through it, writes its preferences and log there
# and nothing into the installation. An aircraft named on the command line is opened.
set -u
. "$(dirname "$0")/common.bash"
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
prefix=${WW_INSTALLED_PREFIX:-}
if [ -z "$prefix" ]; then
  prefix="$TMP/prefix"
  cmake --install "$(dirname "$1")" --prefix "$prefix" >/dev/null || { echo "cmake --install failed"; exit 1; }
fi
export HOME="$TMP/home"
unset XDG_DATA_HOME
user="$HOME/.local/share/Wing-Wright/Aerodeck"
before=$(find "$prefix" -newer "$prefix/bin/wing-wright" | wc -l)
mkdir -p "$TMP/elsewhere"
cd "$TMP/elsewhere"

# The first start makes the folder; with English chosen beforehand no language question is asked.
mkdir -p "$user/Resources/Preferences"
printf 'I\n740 version\n  1024   768    32     1     0     1    0.020000    0.020000' > "$user/Resources/Preferences/Aerodeck 7 Resolution.prf"
start_program "$prefix/bin/wing-wright"
# Save As from the File menu (its fourth item), under a name of our own.
click 20 9; click 40 62
xdotool key --delay 30 --repeat 12 BackSpace; xdotool type --delay 50 Given; xdotool key Return; sleep 1
ok() { click 511 476; }              # the check's notice: a new aircraft has no never-exceed speed
ok
close_program "$pid"

grep -q "english:Wing-Wright.txt lowest free text index" "$user/Error.out" 2>/dev/null || { echo "the program did not find its text"; cat "$user/Error.out"; exit 1; }
[ -s "$user/Resources/Preferences/Aerodeck 7 Wing-Wright.prf" ] || { echo "no editor preferences in the user folder"; exit 1; }
[ -L "$user/Wing-Wright" ] && [ -L "$user/Resources/bitmaps" ] || { echo "the resources are not linked"; ls -la "$user"; exit 1; }
[ -d "$user/Aircraft" ] && [ ! -L "$user/Aircraft" ] || { echo "the Aircraft folder is not the designer's own"; exit 1; }
after=$(find "$prefix" -newer "$prefix/bin/wing-wright" | wc -l)
[ "$before" = "$after" ] || { echo "the program wrote into the installation"; find "$prefix" -newer "$prefix/bin/wing-wright"; exit 1; }
[ -z "$(ls -A "$TMP/elsewhere")" ] || { echo "the program wrote into the folder it was started from"; exit 1; }

# An aircraft given on the command line, by a name relative to the folder the program starts in,
# is opened: the editor preferences written at exit name it as the aircraft edited last.
[ -s "$user/Aircraft/Given.acf" ] || { echo "Save As did not write Aircraft/Given.acf"; ls -la "$user/Aircraft"; exit 1; }
mkdir "$user/Aircraft/Fleet"
cp "$user/Aircraft/Given.acf" "$user/Aircraft/Fleet/Again.acf"
cd "$user/Aircraft/Fleet"
start_program "$prefix/bin/wing-wright" Again.acf
ok                                   # the same notice when it is read again
close_program "$pid"
grep -aq "Fleet/Again.acf" "$user/Resources/Preferences/Aerodeck 7 Wing-Wright.prf" || { echo "the aircraft on the command line was not opened"; exit 1; }
echo "the installed program ran from the designer's own folder"
