#!/bin/bash
# Every installed interface language starts end to end: a first start, the language chosen in the
# alert, the first menu opened. The menu bar and the open menu must then show other words than
# the English ones, and the program must not have ended on a missing text file. A language whose
# files are not installed is named and skipped. The menu pictures are left in the build folder.
set -u
. "$(dirname "$0")/common.bash"
fresh_installation "$1"
OUT="$1/.."
folders=(english french german italian spanish korean portugese)

# The bar is the top 18 rows of the 1024 x 768 window; the first menu hangs below its title.
crop_bar()  { convert "$1" -crop 1024x18+0+0 +repage "$2"; }
crop_menu() { convert "$1" -crop 320x240+0+18 +repage "$2"; }
differing() { compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1; }

checked=0
for lang in 0 1 2 3 4 5 6; do
  f=${folders[$lang]}
  if [ ! -f "$TMP/Resources/text/$f/Wing-Wright.txt" ] || [ ! -f "$TMP/Resources/menus/$f/Wing-Wright.txt" ]; then
    echo "$f is not installed: skipped"
    continue
  fi
  rm -f "$TMP/Error.out" "$PRF/Aerodeck 7 Resolution.prf" "$PRF/Aerodeck 7 Wing-Wright.prf"
  start_program
  # The alert's languages are a column of radio buttons 20 pixels apart, English first.
  click 487 $((310 + 20 * lang))
  click 512 476     # Accept
  sleep 1
  click 20 9        # the first menu's title
  sleep 0.5
  import -window "$wid" "$TMP/shot.png"
  close_program "$pid"

  if grep -q "Could not open text file!" "$TMP/Error.out" 2>/dev/null; then
    echo "$f: the text file could not be opened"; cat "$TMP/Error.out"; exit 1
  fi
  grep -q "$f:Wing-Wright.txt lowest free text index" "$TMP/Error.out" || { echo "$f was not loaded"; cat "$TMP/Error.out"; exit 1; }
  cp "$TMP/shot.png" "$OUT/e2e-menu-$f.png"
  crop_bar "$TMP/shot.png" "$TMP/bar-$lang.png"
  crop_menu "$TMP/shot.png" "$TMP/menu-$lang.png"
  if [ "$lang" = 0 ]; then
    # The English start is the reference: its bar must show words at all.
    [ "$(convert "$TMP/bar-0.png" -format '%k' info:)" -gt 2 ] || { echo "the English menu bar is blank"; exit 1; }
  else
    bar=$(differing "$TMP/bar-0.png" "$TMP/bar-$lang.png")
    menu=$(differing "$TMP/menu-0.png" "$TMP/menu-$lang.png")
    [ "${bar%.*}" -gt 100 ] || { echo "$f: the menu bar shows the English words ($bar pixels differ)"; exit 1; }
    [ "${menu%.*}" -gt 500 ] || { echo "$f: the open menu shows the English words ($menu pixels differ)"; exit 1; }
  fi
  checked=$((checked + 1))
done
echo "$checked languages started, chose themselves and showed their own menus"
