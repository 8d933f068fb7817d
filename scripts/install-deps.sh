#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and zelmo-panel need (idempotent), and any
# further packages named on the command line. Needs root, or sudo.
#   scripts/install-deps.sh [--target i686|armhf] [PACKAGE...]
# With --target it also installs that processor's cross compiler and, through Debian's multiarch
# (dpkg --add-architecture), the target's own Cairo, fontconfig, FreeType, libpng, libjpeg-turbo,
# GoogleTest and cpp-httplib (zelmo-panel serve's HTTP server); for armhf, qemu-user to run the
# programs.
set -euo pipefail
target=""
if [ "${1:-}" = "--target" ]; then
  target="${2:?--target needs i686 or armhf}"
  shift 2
fi
packages=("$@" cmake ninja-build g++ pkg-config googletest libgtest-dev libgmock-dev
          libbenchmark-dev nlohmann-json3-dev libcairo2-dev libfontconfig-dev libfreetype-dev fonts-dejavu-core
          libpng-dev libjpeg-dev libcpp-httplib-dev)
# The configuration store's tests check its files against Python's configparser; the screen
# schema's test validates screens with Python's jsonschema.
packages+=(python3 python3-jsonschema)
native="$(dpkg --print-architecture)"
# Unqualified names mean the machine's own architecture.
for i in "${!packages[@]}"; do
  case "${packages[$i]}" in *:*) ;; *) packages[$i]="${packages[$i]}:$native" ;; esac
done
target_libraries=(libcairo2-dev libfontconfig-dev libfreetype-dev libpng-dev libjpeg-dev libgtest-dev
                  libgmock-dev libcpp-httplib-dev)
case "$target" in
  "") arch="" ;;
  i686) arch=i386; packages+=(g++-i686-linux-gnu:"$native" libasan8:i386 libubsan1:i386) ;;
  armhf) arch=armhf; packages+=(g++-arm-linux-gnueabihf:"$native" qemu-user:"$native") ;;
  *) echo "install-deps.sh: unknown target '$target' (i686 or armhf)" >&2; exit 2 ;;
esac
for p in "${target_libraries[@]}"; do [ -n "$arch" ] && packages+=("$p:$arch"); done

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
if [ -n "$arch" ] && ! dpkg --print-foreign-architectures | grep -qx "$arch"; then
  $SUDO dpkg --add-architecture "$arch"
fi
# Every installed package as name:arch; packages for all architectures match any arch.
installed="$(dpkg-query -W -f='${db:Status-Abbrev} ${Package}:${Architecture}\n' | awk '$1 == "ii" {print $2}')"
missing=()
for p in "${packages[@]}"; do
  name="${p%%:*}"
  grep -qxF -e "$p" -e "$name:all" <<<"$installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
