#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build, the tests and the program need,
# but only those that are missing, so a second run costs nothing.
# Sourced by run.sh and test.sh.

# What building the program takes, and what only its tests and benchmarks do.
TRAMAVOX_PACKAGES_PROGRAM=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev qt6-translations-l10n qt6-l10n-tools libfftw3-dev libsodium-dev
  fonts-liberation2 fonts-dejavu-core
)
TRAMAVOX_PACKAGES_TESTS=(qt6-base-private-dev libbenchmark-dev clang-format desktop-file-utils appstream
  openssh-server openssh-client sshfs fuse3 samba smbnetfs tzdata)
# Wanted where the distribution has them: the format check then judges the
# tree with each clang-format version it is kept in (Debian 12's 14 and
# Debian 13's 19), so a change that only one of them accepts is caught.
TRAMAVOX_PACKAGES_OPTIONAL=(clang-format-19)

# Everything, for run.sh and test.sh, and whatever the caller names.
tramavox_install_missing() {
  tramavox_install_only "${TRAMAVOX_PACKAGES_PROGRAM[@]}" "${TRAMAVOX_PACKAGES_TESTS[@]}" "$@" || return 1
  tramavox_install_available "${TRAMAVOX_PACKAGES_OPTIONAL[@]}"
}

tramavox_installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

# Installs those of the given packages that the distribution offers; the
# others are left out without failing.
tramavox_install_available() {
  local offered=() pkg
  for pkg in "$@"; do
    tramavox_installed "$pkg" && continue
    apt-cache policy "$pkg" 2>/dev/null | grep -q 'Candidate: [0-9]' && offered+=("$pkg")
  done
  [ ${#offered[@]} -eq 0 ] || tramavox_install_only "${offered[@]}"
}

tramavox_install_only() {
  local missing=() pkg
  for pkg in "$@"; do
    tramavox_installed "$pkg" || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0

  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      sudo=(sudo)
    else
      echo "Faltan paquetes (${missing[*]}) y no hay permisos para instalarlos." >&2
      return 1
    fi
  fi
  echo "Instalando: ${missing[*]}"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q || return 1
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Configures (once) and builds one build folder.
tramavox_build() {
  local dir=$1; shift
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" || return 1
  fi
  cmake --build "$dir" --parallel "$(nproc)"
}
