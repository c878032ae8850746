// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "preview/RowSink.h"

// The rows of a walk that runs while the copy goes on: the walk hands each row over as it
// lists it, and the copy takes them in the same order. Every row stays held until the feed
// goes, so that the copy may keep pointers to them.
class CRowFeed : public CRowSink {
 public:
  // `changed` is called, on the walk's thread, after each row and at the end.
  explicit CRowFeed(std::function<void()> changed);

  // The walk's side.
  void Take(std::shared_ptr<CFilesListCtrlData> row) override;
  void End();

  // The copy's side: the next row, or null when none is waiting; `ended` tells whether none
  // will come any more.
  const CFilesListCtrlData* Next(bool& ended);
  // Hands the rows out again from the `index`th on.
  void Rewind(size_t index);
  // Whether a row is waiting or the walk has ended, so that Next() has an answer.
  bool Ready() const;
  // Every row handed over; complete once the walk has ended.
  std::vector<const CFilesListCtrlData*> Rows() const;

 private:
  std::function<void()> m_changed;
  mutable std::mutex m_mutex;
  std::vector<std::shared_ptr<CFilesListCtrlData>> m_rows;
  size_t m_next = 0;
  bool m_ended = false;
};
