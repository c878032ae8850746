#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Brevant developers
# Builds Brevant (installing what is missing) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBREVANT_TESTS=OFF \
  -DBREVANT_BENCHMARKS=OFF
cmake --build build -j"$(nproc)" --target brevant
exec ./build/app/brevant
