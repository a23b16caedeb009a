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
start_desktop trabix-keys
own_prefix "$cross" managed || fail "no Wine prefix for the test"

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
# A job file of either case, written whole (the program renames it into place): $found.
found=
either() {
  local f
  for f in "$@"; do [ -f "$f" ] && { found=$f; return 0; }; done
  return 1
}
open_menu "$main" alt+d || fail "no Data Input menu after Alt+D"
xdotool key Return
geometry=$(window "$caption") || fail "no geometry dialog after Enter on its menu item"
keys "$geometry" 1 2 alt+e alt+o || fail "the geometry dialog went before its values were typed"
wait_until $patience either JOB1.geo JOB1.GEO || fail "the geometry dialog wrote no geometry file"
file=$found
gone "$caption" || fail "the geometry dialog stayed after Ok"
# The header row: the length, then the number of elements.
grep -q "^     12          0 " "$file" || fail "the length typed was not 12: $(sed -n 5p "$file")"

# Data Input, its third item (Load Data) chosen with Enter: the load-case dialog waits for the
# user. The name typed next reaches it after the Enter: the dialog that takes that name (the load
# type dialog of case A comes) had nothing of the Enter.
open_menu "$main" alt+d || fail "no Data Input menu after Alt+D"
xdotool key Down Down Return
cases=$(window "  BEAM/STRIP: Load Name Specification/Selection") || fail "no load-case dialog after Enter on Load Data"
[ ! -e JOB1.CAS ] && [ ! -e JOB1.cas ] || fail "a load-case list was written without a case named"

# Case A named; "&ENTER / EDIT Load Data" of the load type dialog opens the uniform load's values.
keys "$cases" shift+Tab A alt+o || fail "the load-case dialog did not wait"  # the focus is on Ok: back to the name box first
types=$(window "$caption     Load Case: A") || fail "no load type dialog after the case was named (did the load-case dialog take the Enter?)"
keys "$types" alt+e || fail "the load type dialog went"
values=$(window " LOAD DATA GENERATION - Load Case: A") || fail "no value dialog of the uniform load"
keys "$values" 7 Return 5 alt+o || fail "the value dialog went before its values were typed"
gone " LOAD DATA GENERATION - Load Case: A" || fail "the value dialog stayed after Ok"
types=$(window "$caption     Load Case: A") || fail "the load type dialog did not come back"
keys "$types" alt+c || fail "the load type dialog went before Close"
wait_until $patience either JOB1.LDA JOB1.lda || fail "no load file of case A"
loads=$found
grep -Eq "^Uniform Load \[kN/m\]: *7(\.0*)?[[:space:]]*$" "$loads" || fail "the uniform load typed was not 7: $(grep Uniform "$loads")"
grep -Eq "^Self Weight \(Mass Density\) \[kg/m\^3\]: *5(\.0*)?[[:space:]]*$" "$loads" ||
  fail "the density typed was not 5: $(grep Weight "$loads")"
keys "$main" alt+F4
ended() { ! kill -0 $program 2>/dev/null; }
wait_until $patience ended || fail "Trabix did not end when its window was closed"
echo "keyboard: all checks passed"
