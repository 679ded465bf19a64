#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source tools/deps.sh
tramavox_install_missing
tramavox_build build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --timeout 300
