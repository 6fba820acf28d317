#!/usr/bin/env bash
# Builds Corvanta (installing what is missing) and starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
cd "$root/build"
exec ./corvanta
