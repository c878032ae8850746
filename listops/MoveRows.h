// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "preview/MoveDetect.h"

class CCommandFeedback;
class CFormatItem;

// The rows of the Detected Possible File Moves window. With renames included the columns are
// Old Name, New Name, Size, Old Folder, New Folder; without, Name, Size, Old Folder, New
// Folder.
enum class EMoveColumn { kOldName, kNewName, kSize, kOldFolder, kNewFolder };

std::vector<EMoveColumn> MoveColumns(bool includeRenames);
std::string MoveColumnHeader(EMoveColumn column, bool includeRenames);
// "(same)" stands for a new name equal to the old (letter case counts) and for a new folder
// equal to the old (letter case ignored).
std::string MoveColumnText(const CDetectListCtrlData& move, EMoveColumn column,
                           const CFormatItem& format);
// Sorts by a column: texts alphanumerically (numbers by value), sizes by value.
void SortMoves(std::vector<CDetectListCtrlData>& moves, EMoveColumn column, bool descending);

// Compares each move's source file with its old destination copy; how many match.
int32_t CountMatchingMoves(const std::vector<CDetectListCtrlData>& moves,
                           const std::vector<size_t>& rows, CCommandFeedback& feedback);
// "3 of 4 files match.", "1 of 1 file matches."
std::string MatchingMovesText(int32_t matched, int32_t selected, const CFormatItem& format);
// "3 of 4 files moved."
std::string MovedFilesText(int32_t moved, int32_t rows, const CFormatItem& format);
