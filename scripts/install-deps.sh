#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Brevant developers
# Installs the Debian packages that building Brevant needs, when any is missing: with --run
# only what building and starting the program takes; with --package also what building the
# Debian package takes; otherwise also the test and benchmark libraries and the validators
# the installation test runs.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev
  libacl1-dev
)
case ${1:-} in
  --run) ;;
  --package) packages+=(dpkg-dev file) ;;
  # The file-system tools let the tests mount a disk image that folds letter case.
  *) packages+=(libgtest-dev libgmock-dev libbenchmark-dev desktop-file-utils appstream
                dosfstools exfatprogs exfat-fuse) ;;
esac

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if ((${#missing[@]} > 0)); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [[ $(id -u) -ne 0 ]]; then
    sudo_cmd=(sudo)
  fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
fi
