#!/usr/bin/env bash
# The test of ./run as a user starts it on a desktop: a display of the test's own, a jobs folder
# of the test's own (never the user's), a Wine prefix of its own. The cross build is
# the only argument; run is given a build folder of the test's own whose cross/ is that build, so
# that the test can delete the build folder as a user does without building everything again.
#   - a program that ends before any window of it is seen: a clear line and a non-zero status;
#   - Trabix shows its main window, runs in the jobs folder, and a job whose
#     geometry is typed into Trabix there is archived and listed there, not in the build;
#   - the build folder deleted and made again: the job is offered first and opens with its values;
#   - without a display: a picture of the program's painted window, and run ends.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
cross=$(cd "$1" && pwd)
[ "$(basename "$cross")" = cross ] || { echo "FAIL: $cross is not the cross folder of a build" >&2; exit 1; }
build=$(dirname "$cross")
source "$top/tools/tests/desktop.sh"
start_desktop run-test
own_prefix "$cross" managed || fail "no Wine prefix for the test"
# The build folder run is given: its cross/ is the test's build, so run's build step finds it made
# (run builds through the link's real path, so the build is never configured through the link).
make_build() { mkdir -p "$tmp/build" && ln -sfn "$cross" "$tmp/build/cross"; }
make_build
export SUITE_BUILD=$tmp/build SUITE_JOBS=$tmp/jobs
fail() { echo "FAIL: $*" >&2; [ -f "$tmp/err" ] && sed 's/^/  run: /' "$tmp/err" >&2; exit 1; }

# Waits for run to end after the program was told to; run's status in $status.
wait_run() {
  wait_ended $runpid || fail "the program did not end when it was told to"
  status=0
  wait $runpid || status=$?
}
close_and_wait() {
  keys "$main" alt+F4 || fail "the main window went before it was closed"
  wait_run
}

# 1. A program that ends at once (the solver tool, without arguments) is no success.
status=0
"$top/run" trabix_solve >/dev/null 2>"$tmp/err" || status=$?
[ $status != 0 ] || fail "run gave status 0 for a program that showed no window"
grep -q "^run: trabix_solve ended after [0-9]* s without showing a window" "$tmp/err" ||
  fail "run did not say that the program ended without a window"

# The job's geometry file, of either case; empty when there is none.
geometry_file() {
  local f
  for f in "$SUITE_JOBS/JOB1.geo" "$SUITE_JOBS/JOB1.GEO"; do [ -f "$f" ] && { echo "$f"; return; }; done
  echo ""
}
geometry_written() { [ -n "$(geometry_file)" ]; }

# 2. Trabix from the jobs folder: its window; a job named there and its geometry
#    typed into the program (Data Input, its first item with Enter, "12" replacing the length, the
#    table box cleared with Alt+E, Ok with Alt+O) stay there.
before=$(ls "$build/cross/bin")
"$top/run" Trabix >/dev/null 2>"$tmp/err" & runpid=$!
window "  BEAM/STRIP ANALYSIS Program" >/dev/null || fail "no Trabix main window"
open_trabix_job "J O B 1" JOB1
open_menu "$main" alt+d || fail "no Data Input menu after Alt+D"
xdotool key Return
geometry=$(window "   BEAM/STRIP ANALYSIS.   JOB: JOB1") || fail "no geometry dialog"
keys "$geometry" 1 2 alt+e alt+o || fail "the geometry dialog went before its values were typed"
wait_in_folder "$SUITE_JOBS" $patience geometry_written || fail "the geometry dialog wrote no geometry file in the jobs folder"
gone "   BEAM/STRIP ANALYSIS.   JOB: JOB1" || fail "the geometry dialog stayed after Ok"
close_and_wait
[ "$status" = 0 ] || fail "run ended with $status after Trabix was closed"
[ -f "$SUITE_JOBS/JOB1.ZIP" ] || fail "the job was not archived in the jobs folder"
[ -z "$(geometry_file)" ] || fail "the job's file was left beside its archive"
grep -q "^JOB1" "$SUITE_JOBS/FJOB\$.INF" || fail "the job list in the jobs folder does not hold the job"
[ "$(ls "$build/cross/bin")" = "$before" ] || fail "files were added to the build's program folder"

# 3. The build folder deleted (with the link to the build in it) and
#    built again: started again, the job is offered first and opens with the length typed.
rm -rf "$tmp/build"
make_build
"$top/run" Trabix >/dev/null 2>"$tmp/err" & runpid=$!
open_trabix_job "" JOB1
file=$(geometry_file)
[ -n "$file" ] || fail "the job's geometry did not come back from its archive"
# The header row: the length, then the number of elements.
grep -q "^     12          0 " "$file" || fail "the job did not open with the length typed: $(sed -n 5p "$file")"
close_and_wait
[ "$status" = 0 ] || fail "run ended with $status after Trabix was closed again"

# 4. Corvane likewise; "&Exit" of its notice ends it, and run with it.
"$top/run" Corvane >/dev/null 2>"$tmp/err" & runpid=$!
window "      ZOR Program" >/dev/null || fail "no Corvane main window"
notice=$(window "  ZOR SOFTWARE") || fail "no start-up notice of Corvane"
keys "$notice" alt+e || fail "Corvane's notice went before Exit"
wait_run
[ "$status" = 0 ] || fail "run ended with $status after Corvane's notice was left with Exit"

# 5. A jobs folder whose name a job specification cannot hold is refused.
status=0
SUITE_JOBS="$tmp/my jobs" "$top/run" Trabix >/dev/null 2>"$tmp/err" || status=$?
[ $status != 0 ] && grep -q "^run: the jobs folder .*my jobs" "$tmp/err" || fail "a jobs folder with a blank was not refused"
# 6. Without a display: Trabix on a virtual display of run's own, the picture of its screen taken
#    once Trabix waits for the user: its notice painted (the maroon of the notice's title), which
#    shows itself when the program's queue first goes empty; then run ends.
status=0
picture=$(env -u DISPLAY "$top/run" Trabix 2>"$tmp/err") || status=$?
[ $status = 0 ] || fail "run without a display ended with $status"
[ "$picture" = "$tmp/build/Trabix-start.png" ] && [ -s "$picture" ] || fail "run without a display printed no picture: $picture"
colours=$(convert "$picture" -format %c histogram:info:-)
grep -q "#800000" <<<"$colours" || fail "the picture does not show the notice painted"
# 7. The build is still configured through its own path.
grep -qx "cmake_ninja_workdir = $cross/" "$cross/build.ninja" || fail "the build was configured through another path"
echo "run: all checks passed"
