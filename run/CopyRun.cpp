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
#include "preview/PreviewCounts.h"
#include "preview/PreviewList.h"
#include "queues/QueueData.h"
#include "run/CopyBuffer.h"
#include "run/FolderValidation.h"
#include "run/RunPreparation.h"

void CCopyRun::CQueueReporter::Report(const std::string& text) {
  m_run.m_copyJob.Messages().Add(kMsgNotReady, text, m_run.m_profileName);
}

CCopyRun::CCopyRun(CPrompter& prompter, CCopyErrorWindow& errorWindow,
                   const SProgramOptions& options, CMessageTarget& target, CPreviewList& list,
                   CPreviewCounts& counts)
    : m_prompter(prompter),
      m_errorWindow(errorWindow),
      m_options(options),
      m_target(target),
      m_list(list),
      m_counts(counts),
      m_showReporter(prompter),
      m_queueReporter(*this),
      m_receiver(list, counts) {}

CCopyRun::~CCopyRun() {
  m_previewJob.SetStop(1);
  m_copyJob.SetStop(1);
}

CReporter& CCopyRun::Reporter() {
  return m_queueRun ? static_cast<CReporter&>(m_queueReporter) : m_showReporter;
}

void CCopyRun::Stop() {
  m_previewJob.SetStop(1);
  m_copyJob.SetStop(1);
}

void CCopyRun::Suspend(bool on) {
  m_previewJob.Suspend(on);
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
    CSettingsState loaded = AsLoadedIntoPages(settings);
    if (!previewed && !CheckIncludes(loaded, Reporter())) {
      return false;
    }
    SValidationContext context{m_prompter, Reporter(), m_queueRun, nullptr};
    SPreparedFolders prepared;
    if (!PrepareFolders(loaded, context, prepared)) {
      return false;
    }
    settings.sourcePath = loaded.sourcePath;
    settings.destinationPath = loaded.destinationPath;
    m_copyMode = loaded.copyMode;
    SPreviewSetup rules =
        MakePreviewSetup(loaded, m_options, prepared, &m_target, false, &m_prompter);
    SCopySetup copy;
    copy.list = &m_list;
    copy.sourceRoot = prepared.source;
    copy.destinationRoot = prepared.destination;
    copy.clusterSize = prepared.drives.destCluster;
    copy.copyMode = loaded.copyMode;
    copy.filter = std::move(rules.filter);
    copy.freeSpace = static_cast<int64_t>(prepared.drives.destFree);
    copy.prompter = &m_prompter;
    copy.errorWindow = &m_errorWindow;
    m_sourceCluster = prepared.drives.sourceCluster;
    m_pendingCopy = std::move(copy);
    if (previewed) {
      return StartCopyJob();
    }
    // No list stands: gather it first; the copy starts when the gathering is done.
    m_list.Clear();
    m_counts.Reset();
    m_receiver.Reset();
    m_list.SetToday(platform::CDateTime::Now());
    SPreviewSetup gather =
        MakePreviewSetup(loaded, m_options, prepared, &m_target, false, &m_prompter);
    m_previewJob.SetUp(std::move(gather));
    return StartedOrReported(m_previewJob.Start(&m_target, 0));
  } catch (const std::bad_alloc&) {
    m_prompter.Show(kOutOfMemoryText, EIcon::kStop);
    return false;
  }
}

bool CCopyRun::StartCopyJob() {
  SCopySetup& copy = *m_pendingCopy;
  // The buffer is sized from the list that is to be copied, once it stands.
  auto buffer = AllocateCopyBuffer(LargestListedFile(m_list), m_sourceCluster, copy.clusterSize,
                                   platform::GetAvailablePhysicalMemory());
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
  m_previewJob.SetStop(0);
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
  const int64_t answer = m_receiver.Handle(message, handled);
  if (handled) {
    m_allItemsListed = m_allItemsListed && m_receiver.AllItemsListed();
    return answer;
  }
  switch (message.Offset()) {
    case kMsgPreviewDone:
      // A stop asked for after the gathering's last step but before its end was handled
      // still counts: the copy must not start behind the user's back.
      if (message.second != 0 || m_previewJob.StopValue() != 0) {
        // A stopped gathering copies nothing and shows no results.
        m_pendingCopy.reset();
        Finish(true, false);
      } else if (!StartCopyJob()) {
        // The reason has been reported; a queue, which recorded it, goes on with the next
        // profile and keeps what the earlier ones reported.
        if (m_queueRun) {
          NextQueueProfile();
        } else {
          Finish(true, false);
        }
      }
      return 0;
    case kMsgCopyDone:
      if (m_queueRun && m_copyJob.StopValue() == 0) {
        NextQueueProfile();
      } else {
        Finish(m_copyJob.StopValue() != 0, true);
      }
      return 0;
    default:
      progress = true;
      return 0;
  }
}
