// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "profile/DataFile.h"
#include "queues/QueueData.h"
#include "queues/QueueList.h"

namespace {

using Names = std::vector<std::string>;

Names HandOut(CQueueComboBoxData& queue) {
  Names names;
  while (std::optional<std::string> name = queue.Next()) {
    names.push_back(*name);
  }
  return names;
}

Names QueueNames(const CQueueList& list) {
  Names names;
  for (size_t i = 0; i < list.Count(); ++i) {
    names.push_back(list.At(i).name);
  }
  return names;
}

// One queue.

TEST(Queue, HandsOutItsNamesInOrderOnlyAfterARewind) {
  CQueueComboBoxData queue({"Photos", "Mail", "Photos"});
  EXPECT_FALSE(queue.Next());
  queue.Rewind();
  EXPECT_EQ(HandOut(queue), (Names{"Photos", "Mail", "Photos"}));
  EXPECT_FALSE(queue.Next());
  queue.Rewind();
  EXPECT_EQ(queue.Next(), "Photos");
}

TEST(Queue, RemovesAndRenamesEveryEntryOfAProfile) {
  CQueueComboBoxData queue({"Photos", "Mail", "photos", "Photos"});
  queue.Rename("Photos", "Pictures");
  EXPECT_EQ(queue.Names(), (Names{"Pictures", "Mail", "photos", "Pictures"}));
  queue.Remove("Pictures");
  EXPECT_EQ(queue.Names(), (Names{"Mail", "photos"}));
}

TEST(Queue, RemovingAProfileAlreadyHandedOutSkipsNoneOfTheRest) {
  CQueueComboBoxData queue({"A", "B", "A", "C", "D"});
  queue.Rewind();
  EXPECT_EQ(queue.Next(), "A");
  EXPECT_EQ(queue.Next(), "B");
  queue.Remove("A");  // one behind the cursor, one ahead of it
  EXPECT_EQ(HandOut(queue), (Names{"C", "D"}));
}

// The queue list.

TEST(QueueList, SortsNumbersByValueAndRefusesNamesInUse) {
  CQueueList list;
  EXPECT_TRUE(list.Add("Daily 10", {}));
  EXPECT_TRUE(list.Add("Weekly", {}));
  EXPECT_TRUE(list.Add("  Daily 9  ", {}));
  EXPECT_FALSE(list.Add("DAILY 9", {}));
  EXPECT_FALSE(list.Add("   ", {}));
  EXPECT_EQ(QueueNames(list), (Names{"Daily 9", "Daily 10", "Weekly"}));
  // Cut to 22 bytes, never inside a character.
  EXPECT_EQ(list.At(*list.Add("Every evening at eight o'clock", {})).name,
            "Every evening at eight");
  const std::string accented = std::string(21, 'x') + "\xC3\xA9";  // é would be bytes 22 and 23
  EXPECT_EQ(list.At(*list.Add(accented, {})).name, std::string(21, 'x'));
}

TEST(QueueList, CountsTheSelectedQueuesProfiles) {
  CQueueList list;
  list.Add("A", {});
  list.Add("B", {"Mail"});
  list.Add("C", {"Mail", "Photos"});
  EXPECT_EQ(list.CountText(), "0 profiles");  // nothing selected
  list.Select(0);
  EXPECT_EQ(list.CountText(), "0 profiles");
  list.Select(1);
  EXPECT_EQ(list.CountText(), "1 profile");
  list.Select(2);
  EXPECT_EQ(list.CountText(), "2 profiles");
  list.Add("0", {});  // sorts first: the selection moves with its queue
  EXPECT_EQ(list.Selected(), 3);
  EXPECT_EQ(list.CountText(), "2 profiles");
}

TEST(QueueList, RemovingSelectsTheFirstQueueLeft) {
  CQueueList list;
  list.Add("A", {});
  list.Add("B", {"Mail"});
  list.Select(0);
  list.Remove(0);
  EXPECT_EQ(list.Selected(), 0);
  EXPECT_EQ(list.CountText(), "1 profile");
  list.Remove(0);
  EXPECT_EQ(list.Selected(), -1);
  EXPECT_EQ(list.SelectedQueue(), nullptr);
  EXPECT_EQ(list.CountText(), "0 profiles");
}

TEST(QueueList, RenamingToAnotherQueuesNameChangesNothing) {
  CQueueList list;
  list.Add("Daily", {"Mail"});
  list.Add("Weekly", {"Photos"});
  list.Select(1);
  EXPECT_FALSE(list.Rename(0, " WEEKLY ", {"Other"}));
  EXPECT_EQ(QueueNames(list), (Names{"Daily", "Weekly"}));
  EXPECT_EQ(list.At(0).queue.Names(), (Names{"Mail"}));
  EXPECT_EQ(list.Selected(), 1);
}

TEST(QueueList, RenamingMovesTheQueueAndKeepsTheSelection) {
  CQueueList list;
  list.Add("Daily", {"Mail"});
  list.Add("Weekly", {"Photos"});
  list.Select(0);
  // Its own name in another case is in use like any other; the very same name only takes
  // the new names.
  EXPECT_FALSE(list.Rename(0, "daily", {"Mail", "Photos"}));
  EXPECT_EQ(QueueNames(list), (Names{"Daily", "Weekly"}));
  EXPECT_EQ(list.CountText(), "1 profile");
  EXPECT_EQ(list.Rename(0, " Daily ", {"Mail", "Photos"}), 0u);
  EXPECT_EQ(list.CountText(), "2 profiles");

  EXPECT_EQ(list.Rename(0, "Yearly", {"Mail"}), 1u);
  EXPECT_EQ(QueueNames(list), (Names{"Weekly", "Yearly"}));
  EXPECT_EQ(list.Selected(), 1);
  EXPECT_EQ(list.SelectedQueue()->Names(), (Names{"Mail"}));

  // Renaming another queue moves the selected one's position with it.
  EXPECT_EQ(list.Rename(0, "Zeta", {}), 1u);
  EXPECT_EQ(list.Selected(), 0);
  EXPECT_EQ(list.At(0).name, "Yearly");
}

TEST(QueueList, KeepsEveryQueueInStepWithTheProfiles) {
  CQueueList list;
  list.Add("A", {"Mail", "Photos", "Mail"});
  list.Add("B", {"Photos", "Mail"});
  list.RenameProfile("Mail", "Post");
  EXPECT_EQ(list.At(0).queue.Names(), (Names{"Post", "Photos", "Post"}));
  EXPECT_EQ(list.At(1).queue.Names(), (Names{"Photos", "Post"}));
  list.RemoveProfile("Photos");
  EXPECT_EQ(list.At(0).queue.Names(), (Names{"Post", "Post"}));
  EXPECT_EQ(list.At(1).queue.Names(), (Names{"Post"}));
}

TEST(QueueList, SurvivesWritingAndReading) {
  CQueueList list;
  list.Add("Daily 10", {"Mail", "Photos"});
  list.Add("Daily 9", {"Photos"});
  list.Add("Weekly", {});
  list.Select(1);
  SDataFileContents contents;
  list.WriteTo(contents);
  EXPECT_EQ(contents.selectedQueue, 1);
  ASSERT_EQ(contents.queues.size(), 3u);
  EXPECT_EQ(contents.queues[0], (SQueueRecord{"Daily 9", {"Photos"}}));

  CQueueList read;
  read.ReadFrom(contents);
  EXPECT_EQ(QueueNames(read), (Names{"Daily 9", "Daily 10", "Weekly"}));
  EXPECT_EQ(read.Selected(), 1);
  EXPECT_EQ(read.SelectedQueue()->Names(), (Names{"Mail", "Photos"}));
  SDataFileContents again;
  read.WriteTo(again);
  EXPECT_EQ(again, contents);

  contents.selectedQueue = 7;  // out of range: nothing selected
  read.ReadFrom(contents);
  EXPECT_EQ(read.Selected(), -1);
}

}  // namespace
