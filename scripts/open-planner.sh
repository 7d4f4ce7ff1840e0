#!/usr/bin/env bash
# Builds the planner and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/plain >/dev/null
cmake --build build/plain -j "$(nproc)"
if [ ! -x build/plain/app/tessmar-planner ]; then
  echo "The window was not built: CMake did not find Qt 6 Widgets (qt6-base-dev)."
  exit 1
fi
exec build/plain/app/tessmar-planner
