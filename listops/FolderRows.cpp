// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "listops/FolderRows.h"

#include <algorithm>

#include "core/FolderPaths.h"
#include "core/FormatItem.h"
#include "core/PathText.h"
#include "preview/ListData.h"
#include "preview/PreviewCounts.h"
#include "rules/StringOrder.h"

namespace {

template <typename T>
int CompareValues(const T& a, const T& b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

const char* ActionText(int32_t action) {
  return action == kActionCreate ? "create" : (action == kActionDelete ? "delete" : "copy");
}

}  // namespace

std::vector<SFolderRow> FolderRows(const CPreviewCounts& counts) {
  std::vector<SFolderRow> rows;
  rows.reserve(counts.Folders().size());
  for (const auto& [folder, entry] : counts.Folders()) {
    rows.push_back({folder, entry.items, entry.size, entry.action});
  }
  return rows;
}

std::string FolderRowText(const SFolderRow& row, int column, const CFormatItem& format) {
  switch (column) {
    case kFolderColItems:
      return format.FormatCount(row.items);
    case kFolderColSize:
      return format.FormatSize(row.size, true);
    case kFolderColAction:
      return ActionText(row.action);
    case kFolderColFolder:
      return row.folder;
    default:
      return {};
  }
}

int CFoldersListCtrlOrder::Compare(const SFolderRow& a, const SFolderRow& b) const {
  static const CStringANOrder order;
  int result = 0;
  switch (m_column) {
    case kFolderColItems:
      result = CompareValues(a.items, b.items);
      if (result == 0) {
        result = order.Compare3(a.folder, b.folder);
      }
      break;
    case kFolderColSize:
      result = CompareValues(a.size, b.size);
      break;
    case kFolderColAction:
      result = CompareValues(a.action, b.action);
      break;
    default:
      result = order.Compare3(a.folder, b.folder);
      break;
  }
  return m_descending ? -result : result;
}

void SortFolderRows(std::vector<SFolderRow>& rows, int column, bool descending) {
  const CFoldersListCtrlOrder order(column, descending);
  std::stable_sort(rows.begin(), rows.end(), [&order](const SFolderRow& a, const SFolderRow& b) {
    return order.Compare(a, b) < 0;
  });
}

std::vector<std::string> ExistingStrayFolders(const std::vector<std::string>& strays) {
  std::vector<std::string> folders;
  for (const std::string& stray : strays) {
    if (IsExistingFolder(stray)) {
      folders.push_back(DisplayFolder(stray));
    }
  }
  const CStringANOrder order;
  std::stable_sort(folders.begin(), folders.end(), order);
  return folders;
}

std::string StrayFoldersCaption(size_t count, const CFormatItem& format) {
  if (count == 1) {
    return "This folder does not appear in the source folder.";
  }
  return "These " + format.FormatCount64(count) + " folders do not appear in the source folder.";
}
