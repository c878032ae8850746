// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "listops/MoveRows.h"

#include <algorithm>

#include "core/CompareFiles.h"
#include "core/FormatItem.h"
#include "core/PathText.h"
#include "listops/CommandFeedback.h"
#include "platform/TextUtil.h"
#include "rules/StringOrder.h"

std::vector<EMoveColumn> MoveColumns(bool includeRenames) {
  if (includeRenames) {
    return {EMoveColumn::kOldName, EMoveColumn::kNewName, EMoveColumn::kSize,
            EMoveColumn::kOldFolder, EMoveColumn::kNewFolder};
  }
  return {EMoveColumn::kOldName, EMoveColumn::kSize, EMoveColumn::kOldFolder,
          EMoveColumn::kNewFolder};
}

std::string MoveColumnHeader(EMoveColumn column, bool includeRenames) {
  switch (column) {
    case EMoveColumn::kOldName:
      return includeRenames ? "Old Name" : "Name";
    case EMoveColumn::kNewName:
      return "New Name";
    case EMoveColumn::kSize:
      return "Size";
    case EMoveColumn::kOldFolder:
      return "Old Folder";
    case EMoveColumn::kNewFolder:
      return "New Folder";
  }
  return {};
}

std::string MoveColumnText(const CDetectListCtrlData& move, EMoveColumn column,
                           const CFormatItem& format) {
  switch (column) {
    case EMoveColumn::kOldName:
      return move.oldName;
    case EMoveColumn::kNewName:
      return move.newName == move.oldName ? "(same)" : move.newName;
    case EMoveColumn::kSize:
      return format.FormatCount64(move.size);
    case EMoveColumn::kOldFolder:
      return move.oldFolder;
    case EMoveColumn::kNewFolder:
      return platform::EqualsNoCase(move.newFolder, move.oldFolder) ? "(same)" : move.newFolder;
  }
  return {};
}

void SortMoves(std::vector<CDetectListCtrlData>& moves, EMoveColumn column, bool descending) {
  const CStringANOrder order;
  const CFormatItem plain;
  std::stable_sort(
      moves.begin(), moves.end(), [&](const CDetectListCtrlData& a, const CDetectListCtrlData& b) {
        int result = 0;
        if (column == EMoveColumn::kSize) {
          result = a.size < b.size ? -1 : (b.size < a.size ? 1 : 0);
        } else {
          result =
              order.Compare3(MoveColumnText(a, column, plain), MoveColumnText(b, column, plain));
        }
        return descending ? result > 0 : result < 0;
      });
}

int32_t CountMatchingMoves(const std::vector<CDetectListCtrlData>& moves,
                           const std::vector<size_t>& rows, CCommandFeedback& feedback) {
  CBusyScope busy(feedback);
  int32_t matched = 0;
  for (const size_t row : rows) {
    if (row >= moves.size()) {
      continue;
    }
    const CDetectListCtrlData& move = moves[row];
    if (CompareFileContents(WithBackslash(move.sourceFolder) + move.newName,
                            WithBackslash(move.oldFolder) + move.oldName)
            .empty()) {
      ++matched;
    }
    feedback.BetweenItems();
  }
  return matched;
}

std::string MatchingMovesText(int32_t matched, int32_t selected, const CFormatItem& format) {
  return format.FormatCount(matched) + " of " + format.FormatCount(selected) + " file" +
         (selected == 1 ? "" : "s") + " match" + (selected == 1 ? "es" : "") + ".";
}

std::string MovedFilesText(int32_t moved, int32_t rows, const CFormatItem& format) {
  return format.FormatCount(moved) + " of " + format.FormatCount(rows) + " file" +
         (rows == 1 ? "" : "s") + " moved.";
}
