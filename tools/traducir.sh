#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Gathers every text to translate into resources/traducciones/tramavox_*.ts,
# keeping the translations already made and dropping texts no longer used.
# Run it after changing texts, then translate what it marks unfinished
# (Qt Linguist, or any editor); the build compiles the files.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
tramavox_install_missing

cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target textos_disenos
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
build/textos_disenos "$tmp/disenos.cpp"

lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
for idioma in ca gl eu en; do
  "$lupdate" -silent -locations none -no-obsolete -extensions cpp,h \
    -tr-function-alias QT_TRANSLATE_NOOP+=traducir,QT_TRANSLATE_NOOP+=TRADUCIBLE \
    -target-language "$idioma" -source-language es \
    src tools/generar_ayuda.cpp "$tmp/disenos.cpp" -ts "resources/traducciones/tramavox_$idioma.ts"
done
