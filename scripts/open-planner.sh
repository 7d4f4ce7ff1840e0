#!/usr/bin/env bash
# Builds the planner and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/plain >/dev/null
cmake --build build/plain -j "$(nproc)"
if [ ! -x build/plain/app/tessmar-planner ]; then
  echo "The window is not built yet; run scripts/test.sh for the tests."
  exit 1
fi
exec build/plain/app/tessmar-planner
