// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "queues/ProfileData.h"

#include "platform/TextUtil.h"
#include "profile/DataFile.h"
#include "queues/ProfileList.h"
#include "queues/QueueList.h"

namespace {

// The name of the record at a stored position, or null when the position holds none.
template <typename Record>
const std::string* SelectedName(const std::vector<Record>& records, int32_t position) {
  if (position < 0 || static_cast<size_t>(position) >= records.size()) {
    return nullptr;
  }
  return &records[static_cast<size_t>(position)].name;
}

}  // namespace

bool LoadProfileData(CDataFile& file, CProfileList& profiles, CQueueList& queues,
                     std::vector<std::string>& folders, bool offerBackup) {
  SDataFileContents contents;
  switch (file.Load(contents, offerBackup)) {
    case CDataFile::ELoadResult::kRead:
      break;
    case CDataFile::ELoadResult::kHigherVersion:
      return true;
    case CDataFile::ELoadResult::kMissing:
    case CDataFile::ELoadResult::kFailed:
      return false;
  }
  folders = contents.folders;
  // The stored selections are positions among the file's records, while the lists sort in
  // their own order and drop records whose names repeat: a file sorted another way, or one
  // with a repeated name, would otherwise open on the wrong profile or queue. So the
  // selection is carried over by name.
  profiles.ReadFrom(contents);
  if (const std::string* name = SelectedName(contents.profiles, contents.selectedProfile)) {
    const int index = profiles.Find(ProfileListName(*name));
    if (index >= 0 && index != profiles.CurrentIndex()) {
      contents.selectedProfile = index;  // as a position in the list, which is what it takes
      profiles.ReadFrom(contents);
    }
  }
  if (file.LastVersion() >= 6) {
    queues.ReadFrom(contents);
    if (const std::string* name = SelectedName(contents.queues, contents.selectedQueue)) {
      queues.Select(queues.Find(platform::Trim(*name)));
    }
  }
  return true;
}

bool SaveProfileData(CDataFile& file, CProfileList& profiles, const CQueueList& queues,
                     const std::vector<std::string>& folders) {
  SDataFileContents contents;
  contents.folders = folders;
  profiles.WriteTo(contents);
  queues.WriteTo(contents);
  return file.Save(contents);
}
