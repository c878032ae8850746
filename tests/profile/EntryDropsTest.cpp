// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/EntryDrops.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "rules/StringOrder.h"
#include "tests/support/TestSandbox.h"

namespace {

using testing_support::CTestSandbox;

class EntryDropsTest : public testing::Test {
 protected:
  void SetUp() override {
    testing_support::BuildTree(m_sandbox.CRoot(), {{"photos/a.jpg", "a"},
                                                   {"photos/notes.txt", "n"},
                                                   {"photos/trip/b.jpg", "b"},
                                                   {"photos/2023/c.jpg", "c"}});
  }

  // The dropped paths as the file manager names them, examined.
  static std::vector<SDroppedItem> Dropped(std::initializer_list<const char*> relative) {
    std::vector<std::string> paths;
    for (const char* path : relative) {
      paths.push_back(CTestSandbox::OnC(path));
    }
    return ExamineDroppedPaths(paths);
  }

  static std::vector<std::string> Texts(const std::vector<SDisplayEntry>& entries) {
    std::vector<std::string> texts;
    for (const SDisplayEntry& entry : entries) {
      texts.push_back(std::to_string(entry.check) + entry.text);
    }
    return texts;
  }

  CTestSandbox m_sandbox;
};

TEST_F(EntryDropsTest, TwoFilesAndAFolderOnSubfoldersAddTheFolderAndCountTheFiles) {
  std::vector<SDisplayEntry> entries = LoadSubfolderEntries({}, "C:\\photos");
  const SDropCounts counts =
      DropOnSubfolders(entries, Dropped({"photos/a.jpg", "photos/trip", "photos/notes.txt"}),
                       EEntryTag::kIncludeSubs, "C:\\photos", CStringANOrderTag());
  EXPECT_EQ(counts.added, size_t{1});
  EXPECT_EQ(counts.unsuitable, size_t{2});
  EXPECT_EQ(counts.listed, size_t{0});
  EXPECT_EQ(Texts(entries), (std::vector<std::string>{"1 <include subs> <source folder>",
                                                      "1 <include subs> C:\\photos\\trip"}));
  EXPECT_EQ(counts.select, std::vector<size_t>{1});
  EXPECT_EQ(DropRefusal(EListKind::kSubfolders, false, counts),
            "Dragged items could not be accepted for the following reasons:\nNot folders:\t2\n"
            "Already in list:\t0");
}

TEST_F(EntryDropsTest, FoldersListedOrTheSourceItselfAreRefusedAsListed) {
  std::vector<SDisplayEntry> entries = LoadSubfolderEntries({"1-C:\\PHOTOS\\TRIP"}, "C:\\photos");
  const SDropCounts counts =
      DropOnSubfolders(entries, Dropped({"photos/trip", "photos", "photos/2023"}),
                       EEntryTag::kExclude, "C:\\photos\\", CStringANOrderTag());
  EXPECT_EQ(counts.added, size_t{1});
  EXPECT_EQ(counts.listed, size_t{2});
  ASSERT_EQ(counts.select.size(), size_t{1});
  EXPECT_EQ(Texts(entries)[counts.select[0]], "1 <exclude> C:\\photos\\2023");
  SDropCounts one;
  one.listed = 1;
  EXPECT_EQ(DropRefusal(EListKind::kSubfolders, false, one),
            "Dragged item could not be accepted for the following reason:\nNot folders:\t0\n"
            "Already in list:\t1");
  EXPECT_EQ(DropRefusal(EListKind::kSubfolders, false, SDropCounts{}), "");
}

TEST_F(EntryDropsTest, NamesTakeTheNamesOfFilesOrInTreeModeOfFolders) {
  std::vector<SDisplayEntry> entries = LoadNameEntries({"1+A.JPG"});
  SDropCounts counts =
      DropOnNames(entries, Dropped({"photos/a.jpg", "photos/notes.txt", "photos/trip"}),
                  EEntryTag::kExclude, false, CStringANOrderTag());
  EXPECT_EQ(counts.added, size_t{1});
  EXPECT_EQ(counts.listed, size_t{1});
  EXPECT_EQ(counts.unsuitable, size_t{1});
  EXPECT_EQ(Texts(entries).back(), "1 <exclude> notes.txt");
  EXPECT_EQ(DropRefusal(EListKind::kNames, false, counts),
            "Dragged items could not be accepted for the following reasons:\nNot files:\t\t1\n"
            "Already in list:\t1");

  counts = DropOnNames(entries, Dropped({"photos/a.jpg", "photos/trip"}), EEntryTag::kMatch, true,
                       CStringANOrderTag());
  EXPECT_EQ(counts.added, size_t{1});
  EXPECT_EQ(DropRefusal(EListKind::kNames, true, counts),
            "Dragged item could not be accepted for the following reason:\nNot folders:\t1\n"
            "Already in list:\t0");
  EXPECT_EQ(Texts(entries)[2], "1 <match> trip");

  // A name too long for the pattern box is left out without a word.
  std::vector<SDisplayEntry> fresh = LoadNameEntries({});
  counts = DropOnNames(fresh, {{"C:\\photos\\" + std::string(256, 'n'), EDropKind::kFile}},
                       EEntryTag::kMatch, false, CStringANOrderTag());
  EXPECT_EQ(counts.added + counts.unsuitable + counts.listed, size_t{0});
  EXPECT_EQ(fresh.size(), size_t{1});
}

TEST_F(EntryDropsTest, PathsAreAddedOrCheckedAgainWhenListed) {
  std::vector<SDisplayEntry> entries = LoadPathEntries({"0C:\\photos\\a.jpg"});
  const SDropCounts counts =
      DropOnPaths(entries, Dropped({"photos/a.jpg", "photos/trip"}), CStringANOrder());
  EXPECT_EQ(Texts(entries),
            (std::vector<std::string>{"1 C:\\photos\\a.jpg", "1 C:\\photos\\trip"}));
  EXPECT_EQ(counts.select, (std::vector<size_t>{0, 1}));
  EXPECT_EQ(DropRefusal(EListKind::kPaths, false, counts),
            "Dragged item could not be accepted for the following reason:\nAlready in list:\t1");
}

TEST_F(EntryDropsTest, TextBoxesTakeTheFirstItemOrSayWhyNot) {
  SBoxDrop drop = DropOnFolderBox(Dropped({"photos/trip", "photos/a.jpg"}));
  EXPECT_EQ(drop.text, "C:\\photos\\trip");
  EXPECT_EQ(drop.message, "");
  drop = DropOnFolderBox(Dropped({"photos/a.jpg", "photos/trip"}));
  EXPECT_EQ(drop.text, "");
  EXPECT_EQ(drop.message, "\"C:\\photos\\a.jpg\" is not a folder path.");
  drop = DropOnFolderBox(Dropped({"photos/gone"}));
  EXPECT_EQ(drop.message, "\"C:\\photos\\gone\" is not a folder path.");

  EXPECT_EQ(DropOnNameBox(Dropped({"photos/a.jpg"}), false).text, "a.jpg");
  EXPECT_EQ(DropOnNameBox(Dropped({"photos/trip"}), false).message,
            "\"C:\\photos\\trip\" is not a file.");
  EXPECT_EQ(DropOnNameBox(Dropped({"photos/trip"}), true).text, "trip");
  EXPECT_EQ(DropOnNameBox(Dropped({"photos/a.jpg"}), true).message,
            "\"C:\\photos\\a.jpg\" is not a folder.");
  EXPECT_EQ(DropOnNameBox({}, true).message, "");
}

TEST_F(EntryDropsTest, LinksAndLaunchersAreTakenForWhatTheyPointAt) {
  const std::string photos = m_sandbox.CRoot() + "/photos";
  ASSERT_EQ(symlink((photos + "/trip").c_str(), (photos + "/to-trip").c_str()), 0);
  ASSERT_EQ(symlink((photos + "/missing").c_str(), (photos + "/broken").c_str()), 0);
  testing_support::WriteFile(photos + "/Trip.desktop",
                             "[Desktop Entry]\nType=Link\nName=Trip\nURL=https://example.org/\n");

  const std::vector<SDroppedItem> items =
      Dropped({"photos/to-trip", "photos/broken", "photos/Trip.desktop"});
  EXPECT_EQ(items[0].path, "C:\\photos\\trip");
  EXPECT_EQ(items[0].kind, EDropKind::kFolder);
  EXPECT_EQ(items[1].path, "C:\\photos\\broken");  // cannot be resolved: taken as it is
  EXPECT_EQ(items[1].kind, EDropKind::kNothing);
  EXPECT_EQ(items[2].path, "https://example.org/");
  EXPECT_EQ(items[2].kind, EDropKind::kNothing);

  std::vector<SDisplayEntry> entries = LoadSubfolderEntries({"1+C:\\photos\\trip"}, "C:\\photos");
  EXPECT_EQ(DropOnSubfolders(entries, items, EEntryTag::kExclude, "C:\\photos", CStringANOrderTag())
                .listed,
            size_t{1});
  EXPECT_EQ(DropTypeQuestion(1), "How do you want dropped item to be placed into the list?");
  EXPECT_EQ(DropTypeQuestion(3), "How do you want dropped items to be placed into the list?");
}

}  // namespace
