#!/usr/bin/env bash
# Installs what the desktop stage of the tests needs (only what is missing):
# a virtual X server, a real window manager and a compositor, and the X tools
# that click, type and look. Without them the desktop tests skip.
set -uo pipefail

PAKETE=(xvfb openbox picom xdotool x11-utils x11-apps)

fehlend=()
for p in "${PAKETE[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || fehlend+=("$p")
done
((${#fehlend[@]})) || exit 0

als_root=()
if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
        als_root=(sudo -n)
    else
        echo "schreibtisch: not root; the desktop tests will skip without: ${fehlend[*]}" >&2
        exit 0
    fi
fi
echo "schreibtisch: installing ${fehlend[*]}"
"${als_root[@]}" apt-get update -qq >/dev/null 2>&1 || true
DEBIAN_FRONTEND=noninteractive "${als_root[@]}" apt-get install -y -qq --no-install-recommends "${fehlend[@]}" >/dev/null 2>&1 ||
    echo "schreibtisch: cannot install ${fehlend[*]}; the desktop tests will skip" >&2
exit 0
