// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DateTime.h"

class CCommandFeedback;
class CFilesListCtrlData;
class CFormatItem;
class CPreviewList;
class CPrompter;

// Comparing listed source files with their destination copies: by contents (Compare
// Matches, the Compare Overview window) or with an external program (Compare Details).

// One selected row made ready for comparison.
struct SCompareRecord {
  std::string name;
  std::string sourcePath;
  std::string destinationPath;
  size_t row = 0;                            // the row's index when the record was made
  const CFilesListCtrlData* data = nullptr;  // the row itself, to find it again later
};
using CVectorCompStrs = std::vector<SCompareRecord>;

// The records of the rows, in list order. The destination path is the destination root plus
// the row's folder below the source root (plus nothing in gather mode, where every file
// lands in the root). The roots end in a backslash.
CVectorCompStrs MakeCompareRecords(const CPreviewList& list, const std::vector<size_t>& rows,
                                   const std::string& sourceRoot,
                                   const std::string& destinationRoot, int32_t copyMode);

// What Compare Matches found.
struct SMatchCounts {
  int32_t differs = 0;
  int32_t otherTime = 0;  // equal contents, different last-write times
  int32_t sameTime = 0;
  int32_t failed = 0;  // could not be compared
};

// Compares each record's two files and marks its row with the result (the rows' list flags).
SMatchCounts CompareRecords(CPreviewList& list, const CVectorCompStrs& records,
                            CCommandFeedback& feedback);
// The report: the heading and one line per kind that was found.
std::string MatchReport(const SMatchCounts& counts, const CFormatItem& format);

// Compare Matches from the menu: compares, reports and, when the user wants, gives the source
// files whose contents match the destination's times and removes their rows. True when rows
// were removed.
bool CompareMatchesCommand(CPreviewList& list, const CVectorCompStrs& records, CPrompter& prompter,
                           const CFormatItem& format, CCommandFeedback& feedback);

// Gives the source file the three times of the destination file. Empty on success, else the
// reason: "Could not read the date and time from the destination file." or "Could not set the
// date and time in the source file.".
std::string RestoreDateAndTime(const std::string& destinationPath, const std::string& sourcePath);

// "1,234 bytes, 07-Dec-2026, 01:05:09 PM", or "This file does not exist.".
std::string CompareInfoText(std::string_view path, const platform::CDateTime& today,
                            const CFormatItem& format);

// The parameters of an external comparison: the destination path, then the source path,
// each in quotes only when it holds a blank.
std::string ComparisonParameters(const std::string& destinationPath, const std::string& sourcePath);

// ---- Program paths ----

enum class EPathCheck { kAccepted, kRefused, kStop };

// Whether a path may be used as a program: an existing file (not a folder) shorter than 260
// characters. A common program extension (.exe, .com, .cmd, .bat) or a program this platform
// starts passes; any other file is asked about. `several`: one of several dropped paths, where
// Cancel stops the rest.
EPathCheck CheckProgramPath(const std::string& path, bool several, CPrompter& prompter);

// Where a recommended comparison program may be installed, first match wins.
std::vector<std::string> SuggestedComparePrograms();
// The first of them that exists; empty when none does.
std::string FindSuggestedCompareProgram();
// The web page of the recommended comparison program.
inline constexpr const char* kCompareProgramPage = "www.prestosoft.com/edp_examdiff.asp";

// A dropped file as a program path: a shortcut is replaced by its target (empty when it
// cannot be resolved; unchanged when it cannot be read as a shortcut).
std::string DroppedProgramPath(const std::string& path);

class CLaunchPool;
// Starts the comparison program on a record's two files (destination first); false when it
// could not start.
bool LaunchComparison(CLaunchPool& launches, const std::string& program,
                      const SCompareRecord& record);
