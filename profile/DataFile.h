// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "platform/DateTime.h"
#include "profile/SettingsState.h"

class CPrompter;

// What the data file holds: the saved folders, the profiles and the queues.
struct SProfileRecord {
  std::string name;
  CSettingsState settings;
  bool operator==(const SProfileRecord& other) const = default;
};

struct SQueueRecord {
  std::string name;
  std::vector<std::string> profiles;
  bool operator==(const SQueueRecord& other) const = default;
};

struct SDataFileContents {
  std::vector<std::string> folders;
  std::vector<SProfileRecord> profiles;  // in the order of the sorted profile list
  int32_t selectedProfile = 0;
  std::vector<SQueueRecord> queues;
  int32_t selectedQueue = -1;
  bool operator==(const SDataFileContents& other) const = default;
};

constexpr int32_t kDataVersion = 7;

// Read limits, in bytes.
constexpr size_t kMaxProfileName = 50;
constexpr size_t kMaxQueueName = 22;
constexpr size_t kMaxFolderEntry = 292;
constexpr size_t kMaxSubfolderEntry = 275;
constexpr size_t kMaxNameEntry = 266;
constexpr size_t kMaxPathEntry = 260;

// The file's bytes, always written in the current version.
std::vector<uint8_t> EncodeDataFile(const SDataFileContents& contents);

enum class EDecodeResult { kRead, kHigherVersion, kDamaged };
// Reads versions 1 to 7. Nothing of `contents` is valid unless the result is kRead.
EDecodeResult DecodeDataFile(std::span<const uint8_t> bytes, SDataFileContents& contents,
                             int32_t* version = nullptr);

// The data file on disk, with its daily backup ("<path>.bak") and the messages of reading and
// writing it.
class CDataFile {
 public:
  CDataFile(std::string path, CPrompter& prompter);

  const std::string& Path() const { return m_path; }
  std::string BackupPath() const { return m_path + ".bak"; }

  enum class ELoadResult { kMissing, kRead, kHigherVersion, kFailed };
  // Reads the file into `contents`. A missing file is no error and shows nothing. A file of a
  // higher version is left alone: a message, and saving at exit is off from then on. A damaged
  // file offers the backup (when `offerBackup`), which is then read instead.
  ELoadResult Load(SDataFileContents& contents, bool offerBackup);

  // Refreshes the backup (see below), then writes the file: the new data goes into a file
  // beside the old one, which it replaces only once it is complete and on disk.
  bool Save(const SDataFileContents& contents);

  // The version of the file last read (0 when none could be read).
  int32_t LastVersion() const { return m_lastVersion; }

  // Whether closing the program may write the file.
  bool SaveAtExit() const { return m_saveAtExit; }
  void DisableSaveAtExit() { m_saveAtExit = false; }

  // The clock that tells "today" for the backup rule.
  void SetClock(std::function<platform::CDateTime()> now) { m_now = std::move(now); }

 private:
  ELoadResult LoadOnce(const std::string& path, SDataFileContents& contents, bool& damaged);
  void RefreshBackup();
  bool Write(const SDataFileContents& contents);

  std::string m_path;
  CPrompter& m_prompter;
  std::function<platform::CDateTime()> m_now;
  bool m_saveAtExit = true;
  int32_t m_lastVersion = 0;
  // The file on disk could not be read: it must not replace a good backup.
  bool m_fileDamaged = false;
};
