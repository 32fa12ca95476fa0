#!/usr/bin/env bash
# Installs the Debian packages the tests need (see setup.sh), builds Brelvon
# and its tests with AddressSanitizer and UndefinedBehaviorSanitizer (the
# `asan` preset, into build-asan/) and the Windows programs that the Wine tests
# run (the `windows` preset, into build-windows/, where MinGW-w64 is
# installed), then runs the whole test suite once, on the sanitized build.
# Says how long each step took.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
step_started=$SECONDS
took() { echo "== $1 took $((SECONDS - step_started)) s"; step_started=$SECONDS; }

"$root/scripts/setup.sh" --packages
took "installing what was missing"

# ccache, where it is installed, serves every build. Paths below the project
# are hashed relative to it, so that a clone in another folder, or the plain
# build that a packaging test makes beside this one, finds what was compiled.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$root}" CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-1}"
if command -v ccache >/dev/null && [[ -z "${CMAKE_CXX_COMPILER_LAUNCHER:-}" ]]; then
    export CMAKE_CXX_COMPILER_LAUNCHER=ccache
fi

# A preset's folder made by another generator (the presets once used make's)
# is configured anew rather than refused.
configure() { # configure PRESET DIR
    if [[ -f "$2/CMakeCache.txt" ]] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$2/CMakeCache.txt"; then
        echo "$2 was made by another generator: configured anew"
        rm -rf "$2/CMakeCache.txt" "$2/CMakeFiles"
    fi
    cmake --preset "$1" >/dev/null
}

configure asan "$root/build-asan"
cmake --build --preset asan -j"$(nproc)"
took "building with the sanitizers"

if command -v x86_64-w64-mingw32-g++-posix >/dev/null || command -v x86_64-w64-mingw32-g++ >/dev/null; then
    configure windows "$root/build-windows"
    cmake --build --preset windows -j"$(nproc)"
    took "building the Windows programs"
else
    echo "MinGW-w64 is not installed: no Windows programs, the Wine tests skip"
fi

# Every test carries one of the suite's labels (see tests/CMakeLists.txt).
build="$root/build-asan"
labels='^(unit|window|namespace|wine|packaging)$'
if ctest --test-dir "$build" -N -LE "$labels" | grep -q '^ *Test *#'; then
    echo "tests without a label:"
    ctest --test-dir "$build" -N -LE "$labels" | grep '^ *Test *#'
    exit 1
fi

# One test more than there are cores: the window tests spend much of their
# time waiting for a window to draw.
ctest --preset asan -j"$(($(nproc) + 1))"
took "the suite"
