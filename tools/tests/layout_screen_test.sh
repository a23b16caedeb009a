#!/usr/bin/env bash
# The layout tests of a program's windows on a 1024 x 768 display without a window manager, in a
# Wine prefix as a new one is (managed windows): the tables' pictures and every text must fit
# there too, not only on the larger display of the other GUI tests.
#   layout_screen_test.sh CROSS_BUILD PROGRAM FILTER [PART]
# PROGRAM is a test program of the cross build's bin/, FILTER the GoogleTest filter of its layout
# tests, PART ("k/n") the part of the long sweeps to run (SUITE_LAYOUT_PART: the k-th of n runs of
# each sweep's cases). A window of a managed prefix without a window manager takes Wine a second or
# two to come and go, so the programs and parts run side by side, each on a display and in a
# prefix of its own.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
cross=$(cd "$1" && pwd)
program=$2
filter=$3
source "$top/tools/tests/desktop.sh"
start_desktop "layout-${program%_tests}"
own_prefix "$cross" managed || fail "no Wine prefix for the test"
# A folder of its own: the parts of one program run side by side.
mkdir "$tmp/work"
cd "$tmp/work"
[ -z "${4:-}" ] || export SUITE_LAYOUT_PART=$4
wine "$cross/bin/$program.exe" --gtest_filter="$filter" </dev/null || fail "$program $filter ${4:-}"
echo "layout screen ($program ${4:-}): every window checked shows its texts whole"
