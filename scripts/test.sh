#!/usr/bin/env bash
# Builds the planner and its tests twice and runs every test of both builds:
# plain (build/plain, RelWithDebInfo) and with AddressSanitizer and
# UndefinedBehaviorSanitizer (build/sanitize, unoptimised). Both hold the
# window, the core, the driver and all their tests, so the window's own code
# also runs under the sanitizers (headless, offscreen; Qt itself is not
# instrumented). Any compiler warning fails it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build/plain -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DTESSMAR_SANITIZE=OFF -DTESSMAR_GUI=ON -DBUILD_TESTING=ON >/dev/null
cmake -S . -B build/sanitize -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DTESSMAR_SANITIZE=ON -DTESSMAR_GUI=ON -DBUILD_TESTING=ON >/dev/null

# The two builds run side by side; the sanitized one writes to a log of its
# own, shown if it fails.
sanitize_log=build/sanitize/build.log
setsid cmake --build build/sanitize -j "$jobs" >"$sanitize_log" 2>&1 &
sanitize_build=$!
trap 'kill -- -"$sanitize_build" 2>/dev/null || true' EXIT
cmake --build build/plain -j "$jobs"
echo "== tests: plain build"
ctest --test-dir build/plain -j "$jobs" --output-on-failure
if ! wait "$sanitize_build"; then
  cat "$sanitize_log"
  echo "== the sanitized build failed (its output is above and in $sanitize_log)"
  exit 1
fi
trap - EXIT
echo "== tests: sanitize build"
ctest --test-dir build/sanitize -j "$jobs" --output-on-failure
