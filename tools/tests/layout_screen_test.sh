#!/usr/bin/env bash
# The layout tests of the programs' windows on a 1024 x 768 display without a window manager, in a
# Wine prefix as a new one is (managed windows): the tables' pictures and every text must fit
# there too, not only on the larger display of the other GUI tests.
# The arguments: the cross build's folder (its bin/ holds the test programs) and the part to run:
# "corvane-entry" (Corvane's forms and tables), "corvane" (Corvane's other windows, Install and
# the common windows), "entry" (the data entry of Trabix, Palvore and Murelo) or "apps" (their
# other windows). A window of a managed prefix without a window manager takes Wine a second or two
# to come and go, so the parts run side by side, each on a display and in a prefix of its own.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
cross=$(cd "$1" && pwd)
source "$top/tools/tests/desktop.sh"
part=${2:-corvane}
start_desktop "layout-$part" "$cross/wineprefix-layout-$part"
prefix_made
cd "$cross/bin"
failed=0
case $part in
  corvane-entry)
    runs=("corvane_entry_tests.exe:*TextsWhole*") ;;
  corvane)
    runs=(
      "corvane_app_tests.exe:*TextsWhole*"
      "corvane_run_tests.exe:*TextsWhole*"
      "install_tests.exe:*TextsWhole*"
      "doc_win_tests.exe:*TextsWhole*"
      "win_tests.exe:LayoutFaults*"
    ) ;;
  entry)
    runs=(
      "trabix_entry_tests.exe:*TextsWhole*"
      "palvore_entry_tests.exe:*TextsWhole*"
      "murelo_entry_tests.exe:*TextsWhole*"
    ) ;;
  apps)
    runs=(
      "trabix_app_tests.exe:*TextsWhole*"
      "trabix_views_tests.exe:*TextsWhole*"
      "palvore_app_tests.exe:*WholeText*:*TextsWhole*"
      "murelo_app_tests.exe:*TextsWhole*"
    ) ;;
  *) echo "FAIL: no layout part '$part'" >&2; exit 2 ;;
esac
for run in "${runs[@]}"; do
  wine "./${run%%:*}" --gtest_filter="${run#*:}" </dev/null || { echo "FAIL: ${run}" >&2; failed=1; }
done
[ $failed -eq 0 ] && echo "layout screen ($part): every window checked shows its texts whole"
exit $failed
