// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "queues/QueueData.h"

struct SDataFileContents;

// A queue name as the list keeps it: without blanks at either end and at most 22 bytes (never
// ending inside a character). Empty when nothing is left.
std::string QueueListName(std::string_view name);

// The queues, sorted by name with numbers compared by value; names are unique without
// regard to case and at most 22 bytes long.
class CQueueList {
 public:
  struct SEntry {
    std::string name;
    CQueueComboBoxData queue;
  };

  size_t Count() const { return m_entries.size(); }
  const SEntry& At(size_t index) const { return m_entries[index]; }
  SEntry& At(size_t index) { return m_entries[index]; }
  // The selected queue's position, or -1.
  int Selected() const { return m_selected; }
  void Select(int index);
  CQueueComboBoxData* SelectedQueue();

  // The position of a queue name (case ignored), or -1.
  int Find(std::string_view name) const;
  // Adds a queue in sorted position; nothing when the name (trimmed) is empty or in use.
  std::optional<size_t> Add(std::string_view name, std::vector<std::string> profiles);
  // Removes a queue; the first queue, if any, becomes the selected one.
  void Remove(size_t index);
  // Gives a queue a new name and names (the old entry goes, a new one is added); nothing
  // when the new name is in use, also by this queue in another case. The selected queue
  // stays selected.
  std::optional<size_t> Rename(size_t index, std::string_view name,
                               std::vector<std::string> profiles);

  // Keep the queues in step with the profile list.
  void RemoveProfile(const std::string& name);
  void RenameProfile(const std::string& oldName, const std::string& newName);

  // "3 profiles", "1 profile": the count beside the selected queue's profile sequence.
  std::string CountText() const;

  void ReadFrom(const SDataFileContents& contents);
  void WriteTo(SDataFileContents& contents) const;

 private:
  std::vector<SEntry> m_entries;
  int m_selected = -1;
};
