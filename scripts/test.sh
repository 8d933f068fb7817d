#!/usr/bin/env bash
# Builds everything and runs every test, the report's test in a real browser included. Installs
# the Debian packages it needs first (root or sudo).
#   scripts/test.sh              the x86-64 build in build/, then the browser test
#   scripts/test.sh asan         the tests under AddressSanitizer and UndefinedBehaviorSanitizer
#   scripts/test.sh clang-release
#   scripts/test.sh i686         32-bit x86: cross-built, run directly on the x86-64 kernel
#   scripts/test.sh i686-asan    the same under AddressSanitizer and UndefinedBehaviorSanitizer
#   scripts/test.sh armhf        32-bit ARM: cross-built, run under qemu-arm
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
case "$preset" in
  i686 | i686-*) ./scripts/install-deps.sh --target i686 ;;
  armhf | armhf-*) ./scripts/install-deps.sh --target armhf ;;
  *) ./scripts/install-deps.sh ;;
esac
t0=$SECONDS
cmake --preset "$preset" >/dev/null
t1=$SECONDS
cmake --build --preset "$preset"
t2=$SECONDS
ctest --preset "$preset"
echo "test.sh $preset: configure $((t1 - t0)) s, build $((t2 - t1)) s, tests $((SECONDS - t2)) s"
# The report page in a real browser, made by this build's zelmo-panel. The sanitizer builds leave
# it to the plain builds: the page they make is the same.
case "$preset" in
  default) ./scripts/browser-test.sh build ;;
  i686 | armhf) ./scripts/browser-test.sh "build-$preset" ;;
  *) echo "test.sh: browser test skipped for $preset: it checks the page, which the $preset build makes no differently" ;;
esac
