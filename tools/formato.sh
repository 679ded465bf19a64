#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that the given files keep the layout .clang-format describes.
#
# Each clang-format version lays some code out its own way, so the tree is
# kept in the layout that the versions of Debian 12 (14) and Debian 13 (19)
# agree on, and only those versions judge it: every one of them found here
# is run. A machine with none of them reports the check as skipped (exit
# 77) and why, rather than failing a user's test run over a newer tool.
set -u
versiones_del_arbol=(14 19)
omitida=77

comprobadas=()
for version in "${versiones_del_arbol[@]}"; do
  for programa in "clang-format-$version" clang-format; do
    command -v "$programa" >/dev/null 2>&1 || continue
    mayor=$("$programa" --version | sed -n 's/.*clang-format version \([0-9]*\).*/\1/p')
    [ "$mayor" = "$version" ] || continue
    [[ " ${comprobadas[*]} " == *" $version "* ]] && continue
    echo "Comprobando el formato con $("$programa" --version)"
    "$programa" --dry-run --Werror "$@" || exit 1
    comprobadas+=("$version")
  done
done

if [ ${#comprobadas[@]} -eq 0 ]; then
  arbol="clang-format ${versiones_del_arbol[0]} y ${versiones_del_arbol[1]}"
  if hallada=$(clang-format --version 2>/dev/null); then
    echo "Formato no comprobado: el árbol está en la forma de $arbol, y aquí solo hay" \
         "«$hallada», que puede colocar el código de otro modo."
  else
    echo "Formato no comprobado: el árbol está en la forma de $arbol, y aquí no hay clang-format."
  fi
  exit $omitida
fi
