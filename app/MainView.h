// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <string>

#include "copy/CopyMsgs.h"
#include "preview/PreviewStatistics.h"

struct CMessage;
class CMoveDetect;
class CPreviewCounts;
class CPreviewList;

// The main window's states: what its buttons allow.
enum class EMainState {
  kIdle,        // Preview, Copy, Options and Close available
  kPreviewing,  // Preview reads "&Stop"; the rest is unavailable
  kCopying,     // everything unavailable; the progress window has Cancel
};

// The results of a copy or a queue copy, for the Copy Statistics and Messages window.
struct SCopyResults {
  SMessageNode tree;
  std::string files;
  std::string folders;
  std::string elapsed;
  // A folder-tree copy of one profile: the files figure counts for nothing (it is greyed and
  // left out of the export).
  bool foldersOnly = false;
  std::string exportText;  // the report as its export writes it
  bool hasMessages = false;
};

// What the main window's commands ask of the window. Called on the window thread only; the
// calls that show a window return when it has been closed.
class CMainView {
 public:
  virtual ~CMainView() = default;

  virtual void SetTitle(const std::string& title) = 0;
  virtual void SetStatusText(const std::string& text) = 0;
  virtual void SetCountsText(const std::string& text) = 0;
  // `strayFolders`: the last preview found stray destination folders to show.
  virtual void SetState(EMainState state, bool strayFolders) = 0;
  virtual void EnableSettings(bool enable) = 0;
  // The folder texts as validation corrected them go back into the Folders page.
  virtual void SetFolderTexts(const std::string& source, const std::string& destination) = 0;
  // The Attributes page's first box: copy only archive-marked files.
  virtual void CheckArchiveOnly() = 0;
  // The preview list changed as a whole (a preview ended, rows went): columns may be fitted.
  virtual void PreviewListChanged() = 0;

  virtual void ShowPreviewStatistics(const SPreviewStatistics& statistics) = 0;
  // Shows the moves found after a preview and carries out those the user keeps. True when
  // the list changed.
  virtual bool ShowDetectedMoves(CMoveDetect& detect) = 0;

  virtual void OpenCopyProgress(const std::string& statusText) = 0;
  // A message for the progress window (setup, items, bytes, times, folders walked); the
  // setup takes its totals from the counts of the list being copied.
  virtual void CopyProgress(const CMessage& message, const CPreviewCounts& counts) = 0;
  // The copy ended: "Status: Done" or "Status: Canceled"; full bars when nothing was done.
  virtual void EndCopyProgress(bool stopped, bool nothingDone) = 0;
  virtual void CloseCopyProgress() = 0;
  virtual void ShowCopyResults(const SCopyResults& results) = 0;

  // A close that waited for a run to end can go ahead now.
  virtual void CloseNow() = 0;
};
