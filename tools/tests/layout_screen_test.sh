#!/usr/bin/env bash
# The layout tests of the programs' windows on a 1024 x 768 display without a window manager, in a
# Wine prefix as a new one is (managed windows): the tables' pictures and every text must fit
# there too, not only on the larger display of the other GUI tests.
# The argument: the cross build's folder (its bin/ holds the test programs).
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
cross=$(cd "$1" && pwd)
source "$top/tools/tests/desktop.sh"
start_desktop layout-screen "$cross/wineprefix-layout"
prefix_made
cd "$cross/bin"
failed=0
runs=(
  "palvore_entry_tests.exe:*TextsWhole*"
  "palvore_app_tests.exe:*WholeText*"
  "corvane_entry_tests.exe:*TextsWhole*"
  "trabix_entry_tests.exe:*TextsWhole*"
  "murelo_entry_tests.exe:*TextsWhole*"
  "corvane_app_tests.exe:*TextsWhole*"
  "corvane_run_tests.exe:*TextsWhole*"
  "install_tests.exe:*TextsWhole*"
  "doc_win_tests.exe:*TextsWhole*"
  "trabix_app_tests.exe:*TextsWhole*"
  "trabix_views_tests.exe:*TextsWhole*"
  "palvore_app_tests.exe:*TextsWhole*"
  "murelo_app_tests.exe:*TextsWhole*"
  "win_tests.exe:LayoutFaults*"
)
for run in "${runs[@]}"; do
  wine "./${run%%:*}" --gtest_filter="${run#*:}" </dev/null || { echo "FAIL: ${run}" >&2; failed=1; }
done
[ $failed -eq 0 ] && echo "layout screen: every window checked shows its texts whole"
exit $failed
