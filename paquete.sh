#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of Tramavox into build-paquete/ (the program
# only: no tests, no benchmarks), with the flags Debian builds its own
# packages with (dpkg-buildflags: fortify, stack protector, full RELRO,
# bind-now), checks it with lintian and prints its name.
set -euo pipefail
cd "$(dirname "$0")"
source tools/deps.sh
tramavox_install_only "${TRAMAVOX_PACKAGES_PROGRAM[@]}" dpkg-dev file lintian
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
compilar="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
enlazar=$(dpkg-buildflags --get LDFLAGS)
# The flags go into the configuration itself: a folder configured earlier
# without them is configured again.
if [ -f build-paquete/CMakeCache.txt ] && ! grep -qF -- "CMAKE_CXX_FLAGS:STRING=$compilar" build-paquete/CMakeCache.txt; then
  rm -rf build-paquete
fi
tramavox_build build-paquete -DBUILD_TESTING=OFF -DTRAMAVOX_BENCHMARKS=OFF \
  "-DCMAKE_CXX_FLAGS=$compilar" "-DCMAKE_EXE_LINKER_FLAGS=$enlazar"
(cd build-paquete && cpack -G DEB >/dev/null)
paquete=$(ls -1 "$PWD"/build-paquete/tramavox_*.deb)
lintian --fail-on error "$paquete"
# Lintian reports a missing hardening only as information: here it fails.
if lintian -I "$paquete" | grep -E 'hardening-'; then
  echo "paquete.sh: el programa no se ha compilado con todas las protecciones de Debian" >&2
  exit 1
fi
echo "$paquete"
