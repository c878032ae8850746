// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CFormatItem;
class CPreviewCounts;

// The rows of the Folder List window: one per folder that holds preview rows.
struct SFolderRow {
  std::string folder;
  int32_t items = 0;
  uint64_t size = 0;
  int32_t action = 0;  // of the row that made the entry
};

// The Folder List's columns; the first is an empty one of no width.
enum EFolderColumn {
  kFolderColBlank,
  kFolderColItems,
  kFolderColSize,
  kFolderColAction,
  kFolderColFolder
};
constexpr int kFolderColumnCount = 5;

std::vector<SFolderRow> FolderRows(const CPreviewCounts& counts);
std::string FolderRowText(const SFolderRow& row, int column, const CFormatItem& format);

// The Folder List's order: Items by value (equal counts by folder), Size by value, Action by
// code, Folder alphanumerically (numbers by value, letters without regard to case).
class CFoldersListCtrlOrder {
 public:
  CFoldersListCtrlOrder(int column, bool descending) : m_column(column), m_descending(descending) {}
  int Compare(const SFolderRow& a, const SFolderRow& b) const;

 private:
  int m_column;
  bool m_descending;
};
void SortFolderRows(std::vector<SFolderRow>& rows, int column, bool descending);

// The stray destination folders still there as folders, in alphanumeric order.
std::vector<std::string> ExistingStrayFolders(const std::vector<std::string>& strays);
// "This folder does not appear in the source folder." or "These 12 folders do not ...".
std::string StrayFoldersCaption(size_t count, const CFormatItem& format);
