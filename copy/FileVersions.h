// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DateTime.h"

class CSettingsState;

// The old versions of one destination file in its "~Versions" folder, numbered from 1 (the
// oldest) upwards: "report - Ver (3).txt". Before a file is overwritten the versions beyond
// the limit are deleted, the rest renumbered by age, and the name for the file being
// replaced is worked out.
class CFileVersions {
 public:
  explicit CFileVersions(bool useTwoDigits) : m_useTwoDigits(useTwoDigits) {}
  virtual ~CFileVersions() = default;

  // The whole computation for a destination file name: the path under which the current file
  // is to be kept, or empty when versions do not apply (empty `versionsFolder`) or something
  // failed.
  std::string RenameToPath(std::string_view versionsFolder, std::string_view fileName,
                           int32_t limit);

  void SetFolder(std::string_view versionsFolder);
  void Collect(std::string_view fileName);
  void Prune(int32_t limit);
  void Renumber();
  bool Ok() const { return m_ok; }
  const std::string& Result() const { return m_result; }

  struct SVersion {
    std::string name;
    std::string newName;
    platform::CDateTime written;
    int state = 0;  // 0 untouched, 1 renamed in place, 2 moved aside
  };
  const std::vector<SVersion>& Versions() const { return m_versions; }

 private:
  std::string Name(int number) const;
  void Insert(SVersion version);

  bool m_useTwoDigits;
  std::string m_folder;
  std::string m_base;
  std::string m_extension;
  bool m_ok = true;
  std::string m_result;
  std::vector<SVersion> m_versions;  // oldest first
  bool m_twoDigitFormat = false;
};

// Whether a file's replaced copy is kept as an old version: the profile keeps versions and
// the file is within the versions size limit.
bool VersionsApply(const CSettingsState& settings, uint64_t fileSize);
// The versions size limit in bytes; 0 for none.
uint64_t VersionSizeLimitBytes(int32_t choice);

struct SAlterCounts {
  int32_t renamed = 0;
  int32_t notRenamed = 0;
};
// Removes the leading zeros of version numbers ("Ver (03)" becomes "Ver (3)") in every
// "~Versions" folder below a destination folder. `abort` is polled between folders.
SAlterCounts AlterVersionFilenames(std::string_view destinationRoot, const bool* abort = nullptr);
