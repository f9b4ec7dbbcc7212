#!/usr/bin/env bash
# Installs what is missing, builds and starts Velmar Sudoku.
# The language is chosen at build time: CMAKE_ARGS=-DSPRACHE=de ./run.sh
set -euo pipefail
cd "$(dirname "$0")"
# Without a display the program cannot start: say so before a long build.
# (QT_QPA_PLATFORM=offscreen and the like need none.)
plattform="${QT_QPA_PLATFORM:-xcb}"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && { [ "$plattform" = xcb ] || [[ "$plattform" == xcb:* ]]; }; then
    echo "No display found: Velmar Sudoku needs a graphical session." >&2
    echo "Without one, run it in a virtual display: xvfb-run ./run.sh" >&2
    exit 1
fi
tools/einrichten.sh
exec "${BUILD_DIR:-build}/app/velmar-sudoku" "$@"
