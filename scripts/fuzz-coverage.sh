#!/usr/bin/env bash
# The share of the module's lines that the fuzz corpus reaches: builds the fuzz targets with
# clang's source-based coverage (no sanitizers) in build-cov/, replays each target's corpus
# (fuzz/corpus/<Target>, and build-fuzz/corpus/<Target> when a campaign grew one) and prints
# llvm-cov's summary of Extensions/ZelmoGraphics/.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh clang libclang-rt-dev llvm
export CMAKE_CXX_COMPILER_LAUNCHER="${CMAKE_CXX_COMPILER_LAUNCHER:-$(command -v ccache || true)}"
flags="-fprofile-instr-generate -fcoverage-mapping"
cmake -S . -B build-cov -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZELMO_FUZZ=ON -DZELMO_BENCHMARKS=OFF "-DCMAKE_CXX_FLAGS=$flags" \
  "-DCMAKE_SHARED_LINKER_FLAGS=$flags" "-DCMAKE_MODULE_LINKER_FLAGS=$flags" \
  "-DCMAKE_EXE_LINKER_FLAGS=$flags" >/dev/null
targets="$(./scripts/fuzz-targets.sh)"
# shellcheck disable=SC2086
cmake --build build-cov --target $targets
rm -rf build-cov/profiles && mkdir -p build-cov/profiles
for target in $targets; do
  dirs=("fuzz/corpus/$target")
  [ -d "build-fuzz/corpus/$target" ] && dirs+=("build-fuzz/corpus/$target")
  LLVM_PROFILE_FILE="build-cov/profiles/$target-%p.profraw" \
    "build-cov/bin/$target" -runs=0 "${dirs[@]}" >/dev/null 2>&1 || true
done
llvm-profdata merge -sparse build-cov/profiles/*.profraw -o build-cov/corpus.profdata
objects=()
for target in $targets; do objects+=(-object "build-cov/bin/$target"); done
llvm-cov report build-cov/bin/ZelmoGraphics.dlm "${objects[@]}" \
  -instr-profile=build-cov/corpus.profdata "$(pwd)/Extensions/ZelmoGraphics" | sed -n '1p;$p'
