# What the Wine test scripts share; sourced, not run. Before sourcing, set
# cross_dir (the Windows build, `cmake --preset windows`). Gives:
#   skip REASON                     exit 77 with the reason
#   wine, wineserver                the 64-bit Wine programs (skips without them)
#   windows_program NAME            the path of NAME.exe in the Windows build (skips without it)
#   pass, fail, check               one line per check; finish prints the count and exits
#   work                            a temporary folder, removed at exit with Wine's processes
#   make_prefix                     a new Wine prefix in WINEPREFIX ($work/prefix)
#   use_prefix                      the run's prefix (BRELVON_WINE_PREFIX) copied into WINEPREFIX, or a new one
#   plain_env                       env that leaves only LANG to choose the locale
#   run_wine LANG PROGRAM ARGS...   stdout to stdout, stderr to $work/stderr (again when Wine loses its server)
#   our_stderr                      that standard error without Wine's own notes

skip() {
    echo "SKIP: $1; scripts/setup.sh installs it (Debian packages g++-mingw-w64-x86-64 wine64 xvfb xdotool xclip jq)"
    exit 77
}

# 64-bit Wine is `wine64` where both are installed (Debian), `wine` where the
# 64-bit one is the only one (Fedora, Arch).
wine=""
for candidate in "$(command -v wine64 || true)" /usr/lib/wine/wine64 /usr/lib64/wine/wine64 "$(command -v wine || true)"; do
    if [ -n "$candidate" ] && [ -x "$candidate" ]; then wine="$candidate"; break; fi
done
[ -n "$wine" ] || skip "Wine (wine64 or wine) is not installed"
wineserver=""
for candidate in "$(dirname "$wine")/wineserver64" "$(dirname "$wine")/wineserver" "$(command -v wineserver || true)"; do
    if [ -n "$candidate" ] && [ -x "$candidate" ]; then wineserver="$candidate"; break; fi
done
[ -n "$wineserver" ] || skip "wineserver is not installed"

windows_program() { # windows_program NAME: prints the path of NAME.exe
    local found
    found="$(find "$cross_dir" -name "$1.exe" -print -quit 2>/dev/null)"
    [ -n "$found" ] ||
        skip "$1.exe is not built in $cross_dir (\`cmake --preset windows && cmake --build --preset windows\` builds it; scripts/test.sh does)"
    echo "$found"
}

passed=0
failed=0
pass() { passed=$((passed + 1)); echo "ok - $1"; }
fail() { failed=$((failed + 1)); echo "not ok - $1"; [ -z "${2:-}" ] || printf '%s\n' "$2" | sed 's/^/#   /'; }
check() { # check NAME COMMAND...: passes when the command succeeds
    local name="$1"; shift
    if "$@"; then pass "$name"; else fail "$name"; fi
}
finish() {
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
    exit
}

work="$(mktemp -d "${TMPDIR:-/tmp}/brelvon-wine.XXXXXX")"
export WINEPREFIX="$work/prefix"
export WINEDEBUG=-all
# No Mono or Gecko installer: nothing here needs them, and they would ask.
export WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
    "$wineserver" -k >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT

# A locale fixed for everything that does not set its own.
plain_env=(env -u LC_ALL -u LC_CTYPE -u LC_MESSAGES -u LC_NUMERIC -u LANGUAGE)
run_wine() {
    local lang="$1"; shift
    local status=0
    # Wine's client can lose its server as the server shuts down after the
    # previous program ("wine client error:0: recvmsg: Connection reset by
    # peer"), on a loaded machine now and then. Such a run is Wine's failure,
    # not the program's: it is made again, and only the last run's output counts.
    for _ in 1 2 3; do
        "${plain_env[@]}" LANG="$lang" "$wine" "$@" >"$work/stdout" 2>"$work/stderr"
        status=$?
        grep -q '^wine client error:' "$work/stderr" || break
    done
    cat "$work/stdout"
    return "$status"
}
# What the last run_wine wrote to standard error, but Wine's own notes
# ("wine: Read access denied for device ...").
our_stderr() { grep -v '^wine: ' "$work/stderr" || true; }

make_prefix() {
    if ! "${plain_env[@]}" LANG=en_US.UTF-8 "$wine" wineboot -i >"$work/wineboot.log" 2>&1; then
        fail "Wine makes a prefix" "$(tail -n 20 "$work/wineboot.log")"
        finish
    fi
    "$wineserver" -w
    pass "Wine makes a prefix"
}
# Making a prefix takes Wine a good part of a minute, so one run's tests share
# one (tests/integration/wine/make-prefix.sh): each gets the folders anew and
# the files as hard links (copies on another file system), but the registry,
# which Wine rewrites, as copies.
use_prefix() {
    if [ -z "${BRELVON_WINE_PREFIX:-}" ]; then
        make_prefix
        return
    fi
    [ -f "$BRELVON_WINE_PREFIX/system.reg" ] ||
        skip "no Wine prefix in $BRELVON_WINE_PREFIX (the fixture WinePrefix makes it)"
    local registry
    if ! cp -al "$BRELVON_WINE_PREFIX/." "$WINEPREFIX" 2>/dev/null; then
        rm -rf "$WINEPREFIX"
        cp -a "$BRELVON_WINE_PREFIX/." "$WINEPREFIX" || { fail "the run's Wine prefix is copied"; finish; }
    fi
    for registry in "$BRELVON_WINE_PREFIX"/*.reg; do
        cp --remove-destination "$registry" "$WINEPREFIX/${registry##*/}" || { fail "the run's Wine prefix is copied"; finish; }
    done
}
