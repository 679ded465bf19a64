#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang and runs each for the given seconds
# (default 60), from the seed corpus in fuzz/corpus. New inputs go to a
# scratch folder, not into the repository; a crash leaves its input in
# build-fuzz/ and makes this script fail.
set -euo pipefail
cd "$(dirname "$0")/.."
segundos=${1:-60}
source tools/deps.sh
tramavox_install_missing clang libclang-rt-14-dev zlib1g-dev
if [ ! -f build-fuzz/build.ninja ]; then
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTRAMAVOX_FUZZ=ON -DBUILD_TESTING=OFF
fi
cmake --build build-fuzz --target fuzz_rtf fuzz_puntos fuzz_registro
for objetivo in rtf puntos registro; do
  trabajo=build-fuzz/corpus-$objetivo
  mkdir -p "$trabajo"
  echo "== fuzz_$objetivo, $segundos s"
  (cd build-fuzz && "./fuzz/fuzz_$objetivo" -max_total_time="$segundos" -max_len=65536 \
      -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      "corpus-$objetivo" "../fuzz/corpus/$objetivo")
done
