#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds everything and runs every test: once as
# built for use, and once more under AddressSanitizer and
# UndefinedBehaviorSanitizer, where any report (a leak included) fails.
set -euo pipefail
cd "$(dirname "$0")"
source tools/deps.sh
tramavox_install_missing
export QT_QPA_PLATFORM=offscreen

tramavox_build build
ctest --test-dir build --output-on-failure --timeout 300

tramavox_build build-asan -DTRAMAVOX_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure --timeout 600
