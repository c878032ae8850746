// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <functional>
#include <string>

class CDriveStatusWindow;
class CFilter;
class CFormatItem;
class CPrompter;
class CSettingsState;
struct SProgramOptions;

// The Set Attributes tool: the archive, read-only and hidden marks of every source file that
// the profile selects are added to (Add In) or replaced (Replace), so that, for example, a
// backup too large for one disk can be copied onto several with "archive only" set.

// The attributes a file gets. Add In adds the chosen ones (a file marked "normal" has no
// others, so it takes exactly the chosen ones); Replace keeps every mark but read-only,
// hidden and archive, adds the chosen ones and gives "normal" when nothing is left.
uint32_t NewAttributes(uint32_t old, uint32_t chosen, bool addIn);

struct SAttributeCounts {
  int32_t changed = 0;
  int32_t unchanged = 0;
  bool aborted = false;
};

// Walks the source tree from `sourceRoot` (ending in a backslash) under the compiled rules
// and sets the new attributes of every file they select. Links to folders below the root are
// not entered. A file counts as changed only when its marks really are different afterwards
// (on this platform a dot-name stays hidden, and a disk without stored flags keeps H, S and
// A as they are). `aborted` is asked between folders, and every few hundred files within a
// large one; true ends the walk. Throws std::bad_alloc when the walk runs out of memory.
SAttributeCounts SetAttributesInTree(const std::string& sourceRoot, CFilter& filter,
                                     uint32_t chosen, bool addIn,
                                     const std::function<bool()>& aborted);

// "Files Changed:\t1\nFiles Unchanged:\t2\nTotal Files:\t3", after "Attribute setting
// canceled.\n\n" when the walk was stopped.
std::string SetAttributesResultText(const SAttributeCounts& counts, const CFormatItem& format);

// What a run of the tool needs from the main window.
struct SSetAttributesRun {
  CPrompter& prompter;
  const SProgramOptions& options;
  CDriveStatusWindow* driveStatus = nullptr;
  // Dispatches the window's pending messages and says whether the user asked to stop.
  std::function<bool()> aborted;
  // True as the run starts (the settings pages disabled, a background cursor), false at its
  // end.
  std::function<void(bool)> busy;
};

// The whole command: with Add In and nothing chosen nothing happens; otherwise the folders
// are checked as for a preview (they need not differ), the tree is walked and the counts are
// shown. `settings` are the pages' values; their folder texts come back as the checks
// corrected them. Runs on the window thread.
void RunSetAttributes(CSettingsState& settings, uint32_t chosen, bool addIn,
                      const SSetAttributesRun& run);
