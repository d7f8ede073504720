#!/usr/bin/env bash
# Builds every test and runs it: first a normal build, then the same tests under
# AddressSanitizer + UndefinedBehaviorSanitizer (slow end-to-end tests skipped there).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
jobs=$(nproc)

cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$top/build" -j"$jobs"
ctest --test-dir "$top/build" --no-tests=error --output-on-failure -j"$jobs"

if [ "${PELORIN_SKIP_SANITIZERS:-0}" != 1 ]; then
  cmake -S "$top" -B "$top/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPELORIN_SANITIZE=ON >/dev/null
  cmake --build "$top/build-asan" -j"$jobs"
  ctest --test-dir "$top/build-asan" --no-tests=error --output-on-failure -j"$jobs" -LE slow
fi
