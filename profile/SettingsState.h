// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/DateTime.h"

// The stored codes of the settings' radio-button choices.
namespace settings_codes {
constexpr int32_t kSubfoldersAll = 1014;
constexpr int32_t kSubfoldersNone = 1015;
constexpr int32_t kSubfoldersList = 1077;
constexpr int32_t kNoFiltering = 1025;  // names, dates and sizes
constexpr int32_t kNamesMatch = 1060;
constexpr int32_t kDateToday = 1026;
constexpr int32_t kDateRecent = 1027;
constexpr int32_t kDateRange = 1032;
constexpr int32_t kSizeLimits = 1038;
}  // namespace settings_codes

// Copy modes.
constexpr int32_t kCopyIntoFolders = 0;
constexpr int32_t kCopyGather = 1;
constexpr int32_t kCopyTreeOnly = 2;

// Units of the "during last" date choice and of the size bounds.
constexpr int32_t kUnitDays = 0, kUnitWeeks = 1, kUnitMonths = 2, kUnitYears = 3;

// Overwrite and dispose choices of the Existing Files settings.
constexpr int32_t kOverwriteAlways = 0, kOverwriteNewer = 1, kOverwriteOlder = 2,
                  kOverwriteNewerOrOlder = 3, kOverwriteNever = 4;
constexpr int32_t kDisposeDelete = 0, kDisposeRecycle = 1, kDisposeVersions = 2;

// One profile's settings: what to copy from where to where, and how. The fields keep the
// order in which the data file stores them. List entries are kept in their stored form:
// a check character ("0", "1" or "2"), a type character, then the text.
class CSettingsState {
 public:
  CSettingsState() = default;  // the settings of a new profile
  bool operator==(const CSettingsState& other) const = default;

  // The code fields as the rules read them: 0 or less is the first code of the set.
  int32_t SubfolderMode() const;
  int32_t NameMode() const;
  int32_t DateMode() const;
  int32_t SizeMode() const;

  // For a profile that copies into folders: a profile that copies its backup back (source
  // and destination swapped, old versions left out, overwriting when the backup is newer).
  std::optional<CSettingsState> MakeRestoreRecord() const;

  std::string sourcePath;
  std::string destinationPath;
  int32_t copyMode = kCopyIntoFolders;
  int32_t subfolderMode = 0;
  std::vector<std::string> subfolderEntries;
  int32_t nameMode = 0;
  int32_t allowTypos = 0;
  std::vector<std::string> nameEntries;
  std::vector<std::string> excludedPaths;
  int32_t dateMode = 0;
  int32_t recentCount = 1;
  int32_t recentUnit = kUnitDays;
  int32_t useFromDate = 0;
  int32_t useThroughDate = 0;
  platform::CDateTime fromDateTime;
  platform::CDateTime throughDateTime;
  int32_t sizeMode = 0;
  int32_t useLeastSize = 0;
  int32_t leastSize = 0;
  int32_t leastUnit = 0;
  int32_t useMostSize = 0;
  int32_t mostSize = 0;
  int32_t mostUnit = 0;
  int32_t archiveOnly = 0;
  int32_t clearArchive = 1;
  int32_t includeReadOnly = 1;
  int32_t copyReadOnlyAttribute = 0;
  int32_t includeHidden = 0;
  int32_t copyHiddenAttribute = 1;
  int32_t includeSystem = 0;
  int32_t copySystemAttribute = 1;
  int32_t keepReadOnlyDestination = 0;
  int32_t keepHiddenDestination = 0;
  int32_t keepSystemDestination = 0;
  int32_t verifyCopies = 0;
  int32_t avoidStopping = 1;
  int32_t overwriteMode = kOverwriteNewer;
  int32_t disposeMode = kDisposeDelete;
  int32_t versionLimit = 3;
  int32_t versionSizeLimit = 0;
  int32_t testSize = 0;
  int32_t testArchive = 0;
  int32_t includeNewFiles = 1;
  int32_t deleteStrayFiles = 0;
  int32_t copySecurity = 0;
};

// The byte factor of a size unit (byte, kilobyte, megabyte, gigabyte).
uint64_t SizeUnitFactor(int32_t unit);
// A size bound in bytes, in 64 bits.
uint64_t SizeBytes(int32_t size, int32_t unit);
