// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <string>

#include "app/MainView.h"
#include "core/DeferredAction.h"
#include "core/ElapsedTime.h"
#include "core/Reporter.h"
#include "preview/PreviewCounts.h"
#include "preview/PreviewList.h"
#include "run/CopyRun.h"
#include "run/PreviewRun.h"

class CCopyErrorWindow;
class CDriveStatusWindow;
class CFormatItem;
class CMessageTarget;
class CProfileList;
class CPrompter;
class CQueueComboBoxData;
class CSettingsPages;
struct CMessage;
struct SProgramOptions;

// The main window's commands and its answers to the jobs, without widgets: Preview (and
// Stop), Copy with or without a preview, a queue copy, closing, and the reset that follows a
// change of profile. The window forwards its buttons and the jobs' messages here and shows
// what it is told through CMainView. Everything runs on the window thread, which never waits
// for a job: stopping is a request, and a close during a run is carried out at its end.
class CMainCommands {
 public:
  CMainCommands(CMainView& view, CPrompter& prompter, CCopyErrorWindow& errorWindow,
                const SProgramOptions& options, CSettingsPages& pages, CProfileList& profiles,
                CMessageTarget& target);
  ~CMainCommands();

  // The window that lets the user wait for a drive (none: a drive that is not ready fails),
  // for Preview and Copy alike.
  void SetDriveStatusWindow(CDriveStatusWindow* window);

  // The Preview button: a preview, or, while one runs, the stop request.
  void Preview();
  // The Copy button; `confirmed` when the user has already said yes (the menu's Copy).
  void Copy();
  // Copies every profile of a queue in turn, with one report at the end.
  void CopyQueue(CQueueComboBoxData& queue);
  // Handles one message of the jobs; returns its answer.
  int64_t Handle(CMessage& message);

  // The window is to close (Close, Escape, the close box). True: close now. False: it stays
  // open, either because the user said No or because a run must end first (CloseNow follows
  // its end).
  bool RequestClose();
  // Suspends (true) or resumes both jobs, around a question about stopping.
  void SuspendJobs(bool on);
  // The stop request of the copy-progress window.
  void StopJobs();

  // The current profile changed: title, list, counts and the last preview are reset.
  void ResetForProfile();
  // The Folders page's copy mode changed.
  void SetCopyMode(int32_t mode);
  // The counts line again (after the list changed outside a run).
  void RefreshCounts();

  bool JobRunning() const { return m_state != EMainState::kIdle; }
  EMainState State() const { return m_state; }
  bool PreviewedNotCopied() const { return m_previewedNotCopied; }
  bool Closing() const { return m_closing; }
  std::string Title() const;
  CPreviewList& List() { return m_list; }
  const CPreviewCounts& Counts() const { return m_counts; }
  const CPreviewRun& PreviewRun() const { return m_preview; }
  // The folders of the last Preview, each ending in a backslash.
  const std::string& SourcePath() const { return m_sourcePath; }
  const std::string& DestinationPath() const { return m_destinationPath; }

 private:
  CFormatItem Format() const;
  void SetState(EMainState state);
  void EndBusy();
  void EndCopy();
  void PreviewFinished();
  void CopyFinished();
  void OfferArchivePreparation();
  void DetectMoves();
  bool AskToClose();
  void ShowCurrentFolder(const std::string& folder);

  CMainView& m_view;
  CPrompter& m_prompter;
  const SProgramOptions& m_options;
  CSettingsPages& m_pages;
  CProfileList& m_profiles;
  CPrompterReporter m_reporter;
  CDriveStatusWindow* m_driveStatus = nullptr;

  CPreviewList m_list;
  CPreviewCounts m_counts{m_list};
  CElapsedTime m_elapsed;
  EMainState m_state = EMainState::kIdle;
  int32_t m_copyMode = 0;
  std::string m_sourcePath;
  std::string m_destinationPath;
  bool m_previewedNotCopied = false;
  bool m_copyGathers = false;  // the copy under way gathers its own list
  bool m_closing = false;
  CDeferredAction m_deferredClose;

  // Declared last so that they go first: their workers report to the members above.
  CPreviewRun m_preview;
  CCopyRun m_copy;
};
