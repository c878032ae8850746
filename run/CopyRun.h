// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "copy/CopyJob.h"
#include "core/ElapsedTime.h"
#include "core/Reporter.h"
#include "profile/SettingsState.h"
#include "run/PreviewRun.h"

struct CMessage;
class CMessageTarget;
class CPreviewList;
class CPrompter;
class CDriveStatusWindow;
class CQueueComboBoxData;
struct SProgramOptions;

// The Copy command from its checks to its results, for one profile or a whole queue, shared
// by the main window and the command-line runner. The owner feeds it the jobs' messages on
// its own thread; progress messages are left to the owner.
class CCopyRun {
 public:
  // Makes the named profile current and gives its settings; false when there is none.
  using ProfileSelector = std::function<bool(const std::string& name, CSettingsState& settings)>;

  CCopyRun(CPrompter& prompter, CCopyErrorWindow& errorWindow, const SProgramOptions& options,
           CMessageTarget& target, CPreviewList& list);
  ~CCopyRun();

  // How many files are copied at once (0: as suits the machine; 1: one after another).
  void SetWorkers(int32_t workers) { m_workers = workers; }
  // The window that lets the user wait for a drive that is not ready (none: the drive's
  // failure is reported). A queue run never opens it.
  void SetDriveStatusWindow(CDriveStatusWindow* window) { m_driveStatus = window; }

  // Starts copying one profile: the list of a finished preview when `previewed`, else the
  // list is gathered as the copy goes (gathered first, in gather mode, whose list stands
  // only at the end). False when it could not start (the reason has been reported).
  bool Begin(CSettingsState& settings, bool previewed);
  // Copies every profile of a queue in turn with one report at the end. Profiles that cannot
  // be made current or whose checks fail are recorded as messages.
  bool BeginQueue(CQueueComboBoxData& queue, ProfileSelector select);

  // Handles a message from the jobs; returns its answer. `progress` is true for the messages
  // that only the progress display wants.
  int64_t Handle(CMessage& message, bool& progress);

  // Whether the run is over, and how.
  bool Finished() const { return m_finished; }
  bool Stopped() const { return m_stopped; }
  // Results, once finished (a stopped gathering has none).
  bool HasResults() const { return m_hasResults; }
  const CCopyMsgs& Messages() const { return m_copyJob.Messages(); }
  int32_t Files() const { return m_copyJob.ReportedFiles(); }
  // The files the last profile's copy has done (none: its progress bars are shown full).
  int32_t FilesDone() const { return m_copyJob.FilesDone(); }
  int32_t Folders() const { return m_copyJob.ReportedFolders(); }
  // How many threads copied files in the last profile's copy.
  int32_t WorkersUsed() const { return m_copyJob.WorkersUsed(); }
  bool AllItemsListed() const { return m_allItemsListed; }
  int32_t CopyMode() const { return m_copyMode; }
  bool QueueRun() const { return m_queueRun; }
  const CElapsedTime& Elapsed() const { return m_elapsed; }
  // The source and destination folders of the profile last begun (each ending in a
  // backslash), whose files the list names; empty before the first.
  const std::string& SourceRoot() const { return m_sourceRoot; }
  const std::string& DestinationRoot() const { return m_destinationRoot; }

  // The stop request of the Cancel button.
  void Stop();
  void Suspend(bool on);

 private:
  // During a queue run the checks' failures become messages about the profile.
  class CQueueReporter : public CReporter {
   public:
    explicit CQueueReporter(CCopyRun& run) : m_run(run) {}
    void Report(const std::string& text) override;

   private:
    CCopyRun& m_run;
  };

  SCopySetup MakeCopySetup(const SPreparedRun& prepared);
  void GatheringDone();
  bool StartedOrReported(bool started);
  // `largestFile` sizes the buffer: the list's largest file, or nothing while it is unknown.
  bool StartCopyJob(std::optional<uint64_t> largestFile);
  bool StartGatheringCopy(const SPreparedRun& prepared);
  void NextQueueProfile();
  void Finish(bool stopped, bool results);
  CReporter& Reporter();

  CPrompter& m_prompter;
  CCopyErrorWindow& m_errorWindow;
  CDriveStatusWindow* m_driveStatus = nullptr;
  const SProgramOptions& m_options;
  CMessageTarget& m_target;
  CPreviewList& m_list;
  CPrompterReporter m_showReporter;
  CQueueReporter m_queueReporter;
  CPreviewRun m_gather;  // the list of a Copy without a preview
  CCopyJob m_copyJob;
  CElapsedTime m_elapsed;

  std::optional<SCopySetup> m_pendingCopy;  // set up while the list is gathered
  std::string m_sourceRoot;
  std::string m_destinationRoot;
  uint32_t m_sourceCluster = 0;
  int32_t m_copyMode = 0;
  int32_t m_workers = 0;
  bool m_gatheringCopy = false;  // the copy runs while its list is gathered
  bool m_queueRun = false;
  CQueueComboBoxData* m_queue = nullptr;
  ProfileSelector m_select;
  std::string m_profileName;
  bool m_finished = false;
  bool m_stopped = false;
  bool m_hasResults = false;
  bool m_allItemsListed = true;
};
