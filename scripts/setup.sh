#!/usr/bin/env bash
# Installs the Debian packages Brelvon needs (only those missing), then
# configures and builds it into build/. Safe to run again: it does only what
# is left. `setup.sh --packages` installs the packages and builds nothing.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BRELVON_BUILD_DIR:-$root/build}"

packages=(
    build-essential cmake pkg-config      # compiler and build
    ninja-build                           # the presets' builds (cmake --preset)
    qt6-base-dev                          # Qt 6 Widgets and Qt Test: the window
    libfontconfig-dev                     # the window's fonts readied while Qt starts
    nlohmann-json3-dev                    # drive files and JSON output
    libgtest-dev libgmock-dev             # tests
    libbenchmark-dev                      # benchmarks
    fonts-liberation2                     # the window's fonts
    locales-all                           # number formats of every locale (French tests)
    xvfb xauth xdotool xclip jq python3   # the window tested under a virtual display
    qt6-gtk-platformtheme                 # the window tested under a dark desktop theme
    at-spi2-core python3-pyatspi dbus     # the window read as a screen reader reads it
    desktop-file-utils appstream          # the desktop entry and metainfo validated
    lintian                               # the Debian package checked
    ccache                                # builds again spared what they compiled before
    libfuse3-dev fuse3                    # a hung FUSE mount made for a test
    g++-mingw-w64-x86-64 wine wine64      # brelvon-report.exe built for Windows, tested under Wine
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if ((${#missing[@]} > 0)); then
    sudo=()
    if [ "$(id -u)" -ne 0 ]; then sudo=(sudo); fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [[ "${1:-}" == --packages ]]; then
    exit 0
fi

# ccache, where it is installed, keeps what was compiled for the next build.
launcher=()
if command -v ccache >/dev/null && [ -z "${CMAKE_CXX_COMPILER_LAUNCHER:-}" ]; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"
