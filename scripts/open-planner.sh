#!/usr/bin/env bash
# Builds the planner alone, not the tests (build/user, the default build a user
# gets), and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/user -DBUILD_TESTING=OFF >/dev/null
cmake --build build/user -j "$(nproc)" --target tessmar-planner
exec build/user/app/tessmar-planner
