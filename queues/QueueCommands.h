// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "queues/QueueSetup.h"

class CPrompter;
class CProfileList;
class CQueueComboBoxData;
class CQueueList;

inline constexpr const char* kDefineQueueText =
    "Please define a queue before pressing this button.";

// The Queues page's commands without widgets: choosing a queue, previewing its profiles one
// after another, copying them all, deleting a queue and taking the Queue Setup window's
// entries. The page shows what this holds and forwards its buttons here.
class CQueueCommands {
 public:
  // What the page asks of the main window.
  struct SActions {
    std::function<void()> preview;                       // presses its Preview button
    std::function<void(CQueueComboBoxData&)> copyQueue;  // copies every profile of a queue
  };

  CQueueCommands(CQueueList& queues, CProfileList& profiles, CPrompter& prompter, SActions actions);

  // The Profile Sequence list: the selected queue's names, the row selected in it (-1 for
  // none) and the count beside it.
  std::vector<std::string> Sequence() const;
  int SequenceRow() const { return m_sequenceRow; }
  void SetSequenceRow(int row);
  std::string CountText() const;
  // "Preview &Next" can be pressed: a row is selected and it is not the last.
  bool CanPreviewNext() const;

  // Choosing a queue in the "&Queue:" list.
  void ChooseQueue(int index);
  void PreviewFirst();
  void PreviewNext();
  void CopyAll();
  void Delete();

  // The Queue Setup window's working state for the selected queue (a new one when none is).
  CQueueSetup OpenSetup() const;
  // OK in the Queue Setup window, whose entries have passed its check.
  void ApplySetup(const CQueueSetup& setup, std::string_view typedName);

  // The queues changed elsewhere (a profile renamed or deleted, the data file read): the
  // selected row stays only while the list shows the same queue with the same names.
  void QueuesChanged();

 private:
  void PreviewEntry(size_t row);
  std::string SelectedName() const;

  CQueueList& m_queues;
  CProfileList& m_profiles;
  CPrompter& m_prompter;
  SActions m_actions;
  int m_sequenceRow = -1;
  // The queue and names the row was selected in.
  std::string m_rowQueue;
  std::vector<std::string> m_rowNames;
};
