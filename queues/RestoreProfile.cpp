// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "queues/RestoreProfile.h"

#include "core/Prompter.h"
#include "platform/TextUtil.h"
#include "queues/ProfileList.h"

namespace {

constexpr std::string_view kBackupPrefix = "Backup ";
constexpr std::string_view kRestorePrefix = "Restore ";

// Makes the restore profile of the current one, or makes the one made before current. The
// question to ask then, or nothing when it could not be made (the reason has been shown).
std::optional<std::string> MakeRestoreCurrent(CProfileList& profiles, CPrompter& prompter) {
  const std::string name = profiles.CurrentName();
  const std::string restore = RestoreProfileName(name);
  // The restore copies back what the pages show now, not what was stored when this profile
  // last became current: an edited destination is where the backup is.
  profiles.StoreCurrent();
  std::string question;
  if (const int existing = profiles.Find(restore); existing >= 0) {
    profiles.MakeCurrent(existing);
    question =
        platform::Format("A restore profile for \"%.50s\" exists.  Preview it?", name.c_str());
  } else {
    std::optional<CSettingsState> settings =
        profiles.Settings(static_cast<size_t>(profiles.CurrentIndex())).MakeRestoreRecord();
    if (!settings || !profiles.AddProfile(restore, std::move(*settings), true, false)) {
      prompter.Show(
          platform::Format("Could not create restore profile \"%.50s\".", restore.c_str()),
          EIcon::kStop);
      return std::nullopt;
    }
    question = platform::Format("Created restore profile \"%.50s\".  Preview it?", restore.c_str());
  }
  profiles.VisitCurrent();
  return question;
}

}  // namespace

std::string RestoreProfileName(std::string_view name) {
  if (platform::StartsWithNoCase(name, kBackupPrefix)) {
    // "Restore" takes the place of "Backup"; the blank after it stays.
    return ProfileListName("Restore" + std::string(name.substr(kBackupPrefix.size() - 1)));
  }
  return ProfileListName(std::string(kRestorePrefix) + std::string(name));
}

bool IsRestoreProfileName(std::string_view name) {
  return platform::StartsWithNoCase(name, kRestorePrefix);
}

void RestoreProfileCommand(CProfileList& profiles, CPrompter& prompter,
                           const std::function<void()>& preview) {
  if (profiles.CurrentIndex() < 0) {
    return;
  }
  const std::string name = profiles.CurrentName();
  std::optional<std::string> question;
  if (IsRestoreProfileName(name)) {
    question = platform::Format("\"%.50s\" is a restore profile.  Preview it?", name.c_str());
  } else {
    question = MakeRestoreCurrent(profiles, prompter);
  }
  if (question && prompter.AskYesNo(*question, EAnswer::kYes) && preview) {
    preview();
  }
}
