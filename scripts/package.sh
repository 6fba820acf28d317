#!/usr/bin/env bash
# Builds Corvanta (installing what is missing) and makes its Debian package,
# build/corvanta_<version>_<architecture>.deb. Install it with
#   sudo apt install ./build/corvanta_*.deb
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
cd "$root/build"
cpack -G DEB
