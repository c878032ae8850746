// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "preview/MoveDetect.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/support/PreviewHarness.h"
#include "tests/support/TestSandbox.h"

namespace {

using preview_testing::CPreviewHarness;
using preview_testing::kSecond;
using preview_testing::LocalFileTime;
using testing::ElementsAre;
using testing::IsEmpty;
using testing::UnorderedElementsAre;

const platform::FileTime kMarch = LocalFileTime(2026, 3, 1);

std::shared_ptr<CFilesListCtrlData> Row(const std::string& folder, const std::string& name,
                                        int32_t action, uint64_t size, platform::FileTime time) {
  auto row = std::make_shared<CFilesListCtrlData>();
  row->name = name;
  row->folder = std::make_shared<const std::string>(folder);
  row->action = action;
  row->size = size;
  row->modified = platform::CDateTime::FromFileTime(time);
  return row;
}

// Detects moves in a list of rows made by hand.
class MoveMatching : public ::testing::Test {
 protected:
  void Add(std::shared_ptr<CFilesListCtrlData> row) { m_list.Add(std::move(row)); }
  bool Detect(bool includeRenames) {
    m_detect = std::make_unique<CMoveDetect>("C:\\src", "D:\\dst\\", includeRenames);
    if (!m_detect->Gather(m_list)) {
      return false;
    }
    return m_detect->Detect(m_list);
  }

  CPreviewList m_list;
  std::unique_ptr<CMoveDetect> m_detect;
};

TEST_F(MoveMatching, TimesMatchWithinTwoSecondsOrAnHourApart) {
  struct SCase {
    int64_t seconds;
    bool matches;
  };
  for (const SCase c : {SCase{0, true},
                        {2, true},
                        {-2, true},
                        {3, false},
                        {-3, false},
                        {3598, true},
                        {3600, true},
                        {3602, true},
                        {-3600, true},
                        {3603, false},
                        {-3603, false},
                        {3597, false},
                        {7200, false}}) {
    SCOPED_TRACE(c.seconds);
    m_list.Clear();
    Add(Row("C:\\src\\b", "x.dat", kActionCopy, 100,
            kMarch + static_cast<platform::FileTime>(c.seconds * static_cast<int64_t>(kSecond))));
    Add(Row("D:\\dst\\a", "x.dat", kActionDelete, 100, kMarch));
    EXPECT_EQ(Detect(false), c.matches);
  }
}

TEST_F(MoveMatching, SizesMustBeEqual) {
  Add(Row("C:\\src\\b", "x.dat", kActionCopy, 100, kMarch));
  Add(Row("D:\\dst\\a", "x.dat", kActionDelete, 101, kMarch));
  EXPECT_FALSE(Detect(true));
}

TEST_F(MoveMatching, NothingToDeleteGivesNothingToDetect) {
  Add(Row("C:\\src\\b", "x.dat", kActionCopy, 100, kMarch));
  CMoveDetect detect("C:\\src", "D:\\dst", false);
  EXPECT_FALSE(detect.Gather(m_list));
  EXPECT_FALSE(detect.Detect(m_list));
}

TEST_F(MoveMatching, AMoveNamesItsOldAndNewDestinationFolders) {
  Add(Row("C:\\src\\b\\c", "X.DAT", kActionCopy, 100, kMarch));
  Add(Row("D:\\dst\\a", "x.dat", kActionDelete, 100, kMarch));
  ASSERT_TRUE(Detect(false));
  ASSERT_EQ(m_detect->Moves().size(), 1u);
  const CDetectListCtrlData& move = m_detect->Moves()[0];
  EXPECT_EQ(move.oldFolder, "D:\\dst\\a");
  EXPECT_EQ(move.newFolder, "D:\\dst\\b\\c");
  EXPECT_EQ(move.sourceFolder, "C:\\src\\b\\c");
  EXPECT_EQ(move.oldName, "x.dat");
  EXPECT_EQ(move.newName, "X.DAT");
  EXPECT_EQ(move.size, 100u);
  EXPECT_EQ(move.copyIndex, 0u);
  EXPECT_EQ(move.deleteIndex, 1u);
}

TEST_F(MoveMatching, AFileMovedToTheSourceRootGoesToTheDestinationRoot) {
  Add(Row("C:\\src", "x.dat", kActionCopy, 100, kMarch));
  Add(Row("D:\\dst\\a", "x.dat", kActionDelete, 100, kMarch));
  ASSERT_TRUE(Detect(false));
  EXPECT_EQ(m_detect->Moves()[0].newFolder, "D:\\dst");
}

TEST_F(MoveMatching, EachOldFileIsTakenOnce) {
  Add(Row("D:\\dst\\a", "x.dat", kActionDelete, 100, kMarch));
  Add(Row("C:\\src\\b", "x.dat", kActionCopy, 100, kMarch));
  Add(Row("C:\\src\\c", "x.dat", kActionCopy, 100, kMarch));
  Add(Row("D:\\dst\\d", "x.dat", kActionDelete, 100, kMarch));
  Add(Row("C:\\src\\e", "x.dat", kActionCopy, 100, kMarch));
  ASSERT_TRUE(Detect(false));
  ASSERT_EQ(m_detect->Moves().size(), 2u);
  EXPECT_NE(m_detect->Moves()[0].deleteIndex, m_detect->Moves()[1].deleteIndex);
  EXPECT_NE(m_detect->Moves()[0].copyIndex, m_detect->Moves()[1].copyIndex);
}

TEST_F(MoveMatching, RenamedFilesMatchOnlyWhenRenamesAreIncluded) {
  Add(Row("C:\\src\\b", "new name.dat", kActionCopy, 100, kMarch));
  Add(Row("D:\\dst\\a", "old name.dat", kActionDelete, 100, kMarch));
  EXPECT_FALSE(Detect(false));
  ASSERT_TRUE(Detect(true));
  ASSERT_EQ(m_detect->Moves().size(), 1u);
  EXPECT_EQ(m_detect->Moves()[0].oldName, "old name.dat");
  EXPECT_EQ(m_detect->Moves()[0].newName, "new name.dat");
  EXPECT_TRUE(m_detect->AnyRenamed());
}

TEST_F(MoveMatching, CandidatesAreTriedInNameOrderWhateverTheirTime) {
  const platform::FileTime hourLater = kMarch + 3600 * kSecond;
  Add(Row("C:\\src\\b", "new.dat", kActionCopy, 100, kMarch));
  Add(Row("D:\\dst\\a", "b old.dat", kActionDelete, 100, kMarch));
  Add(Row("D:\\dst\\a", "A old.dat", kActionDelete, 100, hourLater));
  ASSERT_TRUE(Detect(true));
  ASSERT_EQ(m_detect->Moves().size(), 1u);
  EXPECT_EQ(m_detect->Moves()[0].oldName, "A old.dat");
}

TEST_F(MoveMatching, NamesMatchWithoutRegardToCaseAndUnfitCandidatesAreSkipped) {
  Add(Row("D:\\dst\\a", "X.DAT", kActionDelete, 100, kMarch + 10 * kSecond));
  Add(Row("D:\\dst\\c", "x.dat", kActionDelete, 100, kMarch + kSecond));
  Add(Row("D:\\dst\\d", "y.dat", kActionDelete, 100, kMarch));
  Add(Row("C:\\src\\b", "x.Dat", kActionCopy, 100, kMarch));
  Add(Row("C:\\src\\e", "x.dat", kActionCopy, 100, kMarch));
  ASSERT_TRUE(Detect(false));
  ASSERT_EQ(m_detect->Moves().size(), 1u);
  EXPECT_EQ(m_detect->Moves()[0].oldFolder, "D:\\dst\\c");
  EXPECT_EQ(m_detect->Moves()[0].copyIndex, 3u);
  EXPECT_TRUE(m_detect->AnyRenamed());  // x.dat became x.Dat
}

// A real preview finds the move, and carrying it out changes the destination and the list.
class CarryingOutMoves : public ::testing::Test {
 protected:
  CarryingOutMoves() {
    m_settings.sourcePath = "C:\\src";
    m_settings.destinationPath = "D:\\dst";
    m_settings.deleteStrayFiles = 1;
  }
  std::string Source() const { return m_sandbox.CRoot() + "/src"; }
  std::string Destination() const { return m_sandbox.Root() + "/d/dst"; }

  testing_support::CTestSandbox m_sandbox;
  CSettingsState m_settings;
};

TEST_F(CarryingOutMoves, MovesTheOldCopyAndDropsBothRows) {
  testing_support::BuildTree(
      Source(), {{"b/moved.dat", "contents", kMarch}, {"b/other.txt", "new", kMarch}, {"a/", ""}});
  testing_support::BuildTree(Destination(), {{"a/moved.dat", "contents", kMarch}});
  CPreviewHarness run;
  ASSERT_TRUE(run.Run(m_settings));
  ASSERT_THAT(run.Rows(),
              UnorderedElementsAre("copy C:\\src\\b\\moved.dat", "copy C:\\src\\b\\other.txt",
                                   "delete D:\\dst\\a\\moved.dat"));
  CMoveDetect detect("C:\\src\\", "D:\\dst\\", false);
  ASSERT_TRUE(detect.Gather(run.list));
  ASSERT_TRUE(detect.Detect(run.list));
  ASSERT_EQ(detect.Moves().size(), 1u);
  EXPECT_EQ(detect.Moves()[0].oldFolder, "D:\\dst\\a");
  EXPECT_EQ(detect.Moves()[0].newFolder, "D:\\dst\\b");
  EXPECT_FALSE(detect.AnyRenamed());

  std::vector<CDetectListCtrlData> moves = detect.Moves();
  EXPECT_EQ(MoveDetectedFiles(moves, run.list), 1);
  EXPECT_THAT(moves, IsEmpty());
  EXPECT_FALSE(testing_support::Exists(Destination() + "/a/moved.dat"));
  EXPECT_EQ(testing_support::ReadFile(Destination() + "/b/moved.dat"), "contents");
  EXPECT_THAT(run.Rows(), ElementsAre("copy C:\\src\\b\\other.txt"));
  EXPECT_EQ(run.counts.FilesToCopy(), 1);
  EXPECT_EQ(run.counts.FilesToDelete(), 0);
  EXPECT_EQ(run.counts.TotalSize(), 3u);
  EXPECT_EQ(run.counts.FolderEntries(), 1);
}

TEST_F(CarryingOutMoves, AFailedMoveKeepsItsRowsAndItsIndexes) {
  // Rows: 0 copy b\one, 1 delete a\one, 2 copy b\two, 3 delete a\two (missing on disk).
  CPreviewList list;
  CPreviewCounts counts(list);
  for (const auto& row : {Row("C:\\src\\b", "one.dat", kActionCopy, 3, kMarch),
                          Row("D:\\dst\\a", "one.dat", kActionDelete, 3, kMarch),
                          Row("C:\\src\\b", "two.dat", kActionCopy, 3, kMarch),
                          Row("D:\\dst\\a", "two.dat", kActionDelete, 3, kMarch)}) {
    list.Add(row);
  }
  testing_support::BuildTree(Destination(), {{"a/one.dat", "one", kMarch}});
  CMoveDetect detect("C:\\src", "D:\\dst", false);
  ASSERT_TRUE(detect.Gather(list));
  ASSERT_TRUE(detect.Detect(list));
  std::vector<CDetectListCtrlData> moves = detect.Moves();
  ASSERT_EQ(moves.size(), 2u);

  EXPECT_EQ(MoveDetectedFiles(moves, list), 1);
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0].oldName, "two.dat");
  ASSERT_EQ(list.Count(), 2u);
  // The rows that are left still carry the failed move's indexes.
  ASSERT_LT(moves[0].copyIndex, list.Count());
  ASSERT_LT(moves[0].deleteIndex, list.Count());
  EXPECT_EQ(list.Row(moves[0].copyIndex).action, kActionCopy);
  EXPECT_EQ(list.Row(moves[0].copyIndex).name, "two.dat");
  EXPECT_EQ(list.Row(moves[0].deleteIndex).action, kActionDelete);
  EXPECT_EQ(list.Row(moves[0].deleteIndex).name, "two.dat");
  EXPECT_TRUE(testing_support::Exists(Destination() + "/b/one.dat"));
  EXPECT_EQ(counts.FilesToCopy(), 1);
  EXPECT_EQ(counts.FilesToDelete(), 1);
}

}  // namespace
