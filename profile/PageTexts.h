// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The texts of the settings pages' choices, indexed by the value the settings store, and the
// texts that change with the copy mode. The pages show them and the settings export prints
// them, so both read them from here.

// "Copy files into folders (default action)." and the other two copy modes, by copyMode.
std::span<const std::string_view> CopyModeTexts();
// "always" .. "never (skip the file)", by overwriteMode.
std::span<const std::string_view> OverwriteTexts();
// "Delete overwritten destination files." and the other two, by disposeMode.
std::span<const std::string_view> DisposeTexts();
// "day(s)" .. "year(s)", by recentUnit.
std::span<const std::string_view> DateUnitTexts();
// "byte(s)" .. "gigabyte(s)", by leastUnit and mostUnit.
std::span<const std::string_view> SizeUnitTexts();
// "1" .. "99": the version limits, by position (the limit less one).
std::vector<std::string> VersionLimitTexts();
// "None", "1 MB", then "5 MB" .. "50 MB" in steps of 5 MB, by versionSizeLimit.
std::vector<std::string> VersionSizeLimitTexts();

// In tree-only copy mode name patterns choose folders instead of files, and the excluded
// paths are folders; the File/Folder Names and Paths pages say so.
struct SNamesPageTexts {
  std::string_view noFiltering;  // the caption of the choice without name filtering
  std::string_view prompt;       // the label of the pattern box
};
SNamesPageTexts NamesPageTexts(int32_t copyMode);
std::string_view PathsPrompt(int32_t copyMode);

// The Subfolders page's instruction for the kind of entry being entered.
std::string_view SubfoldersPrompt(bool include);
