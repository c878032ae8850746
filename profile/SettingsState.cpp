// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/SettingsState.h"

namespace {

int32_t FirstCodeIfUnset(int32_t value, int32_t firstCode) {
  return value <= 0 ? firstCode : value;
}

}  // namespace

int32_t CSettingsState::SubfolderMode() const {
  return FirstCodeIfUnset(subfolderMode, settings_codes::kSubfoldersAll);
}

int32_t CSettingsState::NameMode() const {
  return FirstCodeIfUnset(nameMode, settings_codes::kNoFiltering);
}

int32_t CSettingsState::DateMode() const {
  return FirstCodeIfUnset(dateMode, settings_codes::kNoFiltering);
}

int32_t CSettingsState::SizeMode() const {
  return FirstCodeIfUnset(sizeMode, settings_codes::kNoFiltering);
}

std::optional<CSettingsState> CSettingsState::MakeRestoreRecord() const {
  if (copyMode != kCopyIntoFolders) {
    return std::nullopt;
  }
  CSettingsState restore;
  restore.sourcePath = destinationPath;
  restore.destinationPath = sourcePath;
  restore.subfolderEntries = {"1-~Versions"};
  restore.overwriteMode = kOverwriteNewer;
  return restore;
}

uint64_t SizeUnitFactor(int32_t unit) {
  switch (unit) {
    case 1:
      return 1024;
    case 2:
      return 1048576;
    case 3:
      return 1073741824;
    default:
      return 1;
  }
}

uint64_t SizeBytes(int32_t size, int32_t unit) {
  return size <= 0 ? 0 : static_cast<uint64_t>(size) * SizeUnitFactor(unit);
}
