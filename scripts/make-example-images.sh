#!/usr/bin/env bash
# Draws the pictures of examples/screens/water-works.json (a PNG logo and a JPEG photo) into
# examples/screens/images/. They are checked in; run this after changing how they are drawn.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target zelmo-example-images >/dev/null
mkdir -p examples/screens/images
./build/bin/zelmo-example-images examples/screens/images
ls -l examples/screens/images
