#!/usr/bin/env bash
# Sets up what is missing, builds, and opens the window.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "hibimaker: no display found (set DISPLAY or WAYLAND_DISPLAY)" >&2
    exit 1
fi
scripts/setup.sh
exec build/hibimaker
