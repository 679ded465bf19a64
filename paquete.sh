#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of Tramavox into build-paquete/ (the program
# only: no tests, no benchmarks), checks it with lintian and prints its name.
set -euo pipefail
cd "$(dirname "$0")"
source tools/deps.sh
tramavox_install_only "${TRAMAVOX_PACKAGES_PROGRAM[@]}" dpkg-dev file lintian
tramavox_build build-paquete -DBUILD_TESTING=OFF -DTRAMAVOX_BENCHMARKS=OFF
(cd build-paquete && cpack -G DEB >/dev/null)
paquete=$(ls -1 "$PWD"/build-paquete/tramavox_*.deb)
lintian --fail-on error "$paquete"
echo "$paquete"
