#!/usr/bin/env bash
# Installs the Debian 12 packages one task needs, when any is missing:
#   install-deps.sh run|test|package|fuzz
# run builds and starts the program; each other role is run's packages and its own tools. Runs
# apt-get as root (through sudo when not root already).
# fonts-dejavu-core holds the regional separators the Liberation fonts lack (fr_FR's U+202F);
# qt6-tools-dev and qt6-l10n-tools (lupdate, lrelease) build the translations into the program,
# qt6-translations-l10n gives Qt's own dialogs the same language; libqt6printsupport6 prints the
# reports; libqt6svg6 reads the scalable icon in the tests;
# poppler-utils reads the reports' PDF files back in the tests; at-spi2-core, dbus and the AT-SPI
# bindings let a test hear the window as a screen reader does; file, dpkg-dev and lintian build
# and check the Debian package; clang and its run-time libraries build the fuzz targets.
set -euo pipefail

run=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev libgl-dev qt6-qpa-plugins
    libqt6printsupport6 fonts-liberation fonts-dejavu-core
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
)
test=(
    libqt6svg6
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool x11-utils imagemagick poppler-utils
    dbus at-spi2-core python3-gi gir1.2-atspi-2.0
    desktop-file-utils appstream clang-format
)
package=(file dpkg-dev lintian)
fuzz=(clang-14 libclang-rt-14-dev)

role=${1:-}
case "$role" in
run) packages=("${run[@]}") ;;
test) packages=("${run[@]}" "${test[@]}") ;;
package) packages=("${run[@]}" "${package[@]}") ;;
fuzz) packages=("${run[@]}" "${fuzz[@]}") ;;
*)
    echo "usage: $0 run|test|package|fuzz" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
