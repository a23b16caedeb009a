#!/usr/bin/env bash
# Runs a test program under Wine with a fresh folder mapped as a drive of the Wine prefix: the
# distribution medium that the launcher is started from. The drive ("M:") is passed in
# SUITE_MEDIUM; the mapping and the folder are removed afterwards.
#   on_medium.sh wine install_tests.exe [arguments...]
set -euo pipefail
devices="${WINEPREFIX:-$HOME/.wine}/dosdevices"
medium=$(mktemp -d "${TMPDIR:-/tmp}/suite-medium.XXXXXX")
link=
for letter in m n o p q r s t u v w x y; do
  # ln fails when the name is taken, so two test runs never share a drive.
  if ln -s "$medium" "$devices/$letter:" 2>/dev/null; then link="$devices/$letter:"; break; fi
done
[ -n "$link" ] || { echo "on_medium: no free drive letter in $devices" >&2; rm -rf "$medium"; exit 1; }
trap 'rm -f "$link"; rm -rf "$medium"' EXIT
SUITE_MEDIUM="${letter^^}:" "$@"
