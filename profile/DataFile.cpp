// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/DataFile.h"

#include <new>

#include "core/AppText.h"
#include "core/Prompter.h"
#include "platform/DebugMessages.h"
#include "platform/File.h"
#include "platform/FileInfo.h"
#include "platform/FileOps.h"
#include "platform/TextUtil.h"
#include "profile/DataCodec.h"

namespace {

using platform::EError;

// ---- The settings record ----

void WriteSettings(CDataWriter& out, const CSettingsState& s) {
  out.WriteString(s.sourcePath);
  out.WriteString(s.destinationPath);
  out.WriteInt(s.copyMode);
  out.WriteInt(s.subfolderMode);
  out.WriteStringList(s.subfolderEntries);
  out.WriteInt(s.nameMode);
  out.WriteInt(s.allowTypos);
  out.WriteStringList(s.nameEntries);
  out.WriteStringList(s.excludedPaths);
  for (const int32_t value :
       {s.dateMode, s.recentCount, s.recentUnit, s.useFromDate, s.useThroughDate}) {
    out.WriteInt(value);
  }
  out.WriteDateTime(s.fromDateTime);
  out.WriteDateTime(s.throughDateTime);
  for (const int32_t value : {s.sizeMode,
                              s.useLeastSize,
                              s.leastSize,
                              s.leastUnit,
                              s.useMostSize,
                              s.mostSize,
                              s.mostUnit,
                              s.archiveOnly,
                              s.clearArchive,
                              s.includeReadOnly,
                              s.copyReadOnlyAttribute,
                              s.includeHidden,
                              s.copyHiddenAttribute,
                              s.includeSystem,
                              s.copySystemAttribute,
                              s.keepReadOnlyDestination,
                              s.keepHiddenDestination,
                              s.keepSystemDestination,
                              s.verifyCopies,
                              s.avoidStopping,
                              s.overwriteMode,
                              s.disposeMode,
                              s.versionLimit,
                              s.versionSizeLimit,
                              s.testSize,
                              s.testArchive,
                              s.includeNewFiles,
                              s.deleteStrayFiles,
                              s.copySecurity}) {
    out.WriteInt(value);
  }
}

// Reads integers into the given fields in order; false at the first failure.
bool ReadInts(CDataReader& in, std::initializer_list<int32_t*> fields) {
  for (int32_t* field : fields) {
    if (!in.ReadInt(*field)) {
      return false;
    }
  }
  return true;
}

bool Discard(CDataReader& in, int count) {
  int32_t ignored = 0;
  for (int i = 0; i < count; ++i) {
    if (!in.ReadInt(ignored)) {
      return false;
    }
  }
  return true;
}

// The existing-files group, whose layout changed most between versions.
bool ReadExistingFiles(CDataReader& in, int32_t version, CSettingsState& s) {
  if (version >= 6) {
    return ReadInts(in, {&s.overwriteMode, &s.disposeMode, &s.versionLimit, &s.versionSizeLimit,
                         &s.testSize, &s.testArchive, &s.includeNewFiles, &s.deleteStrayFiles});
  }
  if (version >= 4) {
    return ReadInts(in, {&s.overwriteMode, &s.disposeMode, &s.versionLimit, &s.includeNewFiles,
                         &s.deleteStrayFiles});
  }
  if (!Discard(in, 1) || !ReadInts(in, {&s.overwriteMode}) || !Discard(in, 2) ||
      !ReadInts(in, {&s.includeNewFiles})) {
    return false;
  }
  if (version >= 2 && !ReadInts(in, {&s.deleteStrayFiles})) {
    return false;
  }
  return Discard(in, 1);
}

bool ReadSettings(CDataReader& in, int32_t version, CSettingsState& s) {
  if (!in.ReadString(s.sourcePath) || !in.ReadString(s.destinationPath) ||
      !ReadInts(in, {&s.copyMode, &s.subfolderMode}) ||
      !in.ReadStringList(s.subfolderEntries, kMaxSubfolderEntry) || !in.ReadInt(s.nameMode)) {
    return false;
  }
  if (version >= 5 && !in.ReadInt(s.allowTypos)) {
    return false;
  }
  if (!in.ReadStringList(s.nameEntries, kMaxNameEntry)) {
    return false;
  }
  if (version >= 3 && version <= 5 && !Discard(in, 1)) {
    return false;
  }
  if (version >= 3 && !in.ReadStringList(s.excludedPaths, kMaxPathEntry)) {
    return false;
  }
  if (!ReadInts(in, {&s.dateMode, &s.recentCount, &s.recentUnit})) {
    return false;
  }
  if (version >= 7 && !ReadInts(in, {&s.useFromDate, &s.useThroughDate})) {
    return false;
  }
  if (!in.ReadDateTime(s.fromDateTime) || !in.ReadDateTime(s.throughDateTime) ||
      !ReadInts(in, {&s.sizeMode, &s.useLeastSize, &s.leastSize, &s.leastUnit, &s.useMostSize,
                     &s.mostSize, &s.mostUnit, &s.archiveOnly, &s.clearArchive, &s.includeReadOnly,
                     &s.copyReadOnlyAttribute, &s.includeHidden})) {
    return false;
  }
  if (version >= 4 && !in.ReadInt(s.copyHiddenAttribute)) {
    return false;
  }
  if (!in.ReadInt(s.includeSystem)) {
    return false;
  }
  if (version >= 4 && !in.ReadInt(s.copySystemAttribute)) {
    return false;
  }
  if (!ReadInts(in, {&s.keepReadOnlyDestination, &s.keepHiddenDestination, &s.keepSystemDestination,
                     &s.verifyCopies, &s.avoidStopping}) ||
      !ReadExistingFiles(in, version, s)) {
    return false;
  }
  return version < 4 || in.ReadInt(s.copySecurity);
}

// ---- Whole files on disk ----

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes, bool& missing) {
  platform::CFile file;
  const EError error = file.Open(path, platform::EAccess::kRead, platform::EShare::kOthersMayRead);
  missing = error == EError::kFileNotFound || error == EError::kPathNotFound;
  if (error != EError::kNone) {
    return false;
  }
  bytes.clear();
  uint8_t buffer[65536];
  while (true) {
    size_t done = 0;
    if (file.Read(buffer, sizeof buffer, done) != EError::kNone) {
      return false;
    }
    if (done == 0) {
      return true;
    }
    bytes.insert(bytes.end(), buffer, buffer + done);
  }
}

// Writes the bytes into a new file beside `path` and puts it in place of `path` only once
// it is complete and on disk, so that a failed write leaves the old file whole.
bool ReplaceWithBytes(const std::string& path, std::span<const uint8_t> bytes) {
  const std::string fresh = path + ".new";
  platform::CFile file;
  if (file.Open(fresh, platform::EAccess::kWrite, platform::EShare::kNoSharing,
                platform::ECreate::kCreateAlways) != EError::kNone) {
    return false;
  }
  size_t done = 0;
  const bool written = file.Write(bytes.data(), bytes.size(), done) == EError::kNone &&
                       done == bytes.size() && file.Flush() == EError::kNone;
  file.Close();
  if (!written || platform::ReplaceFile(fresh, path) != EError::kNone) {
    platform::DeleteFile(fresh);
    return false;
  }
  return true;
}

bool CopyFileOver(const std::string& from, const std::string& to) {
  std::vector<uint8_t> bytes;
  bool missing = false;
  return ReadWholeFile(from, bytes, missing) && ReplaceWithBytes(to, bytes);
}

bool SameDay(const platform::CDateTime& a, const platform::CDateTime& b) {
  platform::CDateTime::SParts x{};
  platform::CDateTime::SParts y{};
  return a.GetParts(x) && b.GetParts(y) && x.year == y.year && x.month == y.month && x.day == y.day;
}

}  // namespace

std::vector<uint8_t> EncodeDataFile(const SDataFileContents& contents) {
  CDataWriter out;
  out.WriteInt(kDataVersion);
  out.WriteStringList(contents.folders);
  out.WriteInt(static_cast<int32_t>(contents.profiles.size()));
  out.WriteInt(contents.selectedProfile);
  for (const SProfileRecord& profile : contents.profiles) {
    out.WriteString(profile.name);
    WriteSettings(out, profile.settings);
  }
  out.WriteInt(static_cast<int32_t>(contents.queues.size()));
  out.WriteInt(contents.selectedQueue);
  for (const SQueueRecord& queue : contents.queues) {
    out.WriteString(queue.name);
    out.WriteStringList(queue.profiles);
  }
  return out.Bytes();
}

EDecodeResult DecodeDataFile(std::span<const uint8_t> bytes, SDataFileContents& contents,
                             int32_t* versionOut) {
  CDataReader in(bytes);
  int32_t version = 0;
  if (!in.ReadInt(version)) {
    return EDecodeResult::kDamaged;
  }
  if (versionOut != nullptr) {
    *versionOut = version;
  }
  if (version > kDataVersion) {
    return EDecodeResult::kHigherVersion;
  }
  if (version < 1) {
    return EDecodeResult::kDamaged;
  }
  SDataFileContents read;
  int32_t profileCount = 0;
  // A negative count is damage, not "none": read as none it would replace every profile in
  // memory with the default one.
  if (!in.ReadStringList(read.folders, kMaxFolderEntry) || !in.ReadInt(profileCount) ||
      profileCount < 0 || !in.ReadInt(read.selectedProfile)) {
    return EDecodeResult::kDamaged;
  }
  for (int32_t i = 0; i < profileCount; ++i) {
    SProfileRecord profile;
    if (!in.ReadString(profile.name, kMaxProfileName) ||
        !ReadSettings(in, version, profile.settings)) {
      return EDecodeResult::kDamaged;
    }
    read.profiles.push_back(std::move(profile));
  }
  if (version >= 6) {
    int32_t queueCount = 0;
    if (!in.ReadInt(queueCount) || queueCount < 0 || !in.ReadInt(read.selectedQueue)) {
      return EDecodeResult::kDamaged;
    }
    for (int32_t i = 0; i < queueCount; ++i) {
      SQueueRecord queue;
      if (!in.ReadString(queue.name, kMaxQueueName) ||
          !in.ReadStringList(queue.profiles, kMaxProfileName)) {
        return EDecodeResult::kDamaged;
      }
      read.queues.push_back(std::move(queue));
    }
  }
  contents = std::move(read);
  return EDecodeResult::kRead;
}

CDataFile::CDataFile(std::string path, CPrompter& prompter)
    : m_path(std::move(path)),
      m_prompter(prompter),
      m_now([] { return platform::CDateTime::Now(); }) {}

CDataFile::ELoadResult CDataFile::LoadOnce(const std::string& path, SDataFileContents& contents,
                                           bool& damaged) {
  damaged = false;
  std::vector<uint8_t> bytes;
  bool missing = false;
  if (!ReadWholeFile(path, bytes, missing)) {
    damaged = !missing;
    return missing ? ELoadResult::kMissing : ELoadResult::kFailed;
  }
  int32_t version = 0;
  const EDecodeResult result = DecodeDataFile(bytes, contents, &version);
  if (bytes.size() >= 4) {
    AddDebugMessage("Data version: %d", version);
  }
  m_lastVersion = result == EDecodeResult::kRead ? version : 0;
  switch (result) {
    case EDecodeResult::kRead:
      return ELoadResult::kRead;
    case EDecodeResult::kHigherVersion:
      m_prompter.Show(
          "This program does not support reading a data file that has a higher version number "
          "than it knows about.  When you close this program, your data file will not be "
          "changed.",
          EIcon::kInformation);
      m_saveAtExit = false;
      return ELoadResult::kHigherVersion;
    case EDecodeResult::kDamaged:
      break;
  }
  damaged = true;
  return ELoadResult::kFailed;
}

CDataFile::ELoadResult CDataFile::Load(SDataFileContents& contents, bool offerBackup) {
  try {
    bool damaged = false;
    const ELoadResult result = LoadOnce(m_path, contents, damaged);
    m_fileDamaged = damaged;
    if (result != ELoadResult::kFailed) {
      return result;
    }
    const std::string backup = BackupPath();
    if (offerBackup) {
      if (platform::GetFileAttributes(backup) == platform::kInvalidAttributes) {
        m_prompter.Show("Could not read Brevant data.", EIcon::kExclamation);
        return ELoadResult::kFailed;
      }
      if (!m_prompter.AskYesNo("Could not read Brevant data.  Try the backup file?",
                               EAnswer::kYes)) {
        return ELoadResult::kFailed;
      }
      // The damaged file is replaced only by a backup that reads: a damaged backup would
      // take away what might still be saved from the file.
      SDataFileContents trial;
      bool backupDamaged = false;
      if (LoadOnce(backup, trial, backupDamaged) == ELoadResult::kFailed ||
          !CopyFileOver(backup, m_path)) {
        m_prompter.Show("Could not read Brevant backup data.", EIcon::kExclamation);
        return ELoadResult::kFailed;
      }
      return Load(contents, false);
    }
    m_prompter.Show("Could not read Brevant backup data.", EIcon::kExclamation);
    return ELoadResult::kFailed;
  } catch (const std::bad_alloc&) {
    m_prompter.Show(kOutOfMemoryText, EIcon::kStop);
    return ELoadResult::kFailed;
  }
}

void CDataFile::RefreshBackup() {
  if (m_fileDamaged) {
    return;  // a file that could not be read must not replace a good backup
  }
  const auto times = platform::GetFileTimes(m_path);
  if (!times) {
    return;
  }
  const platform::CDateTime written = platform::CDateTime::FromFileTime(times->lastWrite);
  const std::string backup = BackupPath();
  const bool backupExists = platform::GetFileAttributes(backup) != platform::kInvalidAttributes;
  if (SameDay(written, m_now()) && backupExists) {
    return;  // the backup already holds the data from before the first save of today
  }
  if (backupExists) {
    platform::SetFileAttributes(backup, platform::kAttrNormal);
  }
  CopyFileOver(m_path, backup);  // a failed backup does not stop the save
}

bool CDataFile::Write(const SDataFileContents& contents) {
  const uint32_t attributes = platform::GetFileAttributes(m_path);
  if (attributes != platform::kInvalidAttributes && (attributes & platform::kAttrReadOnly) != 0) {
    return false;  // a read-only data file is not to be replaced
  }
  return ReplaceWithBytes(m_path, EncodeDataFile(contents));
}

bool CDataFile::Save(const SDataFileContents& contents) {
  try {
    RefreshBackup();
    if (Write(contents)) {
      m_fileDamaged = false;
      return true;
    }
    m_prompter.Show(
        platform::Format("Could not save Brevant data into \"%.259s\".", m_path.c_str()),
        EIcon::kExclamation);
    return false;
  } catch (const std::bad_alloc&) {
    m_prompter.Show(kOutOfMemoryText, EIcon::kStop);
    return false;
  }
}
