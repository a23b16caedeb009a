#!/usr/bin/env bash
# Trabix driven with the keyboard alone, as a user does, on a display of the test's own: the
# Enter that chooses a menu item is never taken by the dialog that the item opens.
#   - the geometry dialog chosen with Enter starts in its first field, whose text what is typed
#     replaces: "12" becomes the length in the file;
#   - "Load Data" chosen with Enter shows the load-case dialog and waits for the user;
#   - in the uniform load's value dialog, "7" typed into the load field showing 0 and "5" into the
#     density field reached with Enter are 7 and 5 in the load file.
# The argument: the cross build's folder (its bin/ holds Trabix.exe).
set -euo pipefail
top=$(cd "$(dirname "$0")/../../.." && pwd)
cross=$(cd "$1" && pwd)
source "$top/tools/tests/desktop.sh"
start_desktop trabix-keys "$cross/wineprefix-keys"
fail() { echo "FAIL: $*" >&2; exit 1; }
if [ ! -e "$WINEPREFIX" ]; then  # made without a display, then left to end before the program starts
  env -u DISPLAY wineboot -i >/dev/null 2>&1 </dev/null || true
  env -u DISPLAY wineserver -w >/dev/null 2>&1 </dev/null || true
fi

# The program folder, the jobs beside the program.
mkdir -p "$tmp/prog"
cp "$cross/bin/Trabix.exe" "$cross/bin/ZLIB.DLL" "$tmp/prog/"
cd "$tmp/prog"
wine Trabix.exe >/dev/null 2>&1 </dev/null &
program=$!
open_trabix_job "J O B 1" JOB1
caption="   BEAM/STRIP ANALYSIS.   JOB: JOB1"

# Data Input, its first item (the geometry) chosen with Enter; "12" typed at once; the table
# box cleared (Alt+E) and Ok (Alt+O).
keys "$main" alt+d
sleep 0.5
xdotool key Return
geometry=$(window "$caption" 20) || fail "no geometry dialog after Enter on its menu item"
keys "$geometry" 1 2 alt+e alt+o
file=
for _ in $(seq 20); do
  for f in JOB1.geo JOB1.GEO; do [ -f $f ] && file=$f; done
  [ -n "$file" ] && break
  sleep 0.5
done
[ -n "$file" ] || fail "the geometry dialog wrote no geometry file"
# The header row: the length, then the number of elements.
grep -q "^     12          0 " "$file" || fail "the length typed was not 12: $(sed -n 5p "$file")"

# Data Input, its third item (Load Data) chosen with Enter: the load-case dialog waits.
keys "$main" alt+d
sleep 0.5
xdotool key Down Down Return
cases=$(window "  BEAM/STRIP: Load Name Specification/Selection" 20) || fail "no load-case dialog after Enter on Load Data"
sleep 2
window "  BEAM/STRIP: Load Name Specification/Selection" 1 >/dev/null || fail "the load-case dialog did not wait"
[ ! -e JOB1.CAS ] && [ ! -e JOB1.cas ] || fail "a load-case list was written without a case named"

# Case A named; "&ENTER / EDIT Load Data" of the load type dialog opens the uniform load's values.
keys "$cases" shift+Tab A alt+o  # the focus is on Ok: back to the name box first
types=$(window "$caption     Load Case: A" 20) || fail "no load type dialog after the case was named"
keys "$types" alt+e
values=$(window " LOAD DATA GENERATION - Load Case: A" 20) || fail "no value dialog of the uniform load"
keys "$values" 7 Return 5 alt+o
types=$(window "$caption     Load Case: A" 20) || fail "the load type dialog did not come back"
sleep 0.5
keys "$types" alt+c
loads=
for _ in $(seq 20); do
  for f in JOB1.LDA JOB1.lda; do [ -f $f ] && loads=$f; done
  [ -n "$loads" ] && break
  sleep 0.5
done
[ -n "$loads" ] || fail "no load file of case A"
sleep 0.5
grep -Eq "^Uniform Load \[kN/m\]: *7(\.0*)?[[:space:]]*$" "$loads" || fail "the uniform load typed was not 7: $(grep Uniform "$loads")"
grep -Eq "^Self Weight \(Mass Density\) \[kg/m\^3\]: *5(\.0*)?[[:space:]]*$" "$loads" ||
  fail "the density typed was not 5: $(grep Weight "$loads")"
keys "$main" alt+F4
for _ in $(seq 40); do kill -0 $program 2>/dev/null || break; sleep 0.5; done
kill -0 $program 2>/dev/null && fail "Trabix did not end when its window was closed"
echo "keyboard: all checks passed"
