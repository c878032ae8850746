// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "copy/CopyJob.h"

#include <exception>
#include <new>

#include "copy/AttributeWorker.h"
#include "copy/CompareFiles.h"
#include "core/AppText.h"
#include "core/FolderPaths.h"
#include "core/Message.h"
#include "core/PathText.h"
#include "core/Prompter.h"
#include "platform/Drives.h"
#include "platform/FileInfo.h"
#include "platform/FileOps.h"
#include "platform/Security.h"
#include "platform/Shell.h"
#include "platform/TextUtil.h"
#include "preview/ListData.h"
#include "preview/PreviewJob.h"
#include "preview/PreviewList.h"

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
    m_versions = std::make_unique<CFileVersions>(filter.Options().useTwoDigits);
    // With security copying the attributes go first, in turn, as the security then follows.
    if (!m_copySecurity) {
      m_attributes = std::make_unique<CAttributeWorker>(filter);
    }

    const CPreviewList& list = *m_setup.list;
    uint64_t work = 0;
    for (size_t i = 0; i < list.Count(); ++i) {
      const CFilesListCtrlData& row = list.Row(i);
      work += row.action == kActionCopy ? row.size + CEstCopyTime::kFileUnits
                                        : CEstCopyTime::kItemUnits;
    }
    Post(CMessage(kMsgCopySetup, m_setup.copyMode == kCopyTreeOnly ? 1 : 0));
    CMessage status(kMsgStatusText);
    status.text = m_verify ? kComparingText : kCopyingText;
    Post(std::move(status));
    m_estimate.Start(work);

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
    if (filter.Settings().disposeMode == kDisposeVersions) {
      // Empty "~Versions" folders go; folders that hold versions stay.
      for (const std::string& folder : m_versionFolderList) {
        platform::RemoveDirectory(folder);
      }
    }
  } catch (const std::bad_alloc&) {
    if (m_setup.prompter != nullptr) {
      m_outbox.Deliver();
      m_setup.prompter->Show(kOutOfMemoryText, EIcon::kStop);
    }
    EndEarly(kOutOfMemoryText);
  } catch (const std::exception& error) {
    EndEarly(platform::Format("The copy stopped: %.200s", error.what()));
  }
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
  m_estimate.End();
  Post(CMessage(kMsgCopyDone));
  m_outbox.Deliver();
  return 0;
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
  const std::string path = row.FullPath();
  if (!IsExistingFolder(path) && MakeFolder(path)) {
    CountFolder();
  }
  Post(CMessage(kMsgItemDone));
  m_estimate.Add(CEstCopyTime::kItemUnits);
}

void CCopyJob::DeleteItem(const CFilesListCtrlData& row) {
  PostItemInfo(row, false);
  const std::string path = row.FullPath();
  if (platform::DeleteFile(path) != EError::kNone) {
    return;  // a stray file that cannot be deleted is passed over
  }
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
  const CFilter& filter = *m_setup.filter;
  const CSettingsState& settings = filter.Settings();
  if (row.Folder().size() < 3) {
    return;
  }
  const std::string sourceFolder = WithBackslash(row.Folder());
  const std::string source = sourceFolder + row.name;
  std::string folder = m_setup.destinationRoot;
  if (m_setup.copyMode != kCopyGather && sourceFolder.size() > m_setup.sourceRoot.size()) {
    folder += sourceFolder.substr(m_setup.sourceRoot.size());
  }
  const std::string destination = folder + row.name;
  if (!MakeSure(folder, m_madeSure, true)) {
    return;
  }
  const bool destinationExists = Exists(destination);
  std::string reason;
  if (destinationExists && filter.IsProtectedDestination(destination, reason)) {
    m_messages.Add(kMsgSkipped, reason, destination);
    return;
  }
  std::string versionsFolder;
  if (VersionsApply(settings, row.size)) {
    versionsFolder = folder + "~Versions\\";
    if (!m_versionFolders.Contains(versionsFolder)) {
      // Only a folder this copy makes is taken away again when it stays empty.
      const bool existed = IsExistingFolder(versionsFolder);
      if (!MakeSure(versionsFolder, m_versionFolders, false)) {
        return;
      }
      if (!existed) {
        m_versionFolderList.push_back(versionsFolder);
      }
    }
  }
  const uint64_t oldSize = destinationExists && !filter.OldFilesKept() ? SizeOf(destination) : 0;
  PostItemInfo(row, true);
  const uint64_t needed = RoundUp(row.size);
  bool tight = false;
  if (static_cast<int64_t>(needed) > m_freeSpace) {
    const uint64_t current = destinationExists ? SizeOf(destination) : 0;
    if (static_cast<int64_t>(RoundUp(current)) + m_freeSpace < static_cast<int64_t>(needed)) {
      m_messages.Add(kMsgDriveFull, "", source);
      ErrorWindow(kDriveFullWindow, "There isn't enough space on the destination drive.", "",
                  source);
      return;
    }
    // It fits only in the old copy's place. The old copy is still given up only once the
    // new data is complete: try, and report a full drive if it really does not fit.
    tight = true;
  }
  // The temporary file is made, and held, at once under a fresh name.
  std::string temporary;
  platform::CFile to;
  if (to.CreateTemporary(folder, "BV", temporary) != EError::kNone) {
    temporary.clear();
  }
  std::string error;
  bool diskFull = false;
  if (!temporary.empty() && CopyOneFile(source, destination, destinationExists, to, temporary,
                                        versionsFolder, row.name, error, diskFull)) {
    ++m_filesDone;
    ++m_queueFiles;
    m_freeSpace += static_cast<int64_t>(RoundUp(oldSize)) - static_cast<int64_t>(needed);
    Post(CMessage(kMsgItemDone));
    m_estimate.Add(CEstCopyTime::kFileUnits);
    const std::string difference = m_verify ? CompareFileContents(source, destination) : "";
    if (difference.empty()) {
      HandOverAttributes(source, destination);
    } else {
      // A copy that does not match leaves its source archive-marked, so that the next run
      // copies it again.
      m_messages.Add(kMsgCompareFailed, difference, source);
      ErrorWindow(kCompareWindow, "The copied file does not match its source file.", difference,
                  source);
    }
    // The file is in place: it gets its security settings even when the copy stops now.
    if (m_copySecurity) {
      CopySecurity(source, destination);
    }
    if (m_finishThenStop) {
      SetStop(1);
    }
    return;
  }
  to.Close();
  if (!temporary.empty() && !m_keepTemporary) {
    platform::DeleteFile(temporary);
  }
  m_keepTemporary = false;
  Post(CMessage(kMsgFileFailed));
  if (m_stop != 0) {
    return;  // abandoned at the user's word: no failure
  }
  if (temporary.empty()) {
    error = "Could not open a temporary file.";
  }
  if (tight && diskFull) {
    m_messages.Add(kMsgDriveFull, "", source);
    ErrorWindow(kDriveFullWindow, "There isn't enough space on the destination drive.", "", source);
  } else {
    m_messages.Add(kMsgNotCopied, error, source);
    ErrorWindow(kNotCopiedWindow, "Could not copy a file.", error, source);
  }
  // The user asked to stop once this file was done; failing it is done with it too.
  if (m_finishThenStop) {
    SetStop(1);
  }
}

bool CCopyJob::CopyData(platform::CFile& from, platform::CFile& to, const std::string& source,
                        const std::string& destination, std::string& error, bool& diskFull) {
  std::vector<char>& buffer = m_setup.buffer;
  if (buffer.empty()) {
    buffer.resize(65536);
  }
  uint64_t written = 0;
  uint64_t writebackMark = 0;
  while (true) {
    if (CheckPoint()) {
      if (written == 0) {
        return false;  // nothing written yet: the file is simply abandoned
      }
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
    }
    size_t done = 0;
    bool readFailed = false;
    const EError result = to.CopyFrom(from, buffer.data(), buffer.size(), done, readFailed);
    if (result != EError::kNone) {
      if (readFailed) {
        error = "Could not read from this source file.";
      } else {
        error = "Not all of the source-file bytes were copied.";
        diskFull = result == EError::kDiskFull;
      }
      return false;
    }
    if (done == 0) {
      return true;
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

bool CCopyJob::DisposeOld(const std::string& destination, const std::string& temporary,
                          const std::string& renameTo, std::string& error, bool& replaced) {
  replaced = false;
  if (!renameTo.empty()) {
    if (platform::MoveFile(destination, renameTo) != EError::kNone) {
      error = platform::Format(
          "Could not rename the old destination file to the rename-to filename: \"%.259s\", "
          "\"%.259s\"",
          destination.c_str(), renameTo.c_str());
      return false;
    }
    return true;
  }
  const bool recycle = RecycleOld();
  if (!recycle) {
    // Deleting the old file and renaming the new one into place is one step: the name never
    // stands empty.
    if (platform::ReplaceFile(temporary, destination) != EError::kNone) {
      error = platform::Format("Could not delete the old destination file: \"%.259s\"",
                               destination.c_str());
      return false;
    }
    replaced = true;
    return true;
  }
  platform::SetFileAttributes(destination, platform::kAttrNormal);
  if (platform::ShellDelete(destination, true) != EError::kNone) {
    error = platform::Format("Could not recycle the old destination file: \"%.259s\"",
                             destination.c_str());
    return false;
  }
  return true;
}

bool CCopyJob::CopyOneFile(const std::string& source, const std::string& destination,
                           bool destinationExists, platform::CFile& to,
                           const std::string& temporary, const std::string& versionsFolder,
                           const std::string& name, std::string& error, bool& diskFull) {
  platform::CFile from;
  if (from.Open(source, platform::EAccess::kRead, platform::EShare::kOthersMayRead) !=
      EError::kNone) {
    // Looked up by attributes, not by a search: "*" and "?" are ordinary in names here.
    error = Exists(source) ? "This source file is in use." : "This source file is missing.";
    return false;
  }
  platform::CFile guard;  // keeps the old destination file from others until it is disposed of
  if (destinationExists) {
    EError locked =
        guard.Open(destination, platform::EAccess::kReadWrite, platform::EShare::kNoSharing);
    if (locked == EError::kFileNotFound) {
      destinationExists = false;  // gone meanwhile: nothing to keep from others
      locked = EError::kNone;
    }
    if (locked == EError::kAccessDenied &&
        (platform::GetFileAttributes(destination) & platform::kAttrReadOnly) != 0) {
      // A read-only file cannot be opened for writing; reading still shows whether a writer
      // holds it.
      locked = guard.Open(destination, platform::EAccess::kRead, platform::EShare::kNoSharing);
    }
    if (locked != EError::kNone) {
      error = platform::Format("The destination file is in use: \"%.259s\"", destination.c_str());
      return false;
    }
  }
  if (!CopyData(from, to, source, destination, error, diskFull)) {
    return false;
  }
  // The times go onto the new data before it takes the destination's name (a rename keeps
  // them); a failure to set them is no failure of the copy.
  if (const auto times = from.Times()) {
    to.SetTimes(&times->lastAccess, &times->lastWrite);
  }
  // A file that replaces an older copy must be on the disk before the older copy goes.
  if (destinationExists) {
    const EError flushed = to.Flush();
    if (flushed != EError::kNone) {
      error = "Not all of the source-file bytes were copied.";
      diskFull = flushed == EError::kDiskFull;  // space that delayed allocation could not find
      return false;
    }
  }
  from.Close();
  to.Close();
  if (m_stop != 0) {
    return false;
  }
  // The old versions are pruned and renumbered only now that the new data is complete, so
  // that a copy that fails or is abandoned leaves them as they were.
  std::string renameTo;
  if (destinationExists && !versionsFolder.empty()) {
    renameTo =
        m_versions->RenameToPath(versionsFolder, name, m_setup.filter->Settings().versionLimit);
  }
  if (!renameTo.empty() && Exists(renameTo)) {
    platform::SetFileAttributes(renameTo, platform::kAttrNormal);
    if (platform::ShellDelete(renameTo, RecycleOld()) != EError::kNone) {
      error = platform::Format(RecycleOld() ? "Could not recycle the rename-to file: \"%.259s\""
                                            : "Could not delete the rename-to file: \"%.259s\"",
                               renameTo.c_str());
      return false;
    }
  }
  guard.Close();
  bool replaced = false;
  if (destinationExists && !DisposeOld(destination, temporary, renameTo, error, replaced)) {
    return false;
  }
  if (!replaced && platform::MoveFile(temporary, destination) != EError::kNone) {
    error = platform::Format(
        "Could not rename the temporary file to the destination filename: \"%.259s\"",
        destination.c_str());
    if (destinationExists && !RestoreOld(destination, renameTo)) {
      // The old copy has gone aside and cannot come back: the new data is all that is left.
      m_keepTemporary = true;
      error += platform::Format(" The new copy is kept as \"%.259s\".", temporary.c_str());
    }
    return false;
  }
  return true;
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
