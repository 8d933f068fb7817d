# 32-bit x86 with Debian's cross compiler, against the i386 multiarch libraries
# (dpkg --add-architecture i386; scripts/install-deps.sh --target i686 installs both).
# The programs run directly on an x86-64 kernel.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER i686-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)
set(PKG_CONFIG_EXECUTABLE i686-linux-gnu-pkg-config CACHE FILEPATH "pkg-config for the target")
# SSE2 arithmetic instead of x87's 80-bit registers, so that every double is rounded to 64 bits
# after each operation exactly as on x86-64 and ARM.
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
