#!/usr/bin/env bash
# Builds the Debian package from an already configured build directory
# (BUILD_DIR, build/ by default; configured here only if it is not), checks
# its desktop entry, AppStream metadata and the package itself (lintian),
# installs it with apt, starts the installed program on a virtual X display
# until its main window maps, purges the package and checks that none of its
# files is left behind.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
wurzel="$PWD"
build="${BUILD_DIR:-$wurzel/build}"

arbeit="$(mktemp -d)"
chmod 755 "$arbeit"  # apt's download user reads the package from here
paket=""             # set once the package is installed
xvfb_pid=""
programm_pid=""

aufraeumen() {
    [ -n "$programm_pid" ] && kill "$programm_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$arbeit"
}
scheitern() {
    echo "paket: FAILED: $*" >&2
    if [ -n "$paket" ]; then
        # Leave the machine as it was found.
        apt_holen purge -y -qq "$paket" >/dev/null 2>&1
    fi
    aufraeumen
    exit 1
}

# --- What the checks need; installing never stops the script by itself:
#     a tool still missing afterwards fails the check that needs it.
BRAUCHT=(dpkg-dev lintian desktop-file-utils appstream file xvfb xdotool)
# apt-get as root: directly, through sudo -n, or not at all.
als_root=()
root_moeglich=1
if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
        als_root=(sudo -n)
    else
        root_moeglich=0
    fi
fi
apt_holen() { ((root_moeglich)) && "${als_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get "$@"; }
fehlend=()
for p in "${BRAUCHT[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || fehlend+=("$p")
done
if ((${#fehlend[@]})); then
    echo "paket: installing ${fehlend[*]}"
    if ((root_moeglich)); then
        apt_holen update -qq >/dev/null 2>&1 || true
        apt_holen install -y -qq --no-install-recommends "${fehlend[@]}" >/dev/null 2>&1 ||
            echo "paket: could not install ${fehlend[*]}" >&2
    else
        echo "paket: not root and no sudo -n: cannot install ${fehlend[*]}" >&2
    fi
fi
for werkzeug in dpkg-shlibdeps lintian desktop-file-validate appstreamcli Xvfb xdotool; do
    command -v "$werkzeug" >/dev/null || scheitern "$werkzeug is missing (packages: ${BRAUCHT[*]})"
done
((root_moeglich)) || scheitern "installing the package needs root or sudo -n"

# --- Build. From a built tree this only runs CPack.
if [ ! -f "$build/CMakeCache.txt" ]; then
    echo "paket: configuring $build"
    cmake -S "$wurzel" -B "$build" -G Ninja ${CMAKE_ARGS:-} >/dev/null || scheitern "cmake could not configure $build"
fi
cmake --build "$build" --target package >"$arbeit/cpack.log" 2>&1 ||
    { cat "$arbeit/cpack.log" >&2; scheitern "the package did not build"; }

konfig_wert() { sed -n "s/^set($1 \"\(.*\)\")\$/\1/p" "$build/CPackConfig.cmake"; }
name="$(konfig_wert CPACK_PACKAGE_NAME)"
version="$(konfig_wert CPACK_PACKAGE_VERSION)"
deb="$build/${name}_${version}_$(dpkg --print-architecture).deb"
[ -n "$name" ] && [ -f "$deb" ] || scheitern "no package $deb after the build"
echo "paket: built $(basename "$deb") ($(stat -c %s "$deb") bytes)"

# --- What the package holds, checked as installed there.
mkdir "$arbeit/inhalt"
dpkg-deb -x "$deb" "$arbeit/inhalt" || scheitern "dpkg-deb cannot unpack $deb"
eintraege=("$arbeit"/inhalt/usr/share/applications/*.desktop)
metadaten=("$arbeit"/inhalt/usr/share/metainfo/*.metainfo.xml)
[ -f "${eintraege[0]}" ] || scheitern "the package has no desktop entry"
[ -f "${metadaten[0]}" ] || scheitern "the package has no AppStream metadata"

echo "paket: desktop-file-validate ${eintraege[*]##*/}"
meldungen="$(desktop-file-validate "${eintraege[@]}" 2>&1)"
status=$?
[ -n "$meldungen" ] && echo "$meldungen"
[ $status -eq 0 ] && [ -z "$meldungen" ] || scheitern "desktop-file-validate objects to the desktop entry"

echo "paket: appstreamcli validate --no-net ${metadaten[*]##*/}"
appstreamcli validate --no-net "${metadaten[@]}" || scheitern "appstreamcli objects to the metadata"

echo "paket: lintian $(basename "$deb")"
lintian --display-info --fail-on error "$deb" >"$arbeit/lintian.log" 2>&1
status=$?
grep -v 'running with root privileges is not recommended' "$arbeit/lintian.log" || echo "(no tags)"
[ $status -eq 0 ] || scheitern "lintian reports errors"

# --- Install. An earlier installation of either language goes first, so
#     that what is checked below is this package's own.
for alt in velmar-sudoku velmar-sudoku-de; do
    if dpkg-query -W -f='${Status}' "$alt" 2>/dev/null | grep -q 'ok installed'; then
        echo "paket: removing the installed $alt first"
        apt_holen purge -y -qq "$alt" >/dev/null ||
            scheitern "cannot remove the installed $alt"
    fi
done
cp "$deb" "$arbeit/" && chmod 644 "$arbeit/$(basename "$deb")"
echo "paket: apt-get install ./$(basename "$deb")"
(cd "$arbeit" && apt_holen install -y -qq --no-install-recommends "./$(basename "$deb")") >"$arbeit/apt.log" 2>&1 ||
    { cat "$arbeit/apt.log" >&2; scheitern "apt-get cannot install the package"; }
paket="$name"
dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q 'install ok installed' ||
    scheitern "$paket is not installed after apt-get install"
dpkg -L "$paket" >"$arbeit/dateien" || scheitern "dpkg -L $paket"
[ -x /usr/games/velmar-sudoku ] || scheitern "/usr/games/velmar-sudoku is not there after installing"
grep -qx 'Exec=/usr/games/velmar-sudoku' /usr/share/applications/velmar-sudoku.desktop ||
    scheitern "the installed desktop entry does not start /usr/games/velmar-sudoku"

# --- Start the installed program on a fresh virtual display, wait for its
#     main window to map, then end it.
titel="Velmar Sudoku $version"
exec 3>"$arbeit/anzeige"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$arbeit/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do
    [ -s "$arbeit/anzeige" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
[ -s "$arbeit/anzeige" ] || { cat "$arbeit/xvfb.log" >&2; scheitern "Xvfb did not start"; }
anzeige=":$(head -n1 "$arbeit/anzeige")"
echo "paket: starting /usr/games/velmar-sudoku on $anzeige"
env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY="$anzeige" /usr/games/velmar-sudoku >"$arbeit/programm.log" 2>&1 &
programm_pid=$!
if ! fenster="$(DISPLAY="$anzeige" timeout 60 xdotool search --sync --onlyvisible --name "^${titel//./\\.}\$" 2>/dev/null)"; then
    cat "$arbeit/programm.log" >&2
    scheitern "the main window \"$titel\" did not map within 60 s"
fi
kill -0 "$programm_pid" 2>/dev/null || scheitern "the program ended by itself"
echo "paket: main window \"$titel\" mapped (window ${fenster%%$'\n'*})"
kill "$programm_pid"
wait "$programm_pid" 2>/dev/null
programm_pid=""
kill "$xvfb_pid"
wait "$xvfb_pid" 2>/dev/null
xvfb_pid=""

# --- Purge and look for anything left of it.
echo "paket: apt-get purge $paket"
apt_holen purge -y -qq "$paket" >"$arbeit/apt.log" 2>&1 ||
    { cat "$arbeit/apt.log" >&2; scheitern "apt-get cannot remove $paket"; }
paket=""
if dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q 'installed'; then
    scheitern "$name is still known to dpkg after purging"
fi
uebrig=()
while IFS= read -r pfad; do
    if [ -d "$pfad" ] && [ ! -L "$pfad" ]; then
        # A directory stays if it is shared: not empty, or owned by another package.
        [ -z "$(ls -A "$pfad")" ] && ! dpkg-query -S "$pfad" >/dev/null 2>&1 && uebrig+=("$pfad/")
    elif [ -e "$pfad" ] || [ -L "$pfad" ]; then
        uebrig+=("$pfad")
    fi
done <"$arbeit/dateien"
((${#uebrig[@]} == 0)) || scheitern "left behind after purging: ${uebrig[*]}"

anzahl=$(wc -l <"$arbeit/dateien")
aufraeumen
echo "paket: OK: $(basename "$deb") built, validated, lintian without errors, installed, started, purged; none of its $anzahl paths left"
