// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "queues/QueueSetup.h"

#include <algorithm>

#include "platform/TextUtil.h"
#include "queues/QueueList.h"
#include "rules/StringOrder.h"

namespace {

bool Contains(const std::vector<std::string>& names, const std::string& name) {
  return std::any_of(names.begin(), names.end(),
                     [&](const std::string& entry) { return platform::EqualsNoCase(entry, name); });
}

// The rows that exist in a list of `count` entries, ascending and each once.
RowSet ValidRows(RowSet rows, size_t count) {
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  rows.erase(std::lower_bound(rows.begin(), rows.end(), count), rows.end());
  return rows;
}

std::vector<bool> Marks(const RowSet& rows, size_t count) {
  std::vector<bool> marked(count, false);
  for (size_t row : ValidRows(rows, count)) {
    marked[row] = true;
  }
  return marked;
}

RowSet MarkedRows(const std::vector<bool>& marked) {
  RowSet rows;
  for (size_t i = 0; i < marked.size(); ++i) {
    if (marked[i]) {
      rows.push_back(i);
    }
  }
  return rows;
}

}  // namespace

SQueueMoveButtons QueueMoveButtons(const RowSet& availableRows, const RowSet& selectedRows,
                                   size_t selectedCount) {
  SQueueMoveButtons buttons;
  buttons.right = !availableRows.empty();
  const RowSet rows = ValidRows(selectedRows, selectedCount);
  if (!rows.empty()) {
    buttons.left = true;
    buttons.up = rows.front() != 0;
    buttons.down = rows.back() + 1 != selectedCount;
  }
  return buttons;
}

CQueueSetup::CQueueSetup(std::vector<std::string> profiles, std::optional<std::string> queueName,
                         std::vector<std::string> names)
    : m_profiles(std::move(profiles)),
      m_openedName(queueName ? std::move(*queueName) : std::string(kNewQueueName)),
      m_new(!queueName),
      m_selected(std::move(names)) {
  for (const std::string& profile : m_profiles) {
    if (!Contains(m_selected, profile)) {
      AddAvailable(profile);
    }
  }
}

void CQueueSetup::AddAvailable(std::string name) {
  // A name goes back only once, however often the queue held it.
  if (Contains(m_available, name)) {
    return;
  }
  const CStringSANOrder order;
  const auto place = std::upper_bound(m_available.begin(), m_available.end(), name, order);
  m_available.insert(place, std::move(name));
}

void CQueueSetup::New() {
  m_openedName = kNewQueueName;
  m_new = true;
  m_selected.clear();
  m_available.clear();
  for (const std::string& profile : m_profiles) {
    AddAvailable(profile);
  }
}

void CQueueSetup::MoveRight(const RowSet& availableRows) {
  const RowSet rows = ValidRows(availableRows, m_available.size());
  for (size_t row : rows) {
    m_selected.push_back(m_available[row]);
  }
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
    m_available.erase(m_available.begin() + static_cast<ptrdiff_t>(*it));
  }
}

void CQueueSetup::MoveLeft(const RowSet& selectedRows) {
  const RowSet rows = ValidRows(selectedRows, m_selected.size());
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
    std::string name = std::move(m_selected[*it]);
    m_selected.erase(m_selected.begin() + static_cast<ptrdiff_t>(*it));
    AddAvailable(std::move(name));
  }
}

RowSet CQueueSetup::MoveUp(const RowSet& selectedRows) {
  std::vector<bool> marked = Marks(selectedRows, m_selected.size());
  // Each selected entry passes the one above it unless that one is selected too: a block at
  // the top stays where it is, in its order.
  for (size_t i = 1; i < m_selected.size(); ++i) {
    if (marked[i] && !marked[i - 1]) {
      std::swap(m_selected[i - 1], m_selected[i]);
      marked[i - 1] = true;
      marked[i] = false;
    }
  }
  return MarkedRows(marked);
}

RowSet CQueueSetup::MoveDown(const RowSet& selectedRows) {
  std::vector<bool> marked = Marks(selectedRows, m_selected.size());
  for (size_t i = m_selected.size(); i-- > 1;) {
    const size_t row = i - 1;
    if (marked[row] && !marked[row + 1]) {
      std::swap(m_selected[row], m_selected[row + 1]);
      marked[row + 1] = true;
      marked[row] = false;
    }
  }
  return MarkedRows(marked);
}

bool CQueueSetup::Renames(std::string_view typed) const {
  return m_new || QueueListName(typed) != m_openedName;
}

std::optional<std::string> CQueueSetup::Check(std::string_view typed,
                                              const CQueueList& queues) const {
  const std::string name = QueueListName(typed);
  if (name.empty() || name == kNewQueueName) {
    return std::string("Please enter a name for this queue.");
  }
  // A queue renamed to its own name in another case finds itself: the name is in use.
  if (Renames(name) && queues.Find(name) >= 0) {
    return std::string("This queue name is in use.  Please choose another one.");
  }
  if (m_selected.empty()) {
    return std::string("Please add items to the Selected Profiles list.");
  }
  return std::nullopt;
}
