#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and zelmo-panel need (idempotent), and any
# further packages named on the command line.
set -euo pipefail
packages=("$@" cmake ninja-build g++ pkg-config googletest libgtest-dev libgmock-dev
          libbenchmark-dev nlohmann-json3-dev libcairo2-dev libfontconfig-dev libfreetype-dev fonts-dejavu-core
          libpng-dev libjpeg-dev)
# The configuration store's tests check its files against Python's configparser.
packages+=(python3)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
