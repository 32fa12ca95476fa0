#!/bin/sh
# plain-build.sh SOURCE_DIR BUILD_DIR BUILD_TYPE LAUNCHER: configures Brelvon
# as on a machine without GoogleTest, Qt Test and Google Benchmark, with a
# package maintainer set, builds it and checks that the configure said what it
# left out, that the programs and their manual pages are built and nothing of
# the tests, and that the programs run. The build is left for lintian.sh.
set -eu
source_dir=$1
build=$2
build_type=$3
launcher=$4

fail() {
    echo "FAIL: $*"
    exit 1
}

rm -rf "$build"
mkdir -p "$build"
# One unity build: this test is about what the configure finds, not about
# how the sources are compiled, and a unity build takes half the time.
cmake -S "$source_dir" -B "$build" -DCMAKE_BUILD_TYPE="$build_type" ${launcher:+-DCMAKE_CXX_COMPILER_LAUNCHER="$launcher"} \
    -DCMAKE_UNITY_BUILD=ON \
    -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_Qt6Test=ON \
    -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
    -DBRELVON_PACKAGE_MAINTAINER="Brelvon Packaging Test <packaging-test@example.org>" >"$build/configure.log" 2>&1 ||
    { cat "$build/configure.log"; fail "the configure failed"; }
grep -- '-- Left out' "$build/configure.log"
grep -q 'Left out: the tests (not found: GoogleTest (libgtest-dev libgmock-dev), Qt Test' "$build/configure.log" ||
    fail "the configure does not say that the tests are left out for want of GoogleTest and Qt Test"
grep -q 'Left out: the benchmarks (not found: Google Benchmark' "$build/configure.log" ||
    fail "the configure does not say that the benchmarks are left out for want of Google Benchmark"
cmake --build "$build" -j"$(nproc)" >"$build/build.log" 2>&1 || { tail -n 40 "$build/build.log"; fail "the build failed"; }

for built in bin/brelvon bin/brelvon-report brelvon.1 brelvon-report.1; do
    [ -f "$build/$built" ] || fail "$built is not built"
done
[ -z "$(find "$build/bin" -name 'brelvon_tests*' -o -name 'brelvon-probe*' -o -name 'brelvon_bench*')" ] ||
    fail "tests or benchmarks are built: $(ls "$build/bin")"

sample=$source_dir/data/sample-drives.json
"$build/bin/brelvon-report" --drives "$sample" -LEn >"$build/report.txt" || fail "brelvon-report failed"
grep -q 'SYSTEM' "$build/report.txt" || fail "brelvon-report does not report the sample's drive"
"$build/bin/brelvon" --version | grep -q '^Brelvon ' || fail "brelvon --version failed"
QT_QPA_PLATFORM=offscreen "$build/bin/brelvon" --drives "$sample" --quit-after-shown ||
    fail "brelvon did not show its window (offscreen) and end"
echo "the programs are built and run without the test and benchmark packages"
