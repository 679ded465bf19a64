#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds and starts Tramavox in the current folder
# (where "puntos.pnt" and "ayuda.rtf" are looked for).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/tools/deps.sh"
tramavox_install_missing
(cd "$here" && tramavox_build build)
exec "$here/build/tramavox"
