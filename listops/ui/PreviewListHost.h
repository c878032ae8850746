// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/FormatItem.h"

class CPreviewCounts;

// What the preview-list window and its commands ask of the main window. Called on the window
// thread.
class CPreviewListHost {
 public:
  virtual ~CPreviewListHost() = default;
  // The source and destination folders of the last preview, each ending in a backslash;
  // false when no preview has given them.
  virtual bool RootFolders(std::string& source, std::string& destination) const = 0;
  // The current profile's copy mode.
  virtual int32_t CopyMode() const = 0;
  // The list's rows changed through one of its commands: the counts line follows at once.
  virtual void ListChanged() = 0;
  // Enters paths on the current profile's Paths page as checked exclusions.
  virtual void RememberExcludedPaths(const std::vector<std::string>& paths) = 0;
  // The stray destination folders that the last preview found.
  virtual std::vector<std::string> StrayFolders() const = 0;
  // Places the preview-list window under the main window.
  virtual void SnapToMainWindow() = 0;
  // The counts of the list's rows, with one entry per folder.
  virtual const CPreviewCounts& Counts() const = 0;
  // Numbers as the options format them.
  virtual CFormatItem Format() const = 0;
};
