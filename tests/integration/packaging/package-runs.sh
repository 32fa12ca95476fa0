#!/bin/sh
# package-runs.sh BUILD_DIR APP_ID BUILT_REPORT GUI: builds the Debian package
# of BUILD_DIR with cpack, unpacks it into a temporary root with dpkg-deb and
# checks that everything a user needs is in place and runs from there. Where
# dpkg-deb or dpkg-shlibdeps is missing it installs with `cmake --install
# --prefix` instead and checks the same files. GUI is 1 when the window is built.
set -eu
build=$1
id=$2
built_report=$3
gui=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

if command -v dpkg-deb >/dev/null 2>&1 && command -v dpkg-shlibdeps >/dev/null 2>&1; then
    cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
        { cat "$work/cpack.log"; fail "cpack could not build the package"; }
    set -- "$work"/out/*.deb
    [ $# -eq 1 ] && [ -f "$1" ] || fail "expected one .deb in $work/out, found: $*"
    deb=$1
    echo "package: $(basename "$deb")"
    dpkg-deb -x "$deb" "$work/root"
    depends=$(dpkg-deb -f "$deb" Depends)
    echo "Depends: $depends"
    echo "$depends" | grep -q 'libc6' || fail "Depends does not name libc6"
    if [ "$gui" = 1 ]; then
        echo "$depends" | grep -q 'libqt6widgets6' || fail "Depends does not name Qt 6 Widgets"
    fi
    [ "$(dpkg-deb -f "$deb" Package)" = brelvon ] || fail "package is not named brelvon"
    # Without a maintainer's address packing says so.
    if ! dpkg-deb -f "$deb" Maintainer | grep -q '<.*@.*>'; then
        grep -q "maintainer address is missing" "$work/cpack.log" ||
            fail "packing without a maintainer's address does not say so"
    fi
else
    echo "dpkg-deb or dpkg-shlibdeps not found (Debian package dpkg-dev): checking cmake --install instead"
    cmake --install "$build" --prefix "$work/root/usr" >"$work/install.log" 2>&1 ||
        { cat "$work/install.log"; fail "cmake --install failed"; }
fi
prefix=$work/root/usr

# The programs, and never the test probe.
[ -x "$prefix/bin/brelvon-report" ] || fail "bin/brelvon-report is missing"
if [ -n "$(find "$work/root" -name 'brelvon-probe*' -o -name '*.a' -o -name 'brelvon_tests*')" ]; then
    fail "test programs or static libraries are installed"
fi

# The installed report program is the one built, and it works.
version=$("$prefix/bin/brelvon-report" --version) || fail "installed brelvon-report --version failed"
expected=$("$built_report" --version)
echo "installed brelvon-report --version: $version"
[ "$version" = "$expected" ] || fail "installed version '$version', built '$expected'"
sample=$prefix/share/doc/brelvon/examples/sample-drives.json
[ -f "$sample" ] || fail "the example drive file is missing"
"$prefix/bin/brelvon-report" --drives "$sample" -LEn >"$work/report.txt" || fail "report of the example failed"
grep -q 'SYSTEM' "$work/report.txt" || fail "the report of the example lacks its drive"
copyright=$prefix/share/doc/brelvon/copyright
[ -f "$copyright" ] || fail "the copyright file is missing"
grep -qx 'License: MIT' "$copyright" || fail "the copyright file does not name the MIT licence"
echo "$version" | grep -q 'MIT licence' || fail "--version does not name the licence"
[ -f "$prefix/share/man/man1/brelvon-report.1.gz" ] || fail "brelvon-report's manual page is missing"
[ -f "$prefix/share/doc/brelvon/changelog.gz" ] || fail "the changelog is missing"

if [ "$gui" != 1 ]; then
    [ ! -e "$prefix/share/applications/$id.desktop" ] || fail "a desktop entry without the window program"
    exit 0
fi

[ -x "$prefix/bin/brelvon" ] || fail "bin/brelvon is missing"
[ -f "$prefix/share/man/man1/brelvon.1.gz" ] || fail "brelvon's manual page is missing"
desktop=$prefix/share/applications/$id.desktop
[ -f "$desktop" ] || fail "the desktop entry is missing"
[ -f "$prefix/share/metainfo/$id.metainfo.xml" ] || fail "the metainfo file is missing"
grep -qx "Exec=brelvon" "$desktop" || fail "the desktop entry does not start brelvon"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the icon $id"
if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$desktop" || fail "the installed desktop entry is invalid"
fi

# Every hicolor size holds a PNG of that many pixels (width and height are the
# big-endian words at bytes 16 and 20 of a PNG), and the scalable icon is there.
icons=$prefix/share/icons/hicolor
[ -f "$icons/scalable/apps/$id.svg" ] || fail "the scalable icon is missing"
for size in 16 22 24 32 48 64 128 256; do
    png=$icons/${size}x${size}/apps/$id.png
    [ -f "$png" ] || fail "the ${size}x${size} icon is missing"
    [ "$(od -An -tx1 -j1 -N3 "$png" | tr -d ' \n')" = 504e47 ] || fail "$png is not a PNG"
    dimensions=$(od -An -tu1 -j16 -N8 "$png" | awk '{ print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8 }')
    [ "$dimensions" = "${size}x${size}" ] || fail "$png is $dimensions pixels"
done
echo "installed: $(cd "$work/root" && find . -type f | sort | tr '\n' ' ')"
