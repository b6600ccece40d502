#!/usr/bin/env bash
# Builds Vantora 95 with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test;
# then builds the fuzz targets with clang and runs each for a short, bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
# Includes point down the layers, and no folders include each other in a circle.
python3 scripts/check_layers.py
jobs=$(nproc)
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVANTORA_SANITIZE=ON -DVANTORA_TESTS=ON >/dev/null
cmake --build build-test -j "$jobs"
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 TZ=UTC
ctest_log=$(mktemp)
(cd build-test && ctest --output-on-failure -j "$jobs" --timeout 300) | tee "$ctest_log"
total=$(sed -n 's/.* tests failed out of \([0-9]*\).*/\1/p' "$ctest_log" | tail -n 1)
rm -f "$ctest_log"
# Each test binary once more as one process, its tests in a random order: no test may lean on
# what another leaves behind. The seed is printed so that a failing order can be run again.
seed=${VANTORA_TEST_SEED:-$((RANDOM % 99999 + 1))}
echo "Both test binaries shuffled, seed $seed (VANTORA_TEST_SEED=$seed repeats the order)"
(
  cd build-test
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1
  export LSAN_OPTIONS=suppressions=$PWD/../tests/lsan.supp:print_suppressions=0
  export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
  ./model_tests --gtest_shuffle --gtest_random_seed="$seed" --gtest_brief=1
  ./ui_tests --gtest_shuffle --gtest_random_seed="$seed" --gtest_brief=1
)
# The real program on a virtual display under a window manager: what the user sees first.
scripts/desktop_smoke.sh build-test/vantora
# The same program as a screen reader reads it: every control named by its caption.
scripts/atspi_check.sh build-test/vantora
if command -v clang++ >/dev/null && [ "${VANTORA_SKIP_FUZZ:-0}" != 1 ]; then
  CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVANTORA_FUZZ=ON -DVANTORA_TESTS=OFF >/dev/null
  cmake --build build-fuzz -j "$jobs" --target fuzzers
  for target in build-fuzz/*_fuzz; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus=$(mktemp -d)
    cp -r fuzz/corpus/"${name%_fuzz}"/. "$corpus"/ 2>/dev/null || true
    echo "Fuzzing $name for 20 s"
    "$target" -max_total_time=20 -timeout=5 -rss_limit_mb=2048 "$corpus" >"$corpus/log" 2>&1 \
      || { tail -n 40 "$corpus/log"; echo "$name failed"; exit 1; }
    rm -rf "$corpus"
  done
fi
echo "tests: ${total:-0} passed, 0 failed"
