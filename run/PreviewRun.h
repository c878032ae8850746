// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>

#include "preview/PreviewJob.h"
#include "preview/PreviewReceiver.h"
#include "profile/SettingsState.h"
#include "run/RunPreparation.h"

struct CMessage;
class CMessageTarget;
class CPreviewList;
class CPrompter;
class CReporter;
struct SProgramOptions;
struct SValidationContext;

// A profile made ready for a walk: the settings as the pages hold them once loaded, and the
// two folders checked, complete and with their drives' figures.
struct SPreparedRun {
  CSettingsState settings;
  SPreparedFolders folders;
};

// One preview from its checks to its done message: the Preview command of the main window
// and of the command-line runner, and the gathering that a Copy without a preview does
// first. The owner feeds it the job's messages on its own thread; rows go into the list (and
// its counts). The owner never waits for the job: it asks it to stop and goes on handling
// messages until Finished().
class CPreviewRun {
 public:
  CPreviewRun(CPrompter& prompter, const SProgramOptions& options, CMessageTarget& target,
              CPreviewList& list);
  ~CPreviewRun();
  CPreviewRun(const CPreviewRun&) = delete;
  CPreviewRun& operator=(const CPreviewRun&) = delete;

  // The checks: with `checkIncludes`, the Subfolders and File/Folder Names lists must each
  // hold a checked include; then both folders and their drives. `settings` takes the
  // corrected folder texts. False when a check failed (the reason has been reported).
  bool Prepare(CSettingsState& settings, SValidationContext& context, bool checkIncludes,
               SPreparedRun& prepared);
  // Empties the list and starts the walk; `previewRun` is false for a Copy's gathering.
  // False when the job could not start (the reason has been reported).
  bool Start(const SPreparedRun& prepared, bool previewRun, CReporter& reporter);
  // Empties the list and takes the messages of a walk that another job runs (a copy that
  // gathers its list as it goes), as if this run had started it.
  void Receive();
  // Prepare, then Start.
  bool Begin(CSettingsState& settings, SValidationContext& context, bool previewRun = true);

  // Handles a message of the preview (rows, gather checks, the done message) and returns its
  // answer; `handled` is false for messages left to the owner (folder announcements).
  int64_t Handle(CMessage& message, bool& handled);

  bool Running() const { return m_running; }
  // Whether the last run is over, and whether it ended early.
  bool Finished() const { return m_finished; }
  bool Stopped() const { return m_stopped; }
  // Whether every row the walk sent found room in the list.
  bool AllItemsListed() const { return m_receiver.AllItemsListed(); }
  // The totals of the last run, once finished.
  const CPreviewJob& Job() const { return m_job; }
  CPreviewJob& Job() { return m_job; }

  void Stop();
  void Suspend(bool on);

 private:
  CPrompter& m_prompter;
  const SProgramOptions& m_options;
  CMessageTarget& m_target;
  CPreviewList& m_list;
  CPreviewReceiver m_receiver;
  bool m_running = false;
  bool m_finished = false;
  bool m_stopped = false;
  bool m_ownWalk = true;  // the walk is this run's own job
  // Declared last so that it goes first: its worker must end before what it reports to.
  CPreviewJob m_job;
};
