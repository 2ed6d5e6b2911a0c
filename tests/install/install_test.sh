#!/usr/bin/env bash
# Installs the program under a scratch prefix and builds its Debian package, then checks what a desktop
# needs: valid desktop, metainfo and MIME files, the icon in every size, and the package's contents and
# dependencies. Usage: install_test.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source_dir=$1
build_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

desktop-file-validate "$source_dir/data/desktop/org.quillmark.Quillmark.desktop" || fail "desktop file"
appstreamcli validate --no-net "$source_dir/data/desktop/org.quillmark.Quillmark.metainfo.xml" >/dev/null ||
    fail "metainfo file"

cmake --install "$build_dir" --prefix "$work/prefix" >/dev/null
share=$work/prefix/share
for f in bin/quillmark share/applications/org.quillmark.Quillmark.desktop \
    share/metainfo/org.quillmark.Quillmark.metainfo.xml share/mime/packages/quillmark.xml \
    share/icons/hicolor/scalable/apps/quillmark.svg; do
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
"$work/prefix/bin/quillmark" --version >/dev/null || fail "the installed program does not answer --version"

(cd "$work" && cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/deb" >/dev/null)
deb=$(ls "$work"/deb/quillmark_*.deb)
contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/quillmark ./usr/share/applications/org.quillmark.Quillmark.desktop \
    ./usr/share/mime/packages/quillmark.xml ./usr/share/icons/hicolor/scalable/apps/quillmark.svg \
    ./usr/share/icons/hicolor/48x48/apps/quillmark.png ./usr/share/metainfo/org.quillmark.Quillmark.metainfo.xml; do
    grep -q " $f\$" <<<"$contents" || fail "the package lacks $f"
done
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libqt6printsupport6 libqt6svg6 qt6-image-formats-plugins fonts-symbola; do
    grep -q "$p" <<<"$depends" || fail "the package does not depend on $p"
done
echo "install and package: ok ($(stat -c %s "$deb") bytes)"
