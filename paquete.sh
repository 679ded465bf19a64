#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of Tramavox into build/ and prints its name.
set -euo pipefail
cd "$(dirname "$0")"
source tools/deps.sh
tramavox_install_missing dpkg-dev file
tramavox_build build
(cd build && cpack -G DEB >/dev/null && ls -1 "$PWD"/tramavox_*.deb)
