#!/bin/sh
# lintian.sh BUILD_DIR: makes the Debian package of BUILD_DIR (configured with
# a maintainer, see plain-build.sh) and checks it with lintian: no error and
# no warning. Exits 77 where lintian or dpkg-shlibdeps is not installed.
set -eu
build=$1
for tool in lintian dpkg-shlibdeps; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool not found (Debian packages lintian, dpkg-dev)"
        exit 77
    fi
done
[ -f "$build/CPackConfig.cmake" ] || { echo "FAIL: no build in $build (packaging.PlainBuild makes it)"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; echo "FAIL: cpack could not make the package"; exit 1; }
set -- "$work"/*.deb
echo "lintian $(basename "$1"):"
# Running as root is what lintian itself warns of, not the package.
lintian --tag-display-limit 0 "$1" 2>&1 | grep -v '^running with root privileges' | tee "$work/lintian.log"
if grep -q '^[EW]: ' "$work/lintian.log"; then
    echo "FAIL: lintian reports errors or warnings"
    exit 1
fi
echo "no error and no warning"
