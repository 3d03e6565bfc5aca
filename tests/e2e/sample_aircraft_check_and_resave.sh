#!/bin/bash
# The six sample aircraft the installation ships: each is in its own folder with its two paints,
# the command line's check passes on all of them, and the batch re-save over them changes nothing
# but what the design works out again on reading (the gear's static deflection, the resting
# height and pitch), so each reopens equal to itself.
set -u
. "$(dirname "$0")/common.bash"
fresh_installation "$1"
SAMPLES=("Trainer" "Light Twin" "Regional Jet" "Helicopter" "Sailplane" "Tail-Sitter")
files=()
for n in "${SAMPLES[@]}"; do
  for f in "$n.acf" "${n}_paint.bmp" "${n}_paint2.bmp"; do
    [ -s "$TMP/Aircraft/$n/$f" ] || { echo "missing $n/$f"; exit 1; }
  done
  files+=("$TMP/Aircraft/$n/$n.acf")
done

out=$("$TMP/Wing-Wright" check "${files[@]}") || { echo "check failed: $out"; exit 1; }
grep -qx "check: 6 passed, 0 with problems, 0 unreadable" <<< "$out" || { echo "$out"; exit 1; }

cp -r "$TMP/Aircraft" "$TMP/Before"
out=$("$TMP/Wing-Wright" resave "$TMP/Aircraft") || { echo "resave failed: $out"; exit 1; }
for n in "${SAMPLES[@]}"; do
  d=$("$TMP/Wing-Wright" diff "$TMP/Before/$n/$n.acf" "$TMP/Aircraft/$n/$n.acf")
  [ $? -le 1 ] || { echo "$n cannot be compared"; exit 1; }
  changed=$(grep -Ev '^(gearstatdef|h_eqlbm|the_eqlbm)(\[|:)' <<< "$d")
  [ -z "$changed" ] || { echo "$n changed on re-save:"; echo "$changed" | head -20; exit 1; }
done
echo "six samples pass the check and re-save unchanged"
