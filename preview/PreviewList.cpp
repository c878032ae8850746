// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "preview/PreviewList.h"

#include <algorithm>
#include <new>

#include "preview/PreviewCounts.h"

bool CPreviewList::Add(std::shared_ptr<CFilesListCtrlData> row) {
  try {
    m_rows.push_back(std::move(row));
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

void CPreviewList::Remove(size_t index, CPreviewCounts& counts) {
  if (index >= m_rows.size()) {
    return;
  }
  counts.Remove(*m_rows[index]);
  m_rows.erase(m_rows.begin() + static_cast<ptrdiff_t>(index));
  if (m_rows.empty()) {
    m_sortColumn = -1;
    m_descending = false;
  }
}

void CPreviewList::Clear() {
  m_rows.clear();
  m_sortColumn = -1;
  m_descending = false;
}

void CPreviewList::SortByColumn(int column) {
  Sort(column, column == m_sortColumn ? !m_descending : false);
}

void CPreviewList::Sort(int column, bool descending) {
  CFilesListCtrlOrder order;
  order.SetSort(column, descending);
  std::stable_sort(
      m_rows.begin(), m_rows.end(),
      [&](const std::shared_ptr<CFilesListCtrlData>& a,
          const std::shared_ptr<CFilesListCtrlData>& b) { return order.CompareRows(*a, *b) < 0; });
  m_sortColumn = column;
  m_descending = descending;
}

long CPreviewList::IndexOf(const CFilesListCtrlData* row) const {
  for (size_t i = 0; i < m_rows.size(); ++i) {
    if (m_rows[i].get() == row) {
      return static_cast<long>(i);
    }
  }
  return -1;
}
