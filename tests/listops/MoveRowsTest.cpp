// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "listops/MoveRows.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/FormatItem.h"
#include "listops/CommandFeedback.h"
#include "tests/support/TestSandbox.h"

namespace {

using testing::ElementsAre;

CDetectListCtrlData Move(const std::string& oldName, const std::string& newName,
                         const std::string& oldFolder, const std::string& newFolder,
                         uint64_t size) {
  CDetectListCtrlData move;
  move.oldName = oldName;
  move.newName = newName;
  move.oldFolder = oldFolder;
  move.sourceFolder = "C:\\src";
  move.newFolder = newFolder;
  move.size = size;
  return move;
}

TEST(MoveRows, TextsSaySameWhereNothingChanged) {
  const CFormatItem format;
  const CDetectListCtrlData move = Move("a.txt", "a.txt", "D:\\b\\Old", "D:\\b\\old", 1234567);
  EXPECT_EQ(MoveColumnText(move, EMoveColumn::kNewName, format), "(same)");
  EXPECT_EQ(MoveColumnText(move, EMoveColumn::kNewFolder, format), "(same)");
  EXPECT_EQ(MoveColumnText(move, EMoveColumn::kSize, format), "1,234,567");
  // A change of letter case is a new name, but not a new folder.
  EXPECT_EQ(
      MoveColumnText(Move("a.txt", "A.txt", "D:\\x", "D:\\y", 1), EMoveColumn::kNewName, format),
      "A.txt");
  EXPECT_THAT(MoveColumns(false), ElementsAre(EMoveColumn::kOldName, EMoveColumn::kSize,
                                              EMoveColumn::kOldFolder, EMoveColumn::kNewFolder));
  EXPECT_EQ(MoveColumnHeader(EMoveColumn::kOldName, false), "Name");
  EXPECT_EQ(MoveColumnHeader(EMoveColumn::kOldName, true), "Old Name");
}

TEST(MoveRows, SortsSizesByValueAndNamesWithNumbersByValue) {
  std::vector<CDetectListCtrlData> moves = {Move("f10", "f10", "D:\\a", "D:\\b", 9),
                                            Move("f9", "f9", "D:\\a", "D:\\b", 10),
                                            Move("f100", "f100", "D:\\a", "D:\\b", 1000)};
  SortMoves(moves, EMoveColumn::kOldName, false);
  EXPECT_EQ(moves[0].oldName, "f9");
  EXPECT_EQ(moves[2].oldName, "f100");
  SortMoves(moves, EMoveColumn::kSize, true);
  EXPECT_EQ(moves[0].size, 1000u);
  EXPECT_EQ(moves[2].size, 9u);
}

TEST(MoveRows, ComparingCountsTheSelectedMovesThatMatch) {
  testing_support::CTestSandbox sandbox;
  testing_support::BuildTree(sandbox.CRoot(), {{"src/a.txt", "same"},
                                               {"dst/old/a.txt", "same"},
                                               {"src/b.txt", "new"},
                                               {"dst/old/b.txt", "old"}});
  const std::vector<CDetectListCtrlData> moves = {
      Move("a.txt", "a.txt", "C:\\dst\\old", "C:\\dst", 4),
      Move("b.txt", "b.txt", "C:\\dst\\old", "C:\\dst", 3)};
  CCommandFeedback feedback;
  EXPECT_EQ(CountMatchingMoves(moves, {0, 1}, feedback), 1);
  EXPECT_EQ(CountMatchingMoves(moves, {0}, feedback), 1);
  const CFormatItem format;
  EXPECT_EQ(MatchingMovesText(1, 2, format), "1 of 2 files match.");
  EXPECT_EQ(MatchingMovesText(1, 1, format), "1 of 1 file matches.");
  EXPECT_EQ(MovedFilesText(2, 2, format), "2 of 2 files moved.");
  EXPECT_EQ(MovedFilesText(0, 1, format), "0 of 1 file moved.");
}

}  // namespace
