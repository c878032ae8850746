// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <string>
#include <vector>

class CDataFile;
class CProfileList;
class CQueueList;

// Reads the data file into the profile list, the queue list and the saved folders. A file of
// a higher version counts as read (it changes nothing); a missing or unreadable file leaves
// everything as it was. True when the file was read.
bool LoadProfileData(CDataFile& file, CProfileList& profiles, CQueueList& queues,
                     std::vector<std::string>& folders, bool offerBackup);

// Writes them, after storing the settings pages into the current profile.
bool SaveProfileData(CDataFile& file, CProfileList& profiles, const CQueueList& queues,
                     const std::vector<std::string>& folders);
