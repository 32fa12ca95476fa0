#!/usr/bin/env bash
# Makes the Wine prefix the Wine tests of one run share (each takes a copy of
# it, see use_prefix in wine-common.sh), anew each run:
#
#   make-prefix.sh PREFIX_DIR
#
# Exits 77 (skipped) where Wine is not installed.
set -uo pipefail

if (($# != 1)); then
    echo "usage: $0 PREFIX_DIR" >&2
    exit 2
fi
prefix="$1"
cross_dir=""
# shellcheck source=wine-common.sh
source "$(dirname "$0")/wine-common.sh"
rm -rf "$prefix"
export WINEPREFIX="$prefix"
make_prefix
finish
