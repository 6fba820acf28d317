#!/usr/bin/env bash
# Builds Corvanta (installing what is missing) and runs every test headless:
# the unit and window tests, the same tests again built with AddressSanitizer
# and UndefinedBehaviorSanitizer, then the fuzz targets' smoke runs built with clang.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$root/build" --output-on-failure -j2

# ccache speeds up rebuilds where it is installed; a fresh machine does without.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCORVANTA_SANITIZE=ON "${launcher[@]}" >/dev/null
cmake --build "$root/build-asan"
# Leak checking stays on: Qt's own start-up leaves nothing LeakSanitizer reports.
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" \
    UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
    ctest --test-dir "$root/build-asan" --output-on-failure -j2

CC=clang CXX=clang++ cmake -S "$root" -B "$root/build-fuzz" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANTA_CORE_ONLY=ON -DCORVANTA_FUZZ=ON \
    "${launcher[@]}" >/dev/null
cmake --build "$root/build-fuzz"
ctest --test-dir "$root/build-fuzz" --output-on-failure -j2
