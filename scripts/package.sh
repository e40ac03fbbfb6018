#!/usr/bin/env bash
# Installs what is missing, builds the Debian package from the Release build and checks it:
# build/release/vexmoor_<version>_<arch>.deb, ready for `sudo apt-get install ./<file>`.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh package
cmake --preset release
cmake --build --preset release --target package
bash scripts/check-package.sh build/release/vexmoor_*.deb
