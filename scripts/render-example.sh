#!/usr/bin/env bash
# Installs what the build needs (Debian packages: root or sudo), builds the module and
# zelmo-panel, and renders the README's first example screen to out/gauges.png.
# `scripts/render-example.sh SCREEN.json` renders another screen to out/<name>.png.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target zelmo-panel
screen="${1:-examples/screens/gauges.json}"
name="$(basename "$screen" .json)"
mkdir -p out
./build/bin/zelmo-panel "$screen" -o "out/$name.png" --trace "out/$name.jsonl"
echo "out/$name.png"
