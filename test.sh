#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: unit tests (plain and under
# AddressSanitizer + UndefinedBehaviorSanitizer), end-to-end tests under Xvfb, and fuzzers.
set -uo pipefail
cd "$(dirname "$0")"
root=$PWD
jobs=$(nproc)

scripts/setup || exit 1
scripts/build build || exit 1
scripts/build build-asan -DCMAKE_BUILD_TYPE=Debug -DVOIDMARCH_SANITIZE=ON -DVOIDMARCH_BENCH=OFF || exit 1

passed=0
failed=0
tally() {  # reads ctest output on stdin, echoes it, and adds its counts
  local log
  log=$(mktemp)
  tee "$log"
  local line
  line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
  if [ -n "$line" ]; then
    local bad total
    bad=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$line")
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
    passed=$((passed + total - bad))
    failed=$((failed + bad))
  elif ! grep -q 'No tests were found' "$log"; then
    failed=$((failed + 1))
  fi
  rm -f "$log"
}

export SDL_AUDIODRIVER=dummy
echo "== unit tests"
tally < <(ctest --test-dir build -L unit -j "$jobs" --output-on-failure 2>&1)
echo "== unit tests under AddressSanitizer + UndefinedBehaviorSanitizer"
tally < <(VOIDMARCH_DATA="$root/build/game" ASAN_OPTIONS=detect_leaks=1 \
          ctest --test-dir build-asan -L unit -j "$jobs" --output-on-failure 2>&1)
echo "== end-to-end tests"
tally < <(ctest --test-dir build -L e2e -j 4 --output-on-failure 2>&1)

for fuzz in scripts/fuzz-*; do
  [ -x "$fuzz" ] || continue
  echo "== $fuzz"
  if "$fuzz"; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
