#!/usr/bin/env bash
# Builds the planner alone (not the tests) and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/plain >/dev/null
if [ ! -d build/plain/app ]; then
  echo "The window cannot be built: CMake did not find Qt 6 Widgets (qt6-base-dev)."
  exit 1
fi
cmake --build build/plain -j "$(nproc)" --target tessmar-planner
exec build/plain/app/tessmar-planner
