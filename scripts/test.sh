#!/usr/bin/env bash
# Builds the planner and its tests twice (plain, and with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every test of both builds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
for config in plain sanitize; do
  build=build/$config
  sanitize=OFF
  [ $config = sanitize ] && sanitize=ON
  cmake -S . -B "$build" -DTESSMAR_SANITIZE=$sanitize >/dev/null
  cmake --build "$build" -j "$jobs"
  echo "== tests: $config build"
  ctest --test-dir "$build" -j "$jobs" --output-on-failure
done
