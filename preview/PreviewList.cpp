// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "preview/PreviewList.h"

#include <algorithm>
#include <new>
#include <numeric>

void CPreviewList::AddListener(CPreviewListListener* listener) {
  if (listener != nullptr &&
      std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end()) {
    m_listeners.push_back(listener);
  }
}

void CPreviewList::RemoveListener(CPreviewListListener* listener) {
  m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), listener),
                    m_listeners.end());
}

bool CPreviewList::Add(std::shared_ptr<CFilesListCtrlData> row) {
  return Append({std::move(row)}) == 1;
}

size_t CPreviewList::MakeRoom(size_t wanted) {
  // Room first, so that listeners hear of exactly the rows that were taken. The list grows
  // by doubling, as push_back would; when memory is short, it takes what it can.
  const size_t size = m_rows.size();
  if (size + wanted <= m_rows.capacity()) {
    return wanted;
  }
  for (size_t count = wanted; count > 0; count /= 2) {
    for (const size_t capacity : {std::max(size + count, 2 * m_rows.capacity()), size + count}) {
      try {
        m_rows.reserve(capacity);
        return count;
      } catch (const std::bad_alloc&) {
      } catch (const std::length_error&) {
      }
    }
  }
  return 0;
}

size_t CPreviewList::Append(const std::vector<std::shared_ptr<CFilesListCtrlData>>& rows) {
  const size_t count = MakeRoom(rows.size());
  if (count == 0) {
    return 0;
  }
  const size_t first = m_rows.size();
  Tell(
      [&](CPreviewListListener& listener) { listener.RowsAboutToBeAppended(*this, first, count); });
  m_rows.insert(m_rows.end(), rows.begin(), rows.begin() + static_cast<ptrdiff_t>(count));
  Tell([&](CPreviewListListener& listener) { listener.RowsAppended(*this, first, count); });
  return count;
}

void CPreviewList::RemoveRows(std::vector<size_t> rows) {
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  rows.erase(std::lower_bound(rows.begin(), rows.end(), m_rows.size()), rows.end());
  if (rows.empty()) {
    return;
  }
  Tell([&](CPreviewListListener& listener) { listener.RowsAboutToBeRemoved(*this, rows); });
  // One pass: every kept row moves down over the removed ones before it.
  size_t kept = rows.front();
  auto next = rows.begin();
  for (size_t i = rows.front(); i < m_rows.size(); ++i) {
    if (next != rows.end() && *next == i) {
      ++next;
      continue;
    }
    m_rows[kept++] = std::move(m_rows[i]);
  }
  m_rows.resize(kept);
  if (m_rows.empty()) {
    m_sortColumn = -1;
    m_descending = false;
  }
  Tell([&](CPreviewListListener& listener) { listener.RowsRemoved(*this, rows); });
}

void CPreviewList::RowsChanged(size_t first, size_t last) {
  if (first > last || last >= m_rows.size()) {
    return;
  }
  Tell([&](CPreviewListListener& listener) { listener.RowsChanged(*this, first, last); });
}

void CPreviewList::Clear() {
  Tell([&](CPreviewListListener& listener) { listener.AboutToClear(*this); });
  m_rows.clear();
  m_sortColumn = -1;
  m_descending = false;
  Tell([&](CPreviewListListener& listener) { listener.Cleared(*this); });
}

void CPreviewList::SortByColumn(int column) {
  Sort(column, column == m_sortColumn ? !m_descending : false);
}

void CPreviewList::Sort(int column, bool descending) {
  Tell([&](CPreviewListListener& listener) { listener.OrderAboutToChange(*this); });
  CFilesListCtrlOrder order;
  order.SetSort(column, descending);
  // Sorting positions rather than rows tells where each row went.
  std::vector<size_t> oldIndexOfNew(m_rows.size());
  std::iota(oldIndexOfNew.begin(), oldIndexOfNew.end(), size_t{0});
  std::stable_sort(oldIndexOfNew.begin(), oldIndexOfNew.end(), [&](size_t a, size_t b) {
    return order.CompareRows(*m_rows[a], *m_rows[b]) < 0;
  });
  std::vector<std::shared_ptr<CFilesListCtrlData>> sorted;
  sorted.reserve(m_rows.size());
  std::vector<size_t> newIndexOfOld(m_rows.size());
  for (size_t position = 0; position < oldIndexOfNew.size(); ++position) {
    sorted.push_back(std::move(m_rows[oldIndexOfNew[position]]));
    newIndexOfOld[oldIndexOfNew[position]] = position;
  }
  m_rows = std::move(sorted);
  m_sortColumn = column;
  m_descending = descending;
  Tell([&](CPreviewListListener& listener) { listener.OrderChanged(*this, newIndexOfOld); });
}

long CPreviewList::IndexOf(const CFilesListCtrlData* row) const {
  for (size_t i = 0; i < m_rows.size(); ++i) {
    if (m_rows[i].get() == row) {
      return static_cast<long>(i);
    }
  }
  return -1;
}
