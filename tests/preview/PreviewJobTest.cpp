// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "preview/PreviewJob.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/FormatItem.h"
#include "platform/TextUtil.h"
#include "tests/support/PreviewHarness.h"
#include "tests/support/TestSandbox.h"

namespace {

using preview_testing::CPreviewHarness;
using preview_testing::kSecond;
using preview_testing::LocalFileTime;
using testing::ElementsAre;
using testing::IsEmpty;
using testing::UnorderedElementsAre;
using testing_support::BuildTree;

const platform::FileTime kMarch = LocalFileTime(2026, 3, 1);
const platform::FileTime kApril = LocalFileTime(2026, 4, 1);

class PreviewJob : public ::testing::Test {
 protected:
  PreviewJob() {
    testing_support::MakeFolders(Source());
    testing_support::MakeFolders(Destination());
    m_settings.sourcePath = "C:\\src";
    m_settings.destinationPath = "D:\\dst";
  }

  std::string Source() const { return m_sandbox.CRoot() + "/src"; }
  std::string Destination() const { return m_sandbox.Root() + "/d/dst"; }

  testing_support::CTestSandbox m_sandbox;
  CSettingsState m_settings;
  SProgramOptions m_options;
};

TEST_F(PreviewJob, NewFilesAreListedOnlyWhenIncluded) {
  BuildTree(Source(), {{"a.txt", "new file", kMarch}});
  m_settings.includeNewFiles = 0;
  CPreviewHarness without;
  ASSERT_TRUE(without.Run(m_settings));
  EXPECT_THAT(without.Rows(), IsEmpty());
  EXPECT_EQ(without.job.Files(), 0);

  m_settings.includeNewFiles = 1;
  CPreviewHarness with;
  ASSERT_TRUE(with.Run(m_settings));
  EXPECT_THAT(with.Rows(), ElementsAre("copy C:\\src\\a.txt"));
  EXPECT_EQ(with.doneFirst, 1);
  EXPECT_EQ(with.stopValue, 0);
}

TEST_F(PreviewJob, SizeTestCopiesAFileOfEqualTimeAndCountsItWhole) {
  BuildTree(Source(), {{"a.txt", std::string(10, 's'), kMarch}});
  BuildTree(Destination(), {{"a.txt", std::string(5000, 'd'), kMarch}});
  m_settings.overwriteMode = kOverwriteNewer;
  CPreviewHarness same;
  ASSERT_TRUE(same.Run(m_settings));
  EXPECT_THAT(same.Rows(), IsEmpty());

  m_settings.testSize = 1;
  CPreviewHarness sized;
  ASSERT_TRUE(sized.Run(m_settings));
  EXPECT_THAT(sized.Rows(), ElementsAre("copy C:\\src\\a.txt"));
  EXPECT_EQ(sized.job.TotalSize(), 10u);
  // The overwrite choice kept the old file; only the size test sends the copy, and the old
  // file's space is not counted as given back.
  EXPECT_EQ(sized.job.SpaceNeeded(), 4096);

  // A newer source replaces the old file under the overwrite choice, size test or not.
  BuildTree(Source(), {{"a.txt", std::string(5000, 's'), kApril}});
  BuildTree(Destination(), {{"a.txt", std::string(10, 'd'), kMarch}});
  CPreviewHarness newer;
  ASSERT_TRUE(newer.Run(m_settings));
  EXPECT_THAT(newer.Rows(), ElementsAre("copy C:\\src\\a.txt"));
  EXPECT_EQ(newer.job.SpaceNeeded(), 8192 - 4096);
}

TEST_F(PreviewJob, ReplacedFilesGiveTheirSpaceBackUnlessKeptAsVersions) {
  BuildTree(Source(),
            {{"a.txt", std::string(10, 's'), kMarch}, {"b.txt", std::string(9000, 'b'), kMarch}});
  BuildTree(Destination(), {{"a.txt", std::string(5000, 'd'), kApril}});
  m_settings.overwriteMode = kOverwriteAlways;

  m_settings.disposeMode = kDisposeDelete;
  CPreviewHarness deleted;
  ASSERT_TRUE(deleted.Run(m_settings));
  EXPECT_THAT(deleted.Rows(), UnorderedElementsAre("copy C:\\src\\a.txt", "copy C:\\src\\b.txt"));
  EXPECT_EQ(deleted.job.SpaceNeeded(), 4096 - 8192 + 12288);

  m_settings.disposeMode = kDisposeVersions;
  CPreviewHarness versions;
  ASSERT_TRUE(versions.Run(m_settings));
  EXPECT_EQ(versions.job.SpaceNeeded(), 4096 + 12288);
  EXPECT_EQ(versions.job.TotalSize(), 9010u);
}

TEST_F(PreviewJob, SpaceNeededNeverFallsBelowZero) {
  BuildTree(Source(), {{"a.txt", "small", kMarch}});
  BuildTree(Destination(), {{"stray.bin", std::string(50000, 'x'), kMarch}});
  m_settings.deleteStrayFiles = 1;
  CPreviewHarness run;
  ASSERT_TRUE(run.Run(m_settings));
  EXPECT_THAT(run.Rows(), UnorderedElementsAre("copy C:\\src\\a.txt", "delete D:\\dst\\stray.bin"));
  EXPECT_EQ(run.job.SpaceNeeded(), 0);
}

TEST_F(PreviewJob, ASourceFolderThatCannotBeListedHasNoStrays) {
  // The source path of this folder is too long to list, while its counterpart under the
  // shorter destination root lists well: its backup must not look stray.
  const std::string name(252, 'n');
  BuildTree(Source(), {{name + "/", ""}, {"kept.txt", "k", kMarch}});
  BuildTree(m_sandbox.Root() + "/d", {{name + "/backup.txt", "b"}, {"kept.txt", "k", kMarch}});
  m_settings.destinationPath = "D:\\";
  m_settings.deleteStrayFiles = 1;
  CPreviewHarness run;
  ASSERT_TRUE(run.Run(m_settings));
  EXPECT_THAT(run.Rows(), IsEmpty());
  EXPECT_THAT(run.job.StrayFolders(), ElementsAre("D:\\dst"));
  EXPECT_EQ(run.foldersStarted, 2);
}

TEST_F(PreviewJob, StrayFoldersAreCollectedExceptOldVersions) {
  BuildTree(Source(), {{"sub/kept.txt", "k", kMarch}});
  BuildTree(Destination(), {{"~Versions/a.txt", "v", kMarch},
                            {"old/x.txt", "o", kMarch},
                            {"sub/kept.txt", "k", kMarch},
                            {"sub/~VERSIONS/", ""},
                            {"sub/gone/", ""}});
  for (const int32_t deleteStrays : {0, 1}) {
    SCOPED_TRACE(deleteStrays);
    m_settings.deleteStrayFiles = deleteStrays;
    CPreviewHarness run;
    ASSERT_TRUE(run.Run(m_settings));
    EXPECT_THAT(run.job.StrayFolders(), UnorderedElementsAre("D:\\dst\\old", "D:\\dst\\sub\\gone"));
    // Stray folders are not rows, and the walk never enters them.
    EXPECT_THAT(run.Rows(), IsEmpty());
  }
}

TEST_F(PreviewJob, StrayFilesAreListedOnlyWhenDeletedAndNeverWhenExcluded) {
  BuildTree(Source(), {{"same.txt", "s", kMarch}, {"sub/b.txt", "b", kMarch}});
  BuildTree(Destination(), {{"same.txt", "s", kMarch},
                            {"stray.txt", "x", kMarch},
                            {"keep.txt", "k", kMarch},
                            {"sub/b.txt", "b", kMarch},
                            {"sub/c.txt", "c", kMarch}});
  m_settings.excludedPaths = {"1D:\\dst\\KEEP.txt"};
  CPreviewHarness kept;
  ASSERT_TRUE(kept.Run(m_settings));
  EXPECT_THAT(kept.Rows(), IsEmpty());
  EXPECT_EQ(kept.job.Files(), 0);

  m_settings.deleteStrayFiles = 1;
  CPreviewHarness deleted;
  ASSERT_TRUE(deleted.Run(m_settings));
  EXPECT_THAT(deleted.Rows(),
              UnorderedElementsAre("delete D:\\dst\\stray.txt", "delete D:\\dst\\sub\\c.txt"));
  EXPECT_EQ(deleted.counts.FilesToDelete(), 2);
  EXPECT_EQ(deleted.counts.FilesToCopy(), 0);
  EXPECT_EQ(deleted.job.Files(), 2);
  EXPECT_EQ(deleted.job.Folders(), 2);
  for (size_t i = 0; i < deleted.list.Count(); ++i) {
    EXPECT_EQ(deleted.list.Row(i).action, kActionDelete);
    EXPECT_EQ(deleted.list.Row(i).size, 1u);
  }
}

TEST_F(PreviewJob, IncludeRenamesComparesNamesWithTheirCase) {
  BuildTree(Source(), {{"report.txt", "source", kMarch}});
  BuildTree(Destination(), {{"Report.TXT", "backup", kMarch}});
  m_settings.deleteStrayFiles = 1;

  // Without it the other spelling is the same file: as old as the source, so nothing to do.
  CPreviewHarness anyCase;
  ASSERT_TRUE(anyCase.Run(m_settings));
  EXPECT_THAT(anyCase.Rows(), IsEmpty());

  m_options.m_includeRenames = 1;
  CPreviewHarness exact;
  ASSERT_TRUE(exact.Run(m_settings, m_options));
  EXPECT_THAT(exact.Rows(),
              UnorderedElementsAre("copy C:\\src\\report.txt", "delete D:\\dst\\Report.TXT"));

  // The first phase of a Copy is no preview: names compare without case there.
  CPreviewHarness copyPhase;
  ASSERT_TRUE(copyPhase.Run(m_settings, m_options, false));
  EXPECT_THAT(copyPhase.Rows(), IsEmpty());
  EXPECT_EQ(copyPhase.doneFirst, 0);
}

TEST_F(PreviewJob, OtherSpellingOfANameDecidesByItsTime) {
  BuildTree(Source(), {{"report.txt", "source", kApril}});
  BuildTree(Destination(), {{"Report.TXT", "older backup", kMarch}});
  m_settings.deleteStrayFiles = 1;
  CPreviewHarness run;
  ASSERT_TRUE(run.Run(m_settings));
  EXPECT_THAT(run.Rows(), ElementsAre("copy C:\\src\\report.txt"));
  // The replaced spelling gives its space back.
  EXPECT_EQ(run.job.SpaceNeeded(), 0);
}

class PreviewGather : public PreviewJob {
 protected:
  PreviewGather() {
    BuildTree(Source(), {{"a/", ""}, {"b/", ""}});
    m_settings.copyMode = kCopyGather;
  }

  // Runs with x.txt in a and b at the given times; returns the listed rows.
  std::vector<std::string> Gather(platform::FileTime a, platform::FileTime b,
                                  CPreviewHarness& run) {
    BuildTree(Source(), {{"a/x.txt", "aaaa", a}, {"b/x.txt", "bbbbbbbb", b}});
    EXPECT_TRUE(run.Run(m_settings));
    return run.Rows();
  }

  // "a" and "b" in the order the walk meets them: as the file system lists the source.
  std::pair<std::string, std::string> WalkOrder() const {
    platform::CFindFile finder;
    std::vector<std::string> names;
    if (finder.FindFirst("C:\\src\\*.*")) {
      do {
        if (!finder.IsDots()) {
          names.push_back(finder.Data().name);
        }
      } while (finder.FindNext());
    }
    EXPECT_EQ(names.size(), 2u);
    return names.size() == 2 ? std::pair(names[0], names[1]) : std::pair("a", "b");
  }
};

TEST_F(PreviewGather, TheNewerOfTwoNamesakesStays) {
  CPreviewHarness run;
  EXPECT_THAT(Gather(kMarch, kApril, run), ElementsAre("copy C:\\src\\b\\x.txt"));
  EXPECT_EQ(run.counts.FilesToCopy(), 1);
  EXPECT_EQ(run.counts.TotalSize(), 8u);
  EXPECT_EQ(run.counts.FolderEntries(), 1);
  EXPECT_EQ(run.counts.SummaryText(kCopyGather, CFormatItem(2, true, ',')),
            "1 file to copy in 1 folder");
  EXPECT_EQ(run.job.Files(), 1);
  EXPECT_EQ(run.job.TotalSize(), 8u);
}

TEST_F(PreviewGather, ADisplacedFileLeavesTheRunsTotals) {
  const auto [first, second] = WalkOrder();
  // The first one met is older, so it is listed and then displaced.
  BuildTree(Source(), {{first + "/x.txt", std::string(5000, 'o'), kMarch},
                       {second + "/x.txt", "newer", kApril},
                       {second + "/y.txt", "y", kMarch}});
  CPreviewHarness run;
  ASSERT_TRUE(run.Run(m_settings));
  EXPECT_THAT(run.Rows(), UnorderedElementsAre("copy C:\\src\\" + second + "\\x.txt",
                                               "copy C:\\src\\" + second + "\\y.txt"));
  EXPECT_EQ(run.job.Files(), 2);
  EXPECT_EQ(run.job.Folders(), 1);
  EXPECT_EQ(run.job.TotalSize(), 6u);
  EXPECT_EQ(run.job.SpaceNeeded(), 8192);
}

TEST_F(PreviewGather, AnOlderNamesakeIsNotListed) {
  CPreviewHarness run;
  EXPECT_THAT(Gather(kApril, kMarch, run), ElementsAre("copy C:\\src\\a\\x.txt"));
  EXPECT_EQ(run.counts.TotalSize(), 4u);
}

TEST_F(PreviewGather, AtEqualTimesTheFirstFoundStays) {
  CPreviewHarness run;
  const std::vector<std::string> rows = Gather(kMarch, kMarch, run);
  ASSERT_EQ(rows.size(), 1u);
  // Folders are visited in the order the file system lists them.
  const auto a = std::find(run.currentFolders.begin(), run.currentFolders.end(), "C:\\src\\a\\");
  const auto b = std::find(run.currentFolders.begin(), run.currentFolders.end(), "C:\\src\\b\\");
  ASSERT_NE(a, run.currentFolders.end());
  ASSERT_NE(b, run.currentFolders.end());
  EXPECT_EQ(rows[0], a < b ? "copy C:\\src\\a\\x.txt" : "copy C:\\src\\b\\x.txt");
}

TEST_F(PreviewGather, FilesGatheredEarlierAreNoStrays) {
  BuildTree(Destination(), {{"x.txt", "gathered", kMarch},
                            {"y.txt", "gathered", kMarch},
                            {"gone.txt", "no source", kMarch}});
  BuildTree(Source(), {{"c/y.txt", "yyyyyyyy", kMarch}});
  m_settings.deleteStrayFiles = 1;
  CPreviewHarness run;
  EXPECT_THAT(Gather(kMarch, kMarch, run), ElementsAre("delete D:\\dst\\gone.txt"));
  EXPECT_EQ(run.job.Files(), 1);
}

TEST_F(PreviewGather, StraysOfTheSameNameDoNotDisplaceCopies) {
  const auto [first, second] = WalkOrder();
  // A newer stray x.txt in the destination's counterpart of the first folder is listed for
  // deletion before the second folder's x.txt is checked; it is no gathered file.
  BuildTree(Source(), {{first + "/other.txt", "o", kMarch}, {second + "/x.txt", "x", kMarch}});
  BuildTree(Destination(),
            {{first + "/x.txt", "stray", kApril}, {first + "/other.txt", "o", kMarch}});
  m_settings.deleteStrayFiles = 1;
  CPreviewHarness run;
  ASSERT_TRUE(run.Run(m_settings));
  EXPECT_THAT(run.Rows(), UnorderedElementsAre("delete D:\\dst\\" + first + "\\x.txt",
                                               "copy C:\\src\\" + first + "\\other.txt",
                                               "copy C:\\src\\" + second + "\\x.txt"));
}

TEST_F(PreviewGather, ExistingRootFileDecidesTheCopy) {
  BuildTree(Destination(), {{"x.txt", "gathered", kApril}});
  CPreviewHarness run;
  EXPECT_THAT(Gather(kMarch, LocalFileTime(2026, 5, 1), run),
              ElementsAre("copy C:\\src\\b\\x.txt"));
}

TEST_F(PreviewJob, TreeOnlyListsTheFoldersToCreate) {
  BuildTree(Source(), {{"top.txt", "t", kMarch},
                       {"a/b/deep.txt", "d", kMarch},
                       {"c/in.txt", "i", kMarch},
                       {"c/d/", ""}});
  BuildTree(Destination(), {{"c/", ""}});
  m_settings.copyMode = kCopyTreeOnly;
  CPreviewHarness run;
  ASSERT_TRUE(run.Run(m_settings));
  EXPECT_THAT(run.Rows(), UnorderedElementsAre("create D:\\dst\\a", "create D:\\dst\\a\\b",
                                               "create D:\\dst\\c\\d"));
  for (size_t i = 0; i < run.list.Count(); ++i) {
    const CFilesListCtrlData& row = run.list.Row(i);
    if (row.name == "b") {
      EXPECT_EQ(row.Folder(), "D:\\dst\\a");
    }
    EXPECT_EQ(row.action, kActionCreate);
  }
  EXPECT_EQ(run.job.Folders(), 3);
  EXPECT_EQ(run.job.Files(), 0);
  const CFormatItem format(2, true, ',');
  EXPECT_EQ(run.counts.SummaryText(kCopyTreeOnly, format), "3 folders to create");
}

TEST_F(PreviewJob, StopRequestEndsTheWalkEarly) {
  for (int i = 0; i < 40; ++i) {
    BuildTree(Source(), {{"f" + std::to_string(i) + "/file.txt", "x", kMarch}});
  }
  CPreviewHarness run;
  // Held at its first step, so that the stop surely comes mid-walk.
  run.job.Suspend(true);
  run.onMessage = [&run](CMessage& message) {
    if (message.Offset() == kMsgFolderStarted && run.job.IsSuspended()) {
      run.job.SetStop(1);
      run.job.Suspend(false);
    }
  };
  ASSERT_TRUE(run.Run(m_settings));
  EXPECT_NE(run.stopValue, 0);
  EXPECT_EQ(run.foldersStarted, 1);
  EXPECT_LT(run.list.Count(), 40u);
}

TEST_F(PreviewJob, DestinationInsideTheSourceIsNotWalked) {
  m_settings.destinationPath = "C:\\src\\backup";
  BuildTree(Source(), {{"a.txt", "new", kApril},
                       {"backup/a.txt", "old", kMarch},
                       {"backup/deep/z.txt", "z", kMarch},
                       {"other/o.txt", "o", kMarch}});
  CPreviewHarness run;
  ASSERT_TRUE(run.Run(m_settings));
  EXPECT_THAT(run.Rows(),
              UnorderedElementsAre("copy C:\\src\\a.txt", "copy C:\\src\\other\\o.txt"));
  for (const std::string& folder : run.currentFolders) {
    EXPECT_FALSE(platform::StartsWithNoCase(folder, "C:\\src\\backup")) << folder;
  }
}

TEST_F(PreviewJob, FoldersCountEachFolderThatHoldsRows) {
  BuildTree(Source(), {{"r.txt", "12", kMarch},
                       {"a/x.txt", "123", kMarch},
                       {"a/y.txt", "1234", kMarch},
                       {"a/b/z.txt", "12345", kMarch},
                       {"empty/", ""},
                       {"same/s.txt", "s", kMarch}});
  BuildTree(Destination(), {{"same/s.txt", "s", kMarch}, {"same/stray.txt", "x", kMarch}});
  m_settings.deleteStrayFiles = 1;
  CPreviewHarness run;
  ASSERT_TRUE(run.Run(m_settings));
  EXPECT_EQ(run.job.Files(), 5);
  EXPECT_EQ(run.job.TotalSize(), 14u);
  // C:\src, C:\src\a, C:\src\a\b and D:\dst\same.
  EXPECT_EQ(run.job.Folders(), 4);
  EXPECT_EQ(run.counts.FolderEntries(), 4);
  EXPECT_EQ(run.counts.SummaryText(kCopyIntoFolders, CFormatItem(2, true, ',')),
            "4 files to copy and 1 file to delete in 4 folders");
}

TEST_F(PreviewJob, UncheckedSourceFolderEntryStillWalksItsSubfolders) {
  BuildTree(Source(), {{"root.txt", "r", kMarch}, {"a/x.txt", "x", kMarch}});
  m_settings.subfolderEntries = {"0+C:\\src"};
  CPreviewHarness run;
  ASSERT_TRUE(run.Run(m_settings));
  EXPECT_THAT(run.Rows(), ElementsAre("copy C:\\src\\a\\x.txt"));
}

TEST_F(PreviewJob, RowsOnADriveRootKeepOneBackslash) {
  BuildTree(m_sandbox.CRoot(), {{"top.txt", "t", kMarch}});
  BuildTree(m_sandbox.Root() + "/d", {{"stray.txt", "s", kMarch}});
  m_settings.sourcePath = "C:\\";
  m_settings.destinationPath = "D:\\";
  m_settings.subfolderMode = settings_codes::kSubfoldersNone;
  m_settings.deleteStrayFiles = 1;
  CPreviewHarness run;
  ASSERT_TRUE(run.Run(m_settings));
  EXPECT_THAT(run.Rows(), UnorderedElementsAre("copy C:\\top.txt", "delete D:\\stray.txt"));
  for (size_t i = 0; i < run.list.Count(); ++i) {
    EXPECT_EQ(run.list.Row(i).Folder().size(), 3u);
  }
}

}  // namespace
