// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ListEntries.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/StringOrder.h"

namespace {

constexpr const char* kSource = "C:\\Users\\ann\\Photos";

struct SCase {
  std::string stored;
  SDisplayEntry shown;
};

void ExpectBothWays(const std::vector<SCase>& cases, EListKind kind) {
  for (const SCase& c : cases) {
    EXPECT_EQ(StoredToDisplay(c.stored, kind, kSource), c.shown) << c.stored;
    EXPECT_EQ(DisplayToStored(c.shown, kind, kSource), c.stored) << c.shown.text;
  }
}

TEST(ListEntryForms, SubfolderEntriesShowTheirTagAndComeBackExactly) {
  ExpectBothWays(
      {
          {"1+C:\\Users\\ann\\Photos\\2023",
           {kChecked, " <include subs> C:\\Users\\ann\\Photos\\2023"}},
          {"0*Raw", {kUnchecked, " <include only> Raw"}},
          {"1-Thumbs", {kChecked, " <exclude> Thumbs"}},
          {"2-Cache", {kIndeterminate, " <exclude> Cache"}},
          {"1+C:\\Users\\ann\\Photos", {kChecked, " <include subs> <source folder>"}},
          {"0*C:\\Users\\ann\\Photos", {kUnchecked, " <include only> <source folder>"}},
      },
      EListKind::kSubfolders);
}

TEST(ListEntryForms, TheSourceFolderIsRecognisedWithoutRegardToCase) {
  EXPECT_EQ(StoredToDisplay("1+c:\\USERS\\ANN\\photos", EListKind::kSubfolders, kSource).text,
            " <include subs> <source folder>");
  EXPECT_EQ(DisplayToStored({kChecked, " <Include Subs> <SOURCE FOLDER>"}, EListKind::kSubfolders,
                            kSource),
            std::string("1+") + kSource);
  EXPECT_EQ(DisplayToStored({kChecked, " <INCLUDE ONLY> <source folder>"}, EListKind::kSubfolders,
                            kSource),
            std::string("1*") + kSource);
}

TEST(ListEntryForms, NameEntriesShowMatchOrExcludeAndComeBackExactly) {
  ExpectBothWays(
      {
          {"1+*.jpg", {kChecked, " <match> *.jpg"}},
          {"0-*.tmp", {kUnchecked, " <exclude> *.tmp"}},
          {"1+*.*", {kChecked, " <match> <all names>"}},
          {"0+*.*", {kUnchecked, " <match> <all names>"}},
          {"1-*.*", {kChecked, " <exclude> *.*"}},
      },
      EListKind::kNames);
  // Any type other than "+" excludes.
  EXPECT_EQ(StoredToDisplay("1x*.bak", EListKind::kNames, {}).text, " <exclude> *.bak");
}

TEST(ListEntryForms, PathEntriesAreTheirPathAfterOneBlank) {
  ExpectBothWays(
      {
          {"1C:\\Users\\ann\\Photos\\a.jpg", {kChecked, " C:\\Users\\ann\\Photos\\a.jpg"}},
          {"0D:\\+odd -name", {kUnchecked, " D:\\+odd -name"}},
      },
      EListKind::kPaths);
}

TEST(ListEntryForms, AnEntryWithoutCheckCharacterIsCheckedAndKeptWhole) {
  EXPECT_EQ(StoredCheck("0+a"), kUnchecked);
  EXPECT_EQ(StoredCheck("1+a"), kChecked);
  EXPECT_EQ(StoredCheck("2+a"), kIndeterminate);
  EXPECT_EQ(StoredCheck("+a"), kChecked);
  EXPECT_EQ(StoredRest("+a"), "+a");
  EXPECT_EQ(StoredRest("2+a"), "+a");
  EXPECT_EQ(StoredToDisplay("E:\\Music", EListKind::kPaths, {}),
            (SDisplayEntry{kChecked, " E:\\Music"}));
  EXPECT_EQ(StoredToDisplay("-Temp", EListKind::kSubfolders, kSource),
            (SDisplayEntry{kChecked, " <exclude> Temp"}));
}

TEST(ListEntryForms, TagsAreReplacedByPrefixAndTheirBlankDropped) {
  // Whatever follows the tag is the text, even without the blank.
  EXPECT_EQ(DisplayToStored({kChecked, " <exclude>Temp"}, EListKind::kSubfolders, kSource),
            "1-Temp");
  EXPECT_EQ(DisplayToStored({kChecked, " <match>  two blanks"}, EListKind::kNames, {}),
            "1+ two blanks");
}

// Loading the Subfolders list.

TEST(SubfolderListLoad, KeepsTheStoredSourceEntryWithItsCheckAndType) {
  const std::vector<SDisplayEntry> shown =
      LoadSubfolderEntries({"0*c:\\users\\ann\\photos", "1+Raw", "1-Thumbs"}, kSource);
  EXPECT_EQ(shown, (std::vector<SDisplayEntry>{{kUnchecked, " <include only> <source folder>"},
                                               {kChecked, " <include subs> Raw"},
                                               {kChecked, " <exclude> Thumbs"}}));
  // Stored back, the source entry carries the current spelling of the source path.
  EXPECT_EQ(StoreEntries(shown, EListKind::kSubfolders, kSource),
            (std::vector<std::string>{std::string("0*") + kSource, "1+Raw", "1-Thumbs"}));
}

TEST(SubfolderListLoad, DropsEntriesTooShortToHoldATypeAndText) {
  EXPECT_EQ(LoadSubfolderEntries({"", "1", "1+", "1-x"}, kSource),
            (std::vector<SDisplayEntry>{{kChecked, " <include subs> <source folder>"},
                                        {kChecked, " <exclude> x"}}));
}

TEST(SubfolderListLoad, AddsAMissingSourceEntryUncheckedOnlyBesideACheckedInclude) {
  EXPECT_EQ(LoadSubfolderEntries({"1-Thumbs", "0+Raw", "2*Edit"}, kSource).front(),
            (SDisplayEntry{kChecked, " <include subs> <source folder>"}));
  EXPECT_EQ(LoadSubfolderEntries({"1-Thumbs", "1*Edit"}, kSource).front(),
            (SDisplayEntry{kUnchecked, " <include subs> <source folder>"}));
  EXPECT_EQ(LoadSubfolderEntries({"1-Thumbs", "1+Raw"}, kSource).front(),
            (SDisplayEntry{kUnchecked, " <include subs> <source folder>"}));
}

TEST(SubfolderListLoad, HoldsExactlyOneSourceEntry) {
  const std::vector<SDisplayEntry> shown = LoadSubfolderEntries(
      {"1+Raw", std::string("0+") + kSource, std::string("1*") + kSource}, kSource);
  int sourceEntries = 0;
  for (const SDisplayEntry& entry : shown) {
    sourceEntries += IsSourceFolderEntry(entry) ? 1 : 0;
  }
  EXPECT_EQ(sourceEntries, 1);
}

TEST(SubfolderListLoad, AnOldSourceBecomesAnOrdinaryIncludeWhenTheSourceChanged) {
  const std::vector<std::string> stored = {"1+C:\\Old\\Photos", "1-Thumbs"};
  EXPECT_EQ(LoadSubfolderEntries(stored, kSource),
            (std::vector<SDisplayEntry>{{kUnchecked, " <include subs> <source folder>"},
                                        {kChecked, " <include subs> C:\\Old\\Photos"},
                                        {kChecked, " <exclude> Thumbs"}}));
  // An old source that was left unchecked leaves the new source folder checked.
  EXPECT_EQ(LoadSubfolderEntries({"0*C:\\Old\\Photos"}, kSource).front().check, kChecked);
}

// Loading the File/Folder Names list.

TEST(NameListLoad, AddsAMissingAllNamesEntryUncheckedOnlyBesideACheckedMatch) {
  EXPECT_EQ(LoadNameEntries({"1-*.tmp", "0+*.jpg"}),
            (std::vector<SDisplayEntry>{{kChecked, " <match> <all names>"},
                                        {kChecked, " <exclude> *.tmp"},
                                        {kUnchecked, " <match> *.jpg"}}));
  EXPECT_EQ(LoadNameEntries({"1-*.tmp", "1+*.jpg"}).front(),
            (SDisplayEntry{kUnchecked, " <match> <all names>"}));
}

TEST(NameListLoad, KeepsOneAllNamesEntryWhereItWasStored) {
  const std::vector<SDisplayEntry> shown = LoadNameEntries({"1+*.jpg", "0+*.*", "1+*.*"});
  EXPECT_EQ(shown, (std::vector<SDisplayEntry>{{kChecked, " <match> *.jpg"},
                                               {kUnchecked, " <match> <all names>"}}));
}

TEST(NameListLoad, ListsShortEntriesWithTheTextAfterTheirCheck) {
  const std::vector<SDisplayEntry> shown = LoadNameEntries({"1+", "0x", "1"});
  EXPECT_EQ(
      shown,
      (std::vector<SDisplayEntry>{
          {kChecked, " <match> <all names>"}, {kChecked, "+"}, {kUnchecked, "x"}, {kChecked, ""}}));
  // They go back as they came.
  EXPECT_EQ(StoreEntries(shown, EListKind::kNames, {}),
            (std::vector<std::string>{"1+*.*", "1+", "0x", "1"}));
}

TEST(ListLoad, ANewProfileShowsTheCheckedSourceFolderAndAllNames) {
  EXPECT_EQ(LoadSubfolderEntries({}, kSource),
            (std::vector<SDisplayEntry>{{kChecked, " <include subs> <source folder>"}}));
  EXPECT_EQ(LoadNameEntries({}), (std::vector<SDisplayEntry>{{kChecked, " <match> <all names>"}}));
  EXPECT_TRUE(LoadPathEntries({}).empty());
}

TEST(ListLoad, AStoredListSurvivesLoadingAndStoring) {
  const std::vector<std::string> subfolders = {std::string("1*") + kSource, "0+Raw", "1-Thumbs"};
  EXPECT_EQ(
      StoreEntries(LoadSubfolderEntries(subfolders, kSource), EListKind::kSubfolders, kSource),
      subfolders);
  const std::vector<std::string> names = {"0+*.*", "1+*.jpg", "1-~*"};
  EXPECT_EQ(StoreEntries(LoadNameEntries(names), EListKind::kNames, {}), names);
  const std::vector<std::string> paths = {"1C:\\a.txt", "0C:\\b c\\d.txt"};
  EXPECT_EQ(StoreEntries(LoadPathEntries(paths), EListKind::kPaths, {}), paths);
}

}  // namespace

namespace {

std::vector<std::string> Texts(const std::vector<SDisplayEntry>& entries) {
  std::vector<std::string> texts;
  for (const SDisplayEntry& entry : entries) {
    texts.push_back(entry.text);
  }
  return texts;
}

TEST(ListSort, ShowsIncludesFirstWithTheSourceEntryAheadAndNumbersByValue) {
  std::vector<SDisplayEntry> entries = {
      {kChecked, " <exclude> temp"},
      {kUnchecked, " <include subs> C:\\Photos 10"},
      {kChecked, " <include subs> <source folder>"},
      {kChecked, " <include only> C:\\Photos 9"},
      {kChecked, " <exclude> Cache"},
  };
  SortEntries(entries, CStringANOrderTag());
  EXPECT_EQ(Texts(entries),
            (std::vector<std::string>{
                " <include subs> <source folder>", " <include only> C:\\Photos 9",
                " <include subs> C:\\Photos 10", " <exclude> Cache", " <exclude> temp"}));
  EXPECT_EQ(entries[2].check, kUnchecked);  // each check moves with its entry
}

TEST(ListSort, EntriesThatSortAlikeKeepTheirOrderAndNoOrderKeepsTheList) {
  const std::vector<SDisplayEntry> stored = {
      {kChecked, " C:\\b"}, {kChecked, " C:\\A"}, {kUnchecked, " c:\\a"}};
  std::vector<SDisplayEntry> entries = stored;
  SortEntries(entries, {});
  EXPECT_EQ(entries, stored);
  SortEntries(entries, CStringANOrder());
  EXPECT_EQ(Texts(entries), (std::vector<std::string>{" C:\\A", " c:\\a", " C:\\b"}));
  EXPECT_EQ(entries[1].check, kUnchecked);
}

TEST(PathListRemember, ChecksAnEntryThatIsThereAndAddsTheRest) {
  std::vector<SDisplayEntry> entries = {{kUnchecked, " C:\\a\\x.txt"}, {kChecked, " C:\\b"}};
  EXPECT_EQ(RememberPathEntries(entries, {"C:\\a\\x.txt", "C:\\a\\X.TXT", "C:\\c\\y.txt"}),
            " C:\\c\\y.txt");
  EXPECT_EQ(entries, (std::vector<SDisplayEntry>{{kChecked, " C:\\a\\x.txt"},
                                                 {kChecked, " C:\\b"},
                                                 {kChecked, " C:\\a\\X.TXT"},
                                                 {kChecked, " C:\\c\\y.txt"}}));
  EXPECT_EQ(RememberPathEntries(entries, {}), "");
  EXPECT_EQ(entries.size(), 4u);
}

}  // namespace
