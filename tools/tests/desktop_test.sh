#!/usr/bin/env bash
# The waits of tools/tests/desktop.sh, on a display of the test's own: a wait checks its
# condition once its waiter listens and then only on events, and each kind of event it is for
# wakes it: a window shown and gone, a name written in the folder, the end of a program. Each
# condition makes its own event after its first check, so none can come before the waiter listens.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
source "$top/tools/tests/desktop.sh"
start_desktop desktop-waits /tmp/desktop-waits-no-prefix
cd "$tmp"
checks=0

# Nothing happens on the display, in the folder or to the programs: one check, then the wait ends
# unanswered (checked every tenth of a second it would be about ten).
never() { checks=$((checks + 1)); return 1; }
! wait_until 1 never || fail "a condition never true was met"
[ $checks -le 2 ] || fail "a condition without events was checked $checks times in a second"

# A name written in the folder after the first check.
checks=0
file_made() {
  checks=$((checks + 1))
  [ $checks = 1 ] && { echo x >"$tmp/written" & } && return 1
  [ -f "$tmp/written" ]
}
mkdir -p "$tmp/other"
wait_until $patience file_made || fail "a file written in the current folder was not seen"
checks=0
other_made() {
  checks=$((checks + 1))
  [ $checks = 1 ] && { echo x >"$tmp/other/written" & } && return 1
  [ -f "$tmp/other/written" ]
}
wait_in_folder "$tmp/other" $patience other_made || fail "a file written in the folder named was not seen"

# A window shown after the first check, and gone.
checks=0
probe_shown() {
  checks=$((checks + 1))
  [ $checks = 1 ] && { xev -name "Probe window" >/dev/null 2>&1 & probe=$!; } && return 1
  shown "Probe window"
}
wait_until $patience probe_shown || fail "a window shown was not seen"
kill $probe
gone "Probe window" || fail "a window gone was not seen"

# A program of this shell that ends after the first check.
mkfifo "$tmp/go"
(read -r _ <"$tmp/go") & program=$!
checks=0
told_to_end() {
  checks=$((checks + 1))
  [ $checks = 1 ] && { echo go >"$tmp/go" & } && return 1
  ended_process $program
}
wait_until $patience told_to_end || fail "the end of a program was not seen"
echo "desktop waits: each wakes on its event"
