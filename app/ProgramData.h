// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <string>
#include <vector>

#include "profile/DataFile.h"
#include "queues/ProfileList.h"
#include "queues/QueueList.h"

class CPrompter;
class CSettingsPages;

// What the program keeps in its data file for the whole run: the profiles (the current one
// lives in the settings pages), the queues and the saved folder list.
class CProgramData {
 public:
  CProgramData(std::string dataFilePath, CSettingsPages& pages, CPrompter& prompter);

  // Reads the data file, offering its backup when it is damaged; a missing or unreadable
  // file leaves one "(default)" profile. The current profile goes into the pages.
  void Load();
  // Writes the data file, unless it came from a newer release (which is never overwritten).
  // False when writing failed.
  bool Save();
  bool SaveAtExit() const { return m_file.SaveAtExit(); }

  // "S&ave Data File": writes the file, also over one of a newer release, since the user
  // asks for it, and says so when it is done.
  bool SaveOnRequest();
  // "L&oad Data File": reads the file again and says so when it is done. A file that cannot
  // be read changes nothing.
  bool LoadOnRequest();
  // Tells where the data file is and offers to open its folder in the file manager.
  void ShowLocation();

  const std::string& Path() const { return m_file.Path(); }
  CProfileList& Profiles() { return m_profiles; }
  const CProfileList& Profiles() const { return m_profiles; }
  CQueueList& Queues() { return m_queues; }
  std::vector<std::string>& Folders() { return m_folders; }

 private:
  CPrompter& m_prompter;
  CDataFile m_file;
  CProfileList m_profiles;
  CQueueList m_queues;
  std::vector<std::string> m_folders;
};
