// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/DateTime.h"
#include "platform/DebugMessages.h"
#include "platform/FileInfo.h"
#include "profile/DataFile.h"
#include "profile/SettingsPages.h"
#include "queues/ProfileData.h"
#include "queues/ProfileList.h"
#include "queues/QueueList.h"
#include "tests/profile/DataFileBytes.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TestSandbox.h"

namespace {

using data_file_bytes::BuildFile;
using data_file_bytes::CBytes;
using platform::CDateTime;
using testing_support::CTestSandbox;

constexpr const char* kPath = "C:\\data\\Brevant.dat";
constexpr const char* kHigherVersionText =
    "This program does not support reading a data file that has a higher version number than "
    "it knows about.  When you close this program, your data file will not be changed.";

std::string AsText(const std::vector<uint8_t>& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

CSettingsState Settings(const std::string& source, int32_t overwriteMode) {
  CSettingsState s;
  s.sourcePath = source;
  s.destinationPath = "E:\\Backup\\";
  s.overwriteMode = overwriteMode;
  s.nameEntries = {"11*.doc"};
  return s;
}

SDataFileContents File(std::initializer_list<SProfileRecord> profiles, int32_t selected) {
  SDataFileContents c;
  c.folders = {"C:\\Docs\\"};
  c.profiles = profiles;
  c.selectedProfile = selected;
  return c;
}

// A v7 file with two profiles and two queues, "Weekly" selected.
SDataFileContents TwoProfiles() {
  SDataFileContents c =
      File({{"Mail", Settings("C:\\Mail\\", 2)}, {"Photos", Settings("C:\\Photos\\", 3)}}, 1);
  c.queues = {{"Nightly", {"Photos", "Mail"}}, {"Weekly", {"Mail"}}};
  c.selectedQueue = 1;
  return c;
}

class DataFileOnDisk : public ::testing::Test {
 protected:
  DataFileOnDisk() {
    testing_support::MakeFolders(CTestSandbox::Posix("C:\\data"));
    m_file.SetClock([this] {
      return m_fixedNow ? *m_fixedNow
                        : CDateTime::FromLinearDays(CDateTime::Now().LinearDays() + m_dayShift);
    });
    ClearDebugMessages();
    // Something in memory that a failed or refused load must leave alone.
    m_profiles.SetQueues(&m_queues);
    m_profiles.AddProfile("Keep", Settings("C:\\Keep\\", 4), true, false);
    m_queues.Add("Old queue", {"Keep"});
    m_queues.Select(0);
    m_folders = {"C:\\Kept folder\\"};
  }

  static std::string Posix(const std::string& path) { return CTestSandbox::Posix(path); }
  static std::string DataPosix() { return Posix(kPath); }
  static std::string BackupPosix() { return Posix(std::string(kPath) + ".bak"); }
  static std::string Data() { return testing_support::ReadFile(DataPosix()); }
  static std::string Backup() { return testing_support::ReadFile(BackupPosix()); }

  static void PutData(const std::string& bytes) { testing_support::WriteFile(DataPosix(), bytes); }
  static void PutBackup(const std::string& bytes) {
    testing_support::WriteFile(BackupPosix(), bytes);
  }
  // Sets the data file's last-write time.
  static void AgeData(platform::FileTime lastWrite) {
    ASSERT_EQ(platform::SetFileTimes(kPath, nullptr, nullptr, &lastWrite), platform::EError::kNone);
  }
  static platform::FileTime DaysAgo(int days) {
    return platform::GetSystemTimeAsFileTime() -
           static_cast<platform::FileTime>(days) * 864000000000ULL;
  }
  static platform::FileTime At(const CDateTime& local) {
    platform::FileTime time = 0;
    EXPECT_TRUE(local.ToFileTime(time));
    return time;
  }

  bool Load(bool offerBackup) {
    return LoadProfileData(m_file, m_profiles, m_queues, m_folders, offerBackup);
  }

  std::vector<std::string> ProfileNames() const {
    std::vector<std::string> names;
    for (size_t i = 0; i < m_profiles.Count(); ++i) {
      names.push_back(m_profiles.Name(i));
    }
    return names;
  }
  std::vector<std::string> QueueNames() const {
    std::vector<std::string> names;
    for (size_t i = 0; i < m_queues.Count(); ++i) {
      names.push_back(m_queues.At(i).name);
    }
    return names;
  }
  // The state the constructor set up.
  void ExpectUntouched() const {
    EXPECT_EQ(ProfileNames(), std::vector<std::string>{"Keep"});
    EXPECT_EQ(m_profiles.Settings(0), Settings("C:\\Keep\\", 4));
    EXPECT_EQ(m_pages.Take(), Settings("C:\\Keep\\", 4));
    EXPECT_EQ(QueueNames(), std::vector<std::string>{"Old queue"});
    EXPECT_EQ(m_queues.Selected(), 0);
    EXPECT_EQ(m_folders, std::vector<std::string>{"C:\\Kept folder\\"});
  }
  void ExpectPrompt(size_t index, const std::string& text, EIcon icon,
                    EButtons buttons = EButtons::kOk) const {
    const std::vector<SPrompt> prompts = m_prompter.Prompts();
    ASSERT_GT(prompts.size(), index);
    EXPECT_EQ(prompts[index].text, text);
    EXPECT_EQ(prompts[index].icon, icon);
    EXPECT_EQ(prompts[index].buttons, buttons);
  }

  CTestSandbox m_sandbox;
  CScriptedPrompter m_prompter;
  CDataFile m_file{kPath, m_prompter};
  double m_dayShift = 0;
  std::optional<CDateTime> m_fixedNow;
  CSettingsHolder m_pages;
  CProfileList m_profiles{m_pages, m_prompter};
  CQueueList m_queues;
  std::vector<std::string> m_folders;
};

// ---- Loading ----

TEST_F(DataFileOnDisk, MissingFileFailsQuietlyEvenWithABackup) {
  PutBackup(AsText(BuildFile(7, TwoProfiles()).Data()));
  EXPECT_FALSE(Load(true));
  EXPECT_TRUE(m_prompter.Prompts().empty());
  ExpectUntouched();
  EXPECT_FALSE(testing_support::Exists(DataPosix()));
  EXPECT_TRUE(m_file.SaveAtExit());
}

TEST_F(DataFileOnDisk, FileReplacesProfilesQueuesAndFolders) {
  PutData(AsText(BuildFile(7, TwoProfiles()).Data()));
  ASSERT_TRUE(Load(true));
  EXPECT_TRUE(m_prompter.Prompts().empty());
  EXPECT_EQ(GetDebugMessages(), std::vector<std::string>{"Data version: 7"});
  EXPECT_EQ(m_file.LastVersion(), 7);
  EXPECT_EQ(ProfileNames(), (std::vector<std::string>{"Mail", "Photos"}));
  EXPECT_EQ(m_profiles.Settings(0), Settings("C:\\Mail\\", 2));
  EXPECT_EQ(m_profiles.CurrentName(), "Photos");
  EXPECT_EQ(m_pages.Take(), Settings("C:\\Photos\\", 3));
  EXPECT_EQ(m_profiles.History().Names(), std::vector<std::string>{"Photos"});
  EXPECT_EQ(QueueNames(), (std::vector<std::string>{"Nightly", "Weekly"}));
  EXPECT_EQ(m_queues.At(0).queue.Names(), (std::vector<std::string>{"Photos", "Mail"}));
  EXPECT_EQ(m_queues.Selected(), 1);
  EXPECT_EQ(m_folders, std::vector<std::string>{"C:\\Docs\\"});
  EXPECT_TRUE(m_file.SaveAtExit());
}

TEST_F(DataFileOnDisk, HigherVersionIsLeftByteForByte) {
  const std::string future = AsText(CBytes().Int(8).Raw("\x01\x02 fields of the future").Data());
  PutData(future);
  PutBackup("old backup");
  EXPECT_TRUE(Load(true));  // counts as read: nothing to offer, nothing to complain about
  ASSERT_EQ(m_prompter.Prompts().size(), 1u);
  ExpectPrompt(0, kHigherVersionText, EIcon::kInformation);
  EXPECT_EQ(GetDebugMessages(), std::vector<std::string>{"Data version: 8"});
  EXPECT_FALSE(m_file.SaveAtExit());
  ExpectUntouched();
  EXPECT_EQ(Data(), future);
  EXPECT_EQ(Backup(), "old backup");
  EXPECT_FALSE(testing_support::Exists(DataPosix() + ".new"));
}

TEST_F(DataFileOnDisk, DuplicateNamesGoWithTheirRecords) {
  // The stored selection names the third record, which must stay the chosen profile even
  // though a record before it is dropped.
  PutData(AsText(BuildFile(7, File({{"Alpha", Settings("C:\\A1\\", 0)},
                                    {"ALPHA", Settings("C:\\A2\\", 1)},
                                    {"Beta", Settings("C:\\B\\", 2)},
                                    {"Gamma", Settings("C:\\G\\", 3)}},
                                   2))
                     .Data()));
  ASSERT_TRUE(Load(true));
  EXPECT_EQ(ProfileNames(), (std::vector<std::string>{"Alpha", "Beta", "Gamma"}));
  EXPECT_EQ(m_profiles.Settings(0), Settings("C:\\A1\\", 0));
  EXPECT_EQ(m_profiles.CurrentName(), "Beta");
  EXPECT_EQ(m_pages.Take(), Settings("C:\\B\\", 2));
  EXPECT_EQ(m_profiles.History().Names(), std::vector<std::string>{"Beta"});
  EXPECT_TRUE(m_prompter.Prompts().empty());
}

TEST_F(DataFileOnDisk, SelectionFollowsTheStoredRecordWhenTheListSortsDifferently) {
  // A file sorted character by character: the list puts "Backup 9" before "Backup 10".
  SDataFileContents c =
      File({{"Backup 10", Settings("C:\\Ten\\", 0)}, {"Backup 9", Settings("C:\\Nine\\", 1)}}, 0);
  c.queues = {{"Zulu", {"Backup 9"}}, {"Alpha", {}}, {"alpha", {"Backup 10"}}, {"Mid", {}}};
  c.selectedQueue = 3;
  PutData(AsText(BuildFile(7, c).Data()));
  ASSERT_TRUE(Load(true));
  EXPECT_EQ(ProfileNames(), (std::vector<std::string>{"Backup 9", "Backup 10"}));
  EXPECT_EQ(m_profiles.CurrentName(), "Backup 10");
  EXPECT_EQ(m_pages.Take(), Settings("C:\\Ten\\", 0));
  EXPECT_EQ(m_profiles.History().Names(), std::vector<std::string>{"Backup 10"});
  EXPECT_EQ(QueueNames(), (std::vector<std::string>{"Alpha", "Mid", "Zulu"}));
  EXPECT_EQ(m_queues.At(0).queue.Names(), std::vector<std::string>{});
  EXPECT_EQ(m_queues.Selected(), 1);
}

TEST_F(DataFileOnDisk, OutOfRangeSelectionsStillGiveACurrentProfileAndNoQueue) {
  SDataFileContents c = TwoProfiles();
  c.selectedProfile = 9;
  c.selectedQueue = 2;
  PutData(AsText(BuildFile(7, c).Data()));
  ASSERT_TRUE(Load(true));
  EXPECT_GE(m_profiles.CurrentIndex(), 0);
  EXPECT_EQ(m_profiles.History().Names().size(), 1u);
  EXPECT_EQ(m_queues.Selected(), -1);
}

TEST_F(DataFileOnDisk, FileWithoutProfilesGivesTheDefaultProfile) {
  PutData(AsText(BuildFile(7, File({}, 0)).Data()));
  ASSERT_TRUE(Load(true));
  EXPECT_EQ(ProfileNames(), std::vector<std::string>{"(default)"});
  EXPECT_EQ(m_profiles.Settings(0), CSettingsState());
  EXPECT_EQ(m_pages.Take(), CSettingsState());
  EXPECT_EQ(m_profiles.CurrentIndex(), 0);
  EXPECT_EQ(m_profiles.History().Names(), std::vector<std::string>{"(default)"});
}

TEST_F(DataFileOnDisk, FilesBeforeVersion6KeepTheQueueList) {
  PutData(AsText(BuildFile(5, TwoProfiles()).Data()));
  ASSERT_TRUE(Load(true));
  EXPECT_EQ(ProfileNames(), (std::vector<std::string>{"Mail", "Photos"}));
  EXPECT_EQ(QueueNames(), std::vector<std::string>{"Old queue"});
  EXPECT_EQ(m_queues.Selected(), 0);
  EXPECT_EQ(GetDebugMessages(), std::vector<std::string>{"Data version: 5"});

  SDataFileContents noQueues = TwoProfiles();
  noQueues.queues.clear();
  noQueues.selectedQueue = -1;
  PutData(AsText(BuildFile(6, noQueues).Data()));
  ASSERT_TRUE(Load(true));
  EXPECT_EQ(m_queues.Count(), 0u);
  EXPECT_EQ(m_queues.Selected(), -1);
}

// ---- Damaged files ----

std::string Damaged() {
  std::vector<uint8_t> bytes = BuildFile(7, TwoProfiles()).Data();
  bytes.resize(bytes.size() - 3);
  return AsText(bytes);
}

TEST_F(DataFileOnDisk, DamagedFileCanBeReplacedByTheBackup) {
  PutData(Damaged());
  const std::string good = AsText(BuildFile(6, TwoProfiles()).Data());
  PutBackup(good);
  m_prompter.AddAnswer(EAnswer::kYes);
  ASSERT_TRUE(Load(true));
  ASSERT_EQ(m_prompter.Prompts().size(), 1u);
  ExpectPrompt(0, "Could not read Brevant data.  Try the backup file?", EIcon::kQuestion,
               EButtons::kYesNo);
  EXPECT_EQ(Data(), good);
  EXPECT_EQ(Backup(), good);
  EXPECT_EQ(m_file.LastVersion(), 6);
  EXPECT_EQ(ProfileNames(), (std::vector<std::string>{"Mail", "Photos"}));
  EXPECT_EQ(m_queues.Selected(), 1);
}

TEST_F(DataFileOnDisk, DamagedBackupIsReportedAfterAcceptingIt) {
  const std::string damaged = Damaged();
  PutData(damaged);
  PutBackup("\x07\x00\x00\x00\x09");
  m_prompter.AddAnswer(EAnswer::kYes);
  EXPECT_FALSE(Load(true));
  ASSERT_EQ(m_prompter.Prompts().size(), 2u);
  ExpectPrompt(0, "Could not read Brevant data.  Try the backup file?", EIcon::kQuestion,
               EButtons::kYesNo);
  ExpectPrompt(1, "Could not read Brevant backup data.", EIcon::kExclamation);
  ExpectUntouched();
  EXPECT_EQ(Data(), damaged);  // not replaced by a backup that is no better
}

TEST_F(DataFileOnDisk, DecliningTheBackupFailsAndTouchesNothing) {
  const std::string damaged = Damaged();
  PutData(damaged);
  PutBackup(AsText(BuildFile(7, TwoProfiles()).Data()));
  m_prompter.AddAnswer(EAnswer::kNo);
  EXPECT_FALSE(Load(true));
  ASSERT_EQ(m_prompter.Prompts().size(), 1u);
  ExpectUntouched();
  EXPECT_EQ(Data(), damaged);
}

TEST_F(DataFileOnDisk, DamagedFileWithoutBackupIsReported) {
  PutData(Damaged());
  EXPECT_FALSE(Load(true));
  ASSERT_EQ(m_prompter.Prompts().size(), 1u);
  ExpectPrompt(0, "Could not read Brevant data.", EIcon::kExclamation);
  ExpectUntouched();
}

TEST_F(DataFileOnDisk, DamagedFileWithoutOfferIsReportedAsBackupData) {
  // The reading of the backup itself, when the backup has already been put in place.
  PutData(Damaged());
  PutBackup(AsText(BuildFile(7, TwoProfiles()).Data()));
  EXPECT_FALSE(Load(false));
  ASSERT_EQ(m_prompter.Prompts().size(), 1u);
  ExpectPrompt(0, "Could not read Brevant backup data.", EIcon::kExclamation);
  ExpectUntouched();
}

TEST_F(DataFileOnDisk, EmptyFileIsDamaged) {
  PutData("");
  EXPECT_FALSE(Load(true));
  ExpectPrompt(0, "Could not read Brevant data.", EIcon::kExclamation);
  EXPECT_TRUE(GetDebugMessages().empty());
  ExpectUntouched();
}

// ---- Saving ----

TEST_F(DataFileOnDisk, SaveWritesVersion7InPlace) {
  ASSERT_TRUE(m_file.Save(TwoProfiles()));
  EXPECT_EQ(Data(), AsText(BuildFile(7, TwoProfiles()).Data()));
  EXPECT_FALSE(testing_support::Exists(DataPosix() + ".new"));
  EXPECT_FALSE(testing_support::Exists(BackupPosix()));  // there was nothing to keep
  EXPECT_TRUE(m_prompter.Prompts().empty());
}

TEST_F(DataFileOnDisk, FailedWriteKeepsTheOldFile) {
  const std::string old = AsText(BuildFile(7, TwoProfiles()).Data());
  PutData(old);
  testing_support::MakeFolders(DataPosix() + ".new");  // the new file cannot be made
  EXPECT_FALSE(m_file.Save(File({{"New", {}}}, 0)));
  ASSERT_EQ(m_prompter.Prompts().size(), 1u);
  ExpectPrompt(0, "Could not save Brevant data into \"C:\\data\\Brevant.dat\".",
               EIcon::kExclamation);
  EXPECT_EQ(Data(), old);
}

TEST_F(DataFileOnDisk, BackupHoldsTheDataFromBeforeTheFirstSaveOfTheDay) {
  const std::string before = AsText(BuildFile(7, File({{"Before", {}}}, 0)).Data());
  PutData(before);
  AgeData(DaysAgo(3));
  PutBackup("three days old");

  ASSERT_TRUE(m_file.Save(File({{"Morning", {}}}, 0)));
  EXPECT_EQ(Backup(), before);
  ASSERT_TRUE(m_file.Save(File({{"Evening", {}}}, 0)));
  EXPECT_EQ(Backup(), before);  // a later save of the same day keeps it
  EXPECT_EQ(Data(), AsText(BuildFile(7, File({{"Evening", {}}}, 0)).Data()));

  m_dayShift = 1;
  ASSERT_TRUE(m_file.Save(File({{"Tomorrow", {}}}, 0)));
  EXPECT_EQ(Backup(), AsText(BuildFile(7, File({{"Evening", {}}}, 0)).Data()));
  EXPECT_TRUE(m_prompter.Prompts().empty());
}

TEST_F(DataFileOnDisk, FileWrittenTodayIsCopiedOnlyWhenThereIsNoBackup) {
  const std::string today = AsText(BuildFile(7, File({{"Today", {}}}, 0)).Data());
  PutData(today);
  ASSERT_TRUE(m_file.Save(File({{"Later", {}}}, 0)));
  EXPECT_EQ(Backup(), today);

  PutData(today);
  PutBackup("kept");
  ASSERT_TRUE(m_file.Save(File({{"Later", {}}}, 0)));
  EXPECT_EQ(Backup(), "kept");
}

TEST_F(DataFileOnDisk, DaysAreLocalCalendarDates) {
  const std::string before = AsText(BuildFile(7, File({{"Before", {}}}, 0)).Data());
  // An hour apart, across midnight: another day.
  PutData(before);
  AgeData(At(CDateTime::FromParts(2030, 6, 14, 23, 30)));
  PutBackup("old");
  m_fixedNow = CDateTime::FromParts(2030, 6, 15, 0, 30);
  ASSERT_TRUE(m_file.Save(File({{"After", {}}}, 0)));
  EXPECT_EQ(Backup(), before);

  // Almost a day apart on the same date: the same day.
  PutData(before);
  AgeData(At(CDateTime::FromParts(2030, 6, 15, 0, 10)));
  PutBackup("old");
  m_fixedNow = CDateTime::FromParts(2030, 6, 15, 23, 50);
  ASSERT_TRUE(m_file.Save(File({{"After", {}}}, 0)));
  EXPECT_EQ(Backup(), "old");
}

TEST_F(DataFileOnDisk, UnreadableFileNeverReplacesAGoodBackup) {
  for (const bool offerBackup : {true, false}) {
    SCOPED_TRACE(offerBackup);
    CDataFile file(kPath, m_prompter);
    const std::string good = AsText(BuildFile(7, TwoProfiles()).Data());
    PutData(Damaged());
    AgeData(DaysAgo(2));
    PutBackup(good);
    m_prompter.AddAnswer(EAnswer::kNo);
    EXPECT_FALSE(LoadProfileData(file, m_profiles, m_queues, m_folders, offerBackup));
    m_prompter.Clear();

    ASSERT_TRUE(SaveProfileData(file, m_profiles, m_queues, m_folders));
    EXPECT_EQ(Backup(), good);
    EXPECT_TRUE(m_prompter.Prompts().empty());

    // Once a good file has been written, the next day's first save backs it up as usual.
    const std::string written = Data();
    file.SetClock([] { return CDateTime::FromLinearDays(CDateTime::Now().LinearDays() + 1); });
    ASSERT_TRUE(SaveProfileData(file, m_profiles, m_queues, m_folders));
    EXPECT_EQ(Backup(), written);
  }
}

// ---- Through the profile and queue lists ----

TEST_F(DataFileOnDisk, SavedListsLoadBackTheSame) {
  m_profiles.AddProfile("Photos", Settings("C:\\Photos\\", 3), true, false);
  m_profiles.AddProfile("Backup 10", Settings("C:\\Ten\\", 2), true, false);
  m_profiles.AddProfile("Backup 9", Settings("C:\\Nine\\", 1), true, false);
  m_profiles.Choose(m_profiles.Find("Backup 10"));
  // The live pages hold an edit that was never stored into the profile.
  m_pages.Settings().excludedPaths = {"10C:\\Ten\\Temp\\"};
  m_queues.Add("Nightly", {"Photos", "Backup 9", "Photos"});
  m_queues.Add("Alpha", {});
  m_queues.Select(m_queues.Find("Nightly"));
  m_folders = {"C:\\Photos\\", "E:\\Backup\\"};
  ASSERT_TRUE(SaveProfileData(m_file, m_profiles, m_queues, m_folders));

  CScriptedPrompter prompter;
  CDataFile file(kPath, prompter);
  CSettingsHolder pages;
  CProfileList profiles(pages, prompter);
  CQueueList queues;
  std::vector<std::string> folders;
  ASSERT_TRUE(LoadProfileData(file, profiles, queues, folders, true));
  EXPECT_TRUE(prompter.Prompts().empty());

  ASSERT_EQ(profiles.Count(), 4u);
  for (size_t i = 0; i < profiles.Count(); ++i) {
    EXPECT_EQ(profiles.Name(i), m_profiles.Name(i));
    EXPECT_EQ(profiles.Settings(i), m_profiles.Settings(i)) << m_profiles.Name(i);
  }
  EXPECT_EQ(profiles.CurrentName(), "Backup 10");
  CSettingsState edited = Settings("C:\\Ten\\", 2);
  edited.excludedPaths = {"10C:\\Ten\\Temp\\"};
  EXPECT_EQ(pages.Take(), edited);
  ASSERT_EQ(queues.Count(), 3u);
  for (size_t i = 0; i < queues.Count(); ++i) {
    EXPECT_EQ(queues.At(i).name, m_queues.At(i).name);
    EXPECT_EQ(queues.At(i).queue.Names(), m_queues.At(i).queue.Names());
  }
  EXPECT_EQ(queues.At(static_cast<size_t>(queues.Selected())).name, "Nightly");
  EXPECT_EQ(folders, m_folders);
}

}  // namespace
