// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <vector>

#include "copy/CopyProgress.h"
#include "core/Message.h"
#include "core/MessageBatcher.h"

class CFilesListCtrlData;

// The copy's reports to the window about its items, in list order: posted as they happen,
// or, while the list is still being walked, held in a compact form and posted in one go once
// the walk's own messages are all out, so that the window sees the gathering and then the
// copy, as when the list was gathered first. The time estimate follows the reports as they
// are posted. Used on the copy job's own thread only.
class CCopyReporter {
 public:
  void SetTarget(CMessageTarget* target);

  // From now on the item reports are held.
  void Hold();
  bool Holding() const { return m_holding; }
  // Posts what is held, in order, and posts as things happen from now on.
  void Release();
  // Whether any item report was made since the run began.
  bool Reported() const { return m_reported; }

  // A message that is not about an item (the setup, the status line, the end).
  void Post(CMessage message);
  // Hands on what the batcher holds: the window shows where the copy stands.
  void Deliver();
  CEstCopyTime& Estimate() { return m_estimate; }

  // The messages about an item.
  void ItemStarted();
  void CurrentItem(const CFilesListCtrlData& row, bool sizeShown);
  void BytesWritten(uint64_t bytes);
  void FileFailed();
  // `units` of work done, for the estimate.
  void ItemDone(uint64_t units);

 private:
  struct SHeld {
    const CFilesListCtrlData* row;  // for the current-item snapshot
    uint64_t value;
    EMessageOffset offset;
    bool sizeShown;
  };
  void Emit(const SHeld& report);
  void Report(const SHeld& report);

  CMessageBatcher m_outbox;
  CEstCopyTime m_estimate;
  std::vector<SHeld> m_held;
  bool m_holding = false;
  bool m_reported = false;
};
