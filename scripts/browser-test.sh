#!/usr/bin/env bash
# Opens the report of an example screen in Debian's Chromium, headless, and checks what it shows.
# Installs Chromium (Debian package) and the browser driver (npm, tests/browser/package-lock.json)
# when missing; never downloads a browser of its own. `scripts/browser-test.sh BUILD_DIR` tests
# the zelmo-panel of that build (default: build/), through its emulator when it is a cross build.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
missing=()
command -v chromium >/dev/null 2>&1 || missing+=(chromium)
command -v npm >/dev/null 2>&1 || missing+=(nodejs npm)
if [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
cd tests/browser
# The driver only: it must not fetch a browser build.
export PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1
if ! npm ls --silent >/dev/null 2>&1; then
  npm ci --no-audit --no-fund --loglevel=error
fi
root="$(cd ../.. && pwd)"
# A cross build names the emulator its programs start through.
emulator=""
[ -f "$root/$build/emulator.txt" ] && emulator="$(cat "$root/$build/emulator.txt")"
ZELMO_PANEL="$root/$build/bin/zelmo-panel" ZELMO_EMULATOR="$emulator" node --test --test-reporter=spec
