#!/usr/bin/env bash
# Starts the program given as $1 (the installed copy by default).
set -euo pipefail
exe=${1:-$HOME/.local/bin/kelvor-mini}
if [ ! -x "$exe" ]; then
    echo "run: $exe is not installed (make install)" >&2
    exit 1
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run: no display; start it from a desktop session, or under xvfb-run" >&2
    exit 1
fi
exec "$exe"
