// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "queues/ProfileList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "profile/DataFile.h"
#include "profile/SettingsPages.h"
#include "queues/QueueList.h"
#include "tests/support/ScriptedPrompter.h"

namespace {

using Names = std::vector<std::string>;

CSettingsState From(const std::string& source) {
  CSettingsState settings;
  settings.sourcePath = source;
  return settings;
}

class ProfileListTest : public ::testing::Test {
 protected:
  ProfileListTest() { m_profiles.SetQueues(&m_queues); }

  // Profiles whose settings carry their own name as source path; the first is current.
  void Start(const Names& names) {
    SDataFileContents contents;
    for (const std::string& name : names) {
      contents.profiles.push_back(SProfileRecord{name, From(name)});
    }
    m_profiles.ReadFrom(contents);
  }

  Names ProfileNames() const {
    Names names;
    for (size_t i = 0; i < m_profiles.Count(); ++i) {
      names.push_back(m_profiles.Name(i));
    }
    return names;
  }

  std::string PagesSource() { return m_pages.Settings().sourcePath; }

  CSettingsHolder m_pages;
  CScriptedPrompter m_prompter;
  CQueueList m_queues;
  CProfileList m_profiles{m_pages, m_prompter};
};

TEST_F(ProfileListTest, RefusesANameInUseWhateverItsCase) {
  Start({"work"});
  EXPECT_FALSE(m_profiles.AddProfile("Work", From("X"), true, true));
  ASSERT_EQ(m_prompter.Prompts().size(), 1u);
  EXPECT_EQ(m_prompter.Prompts()[0].text,
            "The profile name \"Work\" is already in use.  Please enter another name.");
  EXPECT_EQ(m_prompter.Prompts()[0].icon, EIcon::kStop);
  EXPECT_EQ(ProfileNames(), (Names{"work"}));
  EXPECT_EQ(PagesSource(), "work");

  EXPECT_FALSE(m_profiles.AddProfile(" WORK ", std::nullopt, true, false));
  EXPECT_EQ(m_prompter.Prompts().size(), 1u);  // quietly, when asked to be quiet
}

TEST_F(ProfileListTest, TrimsCutsAndSortsNames) {
  Start({"Backup 10"});
  EXPECT_TRUE(m_profiles.AddProfile("  Home  ", std::nullopt, false, true));
  EXPECT_EQ(m_profiles.CurrentName(), "Home");
  EXPECT_TRUE(m_profiles.AddProfile("Backup 9", std::nullopt, false, true));
  const std::string longName(60, 'n');
  EXPECT_TRUE(m_profiles.AddProfile(longName, std::nullopt, false, true));
  EXPECT_TRUE(m_profiles.AddProfile("", std::nullopt, false, true));
  EXPECT_EQ(ProfileNames(),
            (Names{"(default)", "Backup 9", "Backup 10", "Home", longName.substr(0, 50)}));
  EXPECT_TRUE(m_profiles.InUse("HOME"));
  // Names that sort the same keep the order they came in, so a list read back stays put.
  EXPECT_TRUE(m_profiles.AddProfile("Backup 009", std::nullopt, false, true));
  EXPECT_EQ(ProfileNames(), (Names{"(default)", "Backup 9", "Backup 009", "Backup 10", "Home",
                                   longName.substr(0, 50)}));
}

TEST_F(ProfileListTest, AddingLoadsThePagesOnlyWhenAsked) {
  Start({"A"});
  m_pages.Settings().destinationPath = "D:\\Edited";
  EXPECT_TRUE(m_profiles.AddProfile("B", From("B"), false, true));
  EXPECT_EQ(m_profiles.CurrentName(), "B");
  EXPECT_EQ(PagesSource(), "A");
  EXPECT_EQ(m_pages.Settings().destinationPath, "D:\\Edited");
  EXPECT_TRUE(m_profiles.AddProfile("C", From("C"), true, true));
  EXPECT_EQ(m_pages.Settings(), From("C"));
  // Adding stores nothing into the profile that was current before.
  EXPECT_EQ(m_profiles.Settings(0), From("A"));
}

TEST_F(ProfileListTest, SwitchingKeepsTheEditsOfThePreviousProfile) {
  Start({"A", "B"});
  m_pages.Settings().versionLimit = 9;
  m_profiles.MakeCurrent(1);
  EXPECT_EQ(PagesSource(), "B");
  EXPECT_EQ(m_pages.Settings().versionLimit, 3);
  m_profiles.MakeCurrent(0);
  EXPECT_EQ(PagesSource(), "A");
  EXPECT_EQ(m_pages.Settings().versionLimit, 9);
}

TEST_F(ProfileListTest, NewProfileStartsFromThePagesOrFromDefaults) {
  Start({"A"});
  m_pages.Settings().overwriteMode = kOverwriteAlways;
  EXPECT_TRUE(m_profiles.NewProfile("Copy of A", true));
  EXPECT_EQ(m_profiles.CurrentName(), "Copy of A");
  EXPECT_EQ(m_profiles.Settings(static_cast<size_t>(m_profiles.CurrentIndex())).overwriteMode,
            kOverwriteAlways);
  EXPECT_EQ(PagesSource(), "A");

  EXPECT_TRUE(m_profiles.NewProfile("Fresh", false));
  EXPECT_EQ(m_pages.Settings(), CSettingsState());
  EXPECT_EQ(m_profiles.History().Names(), (Names{"A", "Copy of A", "Fresh"}));
  // The profile left behind kept the edit.
  EXPECT_EQ(m_profiles.Settings(static_cast<size_t>(m_profiles.Find("A"))).overwriteMode,
            kOverwriteAlways);

  EXPECT_FALSE(m_profiles.NewProfile("fresh", false));
  EXPECT_EQ(m_prompter.Prompts().size(), 1u);
  EXPECT_EQ(m_profiles.Count(), 3u);
}

TEST_F(ProfileListTest, RenamingFollowsTheNameIntoHistoryAndQueues) {
  Start({"Mail", "Photos"});
  m_profiles.Choose(1);
  m_profiles.Choose(0);
  m_queues.Add("Nightly", {"Mail", "Photos", "Mail"});
  m_queues.Add("Weekly", {"Mail"});
  m_pages.Settings().versionLimit = 7;

  EXPECT_TRUE(m_profiles.RenameCurrent("  Post"));
  EXPECT_EQ(ProfileNames(), (Names{"Photos", "Post"}));
  EXPECT_EQ(m_profiles.CurrentName(), "Post");
  EXPECT_EQ(m_profiles.History().Names(), (Names{"Post", "Photos", "Post"}));
  EXPECT_EQ(m_queues.At(0).queue.Names(), (Names{"Post", "Photos", "Post"}));
  EXPECT_EQ(m_queues.At(1).queue.Names(), (Names{"Post"}));
  // The live settings stay on the pages.
  EXPECT_EQ(m_pages.Settings().versionLimit, 7);
  EXPECT_EQ(PagesSource(), "Mail");
}

TEST_F(ProfileListTest, AFailedRenameKeepsTheOldNameAndSettings) {
  Start({"Mail", "Photos"});
  m_queues.Add("Nightly", {"Mail"});
  EXPECT_FALSE(m_profiles.RenameCurrent("PHOTOS"));
  EXPECT_EQ(m_prompter.Prompts().size(), 1u);
  EXPECT_EQ(ProfileNames(), (Names{"Mail", "Photos"}));
  EXPECT_EQ(m_profiles.CurrentName(), "Mail");
  EXPECT_EQ(m_profiles.Settings(0), From("Mail"));
  EXPECT_EQ(m_queues.At(0).queue.Names(), (Names{"Mail"}));
  EXPECT_EQ(m_profiles.History().Names(), (Names{"Mail"}));
}

TEST_F(ProfileListTest, DeletingTheOnlyProfileLeavesAFreshDefault) {
  Start({"Mail"});
  m_pages.Settings().versionLimit = 7;
  m_profiles.DeleteCurrent();
  EXPECT_EQ(ProfileNames(), (Names{"(default)"}));
  EXPECT_EQ(m_profiles.CurrentName(), "(default)");
  EXPECT_EQ(m_pages.Settings(), CSettingsState());
  EXPECT_EQ(m_profiles.Settings(0), CSettingsState());
  EXPECT_EQ(m_profiles.History().Names(), (Names{"(default)"}));
}

TEST_F(ProfileListTest, DeletingRemovesTheNameFromHistoryAndQueues) {
  Start({"A", "B", "C"});
  m_profiles.Choose(1);
  m_profiles.Choose(0);
  m_profiles.Choose(2);
  m_profiles.Choose(1);  // history A B A C B, at B
  m_queues.Add("Q", {"B", "A", "B"});
  m_profiles.DeleteCurrent();
  EXPECT_EQ(ProfileNames(), (Names{"A", "C"}));
  EXPECT_EQ(m_profiles.History().Names(), (Names{"A", "C"}));
  EXPECT_EQ(m_profiles.CurrentName(), "A");
  EXPECT_EQ(PagesSource(), "A");
  EXPECT_EQ(m_queues.At(0).queue.Names(), (Names{"A"}));
  // The deleted profile's pages went nowhere.
  EXPECT_EQ(m_profiles.Settings(1), From("C"));
}

TEST_F(ProfileListTest, HistoryButtonsMakeTheirProfilesCurrent) {
  Start({"A", "B", "C"});
  m_profiles.Choose(1);
  m_profiles.Choose(2);
  EXPECT_FALSE(m_profiles.HistoryNext());
  EXPECT_TRUE(m_profiles.HistoryPrevious());
  EXPECT_EQ(m_profiles.CurrentName(), "B");
  EXPECT_EQ(PagesSource(), "B");
  EXPECT_TRUE(m_profiles.HistoryFirst());
  EXPECT_EQ(m_profiles.CurrentName(), "A");
  EXPECT_FALSE(m_profiles.HistoryPrevious());
  EXPECT_TRUE(m_profiles.HistoryLast());
  EXPECT_EQ(m_profiles.CurrentName(), "C");
  m_profiles.HistoryPrevious();
  EXPECT_TRUE(m_profiles.HistoryNext());
  EXPECT_EQ(m_profiles.CurrentName(), "C");
  EXPECT_EQ(m_profiles.History().Names(), (Names{"A", "B", "C"}));
}

TEST_F(ProfileListTest, SearchGoesForwardAndOnlyFindNextWrapsAround) {
  Start({"Alpha", "Beta", "Gamma", "Delta"});  // sorted: Alpha Beta Delta Gamma
  EXPECT_TRUE(m_profiles.FindFirst("TA"));
  EXPECT_EQ(m_profiles.CurrentName(), "Beta");
  EXPECT_TRUE(m_profiles.FindNext("ta"));
  EXPECT_EQ(m_profiles.CurrentName(), "Delta");
  EXPECT_TRUE(m_profiles.FindNext("ta"));
  EXPECT_EQ(m_profiles.CurrentName(), "Beta");  // round from the end

  m_profiles.MakeCurrent(3);  // Gamma
  EXPECT_TRUE(m_profiles.FindNext("ph"));
  EXPECT_EQ(m_profiles.CurrentName(), "Alpha");
  EXPECT_FALSE(m_profiles.FindFirst("zeta"));
  EXPECT_FALSE(m_profiles.FindNext(""));
  EXPECT_FALSE(m_profiles.FindFirst(""));
  EXPECT_EQ(m_profiles.CurrentName(), "Alpha");
}

TEST_F(ProfileListTest, WritingTakesThePagesIntoTheCurrentProfile) {
  Start({"A", "B"});
  m_profiles.MakeCurrent(1);
  m_pages.Settings().versionLimit = 5;
  SDataFileContents contents;
  m_profiles.WriteTo(contents);
  EXPECT_EQ(contents.selectedProfile, 1);
  CSettingsState edited = From("B");
  edited.versionLimit = 5;
  EXPECT_EQ(contents.profiles, (std::vector<SProfileRecord>{{"A", From("A")}, {"B", edited}}));
}

TEST_F(ProfileListTest, ReadingReplacesEverythingAndLoadsTheStoredSelection) {
  Start({"Old"});
  m_pages.Settings().versionLimit = 8;  // must not reach any profile read below
  SDataFileContents contents;
  contents.profiles = {
      {"A", From("A")}, {"B", From("B")}, {"a", From("dropped")}, {"C", From("C")}};
  contents.selectedProfile = 1;
  m_profiles.ReadFrom(contents);
  EXPECT_EQ(ProfileNames(), (Names{"A", "B", "C"}));
  EXPECT_EQ(m_profiles.Settings(0), From("A"));
  EXPECT_EQ(m_profiles.CurrentName(), "B");
  EXPECT_EQ(m_pages.Settings(), From("B"));
  EXPECT_EQ(m_profiles.History().Names(), (Names{"B"}));
  for (size_t i = 0; i < m_profiles.Count(); ++i) {
    EXPECT_EQ(m_profiles.Settings(i).versionLimit, 3);
  }

  m_profiles.ReadFrom(SDataFileContents{});
  EXPECT_EQ(ProfileNames(), (Names{"(default)"}));
  EXPECT_EQ(m_pages.Settings(), CSettingsState());
  EXPECT_EQ(m_profiles.History().Names(), (Names{"(default)"}));
}

TEST_F(ProfileListTest, NamesCutAtABlankStillFindEachOtherAfterSavingAndReading) {
  Start({"Mail"});
  // Cut to their lengths, both names would end in a blank.
  const std::string longName = std::string(49, 'p') + " and more";
  ASSERT_TRUE(m_profiles.AddProfile(longName, std::nullopt, false, true));
  const std::string profileName = m_profiles.CurrentName();
  EXPECT_EQ(profileName, std::string(49, 'p'));
  ASSERT_TRUE(m_queues.Add("Nightly photos backup and more", {profileName, "Mail"}));
  EXPECT_EQ(m_queues.At(0).name, "Nightly photos backup");

  SDataFileContents contents;
  m_profiles.WriteTo(contents);
  m_queues.WriteTo(contents);
  const auto readBack = [this](const SDataFileContents& written) {
    SDataFileContents read;
    EXPECT_EQ(DecodeDataFile(EncodeDataFile(written), read), EDecodeResult::kRead);
    m_profiles.ReadFrom(read);
    m_queues.ReadFrom(read);
    ASSERT_EQ(m_queues.Count(), 1u);
    for (const std::string& name : m_queues.At(0).queue.Names()) {
      EXPECT_TRUE(m_profiles.SelectByName(name)) << "\"" << name << "\"";
    }
  };
  readBack(contents);
  EXPECT_EQ(m_queues.Find("Nightly photos backup"), 0);

  // A file saved while cut names kept their blank: the queue still finds its profile.
  contents.profiles[1].name = std::string(49, 'p') + " ";
  contents.queues[0].profiles[0] = std::string(49, 'p') + " ";
  contents.queues[0].name = "Nightly photos backup ";
  readBack(contents);
  EXPECT_EQ(m_queues.At(0).queue.Names(), (Names{std::string(49, 'p'), "Mail"}));
}

}  // namespace
