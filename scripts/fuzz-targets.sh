#!/usr/bin/env bash
# The libFuzzer targets that scripts/fuzz.sh and scripts/fuzz-coverage.sh build and run:
# FUZZ_TARGETS when set, else one per fuzz/*Fuzz.cpp.
set -euo pipefail
cd "$(dirname "$0")/.."
echo "${FUZZ_TARGETS:-$(ls fuzz/*Fuzz.cpp | xargs -n1 basename | sed 's/\.cpp$//')}"
