#!/usr/bin/env bash
# Cross-builds the Windows programs the Wine tests run, with MinGW-w64, into
# CROSS_BUILD_DIR (only what changed, when it exists):
#
#   cross-build.sh SOURCE_DIR CROSS_BUILD_DIR
#
# The tests find the programs there. Without MinGW-w64 there is nothing to
# build: it says so and succeeds, and the tests report themselves skipped.
set -uo pipefail

if (($# != 2)); then
    echo "usage: $0 SOURCE_DIR CROSS_BUILD_DIR" >&2
    exit 2
fi
source_dir="$1"
cross_dir="$2"

if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null && ! command -v x86_64-w64-mingw32-g++ >/dev/null; then
    echo "SKIP: the MinGW-w64 cross compiler (x86_64-w64-mingw32-g++) is not installed; nothing built"
    exit 0
fi
build_log="$cross_dir.log"
mkdir -p "$cross_dir"
if ! { cmake -S "$source_dir/tests/integration/wine/cross" -B "$cross_dir" \
           --toolchain "$source_dir/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release &&
       cmake --build "$cross_dir" -j"$(nproc)"; } >"$build_log" 2>&1; then
    tail -n 40 "$build_log"
    echo "the Windows programs do not build with MinGW-w64 (log: $build_log)"
    exit 1
fi
echo "the Windows programs build with MinGW-w64 in $cross_dir"
