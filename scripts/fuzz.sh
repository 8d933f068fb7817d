#!/usr/bin/env bash
# Builds the libFuzzer targets (the "fuzz" preset: clang, ASan + UBSan) and runs every one.
#   scripts/fuzz.sh [SECONDS]   a campaign: each target SECONDS long (default 1800), growing its
#                               corpus in build-fuzz/corpus/<Target> from fuzz/corpus/<Target>
#   scripts/fuzz.sh smoke       what CI runs: each target at most 15 seconds from a fixed seed, so
#                               that every run tries the same inputs
#   scripts/fuzz.sh replay      each target once over its checked-in corpus, leaks checked
# A crash, a leak, an overrun or a hang leaves the input in build-fuzz/findings/ and stops the
# script with a failure. Set FUZZ_TARGETS="NativesFuzz ScreenFuzz" to run only some.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh clang libclang-rt-dev
export CMAKE_CXX_COMPILER_LAUNCHER="${CMAKE_CXX_COMPILER_LAUNCHER:-$(command -v ccache || true)}"
mode="${1:-1800}"
cmake --preset fuzz >/dev/null
targets="$(./scripts/fuzz-targets.sh)"
# shellcheck disable=SC2086
cmake --build --preset fuzz --target $targets

mkdir -p build-fuzz/findings
for target in $targets; do
  seeds="fuzz/corpus/$target"
  mkdir -p "$seeds"
  options=(-timeout=10 -rss_limit_mb=4096 -print_final_stats=1
           "-artifact_prefix=build-fuzz/findings/$target-")
  # A natives input pays for a fresh VM before its first call: long inputs spread that cost over
  # up to 128 calls.
  [ "$target" = NativesFuzz ] && options+=(-max_len=2048 -len_control=0)
  case "$mode" in
    replay)
      echo "== $target: replaying $seeds"
      "build-fuzz/bin/$target" "${options[@]}" -runs=0 "$seeds"
      ;;
    smoke)
      echo "== $target: smoke"
      scratch="build-fuzz/smoke/$target"  # new inputs go here, not into the checked-in seeds
      rm -rf "$scratch" && mkdir -p "$scratch"
      "build-fuzz/bin/$target" "${options[@]}" -seed=1 -runs=200000 -max_total_time=15 \
        "$scratch" "$seeds"
      ;;
    *)
      work="build-fuzz/corpus/$target"
      mkdir -p "$work"
      echo "== $target: $mode s"
      "build-fuzz/bin/$target" "${options[@]}" -max_total_time="$mode" "$work" "$seeds"
      ;;
  esac
done
