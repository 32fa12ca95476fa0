#!/usr/bin/env bash
# Sets everything up (see setup.sh), builds the Windows programs that the Wine
# tests run (the `windows` preset, into build-windows/, where MinGW-w64 is
# installed), then runs the whole test suite. Says how long each step took.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BRELVON_BUILD_DIR:-$root/build}"
step_started=$SECONDS
# Paths below the project are hashed relative to it, so that a build of the
# same sources in another folder (packaging.PlainBuild) finds them in ccache.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$root}" CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-1}"
took() { echo "== $1 took $((SECONDS - step_started)) s"; step_started=$SECONDS; }

"$root/scripts/setup.sh"
took "setting up and building"
# Every build after it compiles through ccache where setup.sh found it.
if command -v ccache >/dev/null && [[ -z "${CMAKE_CXX_COMPILER_LAUNCHER:-}" ]]; then
    export CMAKE_CXX_COMPILER_LAUNCHER=ccache
fi

if command -v x86_64-w64-mingw32-g++-posix >/dev/null || command -v x86_64-w64-mingw32-g++ >/dev/null; then
    (cd "$root" && cmake --preset windows >/dev/null && cmake --build --preset windows -j"$(nproc)")
    took "building the Windows programs"
else
    echo "MinGW-w64 is not installed: no Windows programs, the Wine tests skip"
fi

# Every test carries one of the suite's labels (see tests/CMakeLists.txt).
labels='^(unit|window|namespace|wine|packaging)$'
if ctest --test-dir "$build" -N -LE "$labels" | grep -q '^ *Test *#'; then
    echo "tests without a label:"
    ctest --test-dir "$build" -N -LE "$labels" | grep '^ *Test *#'
    exit 1
fi

ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
