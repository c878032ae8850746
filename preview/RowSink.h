// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <memory>

class CFilesListCtrlData;

// Takes the rows of a walk as it lists them, in list order, on the walk's thread: a copy
// that runs while its list is still being gathered. The rows are also posted to the window
// as usual; neither side changes them.
class CRowSink {
 public:
  virtual ~CRowSink() = default;
  virtual void Take(std::shared_ptr<CFilesListCtrlData> row) = 0;
};
