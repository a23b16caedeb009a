#!/usr/bin/env bash
# Builds the fuzz targets (clang's libFuzzer with AddressSanitizer and UBSan) and runs each for
# SECONDS seconds (20 when not given), all at once, on a corpus seeded from the test fixtures and
# the files the native tests make. Fails on any crash, hang (one input over 5 s) or sanitizer
# report; the input that did it is kept in <build>/fuzz/artifacts.
#   tools/fuzz.sh [SECONDS]
set -euo pipefail
here=$PWD
cd "$(dirname "$0")/.."
top=$PWD
secs=${1:-20}
B=${SUITE_BUILD:-$top/build}
case $B in /*) ;; *) B=$here/$B;; esac
F=$B/fuzz
jobs=$(nproc)

CC=clang CXX=clang++ cmake -S . -B "$F" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSUITE_SANITIZE=OFF -DSUITE_FUZZ=ON >/dev/null
cmake --build "$F" --target fuzz_targets -j "$jobs" >/dev/null

# Seeds: the fixtures, and the job files every native test makes (its own build, for those files).
if [ ! -x "$B/native/bin/trabix_core_tests" ]; then
  cmake -S . -B "$B/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
  cmake --build "$B/native" -j "$jobs" >/dev/null
fi
rm -rf "$F/kept" "$F/seeds"
mkdir -p "$F/kept" "$F/artifacts"
for t in "$B"/native/bin/*_tests; do
  name=$(basename "$t")
  SUITE_KEEP_TEST_FILES="$F/kept/$name" ctest --test-dir "$B/native" -R "^$name\$" >/dev/null 2>&1 || true
done
python3 tools/fuzz/seeds.py "$F/seeds" "$F/kept" trabix/tests/data corvane/core/tests/data corvane/reports/tests/data
# The job archive's seeds: those jobs packed by the archive's own packing.
if [ -x "$F/bin/archive_seeds" ]; then "$F/bin/archive_seeds" "$F/seeds/archive" "$F"/seeds/*_jobfiles; fi

status=0
pids=()
targets=()
for exe in "$F"/bin/fuzz_*; do
  t=$(basename "$exe")
  t=${t#fuzz_}
  mkdir -p "$F/corpus/$t" "$F/seeds/$t"   # a target without seeds starts from its dictionary
  dict=$(ls "$top"/*/tests/fuzz_"$t".dict "$top"/*/*/tests/fuzz_"$t".dict "$top"/common/tests/fuzz/fuzz_"$t".dict 2>/dev/null | head -1 || true)
  "$exe" -max_total_time="$secs" -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 \
    ${dict:+-dict="$dict"} -artifact_prefix="$F/artifacts/$t-" "$F/corpus/$t" "$F/seeds/$t" >"$F/$t.log" 2>&1 &
  pids+=($!)
  targets+=("$t")
done
for i in "${!pids[@]}"; do
  t=${targets[$i]}
  if wait "${pids[$i]}"; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$F/$t.log" | grep -o '[0-9]*$' || echo 0)
    cov=$(grep -o 'cov: [0-9]*' "$F/$t.log" | tail -1 | grep -o '[0-9]*' || echo 0)
    printf 'fuzz %-18s passed: %s runs, coverage %s\n' "$t" "$runs" "$cov"
  else
    printf 'fuzz %-18s FAILED:\n' "$t"
    grep -E 'ERROR|SUMMARY|runtime error|Test unit written|timeout' "$F/$t.log" | head -20 || tail -30 "$F/$t.log"
    status=1
  fi
done
exit $status
