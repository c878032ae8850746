// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <optional>
#include <string>
#include <vector>

// One queue: the names of its profiles in the order they run (a name may appear more than
// once), and the cursor that hands them out during a Copy All run.
class CQueueComboBoxData {
 public:
  CQueueComboBoxData() = default;
  explicit CQueueComboBoxData(std::vector<std::string> names) : m_names(std::move(names)) {}

  const std::vector<std::string>& Names() const { return m_names; }
  void SetNames(std::vector<std::string> names);
  // Drops every entry of the name (exact case).
  void Remove(const std::string& name);
  void Rename(const std::string& oldName, const std::string& newName);
  // Puts the cursor on the first name.
  void Rewind();
  // The name at the cursor, moving the cursor on; nothing when the names are used up or the
  // queue was not rewound.
  std::optional<std::string> Next();

 private:
  std::vector<std::string> m_names;
  std::optional<size_t> m_cursor;
};
