#!/usr/bin/env bash
# Makes the README's small pictures of the example screens, docs/examples/NAME.png, from their
# reference pictures in examples/reference/; gauges, which the README shows full size, needs none.
# They are checked in; run this after a reference picture changes.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target zelmo-thumbnails >/dev/null
mkdir -p docs/examples
pictures=()
for p in examples/reference/*.png; do
  if [ "$p" != examples/reference/gauges.png ]; then pictures+=("$p"); fi
done
./build/bin/zelmo-thumbnails 240 docs/examples "${pictures[@]}"
ls -l docs/examples
