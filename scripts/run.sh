#!/usr/bin/env bash
# Starts the program built in the folder given as $1.
set -euo pipefail
build=${1:-build}
exe="$build/kelvor-mini"
if [ ! -x "$exe" ]; then
    echo "run: $exe was not built" >&2
    exit 1
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run: no display; start it from a desktop session, or under xvfb-run" >&2
    exit 1
fi
exec "$exe"
