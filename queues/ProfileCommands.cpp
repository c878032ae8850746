// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "queues/ProfileCommands.h"

#include "queues/ProfileList.h"

bool NewProfileCommand(CProfileList& profiles, const ProfileNameAsker& ask,
                       const std::function<void()>& showDataPath) {
  SProfileNameEntry shown;
  while (const std::optional<SProfileNameEntry> entry = ask(shown)) {
    shown = *entry;
    if (entry->name == kShowDataPathName) {
      if (showDataPath) {
        showDataPath();
      }
      shown.name.clear();
      continue;
    }
    if (profiles.NewProfile(entry->name, entry->retain)) {
      return true;
    }
  }
  return false;
}

bool RenameProfileCommand(CProfileList& profiles, const ProfileNameAsker& ask) {
  if (profiles.CurrentIndex() < 0) {
    return false;
  }
  SProfileNameEntry shown{profiles.CurrentName(), true};
  while (const std::optional<SProfileNameEntry> entry = ask(shown)) {
    shown = *entry;
    if (profiles.RenameCurrent(entry->name)) {
      return true;
    }
  }
  return false;
}
