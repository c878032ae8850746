// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/FolderCommands.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "profile/DriveLetters.h"
#include "rules/StringOrder.h"
#include "tests/support/TestSandbox.h"

namespace {

using testing_support::CTestSandbox;

std::vector<std::string> Texts(const std::vector<SDisplayEntry>& entries) {
  std::vector<std::string> texts;
  for (const SDisplayEntry& entry : entries) {
    texts.push_back(std::to_string(entry.check) + entry.text);
  }
  return texts;
}

TEST(AppendToDestination, JoinsWithExactlyOneBackslash) {
  struct SCase {
    const char* source;
    const char* selected;
    const char* destination;
    const char* result;
  };
  for (const SCase& c : std::initializer_list<SCase>{
           {"C:\\Users\\ann\\Photos", "", "E:\\Backup", "E:\\Backup\\Users\\ann\\Photos"},
           {"C:\\Users\\ann\\Photos", "", "E:\\Backup\\", "E:\\Backup\\Users\\ann\\Photos"},
           {"C:\\Users\\ann\\Photos", "", "E:", "E:\\Users\\ann\\Photos"},
           {"C:\\Users\\ann\\Photos", "Photos", "E:\\Backup\\", "E:\\Backup\\Photos"},
           {"C:\\Users\\ann\\Photos", "Photos", "E:\\Backup", "E:\\Backup\\Photos"},
           {"C:\\Users\\ann\\Photos", "\\ann", "E:\\Backup\\", "E:\\Backup\\ann"},
           {"C:Data", "", "E:\\", "E:\\Data"},
       }) {
    const SAppendOutcome outcome = AppendToDestination(c.source, c.selected, c.destination);
    EXPECT_EQ(outcome.message, "") << c.source << " + " << c.selected;
    EXPECT_EQ(outcome.path, c.result);
    EXPECT_EQ(outcome.question,
              std::string("Is the following destination path what you intend?\n") + c.result);
  }
}

TEST(AppendToDestination, RefusesWhatCannotMakeADestination) {
  EXPECT_EQ(AppendToDestination("Photos", "", "E:\\").message,
            "The source path must have a colon as its second character.");
  EXPECT_EQ(AppendToDestination("C", "", "E:\\").message,
            "The source path must have a colon as its second character.");
  for (const char* drive : {"C:", "C:\\"}) {
    const SAppendOutcome nothing = AppendToDestination(drive, "", "E:\\");
    EXPECT_EQ(nothing.message, "There is nothing to append to the destination path.");
    EXPECT_EQ(nothing.icon, EIcon::kInformation);
  }
  EXPECT_EQ(AppendToDestination("C:\\a", "", "Backup").message,
            "The destination path must have a colon as its second character.");
  const std::string longer = "E:\\" + std::string(250, 'b');
  EXPECT_EQ(AppendToDestination("C:\\Photos", "", longer).message,
            "The resulting destination path is too long.  It may not exceed 259 characters.");
  // 259 characters exactly still fit.
  const SAppendOutcome fits = AppendToDestination("C:\\abcde", "", "E:\\" + std::string(250, 'b'));
  EXPECT_EQ(fits.message, "");
  EXPECT_EQ(fits.path.size(), size_t{259});
}

TEST(ChangeDrives, BothPathsMustNameAFolderOnADrive) {
  EXPECT_EQ(ChangeDrivesRefusal("C:", "E:\\b"), "Please enter a source path.");
  EXPECT_EQ(ChangeDrivesRefusal("C:\\a", "E\\bb"), "Please enter a destination path.");
  EXPECT_EQ(ChangeDrivesRefusal("C:\\", "E:\\"), "");
  EXPECT_EQ(WithDriveLetter("c:\\a", 'f'), "F:\\a");
}

TEST(ChangeDrives, EntriesOnTheOldDriveMoveAndNamesThatMerelyStartWithItStay) {
  std::vector<SDisplayEntry> entries = LoadSubfolderEntries(
      {"1+c:\\Photos\\2023", "0*C:\\Photos\\Raw", "1-Cache", "1-C*", "1+D:\\Photos"}, "C:\\Photos");
  SortEntries(entries, CStringANOrderTag());
  EXPECT_TRUE(MoveEntriesToDrive(entries, 'C', 'E', CStringANOrderTag()));
  EXPECT_EQ(Texts(entries),
            (std::vector<std::string>{
                "0 <include subs> <source folder>", "1 <include subs> D:\\Photos",
                "1 <include subs> E:\\Photos\\2023", "0 <include only> E:\\Photos\\Raw",
                "1 <exclude> C*", "1 <exclude> Cache"}));
  EXPECT_FALSE(MoveEntriesToDrive(entries, 'e', 'E', CStringANOrderTag()));

  // A moved path that is listed on the new drive already is listed once.
  std::vector<SDisplayEntry> paths = LoadPathEntries({"1C:\\x.iso", "0E:\\x.iso"});
  MoveEntriesToDrive(paths, 'C', 'E', CStringANOrder());
  EXPECT_EQ(Texts(paths), std::vector<std::string>{"1 E:\\x.iso"});
}

TEST(DriveLetters, TheAvailableDrivesReadAsASentence) {
  EXPECT_EQ(AvailableDrivesText("CDE"), "C, D and E");
  EXPECT_EQ(AvailableDrivesText("CD"), "C and D");
  EXPECT_EQ(AvailableDrivesText("C"), "C");
  EXPECT_EQ(AvailableDrivesText(""), "");
  EXPECT_EQ(DriveChoices("CDE", 'd'), (std::vector<std::string>{"---", "C", "E"}));
  EXPECT_TRUE(AsksSameDrives('C', 'D', 'D', 'D'));
  EXPECT_FALSE(AsksSameDrives('C', 'C', 'D', 'D'));
  EXPECT_FALSE(AsksSameDrives('C', 'D', 'E', 'D'));

  CTestSandbox sandbox("C={root}/c;E={root}/d;G={root}/d");
  EXPECT_EQ(PresentDriveLetters(), "CEG");
}

TEST(AddSet, GathersTheImmediateSubfoldersButNoLinks) {
  CTestSandbox sandbox;
  testing_support::BuildTree(
      sandbox.CRoot(),
      {{"photos/b/x/", ""}, {"photos/A/", ""}, {"photos/c.jpg", "c"}, {"elsewhere/", ""}});
  ASSERT_EQ(
      symlink((sandbox.CRoot() + "/elsewhere").c_str(), (sandbox.CRoot() + "/photos/link").c_str()),
      0);
  SGathered gathered = GatherSubfolders("  C:\\photos\\ ");
  EXPECT_EQ(gathered.message, "");
  EXPECT_EQ(gathered.folders, (std::vector<std::string>{"C:\\photos\\A", "C:\\photos\\b"}));

  std::vector<std::string> list = {"C:\\PHOTOS\\a"};
  AppendGathered(list, gathered.folders);
  EXPECT_EQ(list, (std::vector<std::string>{"C:\\PHOTOS\\a", "C:\\photos\\b"}));

  EXPECT_EQ(GatherSubfolders(" ").message, "Please enter a source or source-subfolder path.");
  EXPECT_EQ(GatherSubfolders("C:\\photos\\c.jpg").message,
            "\"C:\\photos\\c.jpg\" is not a folder path.  Please try again.");
  EXPECT_EQ(GatherSubfolders("C:").folders.size(), size_t{3});  // the drive's root
}

TEST(AddSet, ReturnedFoldersJoinTheListAndListedOnesAreCounted) {
  CTestSandbox sandbox;
  testing_support::BuildTree(sandbox.CRoot(),
                             {{"photos/a/", ""}, {"photos/b/", ""}, {"photos/c/", ""}});
  // Listed entries and the source path are recognised whatever their letter case.
  std::vector<SDisplayEntry> entries = LoadSubfolderEntries({"1-C:\\PHOTOS\\B"}, "c:\\Photos");
  const SAddSetOutcome outcome = AddSetToSubfolders(
      entries,
      {"C:\\photos\\a", "C:\\photos\\b", "C:\\photos\\gone", "C:\\photos\\", "C:\\photos\\c"},
      EEntryTag::kIncludeOnly, "c:\\Photos", CStringANOrderTag());
  EXPECT_TRUE(outcome.changed);
  EXPECT_EQ(Texts(entries),
            (std::vector<std::string>{
                "1 <include subs> <source folder>", "1 <include only> C:\\photos\\a",
                "1 <include only> C:\\photos\\c", "1 <exclude> C:\\PHOTOS\\B"}));
  // The added folders and the source entry, which stands for the source folder.
  EXPECT_EQ(outcome.select, (std::vector<size_t>{1, 2, 0}));
  EXPECT_EQ(outcome.message,
            "Certain items could not be accepted for the following reason:\nAlready in list: 1");
}

TEST(SavedFolders, LabelsAreWrittenInAnglesBeforeThePath) {
  EXPECT_EQ(SavedFolderEntry("E:\\Backup", "USB stick"), "<USB stick> E:\\Backup");
  EXPECT_EQ(SavedFolderEntry("E:\\Backup", ""), "E:\\Backup");
  const SSavedFolder labelled = SplitSavedFolder("<USB stick> E:\\Backup");
  EXPECT_EQ(labelled.label, "USB stick");
  EXPECT_EQ(labelled.path, "E:\\Backup");
  const SSavedFolder plain = SplitSavedFolder("E:\\<odd>\\x");
  EXPECT_EQ(plain.label, "");
  EXPECT_EQ(plain.path, "E:\\<odd>\\x");
}

}  // namespace
