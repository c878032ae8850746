// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "copy/CopyJob.h"

#include <exception>
#include <new>

#include "copy/AttributeWorker.h"
#include "core/CompareFiles.h"
#include "core/AppText.h"
#include "core/FolderPaths.h"
#include "core/Message.h"
#include "core/PathText.h"
#include "core/Prompter.h"
#include "platform/DebugMessages.h"
#include "platform/Drives.h"
#include "platform/FileInfo.h"
#include "platform/FileOps.h"
#include "platform/NameCase.h"
#include "platform/Security.h"
#include "platform/Shell.h"
#include "platform/TextUtil.h"
#include "preview/ListData.h"
#include "preview/PreviewJob.h"
#include "preview/PreviewList.h"
#include "rules/DestinationLookup.h"

namespace {

using platform::EError;

constexpr const char* kCopyingText = "Status: Copying files...";
constexpr const char* kComparingText = "Status: Copying and comparing files...";
constexpr const char* kNotWrittenText = "Could not write the copied files to the disk.";

bool Exists(const std::string& path) {
  return platform::FileExists(path);
}

uint64_t SizeOf(const std::string& path) {
  const auto info = platform::GetFileInfo(path);
  return info ? info->size : 0;
}

}  // namespace

CCopyJob::~CCopyJob() {
  EndRuns();
}

void CCopyJob::SetUp(SCopySetup setup) {
  m_setup = std::move(setup);
}

void CCopyJob::SetQueueMode(bool on) {
  if (on && !m_queueMode) {
    m_messages.Clear(true);
    m_queueFiles = 0;
    m_queueFolders = 0;
  }
  m_queueMode = on;
}

void CCopyJob::Post(CMessage message) {
  m_outbox.Post(std::move(message));
}

uint64_t CCopyJob::RoundUp(uint64_t size) const {
  return RoundUpToCluster(size, m_setup.clusterSize);
}

bool CCopyJob::RecycleOld() const {
  const int32_t dispose = m_setup.filter->Settings().disposeMode;
  return (dispose == kDisposeRecycle && m_destinationFixed) || dispose == kDisposeVersions;
}

void CCopyJob::CountFolder() {
  ++m_queueFolders;
}

int32_t CCopyJob::Run() {
  m_outbox.SetTarget(m_notifyWnd);
  m_estimate.SetTarget(&m_outbox);
  if (!m_setup.list || !m_setup.filter) {
    Post(CMessage(kMsgCopyDone));
    m_outbox.Deliver();
    return 0;
  }
  try {
    StartRun();
    CopyList();
    RemoveEmptyVersionFolders();
  } catch (const std::bad_alloc&) {
    if (m_setup.prompter != nullptr) {
      m_outbox.Deliver();
      m_setup.prompter->Show(kOutOfMemoryText, EIcon::kStop);
    }
    EndEarly(kOutOfMemoryText);
  } catch (const std::exception& error) {
    EndEarly(platform::Format("The copy stopped: %.200s", error.what()));
  }
  EndRun();
  return 0;
}

void CCopyJob::StartRun() {
  const CFilter& filter = *m_setup.filter;
  m_stopOnError = filter.StopOnError() && !m_queueMode;
  m_verify = filter.VerifyCopies() && m_setup.copyMode < kCopyTreeOnly;
  m_copySecurity = filter.CopySecurity();
  if (!m_queueMode) {
    m_messages.Clear(true);
    m_queueFiles = 0;
    m_queueFolders = 0;
  }
  m_filesDone = 0;
  m_finishThenStop = false;
  // A box the user cleared silences its window for this copy only.
  m_keepShowing.fill(true);
  m_freeSpace = m_setup.freeSpace;
  m_destinationFixed =
      platform::GetDriveType(DriveRoot(m_setup.destinationRoot)) == platform::EDriveType::kFixed;
  m_madeSure.RemoveAll();
  m_versionFolders.RemoveAll();
  m_versionFolderList.clear();
  m_lookup.emplace(m_setup.destinationRoot);
  m_written.clear();
  m_versions = std::make_unique<CFileVersions>(filter.Options().useTwoDigits);
  // With security copying the attributes go first, in turn, as the security then follows.
  if (!m_copySecurity) {
    m_attributes = std::make_unique<CAttributeWorker>(filter);
  }
  Post(CMessage(kMsgCopySetup, m_setup.copyMode == kCopyTreeOnly ? 1 : 0));
  CMessage status(kMsgStatusText);
  status.text = m_verify ? kComparingText : kCopyingText;
  Post(std::move(status));
  m_estimate.Start(ListedWork());
}

uint64_t CCopyJob::ListedWork() const {
  const CPreviewList& list = *m_setup.list;
  uint64_t work = 0;
  for (size_t i = 0; i < list.Count(); ++i) {
    const CFilesListCtrlData& row = list.Row(i);
    work +=
        row.action == kActionCopy ? row.size + CEstCopyTime::kFileUnits : CEstCopyTime::kItemUnits;
  }
  return work;
}

void CCopyJob::CopyList() {
  const CPreviewList& list = *m_setup.list;
  for (size_t i = 0; i < list.Count(); ++i) {
    if (CheckPoint()) {
      break;
    }
    Post(CMessage(kMsgFolderStarted));
    const CFilesListCtrlData& row = list.Row(i);
    switch (row.action) {
      case kActionCreate:
        CreateItem(row);
        break;
      case kActionDelete:
        DeleteItem(row);
        break;
      default:
        CopyItem(row);
        break;
    }
  }
}

void CCopyJob::RemoveEmptyVersionFolders() {
  if (m_setup.filter->Settings().disposeMode != kDisposeVersions) {
    return;
  }
  // Empty "~Versions" folders go; folders that hold versions stay.
  for (const std::string& folder : m_versionFolderList) {
    platform::RemoveDirectory(folder);
  }
}

void CCopyJob::EndRun() {
  // What was copied must really be on the disk before the run says it is done.
  if (m_attributes) {
    m_attributes->Finish();
    m_attributes.reset();
  }
  if (platform::SyncFileSystem(m_setup.destinationRoot) != EError::kNone && m_filesDone > 0) {
    // The copies may not be on the disk after all: that must not pass as success.
    m_messages.Add(kMsgNotCopied, kNotWrittenText, DisplayFolder(m_setup.destinationRoot));
  }
  m_setup.filter.reset();
  m_setup.buffer = std::vector<char>();
  m_versions.reset();
  m_lookup.reset();
  m_written.clear();
  m_estimate.End();
  Post(CMessage(kMsgCopyDone));
  m_outbox.Deliver();
}

void CCopyJob::FailLink(const std::string& source, const std::string& link) {
  const std::string error = LinkInTheWayText(link);
  m_messages.Add(kMsgNotCopied, error, source);
  ErrorWindow(kNotCopiedWindow, "Could not copy a file.", error, source);
}

void CCopyJob::EndAfterFailure(const std::string& reason) {
  // The files copied so far get their attributes; the rest of the list was not copied.
  m_attributes.reset();
  EndEarly(platform::Format("The copy stopped: %.200s", reason.c_str()));
  Post(CMessage(kMsgCopyDone));
  m_outbox.Deliver();
}

void CCopyJob::EndEarly(const std::string& reason) {
  // Whatever the list still held was not copied: that must not look like a finished copy.
  m_messages.Add(kMsgNotCopied, reason, DisplayFolder(m_setup.destinationRoot));
  SetStop(1);
}

void CCopyJob::PostItemInfo(const CFilesListCtrlData& row, bool sizeShown) {
  auto info = std::make_shared<CItemInfo>();
  info->name = row.name;
  info->folder = row.Folder();
  info->modified = row.modified;
  info->size = sizeShown ? row.size : 0;
  info->type = row.Type();
  info->attributes = row.AttributesText();
  info->action = row.action;
  info->listFlags = row.listFlags;
  CMessage message(kMsgCurrentItem);
  message.Attach(std::move(info));
  Post(std::move(message));
}

bool CCopyJob::ErrorWindow(EWindowKind kind, const std::string& error, const std::string& reason,
                           const std::string& path) {
  if (!m_stopOnError || !m_keepShowing[kind] || m_setup.errorWindow == nullptr) {
    return true;
  }
  bool keepShowing = true;
  m_outbox.Deliver();  // the window shows where the copy stands while it asks
  const bool goOn = m_setup.errorWindow->Ask(error, reason, path, keepShowing);
  m_keepShowing[kind] = keepShowing;
  if (!goOn) {
    SetStop(1);
  }
  return goOn;
}

bool CCopyJob::MakeFolder(const std::string& path) {
  if (CreateFolderPath(path)) {
    return true;
  }
  const std::string shown = DisplayFolder(path);
  if (!m_messages.Contains(kMsgFolderFailed, "", shown)) {
    m_messages.Add(kMsgFolderFailed, "", shown);
    ErrorWindow(kFolderWindow, "Could not create a folder.", "", shown);
  }
  return false;
}

bool CCopyJob::MakeSure(const std::string& folder, CMapCIStringToPtr& done, bool countFolder) {
  if (done.Contains(folder)) {
    return true;
  }
  if (!MakeFolder(folder)) {
    return false;
  }
  done.SetAt(folder, nullptr);
  if (countFolder) {
    CountFolder();
  }
  return true;
}

void CCopyJob::CreateItem(const CFilesListCtrlData& row) {
  const SDestinationFolder target = m_lookup->Folder(WithBackslash(row.FullPath()));
  if (!target.link.empty()) {
    const std::string shown = DisplayFolder(row.FullPath());
    const std::string reason = LinkInTheWayText(target.link);
    m_messages.Add(kMsgFolderFailed, reason, shown);
    ErrorWindow(kFolderWindow, "Could not create a folder.", reason, shown);
  } else if (const std::string path = DisplayFolder(target.path);
             !IsExistingFolder(path) && MakeFolder(path)) {
    CountFolder();
  }
  Post(CMessage(kMsgItemDone));
  m_estimate.Add(CEstCopyTime::kItemUnits);
}

void CCopyJob::DeleteItem(const CFilesListCtrlData& row) {
  PostItemInfo(row, false);
  const SDestinationFolder target = m_lookup->Folder(WithBackslash(row.Folder()));
  if (!target.link.empty()) {
    // Deleting through the link would delete a file that is not the backup's.
    m_messages.Add(kMsgNotCopied, LinkInTheWayText(target.link), row.FullPath());
    ErrorWindow(kNotCopiedWindow, "Could not copy a file.", LinkInTheWayText(target.link),
                row.FullPath());
    return;
  }
  // Only the very name listed goes. Where the disk takes two spellings for one name, another
  // spelling is another file: the copy of a renamed source file, just written.
  const auto entry = m_lookup->Entry(target.path, row.name);
  const std::string path = target.path + row.name;
  if (!entry || entry->name != row.name || m_written.contains(path) ||
      platform::DeleteFile(path) != EError::kNone) {
    return;  // a stray file that cannot be deleted is passed over
  }
  m_lookup->Changed(target.path, {}, row.name);
  m_freeSpace += static_cast<int64_t>(RoundUp(row.size));
  ++m_filesDone;
  ++m_queueFiles;
  const std::string folder = WithBackslash(row.Folder());
  if (!m_madeSure.Contains(folder)) {
    m_madeSure.SetAt(folder, nullptr);
    CountFolder();
  }
  Post(CMessage(kMsgItemDone));
  m_estimate.Add(CEstCopyTime::kItemUnits);
}

void CCopyJob::CopyItem(const CFilesListCtrlData& row) {
  std::optional<SFilePlan> plan = PlanFile(row);
  if (!plan) {
    return;
  }
  PostItemInfo(row, true);
  if (!MakeRoom(*plan)) {
    return;
  }
  // The temporary file is made, and held, at once under a fresh name.
  std::string temporary;
  platform::CFile to;
  if (to.CreateTemporary(plan->folder, "BV", temporary) != EError::kNone) {
    temporary.clear();
  }
  const SFileResult result = temporary.empty() ? Failed("Could not open a temporary file.")
                                               : CopyOneFile(*plan, to, temporary);
  if (result.ok) {
    FinishCopied(*plan, result.placed);
  } else {
    to.Close();
    if (!temporary.empty() && !result.keepTemporary) {
      platform::DeleteFile(temporary);
    }
    FailFile(*plan, result);
  }
}

std::optional<CCopyJob::SFilePlan> CCopyJob::PlanFile(const CFilesListCtrlData& row) {
  const CFilter& filter = *m_setup.filter;
  if (row.Folder().size() < 3) {
    return std::nullopt;
  }
  SFilePlan plan;
  plan.name = row.name;
  const std::string sourceFolder = WithBackslash(row.Folder());
  plan.source = sourceFolder + row.name;
  std::string requested = m_setup.destinationRoot;
  if (m_setup.copyMode != kCopyGather && sourceFolder.size() > m_setup.sourceRoot.size()) {
    requested += sourceFolder.substr(m_setup.sourceRoot.size());
  }
  // The destination folder as it is spelt on disk; a link below the root is never written
  // through.
  const SDestinationFolder target = m_lookup->Folder(requested);
  if (!target.link.empty()) {
    FailLink(plan.source, target.link);
    return std::nullopt;
  }
  plan.folder = target.path;
  plan.destination = plan.folder + row.name;
  if (!MakeSure(plan.folder, m_madeSure, true)) {
    return std::nullopt;
  }
  // The file it replaces may be spelt otherwise; the copy takes the source's spelling.
  if (const auto existing = m_lookup->Entry(plan.folder, row.name)) {
    plan.existingName = existing->name;
    plan.existing = plan.folder + existing->name;
  }
  std::string reason;
  if (!plan.existing.empty() && filter.IsProtectedDestination(plan.existing, reason)) {
    m_messages.Add(kMsgSkipped, reason, plan.existing);
    return std::nullopt;
  }
  if (VersionsApply(filter.Settings(), row.size) && !MakeVersionsFolder(plan)) {
    return std::nullopt;
  }
  plan.oldSize = !plan.existing.empty() && !filter.OldFilesKept() ? SizeOf(plan.existing) : 0;
  plan.needed = RoundUp(row.size);
  return plan;
}

bool CCopyJob::MakeVersionsFolder(SFilePlan& plan) {
  const SDestinationFolder versions = m_lookup->Folder(plan.folder + "~Versions\\");
  if (!versions.link.empty()) {
    FailLink(plan.source, versions.link);
    return false;
  }
  plan.versionsFolder = versions.path;
  if (m_versionFolders.Contains(plan.versionsFolder)) {
    return true;
  }
  if (!MakeSure(plan.versionsFolder, m_versionFolders, false)) {
    return false;
  }
  // Only a folder this copy makes is taken away again when it stays empty.
  if (!versions.exists) {
    m_versionFolderList.push_back(plan.versionsFolder);
  }
  return true;
}

bool CCopyJob::MakeRoom(SFilePlan& plan) {
  if (static_cast<int64_t>(plan.needed) <= m_freeSpace) {
    return true;
  }
  const uint64_t current = plan.existing.empty() ? 0 : SizeOf(plan.existing);
  if (static_cast<int64_t>(RoundUp(current)) + m_freeSpace < static_cast<int64_t>(plan.needed)) {
    ReportDriveFull(plan.source);
    return false;
  }
  // It fits only in the old copy's place. The old copy is still given up only once the new
  // data is complete: try, and report a full drive if it really does not fit.
  plan.tight = true;
  return true;
}

void CCopyJob::ReportDriveFull(const std::string& source) {
  m_messages.Add(kMsgDriveFull, "", source);
  ErrorWindow(kDriveFullWindow, "There isn't enough space on the destination drive.", "", source);
}

void CCopyJob::FinishCopied(const SFilePlan& plan, const std::string& placed) {
  // A later "delete" item of this folder must not take the file just written.
  m_written.insert(placed);
  const std::string_view placedName = std::string_view(placed).substr(plan.folder.size());
  m_lookup->Changed(plan.folder, placedName,
                    plan.existingName != placedName ? plan.existingName : std::string());
  ++m_filesDone;
  ++m_queueFiles;
  m_freeSpace += static_cast<int64_t>(RoundUp(plan.oldSize)) - static_cast<int64_t>(plan.needed);
  Post(CMessage(kMsgItemDone));
  m_estimate.Add(CEstCopyTime::kFileUnits);
  const std::string difference = m_verify ? CompareFileContents(plan.source, placed) : "";
  if (difference.empty()) {
    HandOverAttributes(plan.source, placed);
  } else {
    // A copy that does not match leaves its source archive-marked, so that the next run
    // copies it again.
    m_messages.Add(kMsgCompareFailed, difference, plan.source);
    ErrorWindow(kCompareWindow, "The copied file does not match its source file.", difference,
                plan.source);
  }
  // The file is in place: it gets its security settings even when the copy stops now.
  if (m_copySecurity) {
    CopySecurity(plan.source, placed);
  }
  if (m_finishThenStop) {
    SetStop(1);
  }
}

void CCopyJob::FailFile(const SFilePlan& plan, const SFileResult& result) {
  Post(CMessage(kMsgFileFailed));
  if (m_stop != 0) {
    return;  // abandoned at the user's word: no failure
  }
  if (plan.tight && result.diskFull) {
    ReportDriveFull(plan.source);
  } else {
    m_messages.Add(kMsgNotCopied, result.error, plan.source);
    ErrorWindow(kNotCopiedWindow, "Could not copy a file.", result.error, plan.source);
  }
  // The user asked to stop once this file was done; failing it is done with it too.
  if (m_finishThenStop) {
    SetStop(1);
  }
}

CCopyJob::SFileResult CCopyJob::Failed(std::string error, bool diskFull) {
  SFileResult result;
  result.ok = false;
  result.error = std::move(error);
  result.diskFull = diskFull;
  return result;
}

bool CCopyJob::FinishAfterStop(const std::string& source, const std::string& destination) {
  const std::string question = platform::Format(
      "Do you want to finish copying \"%.259s\" to \"%.259s\"?\n\nClick Cancel to resume "
      "copying files.",
      source.c_str(), destination.c_str());
  m_outbox.Deliver();
  const EAnswer answer =
      m_setup.prompter != nullptr
          ? m_setup.prompter->Ask(
                SPrompt{question, {}, EButtons::kYesNoCancel, EIcon::kQuestion, EAnswer::kYes})
          : EAnswer::kNo;
  if (answer == EAnswer::kNo) {
    return false;
  }
  m_finishThenStop = answer == EAnswer::kYes;
  SetStop(0);
  Post(CMessage(kMsgFolderStarted));
  return true;
}

CCopyJob::SFileResult CCopyJob::CopyData(platform::CFile& from, platform::CFile& to,
                                         const SFilePlan& plan) {
  std::vector<char>& buffer = m_setup.buffer;
  if (buffer.empty()) {
    buffer.resize(65536);
  }
  uint64_t written = 0;
  uint64_t writebackMark = 0;
  while (true) {
    // Nothing written yet: a stopped file is simply abandoned.
    if (CheckPoint() && (written == 0 || !FinishAfterStop(plan.source, plan.destination))) {
      return Failed({});
    }
    size_t done = 0;
    bool readFailed = false;
    const EError result = to.CopyFrom(from, buffer.data(), buffer.size(), done, readFailed);
    if (result != EError::kNone) {
      return readFailed ? Failed("Could not read from this source file.")
                        : Failed("Not all of the source-file bytes were copied.",
                                 result == EError::kDiskFull);
    }
    if (done == 0) {
      return {};
    }
    written += done;
    // A large file goes to the disk as it is copied rather than all at the run's end.
    if (written - writebackMark >= kWritebackStep) {
      to.StartWriteback();
      writebackMark = written;
    }
    Post(CMessage(kMsgBytesWritten, static_cast<int64_t>(done)));
    m_estimate.Add(done);
  }
}

CCopyJob::SFileResult CCopyJob::DisposeOld(const std::string& existing,
                                           const std::string& temporary,
                                           const std::string& renameTo) {
  if (!renameTo.empty()) {
    if (platform::MoveFile(existing, renameTo) != EError::kNone) {
      return Failed(platform::Format(
          "Could not rename the old destination file to the rename-to filename: \"%.259s\", "
          "\"%.259s\"",
          existing.c_str(), renameTo.c_str()));
    }
    return {};
  }
  if (!RecycleOld()) {
    // Deleting the old file and renaming the new one into place is one step: the name never
    // stands empty.
    if (platform::ReplaceFile(temporary, existing) != EError::kNone) {
      return Failed(platform::Format("Could not delete the old destination file: \"%.259s\"",
                                     existing.c_str()));
    }
    SFileResult replaced;
    replaced.placed = existing;
    return replaced;
  }
  platform::SetFileAttributes(existing, platform::kAttrNormal);
  if (platform::ShellDelete(existing, true) != EError::kNone) {
    return Failed(platform::Format("Could not recycle the old destination file: \"%.259s\"",
                                   existing.c_str()));
  }
  return {};
}

CCopyJob::SFileResult CCopyJob::CopyOneFile(const SFilePlan& plan, platform::CFile& to,
                                            const std::string& temporary) {
  platform::CFile from;
  if (from.Open(plan.source, platform::EAccess::kRead, platform::EShare::kOthersMayRead) !=
      EError::kNone) {
    // Looked up by attributes, not by a search: "*" and "?" are ordinary in names here.
    return Failed(Exists(plan.source) ? "This source file is in use."
                                      : "This source file is missing.");
  }
  platform::CFile guard;  // keeps the old destination file from others until it is disposed of
  std::string existing = plan.existing;
  if (SFileResult held = HoldExisting(guard, existing); !held.ok) {
    return held;
  }
  if (SFileResult copied = CopyData(from, to, plan); !copied.ok) {
    return copied;
  }
  if (SFileResult completed = CompleteData(from, to, !existing.empty()); !completed.ok) {
    return completed;
  }
  from.Close();
  to.Close();
  if (m_stop != 0) {
    return Failed({});
  }
  // The old versions are pruned and renumbered only now that the new data is complete, so
  // that a copy that fails or is abandoned leaves them as they were.
  std::string renameTo;
  if (!existing.empty() && !plan.versionsFolder.empty()) {
    renameTo = m_versions->RenameToPath(plan.versionsFolder, plan.name,
                                        m_setup.filter->Settings().versionLimit);
  }
  if (SFileResult cleared = ClearRenameTo(renameTo); !cleared.ok) {
    return cleared;
  }
  guard.Close();
  return PutInPlace(plan, existing, temporary, renameTo);
}

CCopyJob::SFileResult CCopyJob::HoldExisting(platform::CFile& guard, std::string& existing) {
  if (existing.empty()) {
    return {};
  }
  EError locked = guard.Open(existing, platform::EAccess::kReadWrite, platform::EShare::kNoSharing);
  if (locked == EError::kFileNotFound) {
    existing.clear();  // gone meanwhile: nothing to keep from others
    return {};
  }
  if (locked == EError::kAccessDenied &&
      (platform::GetFileAttributes(existing) & platform::kAttrReadOnly) != 0) {
    // A read-only file cannot be opened for writing; reading still shows whether a writer
    // holds it.
    locked = guard.Open(existing, platform::EAccess::kRead, platform::EShare::kNoSharing);
  }
  if (locked != EError::kNone) {
    return Failed(platform::Format("The destination file is in use: \"%.259s\"", existing.c_str()));
  }
  return {};
}

CCopyJob::SFileResult CCopyJob::CompleteData(platform::CFile& from, platform::CFile& to,
                                             bool replacing) {
  // The times go onto the new data before it takes the destination's name (a rename keeps
  // them); a failure to set them is no failure of the copy.
  if (const auto times = from.Times()) {
    to.SetTimes(&times->lastAccess, &times->lastWrite);
  }
  // A file that replaces an older copy must be on the disk before the older copy goes.
  if (replacing) {
    const EError flushed = to.Flush();
    if (flushed != EError::kNone) {
      // Space that delayed allocation could not find counts as a full drive.
      return Failed("Not all of the source-file bytes were copied.", flushed == EError::kDiskFull);
    }
  }
  return {};
}

CCopyJob::SFileResult CCopyJob::ClearRenameTo(const std::string& renameTo) {
  if (renameTo.empty() || !Exists(renameTo)) {
    return {};
  }
  platform::SetFileAttributes(renameTo, platform::kAttrNormal);
  if (platform::ShellDelete(renameTo, RecycleOld()) != EError::kNone) {
    return Failed(platform::Format(RecycleOld() ? "Could not recycle the rename-to file: \"%.259s\""
                                                : "Could not delete the rename-to file: \"%.259s\"",
                                   renameTo.c_str()));
  }
  return {};
}

CCopyJob::SFileResult CCopyJob::PutInPlace(const SFilePlan& plan, const std::string& existing,
                                           const std::string& temporary,
                                           const std::string& renameTo) {
  SFileResult result;
  if (!existing.empty()) {
    result = DisposeOld(existing, temporary, renameTo);
    if (!result.ok) {
      return result;
    }
  }
  if (!result.placed.empty()) {
    // The new data has the old file's name; it takes the source's spelling of it.
    if (existing != plan.destination &&
        platform::ChangeNameCase(existing, plan.destination) != EError::kNone) {
      AddDebugMessage("Could not spell \"%.259s\" as \"%.259s\".", existing.c_str(),
                      plan.destination.c_str());
      return result;
    }
    result.placed = plan.destination;
    return result;
  }
  if (platform::MoveFile(temporary, plan.destination) != EError::kNone) {
    result = Failed(platform::Format(
        "Could not rename the temporary file to the destination filename: \"%.259s\"",
        plan.destination.c_str()));
    if (!existing.empty() && !RestoreOld(existing, renameTo)) {
      // The old copy has gone aside and cannot come back: the new data is all that is left.
      result.keepTemporary = true;
      result.error += platform::Format(" The new copy is kept as \"%.259s\".", temporary.c_str());
    }
    return result;
  }
  result.placed = plan.destination;
  return result;
}

bool CCopyJob::RestoreOld(const std::string& destination, const std::string& renameTo) {
  return !renameTo.empty() && platform::MoveFile(renameTo, destination) == EError::kNone;
}

void CCopyJob::HandOverAttributes(const std::string& source, const std::string& destination) {
  // A destination that replaced its old copy by rename kept nothing of it: it is new too.
  if (m_attributes) {
    m_attributes->Add(source, destination);
  } else {
    m_setup.filter->ApplyAttributes(source, destination, true);
  }
}

void CCopyJob::CopySecurity(const std::string& source, const std::string& destination) {
  platform::EError error = EError::kNone;
  const auto security = platform::ReadFileSecurity(source, &error);
  if (!security) {
    m_messages.Add(kMsgSecurityFailed,
                   error == EError::kOutOfMemory
                       ? "Could not allocate the needed buffer.  Length needed: 0"
                       : "Could not read file-security information.",
                   source);
    return;
  }
  if (platform::WriteFileSecurity(destination, *security) != EError::kNone) {
    m_messages.Add(kMsgSecurityFailed, "Could not write file-security information.", source);
  }
}
