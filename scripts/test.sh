#!/usr/bin/env bash
# Builds everything and runs every test, the report's test in a real browser included.
# `scripts/test.sh asan` builds and runs the C++ tests under AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
preset="${1:-default}"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset"
if [ "$preset" = "default" ]; then
  ./scripts/browser-test.sh build
fi
