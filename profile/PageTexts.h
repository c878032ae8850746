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

// The captions of the pages' choices and check boxes, which the settings export prints too
// (an "&" marks an access key).
namespace captions {
inline constexpr std::string_view kSubfoldersAll = "A&ll";
inline constexpr std::string_view kSubfoldersNone = "&None";
inline constexpr std::string_view kSubfoldersList = "Inclu&de/exclude";
inline constexpr std::string_view kNamesList = "&Match/exclude name patterns";
inline constexpr std::string_view kDatesAll = "&No date filtering";
inline constexpr std::string_view kDatesToday = "&Today (since midnight yesterday)";
inline constexpr std::string_view kDatesRecent = "&During last:";
inline constexpr std::string_view kDatesRange = "Date &range:";
inline constexpr std::string_view kSizesAll = "&No size filtering";
inline constexpr std::string_view kSizesLimits = "&File sizes are:";
inline constexpr std::string_view kAtLeast = "at &least";
inline constexpr std::string_view kAtMost = "at &most";
inline constexpr std::string_view kArchiveOnly =
    "&Only copy source files when their archive attributes are set.";
inline constexpr std::string_view kClearArchive =
    "&Clear source-file archive attributes after copying.";
inline constexpr std::string_view kIncludeReadOnly = "Include &read-only source files.";
inline constexpr std::string_view kCopyReadOnly =
    "Copy the r&ead-only attribute to destination files.";
inline constexpr std::string_view kIncludeHidden = "Include &hidden source files.";
inline constexpr std::string_view kCopyHidden = "Copy the h&idden attribute to destination files.";
inline constexpr std::string_view kIncludeSystem = "Include &system source files.";
inline constexpr std::string_view kCopySystem = "Copy the system &attribute to destination files.";
inline constexpr std::string_view kKeepReadOnly = "Don't overwrite &read-only destination files.";
inline constexpr std::string_view kKeepHidden = "Don't overwrite &hidden destination files.";
inline constexpr std::string_view kKeepSystem = "Don't overwrite &system destination files.";
inline constexpr std::string_view kVerifyCopies =
    "&Verify that files were copied properly (for reassurance).";
inline constexpr std::string_view kAvoidStopping =
    "&Avoid stopping when an error occurs (after initial validation).";
inline constexpr std::string_view kTestSize = "&size";
inline constexpr std::string_view kTestArchive = "&archive attribute";
inline constexpr std::string_view kIncludeNewFiles =
    "&Include new files (source files that are not in the corresponding destination folder).";
inline constexpr std::string_view kDeleteStrayFiles =
    "D&elete stray files (destination files that are not in the corresponding source folder).";
inline constexpr std::string_view kCopySecurity =
    "Copy file-security settings (when supported on the source and destination drives).";
}  // namespace captions

// A caption as the settings export prints it: without its access-key marks ("&&" is one "&").
std::string CaptionText(std::string_view caption);
