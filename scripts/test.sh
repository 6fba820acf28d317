#!/usr/bin/env bash
# Builds Corvanta (installing what is missing) and runs every test headless:
# the unit and window tests, then the fuzz targets' smoke runs built with clang.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$root/build" --output-on-failure -j2

CC=clang CXX=clang++ cmake -S "$root" -B "$root/build-fuzz" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANTA_CORE_ONLY=ON -DCORVANTA_FUZZ=ON >/dev/null
cmake --build "$root/build-fuzz"
ctest --test-dir "$root/build-fuzz" --output-on-failure -j2
