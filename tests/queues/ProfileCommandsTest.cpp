// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "queues/ProfileCommands.h"

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "profile/DataFile.h"
#include "profile/SettingsPages.h"
#include "queues/ProfileList.h"
#include "queues/QueueList.h"
#include "queues/RestoreProfile.h"
#include "tests/support/ScriptedPrompter.h"

namespace {

using Names = std::vector<std::string>;

CSettingsState Folders(const std::string& source, const std::string& destination) {
  CSettingsState settings;
  settings.sourcePath = source;
  settings.destinationPath = destination;
  return settings;
}

class ProfileCommandsTest : public ::testing::Test {
 protected:
  ProfileCommandsTest() { m_profiles.SetQueues(&m_queues); }

  void Start(const std::vector<SProfileRecord>& records) {
    SDataFileContents contents;
    contents.profiles = records;
    m_profiles.ReadFrom(contents);
  }

  // The profile-name window as a user fills it in: one answer per opening (nothing is
  // Cancel), recording what it was opened with.
  ProfileNameAsker Answers(std::vector<std::optional<SProfileNameEntry>> answers) {
    m_answers.assign(answers.begin(), answers.end());
    return [this](const SProfileNameEntry& shown) -> std::optional<SProfileNameEntry> {
      m_shown.push_back(shown);
      if (m_answers.empty()) {
        return std::nullopt;
      }
      std::optional<SProfileNameEntry> answer = m_answers.front();
      m_answers.pop_front();
      return answer;
    };
  }

  std::function<void()> Counter(int& count) {
    return [&count] { ++count; };
  }

  CSettingsHolder m_pages;
  CScriptedPrompter m_prompter;
  CQueueList m_queues;
  CProfileList m_profiles{m_pages, m_prompter};
  std::deque<std::optional<SProfileNameEntry>> m_answers;
  std::vector<SProfileNameEntry> m_shown;
};

TEST_F(ProfileCommandsTest, NewAsksAgainAfterANameInUseAndAfterShowingTheDataPath) {
  Start({{"Mail", Folders("C:\\mail", "D:\\mail")}});
  int shownPath = 0;
  EXPECT_TRUE(NewProfileCommand(
      m_profiles,
      Answers({SProfileNameEntry{"<show data path>", true}, SProfileNameEntry{" mail ", true},
               SProfileNameEntry{"Photos", true}}),
      Counter(shownPath)));
  EXPECT_EQ(shownPath, 1);
  ASSERT_EQ(m_shown.size(), 3u);
  EXPECT_EQ(m_shown[1].name, "");  // the data path is no name to offer again
  EXPECT_EQ(m_shown[2].name, " mail ");
  EXPECT_TRUE(m_shown[2].retain);
  EXPECT_EQ(m_prompter.Texts(),
            (Names{"The profile name \"mail\" is already in use.  Please enter another name."}));
  EXPECT_EQ(m_profiles.CurrentName(), "Photos");
  EXPECT_EQ(m_pages.Settings().sourcePath, "C:\\mail");  // retained
  EXPECT_EQ(m_profiles.History().Names(), (Names{"Mail", "Photos"}));
}

TEST_F(ProfileCommandsTest, CancellingNewOrRenameChangesNothing) {
  Start({{"Mail", Folders("C:\\mail", "D:\\mail")}});
  m_queues.Add("Nightly", {"Mail"});
  int shownPath = 0;
  EXPECT_FALSE(NewProfileCommand(m_profiles, Answers({std::nullopt}), Counter(shownPath)));
  EXPECT_FALSE(RenameProfileCommand(m_profiles, Answers({std::nullopt})));
  ASSERT_EQ(m_shown.size(), 2u);
  EXPECT_EQ(m_shown[1].name, "Mail");  // the rename window shows the old name
  EXPECT_EQ(m_profiles.Count(), 1u);
  EXPECT_EQ(m_profiles.CurrentName(), "Mail");
  EXPECT_EQ(m_queues.At(0).queue.Names(), (Names{"Mail"}));
  EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(ProfileCommandsTest, RenameRetriesUntilTheNameIsFreeAndMayChangeOnlyTheCase) {
  Start({{"Mail", Folders("C:\\mail", "D:\\mail")}, {"Photos", {}}});
  m_queues.Add("Nightly", {"Photos", "Mail"});
  m_pages.Settings().versionLimit = 9;  // live edits on the pages stay there
  EXPECT_TRUE(RenameProfileCommand(
      m_profiles, Answers({SProfileNameEntry{"photos", true}, SProfileNameEntry{"MAIL", true}})));
  EXPECT_EQ(m_prompter.Texts().size(), 1u);
  EXPECT_EQ(m_profiles.CurrentName(), "MAIL");
  EXPECT_EQ(m_queues.At(0).queue.Names(), (Names{"Photos", "MAIL"}));
  EXPECT_EQ(m_pages.Settings().versionLimit, 9);
  EXPECT_EQ(m_pages.Settings().sourcePath, "C:\\mail");
}

// Restore profiles.

TEST(RestoreProfileName, ReplacesBackupOrPutsRestoreInFront) {
  EXPECT_EQ(RestoreProfileName("Backup Photos"), "Restore Photos");
  EXPECT_EQ(RestoreProfileName("BACKUP photos"), "Restore photos");
  EXPECT_EQ(RestoreProfileName("Backups"), "Restore Backups");
  EXPECT_EQ(RestoreProfileName("Photos"), "Restore Photos");
  // Cut as the profile list cuts names, so that it is found again.
  EXPECT_EQ(RestoreProfileName(std::string(50, 'p')), "Restore " + std::string(42, 'p'));
  EXPECT_TRUE(IsRestoreProfileName("restore docs"));
  EXPECT_FALSE(IsRestoreProfileName("Restored docs"));
}

TEST_F(ProfileCommandsTest, RestoreCreatesTheProfileOnceAndThenFindsIt) {
  Start({{"Backup Photos", Folders("C:\\photos", "D:\\backup")}, {"Mail", {}}});
  m_prompter.AddAnswer(EAnswer::kYes);
  int previews = 0;
  RestoreProfileCommand(m_profiles, m_prompter, Counter(previews));
  EXPECT_EQ(m_profiles.CurrentName(), "Restore Photos");
  CSettingsState expected = Folders("D:\\backup", "C:\\photos");
  expected.subfolderEntries = {"1-~Versions"};
  expected.overwriteMode = kOverwriteNewer;
  EXPECT_EQ(m_pages.Settings(), expected);
  EXPECT_EQ(m_profiles.History().Names(), (Names{"Backup Photos", "Restore Photos"}));
  EXPECT_EQ(previews, 1);

  m_profiles.Choose(m_profiles.Find("Backup Photos"));
  m_prompter.AddAnswer(EAnswer::kNo);
  RestoreProfileCommand(m_profiles, m_prompter, Counter(previews));
  EXPECT_EQ(m_profiles.CurrentName(), "Restore Photos");
  EXPECT_EQ(m_profiles.Count(), 3u);
  EXPECT_EQ(previews, 1);  // answered No
  EXPECT_EQ(m_prompter.Texts(),
            (Names{"Created restore profile \"Restore Photos\".  Preview it?",
                   "A restore profile for \"Backup Photos\" exists.  Preview it?"}));
  EXPECT_EQ(m_profiles.History().Names(),
            (Names{"Backup Photos", "Restore Photos", "Backup Photos", "Restore Photos"}));

  // On a restore profile itself the command only offers the preview.
  RestoreProfileCommand(m_profiles, m_prompter, Counter(previews));
  EXPECT_EQ(m_prompter.Texts().back(), "\"Restore Photos\" is a restore profile.  Preview it?");
  EXPECT_EQ(m_profiles.Count(), 3u);
  EXPECT_EQ(m_profiles.CurrentName(), "Restore Photos");
  EXPECT_EQ(previews, 2);
}

TEST_F(ProfileCommandsTest, RestoreCopiesBackFromTheFoldersOnThePagesNow) {
  Start({{"Photos", Folders("C:\\photos", "D:\\old")}});
  m_pages.Settings().destinationPath = "E:\\new";  // edited, not yet stored
  RestoreProfileCommand(m_profiles, m_prompter, {});
  EXPECT_EQ(m_profiles.CurrentName(), "Restore Photos");
  EXPECT_EQ(m_pages.Settings().sourcePath, "E:\\new");
  // The edit was kept for the profile it belongs to.
  EXPECT_EQ(m_profiles.Settings(static_cast<size_t>(m_profiles.Find("Photos"))).destinationPath,
            "E:\\new");
}

TEST_F(ProfileCommandsTest, RestoreOfALongNameFindsTheProfileItMadeBefore) {
  const std::string name(48, 'p');
  Start({{name, Folders("C:\\photos", "D:\\backup")}});
  RestoreProfileCommand(m_profiles, m_prompter, {});
  const std::string restore = m_profiles.CurrentName();
  EXPECT_EQ(restore, "Restore " + std::string(42, 'p'));
  m_profiles.Choose(m_profiles.Find(name));
  RestoreProfileCommand(m_profiles, m_prompter, {});
  EXPECT_EQ(m_profiles.CurrentName(), restore);
  EXPECT_EQ(m_profiles.Count(), 2u);
  EXPECT_EQ(m_prompter.Texts().back(),
            "A restore profile for \"" + name + "\" exists.  Preview it?");
}

TEST_F(ProfileCommandsTest, OnlyAProfileThatCopiesIntoFoldersGivesARestoreProfile) {
  CSettingsState gather = Folders("C:\\photos", "D:\\all");
  gather.copyMode = kCopyGather;
  Start({{"Backup Photos", gather}});
  int previews = 0;
  RestoreProfileCommand(m_profiles, m_prompter, Counter(previews));
  EXPECT_EQ(m_prompter.Texts(), (Names{"Could not create restore profile \"Restore Photos\"."}));
  EXPECT_EQ(m_prompter.Prompts()[0].icon, EIcon::kStop);
  EXPECT_EQ(m_profiles.Count(), 1u);
  EXPECT_EQ(m_profiles.CurrentName(), "Backup Photos");
  EXPECT_EQ(previews, 0);
}

}  // namespace
