// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "run/CopyRun.h"

#include <new>

#include "core/AppText.h"
#include "core/Message.h"
#include "core/Options.h"
#include "core/Prompter.h"
#include "platform/DateTime.h"
#include "platform/System.h"
#include "preview/PreviewList.h"
#include "queues/QueueData.h"
#include "run/CopyBuffer.h"
#include "run/FolderValidation.h"
#include "run/RunPreparation.h"

void CCopyRun::CQueueReporter::Report(const std::string& text) {
  m_run.m_copyJob.Messages().Add(kMsgNotReady, text, m_run.m_profileName);
}

CCopyRun::CCopyRun(CPrompter& prompter, CCopyErrorWindow& errorWindow,
                   const SProgramOptions& options, CMessageTarget& target, CPreviewList& list)
    : m_prompter(prompter),
      m_errorWindow(errorWindow),
      m_options(options),
      m_target(target),
      m_list(list),
      m_showReporter(prompter),
      m_queueReporter(*this),
      m_gather(prompter, options, target, list) {}

CCopyRun::~CCopyRun() {
  m_gather.Stop();
  m_copyJob.SetStop(1);
}

CReporter& CCopyRun::Reporter() {
  return m_queueRun ? static_cast<CReporter&>(m_queueReporter) : m_showReporter;
}

void CCopyRun::Stop() {
  m_gather.Stop();
  m_copyJob.SetStop(1);
}

void CCopyRun::Suspend(bool on) {
  m_gather.Suspend(on);
  m_copyJob.Suspend(on);
}

bool CCopyRun::Begin(CSettingsState& settings, bool previewed) {
  if (!m_queueRun) {
    m_elapsed.Restart();  // a queue's time runs from its first profile
  }
  m_finished = false;
  m_stopped = false;
  m_hasResults = false;
  if (!previewed && !m_queueRun) {
    m_allItemsListed = true;
  }
  try {
    SValidationContext context{m_prompter, Reporter(), m_queueRun, m_driveStatus};
    SPreparedRun prepared;
    if (!m_gather.Prepare(settings, context, !previewed, prepared)) {
      return false;
    }
    m_copyMode = prepared.settings.copyMode;
    m_sourceRoot = prepared.folders.source;
    m_destinationRoot = prepared.folders.destination;
    m_pendingCopy = MakeCopySetup(prepared);
    m_sourceCluster = prepared.folders.drives.sourceCluster;
    m_gatheringCopy = false;
    if (previewed) {
      return StartCopyJob(LargestListedFile(m_list));
    }
    if (m_copyMode != kCopyGather) {
      return StartGatheringCopy(prepared);
    }
    // The newest of same-named files is known only at the end: gather the list first; the
    // copy starts when the gathering is done.
    return m_gather.Start(prepared, false, Reporter());
  } catch (const std::bad_alloc&) {
    m_prompter.Show(kOutOfMemoryText, EIcon::kStop);
    return false;
  }
}

SCopySetup CCopyRun::MakeCopySetup(const SPreparedRun& prepared) {
  const SPreparedFolders& folders = prepared.folders;
  SPreviewSetup rules =
      MakePreviewSetup(prepared.settings, m_options, folders, &m_target, false, &m_prompter);
  SCopySetup copy;
  copy.list = &m_list;
  copy.sourceRoot = folders.source;
  copy.destinationRoot = folders.destination;
  copy.clusterSize = folders.drives.destCluster;
  copy.copyMode = prepared.settings.copyMode;
  copy.filter = std::move(rules.filter);
  copy.freeSpace = static_cast<int64_t>(folders.drives.destFree);
  copy.prompter = &m_prompter;
  copy.errorWindow = &m_errorWindow;
  copy.workers = m_workers;
  return copy;
}

bool CCopyRun::StartGatheringCopy(const SPreparedRun& prepared) {
  // The copy begins while the walk still gathers the list: the walk runs within the copy's
  // run, and its rows and done message reach the list as those of a gathering do.
  m_pendingCopy->walk = std::make_unique<SPreviewSetup>(
      MakePreviewSetup(prepared.settings, m_options, prepared.folders, &m_target, false,
                       &m_prompter));
  m_gather.Receive();
  m_gatheringCopy = true;
  if (StartCopyJob(std::nullopt)) {
    return true;
  }
  m_gatheringCopy = false;
  return false;
}

bool CCopyRun::StartCopyJob(std::optional<uint64_t> largestFile) {
  SCopySetup& copy = *m_pendingCopy;
  // The buffer is sized from the list that is to be copied, once it stands; while it is
  // gathered, as for a list that holds large files.
  constexpr uint64_t kAnyLargeFile = uint64_t{1} << 40;
  auto buffer = AllocateCopyBuffer(largestFile.value_or(kAnyLargeFile), m_sourceCluster,
                                   copy.clusterSize, platform::GetAvailablePhysicalMemory());
  if (!buffer) {
    Reporter().Report(kOutOfMemoryText);  // during a queue, a message about this profile
    m_pendingCopy.reset();
    return false;
  }
  copy.buffer = std::move(*buffer);
  m_copyJob.SetUp(std::move(copy));
  m_pendingCopy.reset();
  return StartedOrReported(m_copyJob.Start(&m_target, 0));
}

bool CCopyRun::StartedOrReported(bool started) {
  if (!started) {
    Reporter().Report("The copy could not be started.");
  }
  return started;
}

bool CCopyRun::BeginQueue(CQueueComboBoxData& queue, ProfileSelector select) {
  m_elapsed.Restart();
  m_copyJob.SetStop(0);
  m_queueRun = true;
  m_queue = &queue;
  m_select = std::move(select);
  m_copyJob.SetQueueMode(true);
  m_allItemsListed = true;
  m_finished = false;
  m_stopped = false;
  queue.Rewind();
  NextQueueProfile();
  return true;
}

void CCopyRun::NextQueueProfile() {
  while (const std::optional<std::string> name = m_queue->Next()) {
    m_profileName = *name;
    CSettingsState settings;
    if (!m_select(*name, settings)) {
      m_copyJob.Messages().Add(kMsgNotReady, "Could not change to this profile.", *name);
      continue;
    }
    if (Begin(settings, false)) {
      return;  // the next profile follows when this copy is done
    }
  }
  Finish(false, true);
}

void CCopyRun::Finish(bool stopped, bool results) {
  m_finished = true;
  m_stopped = stopped;
  m_hasResults = results;
  if (m_queueRun) {
    m_queueRun = false;
    m_copyJob.SetQueueMode(false);
  }
}

int64_t CCopyRun::Handle(CMessage& message, bool& progress) {
  progress = false;
  bool handled = false;
  const int64_t answer = m_gather.Handle(message, handled);
  if (handled) {
    m_allItemsListed = m_allItemsListed && m_gather.AllItemsListed();
    if (m_gather.Finished() && message.Offset() == kMsgPreviewDone) {
      GatheringDone();
    }
    return answer;
  }
  if (message.Offset() == kMsgCopyDone) {
    // A copy whose gathering was stopped before it had done anything reports nothing, as a
    // stopped gathering does.
    const bool results = !m_gatheringCopy || m_copyJob.CopyStarted();
    m_gatheringCopy = false;
    if (m_queueRun && m_copyJob.StopValue() == 0) {
      NextQueueProfile();
    } else {
      Finish(m_copyJob.StopValue() != 0, results);
    }
    return 0;
  }
  progress = true;
  return 0;
}

void CCopyRun::GatheringDone() {
  if (m_gatheringCopy) {
    return;  // the copy goes on by itself, and stops with a stopped walk
  }
  if (m_gather.Stopped()) {
    // A stopped gathering copies nothing and shows no results.
    m_pendingCopy.reset();
    Finish(true, false);
  } else if (!StartCopyJob(LargestListedFile(m_list))) {
    // The reason has been reported; a queue, which recorded it, goes on with the next
    // profile and keeps what the earlier ones reported.
    if (m_queueRun) {
      NextQueueProfile();
    } else {
      Finish(true, false);
    }
  }
}
