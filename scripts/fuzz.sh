#!/usr/bin/env bash
# Builds the libFuzzer programs (the "fuzz" preset: clang with ASan, UBSan and
# coverage) in their own build folder and runs each for a bounded time, one
# after the other, at low priority.
#
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]
#
# Targets: switch_text limit_text mountinfo drive_file (all by default);
# 60 seconds each by default. Each starts from its seeds in fuzz/corpus/, the
# inputs of fuzz/regressions/ and the test data of its kind; what it learns
# stays in BUILD/corpus/ for the next run. An input that breaks a contract or
# crashes is written to BUILD/crashes/TARGET/: fix the fault, then copy the
# input into fuzz/regressions/TARGET/, where the test suite replays it.
# BRELVON_FUZZ_BUILD_DIR sets the build folder (default build-fuzz/),
# BRELVON_FUZZ_JOBS the build's parallel jobs (default 2).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BRELVON_FUZZ_BUILD_DIR:-$root/build-fuzz}"
seconds="${1:-60}"
shift || true
targets=("$@")
if ((${#targets[@]} == 0)); then targets=(switch_text limit_text mountinfo drive_file); fi

if ! command -v clang++ >/dev/null 2>&1; then
    echo "fuzz.sh: clang++ not found (Debian packages clang and libclang-rt-dev)" >&2
    exit 2
fi

cmake --preset fuzz -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j"${BRELVON_FUZZ_JOBS:-2}" --target "${targets[@]/#/fuzz_}"

# Options of each target beyond the common ones. A drive file is tried up to
# 1 MB long, so that deep nesting and long strings are reached, and from the
# start (-len_control=0): otherwise libFuzzer cuts every input it mutates to a
# length that grows only slowly, and a run of minutes never gets there.
declare -A target_options=(
    [drive_file]="-max_len=1048576 -len_control=0"
)

# Seeds of each target beyond its own corpus.
declare -A extra=(
    [mountinfo]="$root/tests/data/mountinfo"
    [drive_file]="$root/tests/data/drives"
)

failed=()
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    crashes="$build/crashes/$target"
    mkdir -p "$corpus" "$crashes" "$root/fuzz/regressions/$target"
    # shellcheck disable=SC2206  # the target's options are separated by spaces
    options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
             -artifact_prefix="$crashes/" ${target_options[$target]:--max_len=16384})
    dictionary="$root/fuzz/dictionaries/$target.dict"
    [[ -f "$dictionary" ]] && options+=(-dict="$dictionary")
    # shellcheck disable=SC2206  # the extra seed folders are separated by spaces
    seeds=("$root/fuzz/corpus/$target" "$root/fuzz/regressions/$target" ${extra[$target]:-})
    echo "== $target: $seconds s"
    if ! nice -n 10 "$build/bin/fuzz_$target" "${options[@]}" "$corpus" "${seeds[@]}" 2>"$build/$target.log"; then
        failed+=("$target")
        grep -E 'broken contract|ERROR: |SUMMARY: |Test unit written' "$build/$target.log" || true
    fi
    grep -E '^stat::(number_of_executed_units|new_units_added|peak_rss_mb)' "$build/$target.log" | tr '\n' ' '
    echo
done

if ((${#failed[@]} > 0)); then
    echo "fuzz.sh: inputs that break contracts were found by: ${failed[*]} (see $build/crashes/)" >&2
    exit 1
fi
echo "fuzz.sh: no target found a failing input"
