// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <optional>
#include <string>

#include "platform/UserFolders.h"

class CPrompter;

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
