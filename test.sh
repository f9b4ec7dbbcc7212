#!/usr/bin/env bash
# Installs what is missing, builds and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")"
tools/einrichten.sh
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure -j2 "$@"
