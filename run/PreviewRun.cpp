// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "run/PreviewRun.h"

#include "core/Message.h"
#include "core/Reporter.h"
#include "platform/DateTime.h"
#include "preview/PreviewList.h"
#include "run/FolderValidation.h"

CPreviewRun::CPreviewRun(CPrompter& prompter, const SProgramOptions& options,
                         CMessageTarget& target, CPreviewList& list)
    : m_prompter(prompter), m_options(options), m_target(target), m_list(list), m_receiver(list) {}

CPreviewRun::~CPreviewRun() {
  m_job.SetStop(1);
}

bool CPreviewRun::Prepare(CSettingsState& settings, SValidationContext& context, bool checkIncludes,
                          SPreparedRun& prepared) {
  prepared.settings = AsLoadedIntoPages(settings);
  if (checkIncludes && !CheckIncludes(prepared.settings, context.reporter)) {
    return false;
  }
  if (!PrepareFolders(prepared.settings, context, prepared.folders)) {
    return false;
  }
  settings.sourcePath = prepared.settings.sourcePath;
  settings.destinationPath = prepared.settings.destinationPath;
  return true;
}

void CPreviewRun::Receive() {
  m_list.Clear();
  m_receiver.Reset();
  m_list.SetToday(platform::CDateTime::Now());
  m_finished = false;
  m_stopped = false;
  m_ownWalk = false;
  m_running = true;
}

bool CPreviewRun::Start(const SPreparedRun& prepared, bool previewRun, CReporter& reporter) {
  Receive();
  m_ownWalk = true;
  m_job.SetUp(MakePreviewSetup(prepared.settings, m_options, prepared.folders, &m_target,
                               previewRun, &m_prompter));
  m_running = m_job.Start(&m_target, 0);
  if (!m_running) {
    reporter.Report(previewRun ? "The preview could not be started."
                               : "The copy could not be started.");
  }
  return m_running;
}

bool CPreviewRun::Begin(CSettingsState& settings, SValidationContext& context, bool previewRun) {
  SPreparedRun prepared;
  return Prepare(settings, context, true, prepared) &&
         Start(prepared, previewRun, context.reporter);
}

int64_t CPreviewRun::Handle(CMessage& message, bool& handled) {
  const int64_t answer = m_receiver.Handle(message, handled);
  if (handled || message.Offset() != kMsgPreviewDone) {
    return answer;
  }
  handled = true;
  // A stop asked for after the walk's last step but before its end was handled still
  // counts: what follows a preview must not go on behind the user's back.
  m_stopped = message.second != 0 || (m_ownWalk && m_job.StopValue() != 0);
  m_finished = true;
  m_running = false;
  return 0;
}

void CPreviewRun::Stop() {
  m_job.SetStop(1);
}

void CPreviewRun::Suspend(bool on) {
  m_job.Suspend(on);
}
