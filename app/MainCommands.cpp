// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/MainCommands.h"

#include <algorithm>
#include <new>

#include "copy/CopyMsgs.h"
#include "core/AppText.h"
#include "core/FormatItem.h"
#include "core/Message.h"
#include "core/Options.h"
#include "core/PathText.h"
#include "core/Prompter.h"
#include "platform/DateTime.h"
#include "platform/FileInfo.h"
#include "platform/TextUtil.h"
#include "preview/LimitPath.h"
#include "preview/ListData.h"
#include "preview/MoveDetect.h"
#include "profile/SettingsPages.h"
#include "queues/ProfileList.h"
#include "run/FolderValidation.h"
#include "run/RunPreparation.h"

namespace {

constexpr const char* kCopyWithoutPreview = "Do you want to copy without first previewing?";
constexpr const char* kGatheringFolders = "Status: Gathering folder information...";
constexpr const char* kGatheringFiles = "Status: Gathering file information...";
constexpr const char* kNotEnoughSpace =
    "There isn't enough space on the destination drive for all of the selected files.  If you "
    "are planning to copy onto a single disk or drive, adjust the settings to filter out more "
    "files or exclude files by right clicking on them and selecting \"Exclude and Remember\" "
    "and press the Preview button again.\r\n\r\nIf you are planning to copy onto multiple "
    "removable disks or drives, follow these steps:\r\n1) Set the archive attribute for all of "
    "the selected files.\r\n2) Be sure that the first box on the Attributes page is "
    "checked.\r\n3) Press the Copy button.\r\n4) If the \"Copy Statistics and Messages\" window "
    "shows that files were not copied due to lack of available space, put in another disk or "
    "drive and repeat steps 3 and 4.\r\n\r\nWould you like Brevant to do steps 1 and 2 for you?";

bool IsPreviewMessage(EMessageOffset offset) {
  switch (offset) {
    case kMsgAddItem:
    case kMsgAddItems:
    case kMsgGatherCheck:
    case kMsgPreviewDone:
      return true;
    default:
      return false;
  }
}

}  // namespace

CMainCommands::CMainCommands(CMainView& view, CPrompter& prompter, CCopyErrorWindow& errorWindow,
                             const SProgramOptions& options, CSettingsPages& pages,
                             CProfileList& profiles, CMessageTarget& target)
    : m_view(view),
      m_prompter(prompter),
      m_options(options),
      m_pages(pages),
      m_profiles(profiles),
      m_reporter(prompter),
      m_preview(prompter, options, target, m_list),
      m_copy(prompter, errorWindow, options, target, m_list) {}

CMainCommands::~CMainCommands() {
  m_preview.Stop();
  m_copy.Stop();
}

void CMainCommands::SetDriveStatusWindow(CDriveStatusWindow* window) {
  m_driveStatus = window;
  m_copy.SetDriveStatusWindow(window);
}

CFormatItem CMainCommands::Format() const {
  return CFormatItem(2, m_options.m_useThousandsSep != 0, m_options.m_thousandsSep);
}

std::string CMainCommands::Title() const {
  const std::string name = m_profiles.CurrentName();
  return name.empty() ? std::string(kAppName) : name + " - " + kAppName;
}

void CMainCommands::ResetForProfile() {
  m_view.SetTitle(Title());
  m_previewedNotCopied = false;
  m_copyMode = m_pages.Take().copyMode;
  m_list.Clear();
  m_view.SetState(m_state, false);
  RefreshCounts();
}

void CMainCommands::SetCopyMode(int32_t mode) {
  m_copyMode = mode;
  RefreshCounts();
}

void CMainCommands::RefreshCounts() {
  if (!m_closing) {
    m_view.SetCountsText(m_counts.SummaryText(m_copyMode, Format()));
  }
}

void CMainCommands::SetState(EMainState state) {
  m_state = state;
  const bool strays = state == EMainState::kIdle && !m_preview.Job().StrayFolders().empty();
  m_view.SetState(state, strays);
}

void CMainCommands::Preview() {
  if (m_state == EMainState::kPreviewing) {
    m_preview.Stop();  // the button reads "&Stop"
    return;
  }
  if (m_state != EMainState::kIdle || m_closing) {
    return;
  }
  m_elapsed.Restart();
  m_view.EnableSettings(false);
  try {
    CSettingsState settings = m_pages.Take();
    if (!CheckIncludes(AsLoadedIntoPages(settings), m_reporter)) {
      m_view.EnableSettings(true);
      return;
    }
    // The list goes as the preview begins; so does any claim that it stands to be copied.
    m_list.Clear();
    m_previewedNotCopied = false;
    SetState(EMainState::kPreviewing);
    RefreshCounts();
    SValidationContext context{m_prompter, m_reporter, false, m_driveStatus};
    SPreparedRun prepared;
    const bool prepared_ = m_preview.Prepare(settings, context, false, prepared);
    m_view.SetFolderTexts(settings.sourcePath, settings.destinationPath);
    if (!prepared_) {
      EndBusy();
      return;
    }
    m_sourcePath = prepared.folders.source;
    m_destinationPath = prepared.folders.destination;
    m_copyMode = prepared.settings.copyMode;
    if (!m_preview.Start(prepared, true, m_reporter)) {
      EndBusy();
    }
  } catch (const std::bad_alloc&) {
    EndBusy();
    m_prompter.Show(kOutOfMemoryText, EIcon::kStop);
  }
}

void CMainCommands::EndBusy() {
  SetState(EMainState::kIdle);
  m_view.EnableSettings(true);
}

void CMainCommands::Copy() {
  if (m_state != EMainState::kIdle || m_closing) {
    return;
  }
  if (m_options.m_confirmCopying != 0 && !m_previewedNotCopied &&
      !m_prompter.AskYesNo(kCopyWithoutPreview, EAnswer::kNo)) {
    return;
  }
  m_view.EnableSettings(false);
  SetState(EMainState::kCopying);
  try {
    CSettingsState settings = m_pages.Take();
    const bool previewed = m_previewedNotCopied;
    m_copyGathers = !previewed;
    const bool started = m_copy.Begin(settings, previewed);
    m_view.SetFolderTexts(settings.sourcePath, settings.destinationPath);
    if (!started) {
      EndCopy();
      return;
    }
    m_copyMode = m_copy.CopyMode();
    if (previewed && !m_list.Empty()) {
      // The list's dates are told against the day the last Preview or Copy started.
      m_list.SetToday(platform::CDateTime::Now());
      m_list.RowsChanged(0, m_list.Count() - 1);
    }
    m_view.OpenCopyProgress(
        previewed ? std::string()
                  : (m_copyMode == kCopyTreeOnly ? kGatheringFolders : kGatheringFiles));
    RefreshCounts();
  } catch (const std::bad_alloc&) {
    EndCopy();
    m_prompter.Show(kOutOfMemoryText, EIcon::kStop);
  }
}

void CMainCommands::CopyQueue(CQueueComboBoxData& queue) {
  if (m_state != EMainState::kIdle || m_closing) {
    return;
  }
  m_view.EnableSettings(false);
  SetState(EMainState::kCopying);
  m_copyGathers = true;
  m_view.OpenCopyProgress(kGatheringFiles);
  m_copy.BeginQueue(queue, [this](const std::string& name, CSettingsState& settings) {
    if (!m_profiles.SelectByName(name)) {
      return false;
    }
    settings = m_pages.Take();
    return true;
  });
  if (m_copy.Finished()) {
    CopyFinished();  // no profile could start: the results come at once
  }
}

void CMainCommands::EndCopy() {
  // A list gathered by the copy names the files of the profile last copied; the list's
  // commands work in its folders.
  if (m_copyGathers && !m_copy.SourceRoot().empty()) {
    m_sourcePath = m_copy.SourceRoot();
    m_destinationPath = m_copy.DestinationRoot();
  }
  m_previewedNotCopied = false;
  m_view.CloseCopyProgress();
  SetState(EMainState::kIdle);
  m_view.EnableSettings(true);
  RefreshCounts();
}

int64_t CMainCommands::Handle(CMessage& message) {
  const EMessageOffset offset = message.Offset();
  if (offset == kMsgCurrentFolder && m_state != EMainState::kCopying) {
    ShowCurrentFolder(message.text);
    return 0;
  }
  if (m_state == EMainState::kPreviewing && IsPreviewMessage(offset)) {
    bool handled = false;
    const int64_t answer = m_preview.Handle(message, handled);
    if (offset == kMsgPreviewDone) {
      PreviewFinished();
    } else {
      RefreshCounts();
    }
    return answer;
  }
  if (m_state == EMainState::kCopying) {
    bool progress = false;
    const int64_t answer = m_copy.Handle(message, progress);
    if (progress) {
      m_view.CopyProgress(message, m_counts);
    } else if (offset == kMsgAddItem || offset == kMsgAddItems || offset == kMsgGatherCheck) {
      RefreshCounts();
    }
    if (m_copy.Finished()) {
      CopyFinished();
    } else if (offset == kMsgCopyDone) {
      // A queue goes on with its next profile, which gathers its list in a progress window
      // of its own, as a Copy does.
      m_copyMode = m_copy.CopyMode();
      m_view.OpenCopyProgress(m_copyMode == kCopyTreeOnly ? kGatheringFolders : kGatheringFiles);
    }
    return answer;
  }
  return 0;  // left over from a run that has ended
}

void CMainCommands::ShowCurrentFolder(const std::string& folder) {
  if (!m_closing) {
    m_view.SetStatusText(CLimitPath().Limit(CLimitPath::kStatusLabel, DisplayFolder(folder)));
  }
}

void CMainCommands::PreviewFinished() {
  if (m_closing) {
    SetState(EMainState::kIdle);
    m_deferredClose.RunEnded();
    return;
  }
  m_view.SetStatusText({});
  const bool stopped = m_preview.Stopped();
  m_previewedNotCopied = !stopped;
  SetState(EMainState::kIdle);
  RefreshCounts();
  m_view.PreviewListChanged();
  if (!stopped) {
    const SPreviewStatistics statistics =
        MakePreviewStatistics(m_preview.Job(), m_copyMode, Format(), m_elapsed);
    m_view.ShowPreviewStatistics(statistics);
    if (statistics.notEnoughSpace) {
      OfferArchivePreparation();
    }
    if (m_options.m_detectMoves != 0) {
      DetectMoves();
    }
  }
  m_view.EnableSettings(true);
}

void CMainCommands::OfferArchivePreparation() {
  if (!m_prompter.AskYesNo(kNotEnoughSpace, EAnswer::kYes)) {
    return;
  }
  // Only files to copy are source files: a row to delete names a destination file, and a
  // folder to create has no archive mark.
  size_t first = m_list.Count();
  size_t last = 0;
  for (size_t i = 0; i < m_list.Count(); ++i) {
    CFilesListCtrlData& row = m_list.Row(i);
    if (row.action != kActionCopy || row.AttributesText().find('A') != std::string::npos) {
      continue;
    }
    const std::string path = WithBackslash(row.Folder()) + row.name;
    const uint32_t attributes = platform::GetFileAttributes(path);
    if (attributes == platform::kInvalidAttributes) {
      continue;
    }
    if (platform::SetFileAttributes(path, attributes | platform::kAttrArchive) ==
        platform::EError::kNone) {
      row.SetAttributes(attributes | platform::kAttrArchive);
      first = std::min(first, i);
      last = i;
    }
  }
  m_list.RowsChanged(first, last);
  m_view.PreviewListChanged();
  m_view.CheckArchiveOnly();
}

void CMainCommands::DetectMoves() {
  CMoveDetect detect(m_sourcePath, m_destinationPath, m_options.m_includeRenames != 0);
  if (detect.Gather(m_list) && detect.Detect(m_list) && m_view.ShowDetectedMoves(detect)) {
    RefreshCounts();
    m_view.PreviewListChanged();
  }
}

void CMainCommands::CopyFinished() {
  if (m_closing) {
    m_view.CloseCopyProgress();
    SetState(EMainState::kIdle);
    m_deferredClose.RunEnded();
    return;
  }
  if (!m_copy.HasResults()) {
    EndCopy();  // a stopped gathering copies nothing and reports nothing
    return;
  }
  m_view.EndCopyProgress(m_copy.Stopped(), m_copy.FilesDone() == 0);
  const CFormatItem format = Format();
  SCopyResults results;
  results.tree = BuildMessageTree(m_copy.Messages(), m_copy.AllItemsListed(), format);
  const bool foldersOnly = !m_copy.QueueRun() && m_copy.CopyMode() == kCopyTreeOnly;
  results.files = format.FormatCount(m_copy.Files());
  results.folders = format.FormatCount(m_copy.Folders());
  results.elapsed = format.AdaptDecimal(m_copy.Elapsed().Text(false));
  results.foldersOnly = foldersOnly;
  results.exportText = FormatResultsExport(
      results.tree, foldersOnly ? std::string() : results.files, results.folders, results.elapsed);
  results.hasMessages = m_copy.Messages().Total() > 0 || !m_copy.AllItemsListed();
  m_view.ShowCopyResults(results);
  EndCopy();
}

void CMainCommands::SuspendJobs(bool on) {
  m_preview.Suspend(on);
  m_copy.Suspend(on);
}

void CMainCommands::StopJobs() {
  m_preview.Stop();
  m_copy.Stop();
}

bool CMainCommands::AskToClose() {
  const bool running = JobRunning();
  const bool unsaved =
      m_previewedNotCopied && (m_preview.Job().Files() > 0 || m_preview.Job().Folders() > 0);
  if (!running && !unsaved) {
    return true;
  }
  std::string question = unsaved ? "You previewed without copying. " : "";
  question += std::string("Do you want to exit ") + kAppName + "?";
  // Nothing moves on while the question is open.
  if (running) {
    SuspendJobs(true);
  }
  const bool yes = m_prompter.AskYesNo(question, EAnswer::kNo, "Confirm Exit");
  if (running) {
    SuspendJobs(false);
  }
  return yes;
}

bool CMainCommands::RequestClose() {
  if (!m_closing && !AskToClose()) {
    return false;
  }
  m_closing = true;
  if (!JobRunning()) {
    return true;  // the caller closes
  }
  // The run must end first: it is asked to stop, and the window closes at its done message.
  m_deferredClose.Request(
      true, [this] { m_view.CloseNow(); }, [this] { StopJobs(); });
  return false;
}
