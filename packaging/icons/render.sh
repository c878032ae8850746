#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Brevant developers
# Renders the icon's PNG sizes from the SVG. Run it after changing the SVG and commit the
# results: the build installs the committed PNGs, so building needs no SVG renderer.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"

for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "${size}x${size}"
  rsvg-convert --width "$size" --height "$size" --keep-aspect-ratio \
    org.quillmoor.Brevant.svg -o "${size}x${size}/org.quillmoor.Brevant.png"
done
