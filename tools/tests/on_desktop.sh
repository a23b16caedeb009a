#!/usr/bin/env bash
# Runs a test program of the cross build under Wine on a desktop of its own, so that any number of
# tests run side by side: an Xvfb display of its own (1280 x 1024, never reset) and a Wine prefix
# of its own with its own server, copied from the build's booted one (windows unmanaged); both
# are ended and removed when the program ends, whose status is the script's.
#   on_desktop.sh CROSS_BUILD 'EMULATOR;ITS;ARGUMENTS' PROGRAM [ARGUMENTS...]
# The emulator is the test program's own (wine, or install/tests/on_medium.sh and wine), as CMake
# lists it. CMake's suite_test runs every test program of the cross build through this script.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
cross=$1
IFS=';' read -r -a emulator <<<"$2"
shift 2
source "$top/tools/tests/desktop.sh"
display_screen=1280x1024x24
name=$(basename "$1")
start_desktop "${name%%.*}"
own_prefix "$cross" unmanaged || { echo "FAIL: no Wine prefix for the test" >&2; exit 1; }
status=0
"${emulator[@]}" "$@" || status=$?
exit $status
