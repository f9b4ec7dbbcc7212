#!/usr/bin/env bash
# Installs what is missing, builds and starts Velmar Sudoku.
# The language is chosen at build time: CMAKE_ARGS=-DSPRACHE=de ./run.sh
set -euo pipefail
cd "$(dirname "$0")"
tools/einrichten.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: Velmar Sudoku needs a graphical session." >&2
    echo "Without one, run it in a virtual display: xvfb-run ./run.sh" >&2
    exit 1
fi
exec "${BUILD_DIR:-build}/app/velmar-sudoku" "$@"
