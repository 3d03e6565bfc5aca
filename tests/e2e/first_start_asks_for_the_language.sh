#!/bin/bash
# The first start has no preferences: the program asks for the interface language before
# anything else. A language that is not installed cannot be chosen; an installed one is chosen by
# a click, kept in the resolution preferences at exit, and loaded by the next start.
set -u
. "$(dirname "$0")/common.bash"
fresh_installation "$1"
# German is installed for this test (a copy of the English files); French is not.
for kind in text menus; do
  rm -rf "$TMP/Resources/$kind/german" "$TMP/Resources/$kind/french"
  cp -r "$TMP/Resources/$kind/english" "$TMP/Resources/$kind/german"
done

start_program
# The alert is 400 x 220 in the middle of the 1024 x 768 screen; the languages are a column of
# radio buttons 20 pixels apart, English first, with Accept at the bottom.
click 487 350     # German
click 487 330     # French: greyed, so German stays chosen
click 512 476     # Accept
sleep 1
close_program "$pid"

grep -q "german:Wing-Wright.txt lowest free text index" "$TMP/Error.out" || { echo "German was not loaded"; cat "$TMP/Error.out"; exit 1; }
res=$(cat "$PRF/Aerodeck 7 Resolution.prf")
lang=$(printf '%s' "$res" | sed -n 3p | awk '{print $5}')
[ "$lang" = 2 ] || { echo "the language kept is '${lang}', not German (2)"; printf '%s\n' "$res"; exit 1; }

# The next start asks nothing and reads German again.
rm -f "$TMP/Error.out"
run_and_quit
grep -q "german:Wing-Wright.txt lowest free text index" "$TMP/Error.out" || { echo "the second start did not read German"; exit 1; }

# A preferences file naming a language that is not installed: English, with a line in Error.out.
printf 'I\n740 version\n  1024   768    32     1     1     1    0.020000    0.020000' > "$PRF/Aerodeck 7 Resolution.prf"
rm -f "$TMP/Error.out"
run_and_quit
grep -q "language 1 is not installed; using English" "$TMP/Error.out" || { echo "no fallback line"; cat "$TMP/Error.out"; exit 1; }
grep -q "english:Wing-Wright.txt lowest free text index" "$TMP/Error.out" || { echo "English was not loaded"; exit 1; }
echo "the first start asked for the language and kept the choice"
