// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/InstanceLock.h"
#include "platform/UserFolders.h"

class CPrompter;

// What the program learns about its platform at start: whether it is a current system (it
// decides the default of two-digit version numbers) and whether files carry security
// information (it decides whether the file-security settings are offered).
bool OsIsXpOrLater();
bool OsHasFileSecurity();

inline constexpr const char* kInstanceGuardName = "Brevant-{AA161BBE-AD9F-44ce-BA3F-08F01F12F57D}";

// Makes sure that one copy of the program runs per user session. The guard holds its lock
// until it is destroyed.
class CSingleInstance {
 public:
  explicit CSingleInstance(std::string name = kInstanceGuardName);
  // True when another copy holds the guard. Both forms (a mutex or an event on Windows) take
  // the same lock here.
  bool IsAlreadyRunning(bool useMutex);

 private:
  std::string m_name;
  platform::CInstanceLock m_lock;
};

// The per-user folders, as the desktop names them. Replaceable in tests.
class CUserFolderSource {
 public:
  virtual ~CUserFolderSource() = default;
  // Whether the service that names the folders can be used at all.
  virtual bool Available() const { return true; }
  virtual std::optional<std::string> Query(platform::EUserFolder folder) const {
    return platform::GetUserFolder(folder);
  }
};

struct SDataFolders {
  std::string appData;    // ends in a backslash; holds the data file
  std::string documents;  // ends in a backslash; where an older release kept the data file
  std::string desktop;    // no trailing backslash; may be empty
};

// Fills the three folders, creates the data folder and moves a data file left in the
// documents folder by an older release into it. False when the program cannot go on (any
// message has been shown).
bool ResolveDataFolders(SDataFolders& folders, CPrompter& prompter,
                        const CUserFolderSource& source = CUserFolderSource());

// The data file's path: the data folder + "Brevant.dat".
std::string DataFilePath(const SDataFolders& folders);

// Creates every missing folder along a drive-letter path.
bool CreateFolderPath(std::string_view path);
// Whether a search for the path finds a file or a folder.
bool PathExists(std::string_view path);
// Whether the path is an existing folder; one trailing backslash is ignored, and paths of 2
// or fewer or of 260 or more characters are none.
bool IsExistingFolder(std::string_view path);
