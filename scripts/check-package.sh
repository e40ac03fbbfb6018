#!/usr/bin/env bash
# Checks a built Debian package: its files (all under /usr, the program, launcher entry,
# metainfo, manual page, copyright and changelog, the SVG writer, graph and print modules, and
# the icon in every size the sources hold plus the scalable one), its dependencies (found by
# dpkg-shlibdeps, plus the run-time ones the linker cannot see), and lintian (errors and warnings
# fail; info tags are overridden in the package with their reasons).
# Usage: check-package.sh <package.deb>
set -euo pipefail
deb=$1
here=$(cd "$(dirname "$0")/.." && pwd)
id=com.quenbry.vexmoor
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

files=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | sort)
required=(
    usr/bin/vexmoor
    usr/share/applications/$id.desktop
    usr/share/metainfo/$id.metainfo.xml
    usr/share/man/man1/vexmoor.1.gz
    usr/share/doc/vexmoor/copyright
    usr/share/doc/vexmoor/changelog.gz
    usr/share/icons/hicolor/scalable/apps/$id.svg
)
for png in "$here"/resources/icons/vexmoor-*.png; do
    size=$(basename "$png" .png)
    size=${size#vexmoor-}
    required+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for file in "${required[@]}"; do
    grep -qxF "$file" <<<"$files" || fail "the package lacks /$file"
done
# The SVG writer, the graph and printing are private modules of the program, loaded only for an
# SVG save, when the graph is first shown and on the first Print….
grep -qE '^usr/lib/[^/]+/vexmoor/libvexmoor_svg\.so$' <<<"$files" ||
    fail "the package lacks the SVG writer module under /usr/lib/<arch>/vexmoor/"
grep -qE '^usr/lib/[^/]+/vexmoor/libvexmoor_graph\.so$' <<<"$files" ||
    fail "the package lacks the graph module under /usr/lib/<arch>/vexmoor/"
grep -qE '^usr/lib/[^/]+/vexmoor/libvexmoor_print\.so$' <<<"$files" ||
    fail "the package lacks the print module under /usr/lib/<arch>/vexmoor/"
stray=$(grep -v -e '^usr/\(bin\|share\)/' -e '^usr/lib/[^/]*/vexmoor/' <<<"$files" || true)
[ -z "$stray" ] || fail "files outside /usr/bin, /usr/share and the program's module folder: $stray"

depends=$(dpkg-deb -f "$deb" Depends)
[ -n "$depends" ] || fail "Depends is empty"
for package in libqt6widgets6 libqt6charts6 libqt6printsupport6 libc6 qt6-qpa-plugins \
    fonts-dejavu-core qt6-translations-l10n; do
    grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/bin/vexmoor | file - | grep -q 'ELF.*, stripped' ||
    fail "the program is not a stripped ELF binary"

echo "== lintian"
lintian --fail-on error,warning --display-info "$deb" || fail "lintian"

[ "$failures" -eq 0 ] || exit 1
echo "package: $(basename "$deb"): $(wc -l <<<"$files") files, Depends: $depends"
