// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "queues/QueueData.h"

#include <algorithm>

void CQueueComboBoxData::SetNames(std::vector<std::string> names) {
  m_names = std::move(names);
  m_cursor.reset();
}

void CQueueComboBoxData::Remove(const std::string& name) {
  if (m_cursor) {
    // Names already handed out that go must not make the cursor skip one still to come.
    const size_t done = std::min(*m_cursor, m_names.size());
    m_cursor = done - static_cast<size_t>(std::count(
                          m_names.begin(), m_names.begin() + static_cast<ptrdiff_t>(done), name));
  }
  std::erase(m_names, name);
}

void CQueueComboBoxData::Rename(const std::string& oldName, const std::string& newName) {
  std::replace(m_names.begin(), m_names.end(), oldName, newName);
}

void CQueueComboBoxData::Rewind() {
  m_cursor = 0;
}

std::optional<std::string> CQueueComboBoxData::Next() {
  if (!m_cursor || *m_cursor >= m_names.size()) {
    return std::nullopt;
  }
  return m_names[(*m_cursor)++];
}
