// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "rules/Filter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/rules/FilterTestSupport.h"
#include "tests/support/TestSandbox.h"

// Which folders the walk enters and in which state. The string cases pin each rule; the walks
// over real trees check that the states combine into the folders and files a preview sees.
namespace {

using namespace filter_test;
using settings_codes::kSubfoldersAll;
using settings_codes::kSubfoldersList;
using settings_codes::kSubfoldersNone;
using testing_support::BuildTree;
using testing_support::CTestSandbox;

int Decide(const CFilter& filter, const std::string& path) {
  const std::string windows = Win(path);
  std::string_view name = windows;
  name.remove_suffix(1);
  name = name.substr(name.find_last_of('\\') + 1);
  return filter.DecideFolder(windows, name);
}

TEST(FilterRootState, FollowsTheSourceEntryInEveryMode) {
  for (const int32_t mode : {0, kSubfoldersAll, kSubfoldersNone, kSubfoldersList}) {
    SCOPED_TRACE(mode);
    EXPECT_EQ(MakeFilter(SubfolderSettings(mode, {"1+C:\\Src\\"})).RootState(), kFolderTake);
    EXPECT_EQ(MakeFilter(SubfolderSettings(mode, {"1*c:\\src\\"})).RootState(), kFolderTake);
    EXPECT_EQ(MakeFilter(SubfolderSettings(mode, {"0+C:\\Src\\"})).RootState(), kFolderPassOnly);
    EXPECT_EQ(MakeFilter(SubfolderSettings(mode, {"0*C:\\Src\\", "1+C:\\Src\\A"})).RootState(),
              kFolderPassOnly);
  }
}

TEST(FilterRootState, MissingSourceEntryIsCheckedUnlessAnotherIncludeIs) {
  EXPECT_EQ(MakeFilter(SubfolderSettings(kSubfoldersList, {})).RootState(), kFolderTake);
  EXPECT_EQ(MakeFilter(SubfolderSettings(kSubfoldersList, {"1-Temp"})).RootState(), kFolderTake);
  EXPECT_EQ(MakeFilter(SubfolderSettings(kSubfoldersList, {"0+C:\\Src\\A"})).RootState(),
            kFolderTake);
  EXPECT_EQ(MakeFilter(SubfolderSettings(kSubfoldersList, {"1*C:\\Src\\A"})).RootState(),
            kFolderPassOnly);
}

TEST(FilterRootState, SourcePathTypedWithoutTrailingBackslash) {
  // The lists name the source folder as the profile spells it; the root has the backslash.
  CSettingsState settings = SubfolderSettings(kSubfoldersList, {"1*C:\\Src", "1*C:\\Src\\A"});
  settings.sourcePath = "C:\\Src";
  const CFilter filter = MakeFilter(settings);
  EXPECT_EQ(filter.RootState(), kFolderTake);
  EXPECT_EQ(Decide(filter, "C:/Src/A/"), kFolderTake);
  EXPECT_EQ(Decide(filter, "C:/Src/B/"), kFolderSkip);

  settings.subfolderEntries = {"0+c:\\src"};
  EXPECT_EQ(MakeFilter(settings).RootState(), kFolderPassOnly);
}

TEST(FilterFolders, AllAndNoneModes) {
  const CFilter all = MakeFilter(SubfolderSettings(kSubfoldersAll, {"1-Temp"}));
  EXPECT_EQ(Decide(all, "C:/Src/A/"), kFolderTake);
  EXPECT_EQ(Decide(all, "C:/Src/Temp/"), kFolderTake);  // the list is not read in this mode
  EXPECT_EQ(Decide(all, "C:/Src/.git/"), kFolderTake);
  EXPECT_EQ(Decide(all, "C:/Src/$Recycle.Bin/"), kFolderTake);

  for (const int32_t unset : {0, -3}) {
    EXPECT_EQ(Decide(MakeFilter(SubfolderSettings(unset, {"1-Temp"})), "C:/Src/Temp/"),
              kFolderTake);
  }

  const CFilter none = MakeFilter(SubfolderSettings(kSubfoldersNone, {"1+C:\\Src\\A"}));
  EXPECT_EQ(Decide(none, "C:/Src/A/"), kFolderSkip);
  EXPECT_EQ(Decide(none, "C:/Src/B/"), kFolderSkip);
}

TEST(FilterFolders, IncludeOnlyEntryBelowTheSource) {
  const CFilter filter =
      MakeFilter(SubfolderSettings(kSubfoldersList, {"1*C:\\Src\\", "1*C:\\Src\\A\\B"}));
  EXPECT_EQ(Decide(filter, "C:/Src/A/"), kFolderPassOnly);
  EXPECT_EQ(Decide(filter, "C:/Src/A/B/"), kFolderTake);
  EXPECT_EQ(Decide(filter, "c:/SRC/a/b/"), kFolderTake);
  EXPECT_EQ(Decide(filter, "C:/Src/A/B/C/"), kFolderSkip);
  EXPECT_EQ(Decide(filter, "C:/Src/Other/"), kFolderSkip);
  // "A\B" is not a prefix of "A\BC": whole folder names only.
  EXPECT_EQ(Decide(filter, "C:/Src/A/BC/"), kFolderSkip);
  EXPECT_EQ(Decide(filter, "C:/Src/AB/"), kFolderSkip);
}

TEST(FilterFolders, IncludeWithSubfoldersTakesTheWholeBranch) {
  const CFilter filter = MakeFilter(
      SubfolderSettings(kSubfoldersList, {"0+C:\\Src\\", "1+C:\\Src\\A\\", "0+C:\\Src\\B"}));
  EXPECT_EQ(filter.RootState(), kFolderPassOnly);
  EXPECT_EQ(Decide(filter, "C:/Src/A/"), kFolderTake);
  EXPECT_EQ(Decide(filter, "C:/Src/A/X/Y/"), kFolderTake);
  EXPECT_EQ(Decide(filter, "C:/Src/B/"), kFolderSkip);  // unchecked include
  EXPECT_EQ(Decide(filter, "C:/Src/AA/"), kFolderSkip);
}

TEST(FilterFolders, NoCheckedIncludeLeavesEverythingInside) {
  const CFilter filter =
      MakeFilter(SubfolderSettings(kSubfoldersList, {"0+C:\\Src\\", "1-Skip", "0-Kept"}));
  EXPECT_EQ(filter.RootState(), kFolderPassOnly);
  EXPECT_EQ(Decide(filter, "C:/Src/A/"), kFolderTake);
  EXPECT_EQ(Decide(filter, "C:/Src/A/B/"), kFolderTake);
  EXPECT_EQ(Decide(filter, "C:/Src/Skip/"), kFolderSkip);
  EXPECT_EQ(Decide(filter, "C:/Src/Kept/"), kFolderTake);  // unchecked exclude
}

TEST(FilterFolders, ExcludedAncestorOfAnIncludeIsPassedThrough) {
  const CFilter filter = MakeFilter(
      SubfolderSettings(kSubfoldersList, {"1+C:\\Src\\", "1*C:\\Src\\Temp\\Keep", "1-temp"}));
  EXPECT_EQ(Decide(filter, "C:/Src/Temp/"), kFolderPassOnly);
  EXPECT_EQ(Decide(filter, "C:/Src/Temp/Keep/"), kFolderTake);  // excludes not consulted
  EXPECT_EQ(Decide(filter, "C:/Src/A/Temp/"), kFolderSkip);
}

TEST(FilterFolders, HiddenAndDollarFoldersInList) {
  const CFilter filter = MakeFilter(SubfolderSettings(kSubfoldersList, {"1+C:\\Src\\"}));
  EXPECT_EQ(Decide(filter, "C:/Src/.git/"), kFolderSkip);
  EXPECT_EQ(Decide(filter, "C:/Src/$Recycle.Bin/"), kFolderSkip);
  EXPECT_EQ(Decide(filter, "C:/Src/A/.cache/"), kFolderSkip);
  EXPECT_EQ(filter.DecideFolder("C:\\Src\\\\", ""), kFolderSkip);
  EXPECT_EQ(Decide(filter, "C:/Src/a.b/"), kFolderTake);  // a dot later in the name is fine

  const CFilter listed = MakeFilter(SubfolderSettings(
      kSubfoldersList, {"1+C:\\Src\\", "1*C:\\Src\\.git", "1+C:\\Src\\$Recycle.Bin"}));
  EXPECT_EQ(Decide(listed, "C:/Src/.git/"), kFolderTake);
  EXPECT_EQ(Decide(listed, "C:/Src/$Recycle.Bin/"), kFolderTake);
  EXPECT_EQ(Decide(listed, "C:/Src/.git/objects/"), kFolderTake);  // only its own name hid it
  EXPECT_EQ(Decide(listed, "C:/Src/$Recycle.Bin/S-1/"), kFolderTake);
  EXPECT_EQ(Decide(listed, "C:/Src/$Recycle.Bin/.x/"), kFolderSkip);
}

TEST(FilterFolders, FullPathExcludes) {
  const CFilter filter = MakeFilter(
      SubfolderSettings(kSubfoldersList, {"1+C:\\Src\\", "1-C:\\Src\\Old", "1-C:\\Src\\*\\cache"}));
  EXPECT_EQ(Decide(filter, "C:/Src/Old/"), kFolderSkip);
  EXPECT_EQ(Decide(filter, "c:/src/OLD/"), kFolderSkip);
  EXPECT_EQ(Decide(filter, "C:/Src/Older/"), kFolderTake);
  EXPECT_EQ(Decide(filter, "C:/Src/A/Old/"), kFolderTake);  // a full path names one folder
  EXPECT_EQ(Decide(filter, "C:/Src/A/cache/"), kFolderSkip);
  EXPECT_EQ(Decide(filter, "C:/Src/A/B/Cache/"), kFolderSkip);
  EXPECT_EQ(Decide(filter, "C:/Src/cache/"), kFolderTake);  // no folder between Src and cache
  EXPECT_EQ(Decide(filter, "C:/Src/A/cache2/"), kFolderTake);
  EXPECT_EQ(Decide(filter, "C:/Src/A/cache/B/"), kFolderTake);
}

TEST(FilterFolders, NameExcludesMatchTheFolderName) {
  const CFilter filter = MakeFilter(
      SubfolderSettings(kSubfoldersList, {"1+C:\\Src\\", "1-Cache\\", "1-*.tmp", "1-bin?"}));
  EXPECT_EQ(Decide(filter, "C:/Src/A/cache/"), kFolderSkip);  // stored with a backslash
  EXPECT_EQ(Decide(filter, "C:/Src/x.TMP/"), kFolderSkip);
  EXPECT_EQ(Decide(filter, "C:/Src/A/B/bin2/"), kFolderSkip);
  EXPECT_EQ(Decide(filter, "C:/Src/bin/"), kFolderTake);
  EXPECT_EQ(Decide(filter, "C:/Src/tmp/"), kFolderTake);
}

TEST(FilterFolders, NameExcludesAreNeverTypoTolerant) {
  CSettingsState settings = SubfolderSettings(kSubfoldersList, {"1+C:\\Src\\", "1-Temp"});
  settings.allowTypos = 1;
  settings.nameMode = settings_codes::kNamesMatch;
  const CFilter filter = MakeFilter(settings);
  EXPECT_EQ(Decide(filter, "C:/Src/TEMP/"), kFolderSkip);
  EXPECT_EQ(Decide(filter, "C:/Src/Tmep/"), kFolderTake);
  EXPECT_EQ(Decide(filter, "C:/Src/Temps/"), kFolderTake);
}

TEST(FilterFolders, DestinationInsideTheSourceIsNeverEntered) {
  for (const bool gather : {false, true}) {
    SCOPED_TRACE(gather);
    for (const int32_t mode : {kSubfoldersAll, kSubfoldersList}) {
      const CFilter filter =
          MakeFilter(SubfolderSettings(mode, {"1+C:\\Src\\"}), SFilterOptions{.gather = gather},
                     kSource, "C:\\Src\\Backup\\");
      EXPECT_EQ(Decide(filter, "C:/Src/Backup/"), kFolderSkip);
      EXPECT_EQ(Decide(filter, "c:/src/BACKUP/"), kFolderSkip);
      EXPECT_EQ(Decide(filter, "C:/Src/Backup2/"), kFolderTake);
      EXPECT_EQ(Decide(filter, "C:/Src/A/Backup/"), kFolderTake);
    }
  }
}

TEST(FilterFolders, FolderThatWouldBeCopiedOntoTheSourceIsSkipped) {
  // Backing C:\Data\Src\ up into C:\Data\ would copy C:\Data\Src\Src\ onto the source itself.
  const CFilter intoFolders =
      MakeFilter(SubfolderSettings(kSubfoldersAll, {}), {}, "C:\\Data\\Src\\", "C:\\Data\\");
  EXPECT_EQ(Decide(intoFolders, "C:/Data/Src/Src/"), kFolderSkip);
  EXPECT_EQ(Decide(intoFolders, "C:/Data/Src/Other/"), kFolderTake);
  // Gathered files all land in the destination root, so the folder is harmless there.
  const CFilter gathered =
      MakeFilter(SubfolderSettings(kSubfoldersAll, {}), SFilterOptions{.gather = true},
                 "C:\\Data\\Src\\", "C:\\Data\\");
  EXPECT_EQ(Decide(gathered, "C:/Data/Src/Src/"), kFolderTake);
}

// ---- Walks over real trees ----

class FilterWalk : public ::testing::Test {
 protected:
  void Build(std::initializer_list<testing_support::STreeEntry> entries) {
    BuildTree(m_sandbox.CRoot() + "/Src", entries);
  }
  SWalk WalkWith(const CSettingsState& settings, const SFilterOptions& options = {},
                 std::string_view destination = kDestination) {
    CFilter filter = MakeFilter(settings, options, kSource, destination);
    return Walk(filter);
  }

  CTestSandbox m_sandbox;
};

TEST_F(FilterWalk, ExcludedNameIsSkippedAtEveryDepthWithEverythingBelow) {
  Build({{"keep.txt", "k"},
         {"Temp/t1.txt", "x"},
         {"Temp/inner/t2.txt", "x"},
         {"A/a.txt", "a"},
         {"A/Temp/t3.txt", "x"},
         {"A/B/b.txt", "b"},
         {"A/B/temp/t4.txt", "x"},
         {"A/B/temp/deeper/t5.txt", "x"},
         {"A/B/C/c.txt", "c"},
         {"A/B/C/Temporary/d.txt", "d"}});
  const SWalk walk = WalkWith(SubfolderSettings(kSubfoldersList, {"1+C:\\Src\\", "1-temp"}));
  EXPECT_EQ(walk.folders,
            Folders({{"", 1}, {"A/", 1}, {"A/B/", 1}, {"A/B/C/", 1}, {"A/B/C/Temporary/", 1}}));
  EXPECT_EQ(walk.files,
            Files({"keep.txt", "A/a.txt", "A/B/b.txt", "A/B/C/c.txt", "A/B/C/Temporary/d.txt"}));
}

TEST_F(FilterWalk, IncludeOnlySourceWithEntriesAndExcludesAtSeveralDepths) {
  Build({{"root.txt", "r"},
         {"A/a.txt", "a"},
         {"A/temp/t.txt", "x"},
         {"A/B/b.txt", "b"},
         {"A/B/C/c.txt", "c"},
         {"K/k.txt", "k"},
         {"K/temp/t.txt", "x"},
         {"K/x/x.txt", "x"},
         {"K/x/temp/t.txt", "x"},
         {"K/x/y/y.txt", "y"},
         {"Other/o.txt", "o"}});
  const SWalk walk = WalkWith(SubfolderSettings(
      kSubfoldersList, {"1*C:\\Src\\", "1*C:\\Src\\A\\B", "1+C:\\Src\\K", "1-temp"}));
  EXPECT_EQ(walk.folders,
            Folders({{"", 1}, {"A/", 2}, {"A/B/", 1}, {"K/", 1}, {"K/x/", 1}, {"K/x/y/", 1}}));
  EXPECT_EQ(walk.files, Files({"root.txt", "A/B/b.txt", "K/k.txt", "K/x/x.txt", "K/x/y/y.txt"}));
}

TEST_F(FilterWalk, UncheckedSourceEntryWalksTheRootWithoutItsFiles) {
  Build({{"root.txt", "r"}, {"A/a.txt", "a"}, {"A/sub/s.txt", "s"}, {"B/b.txt", "b"}});
  const SWalk walk = WalkWith(SubfolderSettings(kSubfoldersList, {"0+C:\\Src\\", "1+C:\\Src\\A"}));
  EXPECT_EQ(walk.folders, Folders({{"", 2}, {"A/", 1}, {"A/sub/", 1}}));
  EXPECT_EQ(walk.files, Files({"A/a.txt", "A/sub/s.txt"}));
}

TEST_F(FilterWalk, HiddenAndDollarFoldersSkippedInListButEnteredInAllMode) {
  Build({{"d.txt", "d"},
         {".git/config", "c"},
         {"$Recycle.Bin/r.txt", "r"},
         {"Docs/doc.txt", "d"},
         {"Docs/.cache/c.txt", "c"}});
  const SWalk listed = WalkWith(SubfolderSettings(kSubfoldersList, {"1+C:\\Src\\"}));
  EXPECT_EQ(listed.folders, Folders({{"", 1}, {"Docs/", 1}}));
  EXPECT_EQ(listed.files, Files({"d.txt", "Docs/doc.txt"}));

  const SWalk named =
      WalkWith(SubfolderSettings(kSubfoldersList, {"1+C:\\Src\\", "1+C:\\Src\\Docs\\.cache"}));
  EXPECT_EQ(named.folders, Folders({{"", 1}, {"Docs/", 1}, {"Docs/.cache/", 1}}));

  const SWalk all = WalkWith(SubfolderSettings(kSubfoldersAll, {"1+C:\\Src\\"}));
  EXPECT_EQ(
      all.folders,
      Folders({{"", 1}, {".git/", 1}, {"$Recycle.Bin/", 1}, {"Docs/", 1}, {"Docs/.cache/", 1}}));
  EXPECT_EQ(all.files, Files({"d.txt", ".git/config", "$Recycle.Bin/r.txt", "Docs/doc.txt",
                              "Docs/.cache/c.txt"}));
}

TEST_F(FilterWalk, FullPathAndWildcardExcludes) {
  Build({{"Old/o.txt", "o"},
         {"Older/o.txt", "o"},
         {"A/Old/o.txt", "o"},
         {"A/cache/c.txt", "c"},
         {"A/B/cache/c.txt", "c"},
         {"cache/c.txt", "c"}});
  const SWalk walk = WalkWith(
      SubfolderSettings(kSubfoldersList, {"1+C:\\Src\\", "1-C:\\Src\\Old", "1-C:\\Src\\*\\cache"}));
  EXPECT_EQ(
      walk.folders,
      Folders({{"", 1}, {"Older/", 1}, {"A/", 1}, {"A/Old/", 1}, {"A/B/", 1}, {"cache/", 1}}));
  EXPECT_EQ(walk.files, Files({"Older/o.txt", "A/Old/o.txt", "cache/c.txt"}));
}

TEST_F(FilterWalk, NoneModeTakesOnlyTheRootFiles) {
  Build({{"r.txt", "r"}, {"A/a.txt", "a"}});
  const SWalk walk = WalkWith(SubfolderSettings(kSubfoldersNone, {}));
  EXPECT_EQ(walk.folders, Folders({{"", 1}}));
  EXPECT_EQ(walk.files, Files({"r.txt"}));
}

TEST_F(FilterWalk, DestinationInsideTheSourceIsNotWalked) {
  Build({{"s.txt", "s"},
         {"A/a.txt", "a"},
         {"Backup/s.txt", "old copy"},
         {"Backup/A/a.txt", "old copy"}});
  for (const bool gather : {false, true}) {
    SCOPED_TRACE(gather);
    const SWalk walk = WalkWith(SubfolderSettings(kSubfoldersAll, {}),
                                SFilterOptions{.gather = gather}, "C:\\Src\\Backup\\");
    EXPECT_EQ(walk.folders, Folders({{"", 1}, {"A/", 1}}));
  }
}

}  // namespace
