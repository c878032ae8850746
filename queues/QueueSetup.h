// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CQueueList;

// The text the Queue Setup window's name field holds for a queue that has no name yet.
inline constexpr const char* kNewQueueName = "<new queue name>";

// Rows of a list, ascending.
using RowSet = std::vector<size_t>;

// Which of the Queue Setup window's move buttons can be pressed.
struct SQueueMoveButtons {
  bool right = false;
  bool left = false;
  bool up = false;
  bool down = false;
  bool operator==(const SQueueMoveButtons& other) const = default;
};
// From the rows selected in the two lists and the length of the Selected Profiles list.
SQueueMoveButtons QueueMoveButtons(const RowSet& availableRows, const RowSet& selectedRows,
                                   size_t selectedCount);

// The Queue Setup window without its widgets: the queue's name as opened, the profiles that
// may still be added (sorted as the profile list sorts) and the queue's names in order.
class CQueueSetup {
 public:
  // For an existing queue, or for a new one when `queueName` is nothing.
  CQueueSetup(std::vector<std::string> profiles, std::optional<std::string> queueName,
              std::vector<std::string> names);

  // The name the window shows at first ("<new queue name>" for a new queue).
  const std::string& OpenedName() const { return m_openedName; }
  bool IsNew() const { return m_new; }
  const std::vector<std::string>& Available() const { return m_available; }
  const std::vector<std::string>& Selected() const { return m_selected; }

  // N&ew: a new queue with no names.
  void New();
  // Move Right: the rows of Available go, in list order, to the end of Selected.
  void MoveRight(const RowSet& availableRows);
  // Move Left: the rows of Selected go back into Available, each in its sorted place.
  void MoveLeft(const RowSet& selectedRows);
  // Move Up / Move Down: each selected entry passes its neighbour; a block moves together.
  // They return where the selected entries are afterwards.
  RowSet MoveUp(const RowSet& selectedRows);
  RowSet MoveDown(const RowSet& selectedRows);

  // Whether OK with this name renames the queue: any name differs from a new queue's.
  bool Renames(std::string_view typed) const;
  // The reason OK refuses the window's entries, or nothing when they can be taken.
  std::optional<std::string> Check(std::string_view typed, const CQueueList& queues) const;

 private:
  void AddAvailable(std::string name);

  std::vector<std::string> m_profiles;
  std::string m_openedName;
  bool m_new = false;
  std::vector<std::string> m_available;
  std::vector<std::string> m_selected;
};
