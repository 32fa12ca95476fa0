# shellcheck shell=bash
# Sourced by the checks here that run the real window on a virtual X server.

# rerun_in_xvfb COMMAND...: runs the command (the calling script again, with
# --inside) in a virtual X server of its own at 96 dpi, in place of this
# shell; exits 77 (skipped) when a tool the checks need is missing.
rerun_in_xvfb() {
    local tool
    for tool in xvfb-run xdotool xclip jq; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIPPED: $tool is not installed (the check needs xvfb, xdotool, xclip and jq)"
            exit 77
        fi
    done
    exec xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -dpi 96" "$@"
}
