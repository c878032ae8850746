// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "copy/RowFeed.h"

#include <algorithm>
#include <utility>

CRowFeed::CRowFeed(std::function<void()> changed) : m_changed(std::move(changed)) {}

void CRowFeed::Take(std::shared_ptr<CFilesListCtrlData> row) {
  {
    std::lock_guard lock(m_mutex);
    m_rows.push_back(std::move(row));
  }
  m_changed();
}

void CRowFeed::End() {
  {
    std::lock_guard lock(m_mutex);
    m_ended = true;
  }
  m_changed();
}

const CFilesListCtrlData* CRowFeed::Next(bool& ended) {
  std::lock_guard lock(m_mutex);
  if (m_next < m_rows.size()) {
    ended = false;
    return m_rows[m_next++].get();
  }
  ended = m_ended;
  return nullptr;
}

void CRowFeed::Rewind(size_t index) {
  std::lock_guard lock(m_mutex);
  m_next = std::min(index, m_next);
}

bool CRowFeed::Ready() const {
  std::lock_guard lock(m_mutex);
  return m_next < m_rows.size() || m_ended;
}

std::vector<const CFilesListCtrlData*> CRowFeed::Rows() const {
  std::lock_guard lock(m_mutex);
  std::vector<const CFilesListCtrlData*> rows;
  rows.reserve(m_rows.size());
  for (const auto& row : m_rows) {
    rows.push_back(row.get());
  }
  return rows;
}
