#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the program under a scratch prefix and builds its Debian package, then checks what a desktop and
# Debian need: valid desktop and metainfo files, the MIME types, the icon in every size, the manual page and
# bash completion, one version everywhere, and the package's contents, dependencies and lintian's verdict.
# Usage: install_test.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source_dir=$1
build_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
have() { command -v "$1" >/dev/null; }

desktop=org.quillmark.quillmark.desktop
metainfo=org.quillmark.quillmark.metainfo.xml
if have desktop-file-validate; then
    out=$(desktop-file-validate "$source_dir/data/desktop/$desktop" 2>&1) && [ -z "$out" ] || fail "desktop file: $out"
fi
if have appstreamcli; then
    # Even pedantic remarks count: the output must hold no issue at all.
    out=$(appstreamcli validate --pedantic --no-net "$source_dir/data/desktop/$metainfo" 2>&1) ||
        fail "metainfo file: $out"
    ! grep -qE '^[EWIP]: ' <<<"$out" || fail "metainfo file: $out"
fi

cmake --install "$build_dir" --prefix "$work/prefix" >/dev/null
share=$work/prefix/share
for f in bin/quillmark share/applications/$desktop share/metainfo/$metainfo share/mime/packages/quillmark.xml \
    share/icons/hicolor/scalable/apps/quillmark.svg share/man/man1/quillmark.1.gz \
    share/bash-completion/completions/quillmark share/doc/quillmark/copyright share/doc/quillmark/changelog.gz; do
    [ -e "$work/prefix/$f" ] || fail "cmake --install left out $f"
done
for size in 16 24 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x${size}/apps/quillmark.png
    [ "$(od -An -tx1 -j16 -N8 "$png" | tr -d ' \n')" = "$(printf '%08x%08x' "$size" "$size")" ] ||
        fail "icon $png is not ${size}x${size}"
done
# The MIME database accepts the card types, and a card file is known by its first bytes as well as its name.
XDG_DATA_DIRS="$share:/usr/share" update-mime-database "$share/mime" 2>&1 | (! grep .) || fail "update-mime-database complained"
grep -q 'application/x-quillmark-card' "$share/mime/globs2" || fail "no glob for card files"
grep -aq 'x-quillmark-card' "$share/mime/magic" || fail "no magic for card files"

# One version: the program's, the manual page's, the newest changelog entry's and the newest AppStream
# release's (the package's is checked below).
program=$work/prefix/bin/quillmark
version=$("$program" --version) || fail "the installed program does not answer --version"
version=${version#quillmark }
[[ $version =~ ^[0-9]+(\.[0-9]+)+$ ]] || fail "--version says '$version', not a version number"
man=$(gzip -dc "$share/man/man1/quillmark.1.gz")
grep -q "^\.TH QUILLMARK 1 .*\"Quillmark $version\"" <<<"$man" || fail "the manual page is not of version $version"
changelog=$(gzip -dc "$share/doc/quillmark/changelog.gz" | head -1)
[ "$changelog" = "quillmark ($version) unstable; urgency=medium" ] ||
    fail "the newest changelog entry is '$changelog', the program $version"
release=$(grep -m1 -o '<release version="[^"]*"' "$share/metainfo/$metainfo")
[ "$release" = "<release version=\"$version\"" ] || fail "the newest AppStream release is $release, the program $version"

# The manual page documents every command and option that --help names, and renders without complaint.
help=$("$program" --help)
# The tags of the page's items (the line after each .TP), with roff's \- as a plain dash.
tags=$(awk 'previous == ".TP" { print } { previous = $0 }' <<<"$man" | sed 's/\\-/-/g')
for word in $(grep -oE -- '--[a-z-]+' <<<"$help" | sort -u) dump resave export print stock; do
    grep -qE -- "^\.[A-Z]+ (.* )?$word( |,|\$)" <<<"$tags" || fail "the manual page does not document $word"
done
for section in NAME SYNOPSIS DESCRIPTION OPTIONS 'EXIT STATUS' ENVIRONMENT FILES; do
    grep -qx "\.SH \"\?$section\"\?" <<<"$man" || fail "the manual page has no $section section"
done
if have man; then
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$share/man/man1/quillmark.1.gz" 2>&1 \
        >/dev/null) || fail "man cannot render the manual page"
    [ -z "$warnings" ] || fail "the manual page renders with warnings: $warnings"
fi

# Bash completion: the commands, each command's options and card files.
completion=$share/bash-completion/completions/quillmark
bash -n "$completion" || fail "the completion file is not valid bash"
if [ -f /usr/share/bash-completion/bash_completion ]; then
    mkdir "$work/cards" && touch "$work/cards/business.qmk" "$work/cards/notes.txt"
    complete_words() { # the words bash offers for the command line "$@", the last word being completed
        (cd "$work/cards" && bash -c 'source /usr/share/bash-completion/bash_completion; source "$0"
            COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
            _quillmark; printf "%s\n" "${COMPREPLY[@]}" | sort -u' "$completion" "$@")
    }
    offered=$(complete_words quillmark '')
    for word in dump resave export print stock business.qmk; do
        grep -qx "$word" <<<"$offered" || fail "completion of 'quillmark' lacks $word: $offered"
    done
    ! grep -qx notes.txt <<<"$offered" || fail "completion of 'quillmark' offers a file that is no card"
    offered=$(complete_words quillmark print business.qmk --)
    for word in $(sed -n '/quillmark print/,/^ *quillmark --help/p' <<<"$help" | grep -oE -- '--[a-z-]+' | sort -u); do
        [ "$word" = --help ] || [ "$word" = --version ] && continue
        grep -qx -- "$word" <<<"$offered" || fail "completion of 'quillmark print' lacks $word"
    done
    [ "$(complete_words quillmark export business.qmk --)" = "$(printf -- '--bleed\n--border\n--crop-marks\n--force\n--help\n--scale\n--stock')" ] ||
        fail "completion of 'quillmark export' offers other options"
    [ "$(complete_words quillmark dump '')" = business.qmk ] || fail "completion of 'quillmark dump' offers no card"
fi

(cd "$work" && cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/deb" >/dev/null)
deb=$(ls "$work"/deb/quillmark_*.deb)
contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/quillmark ./usr/share/applications/$desktop ./usr/share/mime/packages/quillmark.xml \
    ./usr/share/icons/hicolor/scalable/apps/quillmark.svg ./usr/share/icons/hicolor/48x48/apps/quillmark.png \
    ./usr/share/metainfo/$metainfo ./usr/share/man/man1/quillmark.1.gz \
    ./usr/share/bash-completion/completions/quillmark ./usr/share/doc/quillmark/copyright \
    ./usr/share/doc/quillmark/changelog.gz; do
    grep -q " $f\$" <<<"$contents" || fail "the package lacks $f"
done
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package is version $(dpkg-deb -f "$deb" Version), the program $version"
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libqt6printsupport6 libqt6svg6 qt6-image-formats-plugins fonts-symbola; do
    grep -q "$p" <<<"$depends" || fail "the package does not depend on $p"
done
# Debian's own checker: no errors and no warnings (remarks for information may stay).
if have lintian; then
    report=$(lintian --fail-on error,warning "$deb" 2>&1) || fail "lintian: $report"
    ! grep -qE '^[EW]: ' <<<"$report" || fail "lintian: $report"
fi
echo "install and package: ok (version $version, $(stat -c %s "$deb") bytes)"
