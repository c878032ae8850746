// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "queues/QueueSetup.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "queues/QueueList.h"

namespace {

using Names = std::vector<std::string>;

const Names kProfiles = {"Backup 9", "Backup 10", "Mail", "Photos"};

TEST(QueueSetup, OffersEveryProfileTheQueueDoesNotRunYet) {
  const CQueueSetup setup(kProfiles, "Daily", {"photos", "Backup 10"});
  EXPECT_EQ(setup.OpenedName(), "Daily");
  EXPECT_FALSE(setup.IsNew());
  EXPECT_EQ(setup.Available(), (Names{"Backup 9", "Mail"}));
  EXPECT_EQ(setup.Selected(), (Names{"photos", "Backup 10"}));

  const CQueueSetup fresh(kProfiles, std::nullopt, {});
  EXPECT_EQ(fresh.OpenedName(), "<new queue name>");
  EXPECT_TRUE(fresh.IsNew());
  EXPECT_EQ(fresh.Available(), kProfiles);
}

TEST(QueueSetup, NewStartsAnEmptyQueueWithEveryProfileAvailable) {
  CQueueSetup setup(kProfiles, "Daily", {"Mail"});
  setup.New();
  EXPECT_TRUE(setup.IsNew());
  EXPECT_EQ(setup.OpenedName(), "<new queue name>");
  EXPECT_TRUE(setup.Selected().empty());
  EXPECT_EQ(setup.Available(), kProfiles);
}

TEST(QueueSetup, MovingRightAppendsInListOrderAndLeftPutsBackInSortedPlace) {
  CQueueSetup setup(kProfiles, "Daily", {"Mail"});
  setup.MoveRight({2, 0, 2, 9});  // any order, repeated and missing rows are harmless
  EXPECT_EQ(setup.Selected(), (Names{"Mail", "Backup 9", "Photos"}));
  EXPECT_EQ(setup.Available(), (Names{"Backup 10"}));
  setup.MoveLeft({0, 2});
  EXPECT_EQ(setup.Selected(), (Names{"Backup 9"}));
  EXPECT_EQ(setup.Available(), (Names{"Backup 10", "Mail", "Photos"}));
}

TEST(QueueSetup, AProfileTheQueueRanTwiceGoesBackOnce) {
  CQueueSetup setup(kProfiles, "Daily", {"Mail", "Photos", "Mail"});
  setup.MoveLeft({0, 2});
  EXPECT_EQ(setup.Selected(), (Names{"Photos"}));
  EXPECT_EQ(setup.Available(), (Names{"Backup 9", "Backup 10", "Mail"}));
}

TEST(QueueSetup, SelectedEntriesRiseAndSinkTogetherAndKeepTheirSelection) {
  CQueueSetup setup({}, "Daily", {"A", "B", "C", "D", "E"});
  EXPECT_EQ(setup.MoveUp({2, 3}), (RowSet{1, 2}));
  EXPECT_EQ(setup.Selected(), (Names{"A", "C", "D", "B", "E"}));
  EXPECT_EQ(setup.MoveUp({1, 3}), (RowSet{0, 2}));
  EXPECT_EQ(setup.Selected(), (Names{"C", "A", "B", "D", "E"}));
  EXPECT_EQ(setup.MoveDown({0, 2}), (RowSet{1, 3}));
  EXPECT_EQ(setup.Selected(), (Names{"A", "C", "D", "B", "E"}));
  // A block already at its end stays as it is; the rest of the selection still moves.
  EXPECT_EQ(setup.MoveDown({1, 3, 4}), (RowSet{2, 3, 4}));
  EXPECT_EQ(setup.Selected(), (Names{"A", "D", "C", "B", "E"}));
  EXPECT_EQ(setup.MoveUp({0, 1}), (RowSet{0, 1}));
  EXPECT_EQ(setup.Selected(), (Names{"A", "D", "C", "B", "E"}));
}

TEST(QueueSetup, TheMoveButtonsFollowTheSelections) {
  EXPECT_EQ(QueueMoveButtons({}, {}, 3), (SQueueMoveButtons{}));
  EXPECT_EQ(QueueMoveButtons({0}, {}, 3), (SQueueMoveButtons{true, false, false, false}));
  EXPECT_EQ(QueueMoveButtons({}, {0}, 3), (SQueueMoveButtons{false, true, false, true}));
  EXPECT_EQ(QueueMoveButtons({}, {1}, 3), (SQueueMoveButtons{false, true, true, true}));
  EXPECT_EQ(QueueMoveButtons({}, {2, 1}, 3), (SQueueMoveButtons{false, true, true, false}));
  EXPECT_EQ(QueueMoveButtons({}, {0}, 1), (SQueueMoveButtons{false, true, false, false}));
}

TEST(QueueSetup, OkWantsANameThatIsFreeAndAtLeastOneProfile) {
  CQueueList queues;
  queues.Add("Daily", {"Mail"});
  queues.Add("Weekly", {"Photos"});
  const CQueueSetup fresh(kProfiles, std::nullopt, {"Mail"});
  EXPECT_EQ(fresh.Check("   ", queues), "Please enter a name for this queue.");
  EXPECT_EQ(fresh.Check(" <new queue name> ", queues), "Please enter a name for this queue.");
  EXPECT_EQ(fresh.Check("weekly", queues),
            "This queue name is in use.  Please choose another one.");
  EXPECT_EQ(fresh.Check("Monthly", queues), std::nullopt);
  const CQueueSetup empty(kProfiles, std::nullopt, {});
  EXPECT_EQ(empty.Check("Monthly", queues), "Please add items to the Selected Profiles list.");
}

TEST(QueueSetup, RenamingToTheSameNameInAnotherCaseFindsItselfInUse) {
  CQueueList queues;
  queues.Add("Daily", {"Mail"});
  const CQueueSetup setup(kProfiles, "Daily", {"Mail"});
  EXPECT_FALSE(setup.Renames(" Daily "));
  EXPECT_EQ(setup.Check(" Daily ", queues), std::nullopt);
  EXPECT_TRUE(setup.Renames("daily"));
  EXPECT_EQ(setup.Check("daily", queues), "This queue name is in use.  Please choose another one.");
  // A name is compared as the list keeps it: cut to 22 bytes.
  queues.Add("Every evening at eight", {});
  EXPECT_EQ(setup.Check("Every evening at eight o'clock", queues),
            "This queue name is in use.  Please choose another one.");
}

}  // namespace
