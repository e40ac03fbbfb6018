#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running, testing and packaging the program need,
# when any is missing. Runs apt-get as root (through sudo when not root already).
# fonts-dejavu-core holds the regional separators the Liberation fonts lack (fr_FR's U+202F);
# libqt6printsupport6 prints the reports; libqt6svg6 reads the scalable icon in the tests;
# poppler-utils reads the reports' PDF files back in the tests; at-spi2-core, dbus and the AT-SPI
# bindings let a test hear the window as a screen reader does; file, dpkg-dev and lintian build
# and check the Debian package.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev libgl-dev qt6-qpa-plugins
    libqt6printsupport6 fonts-liberation fonts-dejavu-core libqt6svg6
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool x11-utils imagemagick poppler-utils
    dbus at-spi2-core python3-gi gir1.2-atspi-2.0
    desktop-file-utils appstream clang-format
    file dpkg-dev lintian
    clang-14 libclang-rt-14-dev
)
[ "${1:-}" = "--runtime-only" ] && packages=(build-essential cmake ninja-build qt6-base-dev
    qt6-charts-dev qt6-svg-dev libqt6opengl6-dev libgl-dev qt6-qpa-plugins libqt6printsupport6
    fonts-liberation fonts-dejavu-core libgtest-dev libbenchmark-dev)

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
