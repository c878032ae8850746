// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ListCommands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/StringOrder.h"

namespace {

constexpr const char* kSource = "C:\\Users\\ann\\Photos";

// The list as the Subfolders page shows a new profile's, in the rules' order.
std::vector<SDisplayEntry> NewSubfolders() {
  return LoadSubfolderEntries({}, kSource);
}

FEntryLess TagOrder() {
  return CStringANOrderTag();
}

std::vector<std::string> Texts(const std::vector<SDisplayEntry>& entries) {
  std::vector<std::string> texts;
  for (const SDisplayEntry& entry : entries) {
    texts.push_back(std::to_string(entry.check) + entry.text);
  }
  return texts;
}

// Adds each text as the tag says, expecting it to be taken.
std::vector<SDisplayEntry> Subfolders(
    std::initializer_list<std::pair<EEntryTag, const char*>> added) {
  std::vector<SDisplayEntry> entries = NewSubfolders();
  for (const auto& [tag, text] : added) {
    EXPECT_FALSE(AddSubfolderEntry(entries, text, tag, kSource, TagOrder()).Refused()) << text;
  }
  return entries;
}

TEST(SubfolderAdd, ADriveIsStoredAsItsRootAndBlanksAndBackslashesAreTrimmed) {
  std::vector<SDisplayEntry> entries = NewSubfolders();
  SListOutcome outcome =
      AddSubfolderEntry(entries, "C:", EEntryTag::kIncludeSubs, kSource, TagOrder());
  ASSERT_FALSE(outcome.Refused());
  EXPECT_TRUE(outcome.changed);
  outcome =
      AddSubfolderEntry(entries, "  D:\\Music\\\\  ", EEntryTag::kIncludeOnly, kSource, TagOrder());
  ASSERT_FALSE(outcome.Refused());
  EXPECT_EQ(Texts(entries),
            (std::vector<std::string>{"1 <include subs> <source folder>", "1 <include subs> C:\\",
                                      "1 <include only> D:\\Music"}));
  // The new entry is the one selected, found at its place in the order.
  EXPECT_EQ(outcome.select, std::vector<size_t>{2});
  EXPECT_EQ(StoreEntries(entries, EListKind::kSubfolders, kSource),
            (std::vector<std::string>{std::string("1+") + kSource, "1+C:\\", "1*D:\\Music"}));
}

TEST(SubfolderAdd, IncludesMustBeFolderPathsWhileExcludesMayBeNames) {
  std::vector<SDisplayEntry> entries = NewSubfolders();
  const std::vector<SDisplayEntry> before = entries;
  struct SRefused {
    const char* text;
    EEntryTag tag;
    const char* message;
  };
  for (const SRefused& c : std::initializer_list<SRefused>{
           {"temp", EEntryTag::kIncludeSubs, "When including subfolders, enter a folder path."},
           {"t", EEntryTag::kIncludeOnly, "When including subfolders, enter a folder path."},
           {"C:\\Photos\\200?", EEntryTag::kIncludeSubs,
            "When including subfolders, enter a path that does not include wildcards (\"?\" or "
            "\"*\")."},
           {"  \\ ", EEntryTag::kIncludeSubs, "Please enter a folder path."},
           {"", EEntryTag::kExclude, "Please enter a folder path, name or pattern."},
           {"c:\\users\\ANN\\photos\\", EEntryTag::kIncludeOnly,
            "You may not add the source folder.  This folder is covered by the \"<source "
            "folder>\" entry."},
       }) {
    const SListOutcome outcome = AddSubfolderEntry(entries, c.text, c.tag, kSource, TagOrder());
    EXPECT_EQ(outcome.message, c.message) << c.text;
    EXPECT_EQ(outcome.icon, EIcon::kExclamation);
    EXPECT_FALSE(outcome.changed);
  }
  EXPECT_EQ(entries, before);

  EXPECT_FALSE(
      AddSubfolderEntry(entries, "temp", EEntryTag::kExclude, kSource, TagOrder()).Refused());
  EXPECT_FALSE(
      AddSubfolderEntry(entries, "save*", EEntryTag::kExclude, kSource, TagOrder()).Refused());
  EXPECT_FALSE(
      AddSubfolderEntry(entries, "\\\\nas\\share", EEntryTag::kIncludeSubs, kSource, TagOrder())
          .Refused());
  EXPECT_EQ(Texts(entries).back(), "1 <exclude> temp");
}

TEST(SubfolderAdd, AnEntryOfTheSameTextIsReplacedWhateverItsTagOrCase) {
  std::vector<SDisplayEntry> entries =
      Subfolders({{EEntryTag::kIncludeSubs, "C:\\Data"}, {EEntryTag::kExclude, "Cache"}});
  entries[1].check = kUnchecked;
  AddSubfolderEntry(entries, "c:\\data", EEntryTag::kExclude, kSource, TagOrder());
  EXPECT_EQ(Texts(entries),
            (std::vector<std::string>{"1 <include subs> <source folder>", "1 <exclude> c:\\data",
                                      "1 <exclude> Cache"}));
  // Typing the source entry's own text names no folder and cannot replace it.
  AddSubfolderEntry(entries, "<source folder>", EEntryTag::kExclude, kSource, TagOrder());
  EXPECT_EQ(entries.size(), size_t{4});
  EXPECT_TRUE(IsSourceFolderEntry(entries.front()));
}

TEST(NameAndPathAdd, TheirOwnRulesHold) {
  std::vector<SDisplayEntry> names = LoadNameEntries({});
  EXPECT_EQ(AddNameEntry(names, " ", EEntryTag::kMatch, TagOrder()).message,
            "Please enter a name pattern.");
  for (const char* all : {"*.*", " * "}) {
    EXPECT_EQ(AddNameEntry(names, all, EEntryTag::kMatch, TagOrder()).message,
              "You may not add \"*.*\" or \"*\".  These patterns are covered by the \"<match> <all "
              "names>\" entry.");
  }
  AddNameEntry(names, " *.JPG ", EEntryTag::kMatch, TagOrder());
  AddNameEntry(names, "*.jpg", EEntryTag::kExclude, TagOrder());
  EXPECT_EQ(Texts(names), (std::vector<std::string>{"1 <match> <all names>", "1 <exclude> *.jpg"}));

  std::vector<SDisplayEntry> paths = LoadPathEntries({"0C:\\a\\big.iso"});
  const SListOutcome empty = AddPathEntry(paths, "", CStringANOrder());
  EXPECT_EQ(empty.message, "Please enter a file or folder path.");
  EXPECT_EQ(empty.icon, EIcon::kStop);
  // A listed path is checked, not listed twice.
  const SListOutcome again = AddPathEntry(paths, "c:\\A\\BIG.iso", CStringANOrder());
  EXPECT_TRUE(again.changed);
  EXPECT_EQ(again.select, std::vector<size_t>{0});
  AddPathEntry(paths, "C:\\a\\b", CStringANOrder());
  EXPECT_EQ(Texts(paths), (std::vector<std::string>{"1 C:\\a\\b", "1 C:\\a\\big.iso"}));
}

TEST(EditEntry, PutsOneEntryBackForEditingAndGuardsTheFixedOnes) {
  std::vector<SDisplayEntry> entries =
      Subfolders({{EEntryTag::kIncludeOnly, "C:\\Data"}, {EEntryTag::kExclude, "Cache"}});
  EXPECT_EQ(EditEntry(entries, {}, EListKind::kSubfolders).message,
            "Please select a single folder entry.");
  EXPECT_EQ(EditEntry(entries, {1, 2}, EListKind::kSubfolders).message,
            "Please select a single folder entry.");

  const SEditStart taken = EditEntry(entries, {1}, EListKind::kSubfolders);
  ASSERT_TRUE(taken.taken.has_value());
  EXPECT_EQ(taken.taken->text, "C:\\Data");
  EXPECT_EQ(taken.taken->tag, EEntryTag::kIncludeOnly);
  EXPECT_EQ(entries.size(), size_t{2});

  // The source entry is switched, not edited, and keeps its check state.
  entries.front().check = kUnchecked;
  const SEditStart source = EditEntry(entries, {0}, EListKind::kSubfolders);
  EXPECT_FALSE(source.taken.has_value());
  EXPECT_EQ(source.question, "Do you want to turn off including subfolders?");
  const size_t row = SwitchSourceEntry(entries, TagOrder());
  EXPECT_EQ(Texts(entries)[row], "0 <include only> <source folder>");
  EXPECT_EQ(EditEntry(entries, {row}, EListKind::kSubfolders).question,
            "Do you want to turn on including subfolders?");

  std::vector<SDisplayEntry> names = LoadNameEntries({"1-*.tmp"});
  EXPECT_EQ(EditEntry(names, {0}, EListKind::kNames).message,
            "You may not edit the \"<match> <all names>\" entry.");
  EXPECT_EQ(EditEntry(names, {}, EListKind::kNames).message,
            "Please select a single file or folder name pattern.");
  EXPECT_EQ(EditEntry(names, {1}, EListKind::kNames).taken->tag, EEntryTag::kExclude);
  std::vector<SDisplayEntry> paths = LoadPathEntries({"1C:\\x"});
  EXPECT_EQ(EditEntry(paths, {0, 0, 0}, EListKind::kPaths).message, "Please select a single path.");
  EXPECT_EQ(EditEntry(paths, {0}, EListKind::kPaths).taken->text, "C:\\x");
}

TEST(RemoveAndUndo, UndoRestoresTheLastRemovalWithItsCheckStates) {
  std::vector<SDisplayEntry> entries =
      LoadPathEntries({"1C:\\a", "0C:\\b", "2C:\\c", "1C:\\d", "0C:\\e"});
  std::vector<SDisplayEntry> undo;
  SListOutcome removed = RemoveEntries(entries, {4, 1, 2}, EListKind::kPaths, undo);
  EXPECT_TRUE(removed.changed);
  EXPECT_EQ(Texts(entries), (std::vector<std::string>{"1 C:\\a", "1 C:\\d"}));
  EXPECT_EQ(UndoTooltip(undo.size()), "Undo remove of 3 items.");

  // A second removal takes the store's place.
  RemoveEntries(entries, {0}, EListKind::kPaths, undo);
  EXPECT_EQ(UndoTooltip(undo.size()), "Undo remove of 1 item.");
  UndoRemove(entries, undo, CStringANOrder());
  EXPECT_EQ(Texts(entries), (std::vector<std::string>{"1 C:\\a", "1 C:\\d"}));
  EXPECT_TRUE(undo.empty());
  EXPECT_FALSE(UndoRemove(entries, undo, CStringANOrder()).changed);

  RemoveEntries(entries, {0, 1}, EListKind::kPaths, undo);
  AddPathEntry(entries, "C:\\D", CStringANOrder());  // listed again before the undo
  entries[0].check = kUnchecked;
  const SListOutcome restored = UndoRemove(entries, undo, CStringANOrder());
  EXPECT_EQ(Texts(entries), (std::vector<std::string>{"1 C:\\a", "0 C:\\D"}));
  EXPECT_EQ(restored.select, std::vector<size_t>{0});
}

TEST(RemoveAndUndo, ThreeSubfolderEntriesComeBackWhereTheyWere) {
  std::vector<SDisplayEntry> entries = Subfolders({{EEntryTag::kIncludeSubs, "C:\\Data"},
                                                   {EEntryTag::kExclude, "Cache"},
                                                   {EEntryTag::kIncludeOnly, "D:\\Music"}});
  entries[1].check = kUnchecked;
  entries[3].check = kIndeterminate;
  const std::vector<SDisplayEntry> before = entries;
  std::vector<SDisplayEntry> undo;
  RemoveEntries(entries, {1, 2, 3}, EListKind::kSubfolders, undo);
  EXPECT_EQ(entries.size(), size_t{1});
  const SListOutcome restored = UndoRemove(entries, undo, TagOrder());
  EXPECT_EQ(entries, before);
  EXPECT_EQ(restored.select.size(), size_t{3});
}

TEST(RemoveAndUndo, TheFixedEntriesStay) {
  std::vector<SDisplayEntry> entries = Subfolders({{EEntryTag::kExclude, "Cache"}});
  std::vector<SDisplayEntry> undo = {MakeEntry(EEntryTag::kExclude, "kept")};
  const SListOutcome refused = RemoveEntries(entries, {1, 0}, EListKind::kSubfolders, undo);
  EXPECT_EQ(refused.message, "You may not remove the \"<source folder>\" entry.");
  EXPECT_EQ(entries.size(), size_t{2});
  EXPECT_EQ(undo.size(), size_t{1});  // a refused removal keeps the store

  std::vector<SDisplayEntry> names = LoadNameEntries({});
  EXPECT_EQ(RemoveEntries(names, {0}, EListKind::kNames, undo).message,
            "You may not remove the \"<match> <all names>\" entry.");
  EXPECT_FALSE(RemoveEntries(names, {}, EListKind::kNames, undo).changed);
  EXPECT_EQ(RemoveTooltip(0), "Remove 0 items.");
  EXPECT_EQ(RemoveTooltip(1), "Remove 1 item.");
}

TEST(CheckAndUncheck, TheTypeChoosesTheEntries) {
  EXPECT_EQ(CheckTypeTexts(EListKind::kSubfolders),
            (std::vector<std::string_view>{"All", "Includes", "Excludes", "Selected"}));
  EXPECT_EQ(CheckTypeTexts(EListKind::kNames),
            (std::vector<std::string_view>{"All", "Matches", "Excludes", "Selected"}));
  EXPECT_EQ(CheckTypeTexts(EListKind::kPaths), (std::vector<std::string_view>{"All", "Selected"}));
  EXPECT_EQ(CheckTypeAt(EListKind::kPaths, 1), ECheckType::kSelected);

  std::vector<SDisplayEntry> entries = Subfolders({{EEntryTag::kIncludeOnly, "C:\\Data"},
                                                   {EEntryTag::kExclude, "Cache"},
                                                   {EEntryTag::kExclude, "Temp"}});
  EXPECT_TRUE(SetChecks(entries, CheckTypeAt(EListKind::kSubfolders, 1), {}, false));
  EXPECT_EQ(Texts(entries), (std::vector<std::string>{"0 <include subs> <source folder>",
                                                      "0 <include only> C:\\Data",
                                                      "1 <exclude> Cache", "1 <exclude> Temp"}));
  SetChecks(entries, ECheckType::kExcludes, {}, false);
  SetChecks(entries, ECheckType::kSelected, {3, 0}, true);
  EXPECT_EQ(Texts(entries), (std::vector<std::string>{"1 <include subs> <source folder>",
                                                      "0 <include only> C:\\Data",
                                                      "0 <exclude> Cache", "1 <exclude> Temp"}));
  EXPECT_FALSE(SetChecks(entries, ECheckType::kSelected, {0, 3}, true));

  std::vector<SDisplayEntry> names = LoadNameEntries({"1+*.jpg", "1-*.tmp"});
  SetChecks(names, CheckTypeAt(EListKind::kNames, 1), {}, false);
  EXPECT_EQ(Texts(names), (std::vector<std::string>{"0 <match> <all names>", "0 <match> *.jpg",
                                                    "1 <exclude> *.tmp"}));
  SetChecks(names, ECheckType::kAll, {}, true);
  EXPECT_EQ(StoreEntries(names, EListKind::kNames, {}),
            (std::vector<std::string>{"1+*.*", "1+*.jpg", "1-*.tmp"}));
}

TEST(EntryForms, TagsAndTextsAreReadBack) {
  EXPECT_EQ(EntryTag(MakeEntry(EEntryTag::kIncludeOnly, "C:\\a")), EEntryTag::kIncludeOnly);
  EXPECT_EQ(EntryText(MakeEntry(EEntryTag::kIncludeOnly, "C:\\a")), "C:\\a");
  EXPECT_EQ(EntryText(MakeEntry(EEntryTag::kNone, "C:\\a b")), "C:\\a b");
  // A path that merely begins like a tag is still a path.
  const SDisplayEntry path = MakeEntry(EEntryTag::kNone, "<exclude>x");
  EXPECT_EQ(EntryTag(path), EEntryTag::kNone);
  EXPECT_EQ(EntryText(path), "<exclude>x");
  EXPECT_EQ(EntryText(SDisplayEntry{kChecked, " <exclude> "}), "");
}

}  // namespace
