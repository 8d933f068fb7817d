# 32-bit ARM (hard float) with Debian's cross compiler, against the armhf multiarch libraries
# (dpkg --add-architecture armhf; scripts/install-deps.sh --target armhf installs both).
# The programs run under qemu-user; binfmt_misc is not relied on, so CTest and the tests that
# start a program start it through CMAKE_CROSSCOMPILING_EMULATOR. qemu takes the loader from the
# cross toolchain's root (-L), and LD_LIBRARY_PATH makes the C and C++ runtimes come from the same
# root: left to the multiarch ones beside Cairo, the loader of one glibc build ran with the libc of
# another, and every forked child died at once. The other libraries are the multiarch ones.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR armv7l)
set(CMAKE_C_COMPILER arm-linux-gnueabihf-gcc)
set(CMAKE_CXX_COMPILER arm-linux-gnueabihf-g++)
set(CMAKE_LIBRARY_ARCHITECTURE arm-linux-gnueabihf)
set(PKG_CONFIG_EXECUTABLE arm-linux-gnueabihf-pkg-config CACHE FILEPATH "pkg-config for the target")
set(CMAKE_CROSSCOMPILING_EMULATOR
    qemu-arm -L /usr/arm-linux-gnueabihf -E LD_LIBRARY_PATH=/usr/arm-linux-gnueabihf/lib)
# GCC notes on every std::vector<pair<...>> that its ARM parameter passing changed in GCC 7.1;
# everything here is built by one compiler, so the note never applies.
set(CMAKE_CXX_FLAGS_INIT "-Wno-psabi")
