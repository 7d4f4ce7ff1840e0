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
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: run it under a virtual one, e.g. xvfb-run -s '-screen 0 1024x768x24' build/plain/app/tessmar-planner"
  exit 1
fi
exec build/plain/app/tessmar-planner
