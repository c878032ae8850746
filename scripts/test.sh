#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Brevant developers
# Builds Brevant and runs every test (installing what is missing): first the whole program,
# then the engine and its tests again with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBREVANT_TESTS=ON
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"
awk -f scripts/skipped.awk build/Testing/Temporary/LastTest.log

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBREVANT_TESTS=ON \
  -DBREVANT_ENGINE_ONLY=ON -DBREVANT_SANITIZE=ON -DBREVANT_BENCHMARKS=OFF
cmake --build build-sanitize -j"$(nproc)"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)"
awk -f scripts/skipped.awk build-sanitize/Testing/Temporary/LastTest.log
