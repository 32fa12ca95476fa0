#!/bin/sh
# validate.sh desktop|metainfo FILE: checks a desktop entry with
# desktop-file-validate or a metainfo file with appstreamcli (offline). Any
# warning fails; exits 77 when the validator is not installed.
set -u
kind=$1
file=$2
case $kind in
desktop)
    if ! command -v desktop-file-validate >/dev/null 2>&1; then
        echo "SKIP: desktop-file-validate not found (Debian package desktop-file-utils)"
        exit 77
    fi
    # It exits 0 on warnings and hints, so anything it prints fails the check.
    output=$(desktop-file-validate "$file" 2>&1)
    status=$?
    [ -n "$output" ] && echo "$output"
    [ "$status" -eq 0 ] && [ -z "$output" ]
    ;;
metainfo)
    if ! command -v appstreamcli >/dev/null 2>&1; then
        echo "SKIP: appstreamcli not found (Debian package appstream)"
        exit 77
    fi
    # Fails on errors and warnings; informational notes pass.
    appstreamcli validate --no-net --no-color "$file"
    ;;
*)
    echo "usage: validate.sh desktop|metainfo FILE" >&2
    exit 2
    ;;
esac
