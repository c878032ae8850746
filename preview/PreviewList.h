// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <memory>
#include <vector>

#include "platform/DateTime.h"
#include "preview/ListData.h"

class CPreviewCounts;

// The rows of the preview list, as data: the window shows them through a model, the copy
// job reads them in order, the export writes them. Rows keep the order the preview added
// them in until the list is sorted by a column.
class CPreviewList {
 public:
  size_t Count() const { return m_rows.size(); }
  bool Empty() const { return m_rows.empty(); }
  CFilesListCtrlData& Row(size_t index) { return *m_rows[index]; }
  const CFilesListCtrlData& Row(size_t index) const { return *m_rows[index]; }

  // Takes a row; false when it cannot be held (the list is then incomplete).
  bool Add(std::shared_ptr<CFilesListCtrlData> row);
  // Removes a row, taking it out of the counts too. An emptied list forgets its sort.
  void Remove(size_t index, CPreviewCounts& counts);
  void Clear();

  // Sorts by a column: the same column again reverses the direction.
  void SortByColumn(int column);
  void Sort(int column, bool descending);
  int SortColumn() const { return m_sortColumn; }
  bool Descending() const { return m_descending; }

  // The date that the date column calls "Today" (the start of the last Preview or Copy).
  void SetToday(const platform::CDateTime& today) { m_today = today.DateOnly(); }
  const platform::CDateTime& Today() const { return m_today; }
  std::string Text(size_t row, int column) const { return m_rows[row]->Text(column, m_today); }

  // The position of a row, or -1.
  long IndexOf(const CFilesListCtrlData* row) const;

 private:
  std::vector<std::shared_ptr<CFilesListCtrlData>> m_rows;
  int m_sortColumn = -1;
  bool m_descending = false;
  platform::CDateTime m_today = platform::CDateTime::Now().DateOnly();
};
