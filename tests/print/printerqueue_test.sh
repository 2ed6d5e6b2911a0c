#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints a card on a real CUPS queue: a private CUPS server (its own socket, spool and configuration) with one
# queue whose backend writes PDF files. The sheet that comes out must carry the ink where the same job printed
# to a PDF file has it. Runs as root only (the PDF backend must run as root); skipped otherwise.
# Usage: printerqueue_test.sh SOURCE_DIR PROGRAM
set -euo pipefail
src=$1
program=$2
skip() { echo "skipped: $*"; exit 77; }

[ "$(id -u)" -eq 0 ] || skip "not root"
for tool in cupsd lpadmin lpstat pdftoppm pdfinfo; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
backend=/usr/lib/cups/backend/cups-pdf
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -x "$backend" ] && [ -f "$ppd" ] || skip "the cups-pdf printer driver is not installed"

work=$(mktemp -d /tmp/qm-cups.XXXXXX)
queue="qmtest$$"
# The backend reads its settings from the system folder only: a file for this queue alone says where its
# PDF files go, and goes again at the end.
queueconf="/etc/cups/cups-pdf-$queue.conf"
cupsd_pid=""
cleanup() {
    [ -n "$cupsd_pid" ] && kill "$cupsd_pid" 2>/dev/null && wait "$cupsd_pid" 2>/dev/null
    rm -f "$queueconf"
    [ -n "${QM_KEEP:-}" ] || rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work"/{etc/ppd,spool/tmp,cache,state,log,out,home}
chmod 0755 "$work"
chmod 0777 "$work/out"
socket="$work/cups.sock"
cat >"$work/etc/cupsd.conf" <<EOF
Listen $socket
LogLevel warn
WebInterface No
Browsing No
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
EOF
cat >"$work/etc/cups-files.conf" <<EOF
ServerRoot $work/etc
RequestRoot $work/spool
TempDir $work/spool/tmp
CacheDir $work/cache
StateDir $work/state
ErrorLog $work/log/error_log
AccessLog $work/log/access_log
PageLog $work/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
EOF
printf 'Out %s\nLabel 0\nLog %s\n' "$work/out" "$work/log" >"$queueconf"

cupsd -f -c "$work/etc/cupsd.conf" -s "$work/etc/cups-files.conf" &
cupsd_pid=$!
export CUPS_SERVER="$socket"
for _ in $(seq 100); do
    [ -S "$socket" ] && lpstat -r >/dev/null 2>&1 && break
    sleep 0.1
done
lpstat -r >/dev/null 2>&1 || { cat "$work/log/error_log" 2>/dev/null; echo "the private CUPS server did not start"; exit 1; }
lpadmin -p "$queue" -v "cups-pdf:/$queue" -P "$ppd" -E 2>&1 | grep -v -i deprecat || true
lpstat -p "$queue" >/dev/null

card="$src/tests/data/cards/business.qmk"
export HOME="$work/home" QUILLMARK_HOME="$work/home" QT_QPA_PLATFORM=offscreen

# The same job, once into a PDF file and once on the queue.
"$program" print "$card" --pdf "$work/file.pdf" --quiet
"$program" print "$card" --printer "$queue" --quiet

printed=""
for _ in $(seq 100); do
    printed=$(find "$work/out" -name '*.pdf' -size +1k 2>/dev/null | head -n 1)
    [ -n "$printed" ] && ! lpstat -o "$queue" 2>/dev/null | grep -q . && break
    sleep 0.2
done
if [ -z "$printed" ]; then
    echo "nothing came out of the queue"
    cat "$work/log/error_log" 2>/dev/null | tail -n 20
    exit 1
fi

pages=$(pdfinfo "$printed" | awk '/^Pages:/ {print $2}')
size=$(pdfinfo "$printed" | awk '/^Page size:/ {print $3 "x" $5}')
[ "$pages" = 1 ] || { echo "the queue printed $pages pages, not 1"; exit 1; }
[ "$size" = "612x792" ] || { echo "the queue printed on $size points, not Letter"; exit 1; }

# Where the ink is, at 20 pixels an inch: the box around what is not paper-white on each page, compared pixel
# for pixel (a pixel is 1.27 mm; scaling or a shift by a printer margin moves the box by several).
inkbox() {
    pdftoppm -q -r 20 -gray -singlefile "$1" "$work/ink"
    convert "$work/ink.pgm" -fuzz 20% -format '%@' info:
}
want=$(inkbox "$work/file.pdf")
got=$(inkbox "$printed")
echo "ink box: file $want, queue $got"
# WxH+X+Y: the box's size and its top-left corner.
parse() { local t=${1//[x+]/ }; echo "$t"; }
read -r a b c d <<<"$(parse "$want")"
read -r e f g h <<<"$(parse "$got")"
[ "$a" -gt 50 ] && [ "$b" -gt 50 ] || { echo "the PDF file has hardly any ink ($want)"; exit 1; }
for pair in "$a $e" "$b $f" "$c $g" "$d $h"; do
    set -- $pair
    diff=$(( $1 > $2 ? $1 - $2 : $2 - $1 ))
    [ "$diff" -le 1 ] || { echo "the queue's page has its ink elsewhere than the file's"; exit 1; }
done
echo "printed through the queue: one Letter page, ink where the file has it"

# A two-sided job: the card's back beside it, printed with --duplex. The job carries the turn as its "sides"
# attribute, which the server keeps in the job's control file; the PDF that comes out holds front and back.
two="$work/two.qmk"
cp "$card" "$two"
cp "$card" "$work/two.back.qmk"
job=1 # the one-sided job above
for turn in long short; do
    job=$((job + 1))
    "$program" print "$two" --printer "$queue" --duplex "$turn" --quiet
    control=$(printf '%s/spool/c%05d' "$work" "$job")
    for _ in $(seq 100); do
        [ -s "$control" ] && break
        sleep 0.1
    done
    grep -aq "two-sided-$turn-edge" "$control" || { echo "the $turn-edge job does not carry sides=two-sided-$turn-edge"; exit 1; }
    echo "the $turn-edge job carries sides=two-sided-$turn-edge"
done
printed2=""
for _ in $(seq 100); do
    printed2=$(find "$work/out" -name '*two*.pdf' -size +1k 2>/dev/null | head -n 1)
    [ -n "$printed2" ] && ! lpstat -o "$queue" 2>/dev/null | grep -q . && break
    sleep 0.2
done
[ -n "$printed2" ] || { echo "the two-sided job did not come out"; exit 1; }
pages=$(pdfinfo "$printed2" | awk '/^Pages:/ {print $2}')
[ "$pages" = 2 ] || { echo "the two-sided job printed $pages pages, not 2"; exit 1; }
echo "printed two-sided through the queue: a page of fronts and a page of backs"
