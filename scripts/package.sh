#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Brevant developers
# Builds the Debian package (installing what is missing) in build-package/: the desktop
# program and the runner, stripped, with the dependencies that dpkg-shlibdeps finds.
# Install it with: sudo apt install ./build-package/brevant_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --package
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBREVANT_TESTS=OFF \
  -DBREVANT_BENCHMARKS=OFF
cmake --build build-package -j"$(nproc)"
cd build-package
cpack -G DEB
ls -l "$PWD"/brevant_*.deb
