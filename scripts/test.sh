#!/usr/bin/env bash
# Sets everything up (see setup.sh), then runs the whole test suite.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BRELVON_BUILD_DIR:-$root/build}"
"$root/scripts/setup.sh"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
