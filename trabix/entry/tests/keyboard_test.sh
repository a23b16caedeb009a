#!/usr/bin/env bash
# Trabix driven with the keyboard alone, as a user does, on a display of the test's own: the
# Enter that chooses a menu item is never taken by the dialog that the item opens.
#   - the geometry dialog chosen with Enter starts in its first field, whose text what is typed
#     replaces: "12" becomes the length in the file;
#   - "Load Data" chosen with Enter shows the load-case dialog and waits for the user.
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
keys "$cases" Escape
sleep 1
keys "$main" alt+F4
for _ in $(seq 40); do kill -0 $program 2>/dev/null || break; sleep 0.5; done
kill -0 $program 2>/dev/null && fail "Trabix did not end when its window was closed"
echo "keyboard: all checks passed"
