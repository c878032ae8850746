// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <optional>
#include <string>
#include <vector>

// The profiles visited since the program started, with a position that the history buttons
// move, like a browser's history. Names compare with their exact case.
class CVisitList {
 public:
  void Clear();
  // Drops everything after the position and appends the name unless the position already
  // holds it.
  void Visit(const std::string& name);
  std::optional<std::string> First();
  std::optional<std::string> Last();
  std::optional<std::string> Previous();
  std::optional<std::string> Next();
  bool AtFirst() const;
  bool AtLast() const;
  void Rename(const std::string& oldName, const std::string& newName);
  // Drops every entry of the name, and merges neighbours that thereby become equal; the
  // position goes to the first entry.
  void Remove(const std::string& name);

  bool Empty() const { return m_names.empty(); }
  const std::vector<std::string>& Names() const { return m_names; }
  // The position, or -1 when the list is empty.
  int Position() const { return m_position; }
  // Puts the position back where it was (a value from Position()).
  void SetPosition(int position);

 private:
  std::vector<std::string> m_names;
  int m_position = -1;
};
