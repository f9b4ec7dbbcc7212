#!/usr/bin/env bash
# Starts CUPS with a cups-pdf queue named "VelmarPDF" (for the printing test),
# and a second one, "VelmarPausiert", that takes jobs but holds them (accepting
# and disabled, as cupsdisable leaves a printer).
# Safe to run again; does nothing where it cannot work and never fails:
# without a queue the printing test skips.
#
# The test learns where the queue's PDF files land from the file
#   /tmp/velmar-sudoku-druckwarteschlange
# with the lines "warteschlange=<queue>" and "ordner=<folder>", and
# "angehalten=<queue>" when the holding queue is ready.
set -uo pipefail
# lpstat's words are matched below.
export LC_ALL=C

WARTESCHLANGE=VelmarPDF
PAUSIERT=VelmarPausiert
ORDNER=/var/spool/cups-pdf/velmar
INFO=/tmp/velmar-sudoku-druckwarteschlange
KONF=/etc/cups/cups-pdf.conf

aufgeben() {
    echo "druckwarteschlange: $*; the real-printer test will skip" >&2
    rm -f "$INFO"
    exit 0
}

als_root=()
if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
        als_root=(sudo -n)
    else
        aufgeben "not root and no password-less sudo"
    fi
fi

fehlend=()
for p in cups cups-client printer-driver-cups-pdf poppler-utils; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || fehlend+=("$p")
done
if ((${#fehlend[@]})); then
    echo "druckwarteschlange: installing ${fehlend[*]}"
    "${als_root[@]}" apt-get update -qq >/dev/null 2>&1 || true
    DEBIAN_FRONTEND=noninteractive "${als_root[@]}" apt-get install -y -qq --no-install-recommends "${fehlend[@]}" \
        >/dev/null 2>&1 || aufgeben "cannot install ${fehlend[*]}"
fi

command -v cupsd >/dev/null || aufgeben "cupsd missing"
command -v lpadmin >/dev/null || aufgeben "lpadmin missing"

ppd=""
for kandidat in /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd \
    /usr/share/ppd/cups-pdf/CUPS-PDF.ppd; do
    [ -f "$kandidat" ] && { ppd=$kandidat; break; }
done
[ -n "$ppd" ] || aufgeben "no cups-pdf PPD found"

# One fixed output folder for every user, so the test knows where to look.
"${als_root[@]}" mkdir -p "$ORDNER" || aufgeben "cannot create $ORDNER"
"${als_root[@]}" chmod 1777 "$ORDNER" 2>/dev/null || true
if [ -f "$KONF" ]; then
    if grep -qE '^[[:space:]]*Out[[:space:]]' "$KONF"; then
        "${als_root[@]}" sed -i -E "s|^[[:space:]]*Out[[:space:]].*|Out $ORDNER|" "$KONF" || aufgeben "cannot edit $KONF"
    else
        echo "Out $ORDNER" | "${als_root[@]}" tee -a "$KONF" >/dev/null || aufgeben "cannot edit $KONF"
    fi
    if grep -qE '^[[:space:]]*AnonDirName[[:space:]]' "$KONF"; then
        "${als_root[@]}" sed -i -E "s|^[[:space:]]*AnonDirName[[:space:]].*|AnonDirName $ORDNER|" "$KONF"
    else
        echo "AnonDirName $ORDNER" | "${als_root[@]}" tee -a "$KONF" >/dev/null
    fi
fi

if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
    "${als_root[@]}" cupsd >/dev/null 2>&1 || aufgeben "cupsd does not start"
    for _ in $(seq 1 50); do
        lpstat -r 2>/dev/null | grep -q 'is running' && break
        sleep 0.2
    done
fi
lpstat -r 2>/dev/null | grep -q 'is running' || aufgeben "the CUPS scheduler is not running"

if ! lpstat -p "$WARTESCHLANGE" >/dev/null 2>&1; then
    "${als_root[@]}" lpadmin -p "$WARTESCHLANGE" -E -v cups-pdf:/ -P "$ppd" -o printer-is-shared=false \
        >/dev/null 2>&1 || aufgeben "lpadmin cannot add $WARTESCHLANGE"
fi
"${als_root[@]}" cupsenable "$WARTESCHLANGE" >/dev/null 2>&1 || true
"${als_root[@]}" cupsaccept "$WARTESCHLANGE" >/dev/null 2>&1 || true
lpstat -p "$WARTESCHLANGE" >/dev/null 2>&1 || aufgeben "queue $WARTESCHLANGE did not appear"

printf 'warteschlange=%s\nordner=%s\n' "$WARTESCHLANGE" "$ORDNER" >"$INFO" || aufgeben "cannot write $INFO"
echo "druckwarteschlange: queue $WARTESCHLANGE ready, PDFs land in $ORDNER"

# The holding queue is a bonus: without it only the paused-printer test skips.
if ! lpstat -p "$PAUSIERT" >/dev/null 2>&1; then
    "${als_root[@]}" lpadmin -p "$PAUSIERT" -E -v cups-pdf:/ -P "$ppd" -o printer-is-shared=false >/dev/null 2>&1 ||
        echo "druckwarteschlange: lpadmin cannot add $PAUSIERT; the paused-printer test will skip" >&2
fi
if lpstat -p "$PAUSIERT" >/dev/null 2>&1; then
    "${als_root[@]}" cupsaccept "$PAUSIERT" >/dev/null 2>&1 || true
    "${als_root[@]}" cupsdisable -r "held for the Velmar Sudoku printing test" "$PAUSIERT" >/dev/null 2>&1 || true
    # Jobs left over from earlier runs would print if the queue were ever resumed.
    "${als_root[@]}" cancel -a "$PAUSIERT" >/dev/null 2>&1 || true
    zustand=$(lpstat -p "$PAUSIERT" 2>/dev/null)
    annahme=$(lpstat -a "$PAUSIERT" 2>/dev/null)
    if [[ $zustand == *disabled* && $annahme == *"accepting requests"* ]]; then
        printf 'angehalten=%s\n' "$PAUSIERT" >>"$INFO" || true
        echo "druckwarteschlange: queue $PAUSIERT ready, holding its jobs"
    else
        echo "druckwarteschlange: $PAUSIERT is not accepting and paused; the paused-printer test will skip" >&2
    fi
fi
exit 0
