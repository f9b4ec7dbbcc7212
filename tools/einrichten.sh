#!/usr/bin/env bash
# Shared by run.sh and test.sh: installs the Debian packages the build needs
# (only those missing), then configures and builds into build/.
set -euo pipefail

PAKETE=(
    cmake ninja-build g++
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n libgl-dev
    fonts-liberation fonts-dejavu-core
    poppler-utils
    "$@"
)

fehlend=()
for p in "${PAKETE[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        fehlend+=("$p")
    fi
done

if ((${#fehlend[@]})); then
    echo "Installing missing Debian packages: ${fehlend[*]}"
    als_root=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null; then
            als_root=(sudo)
        else
            echo "These packages are missing and neither root nor sudo is available: ${fehlend[*]}" >&2
            exit 1
        fi
    fi
    "${als_root[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${als_root[@]}" apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
fi

wurzel="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$wurzel/build}"
cmake -S "$wurzel" -B "$build" -G Ninja ${CMAKE_ARGS:-} >/dev/null
cmake --build "$build"
