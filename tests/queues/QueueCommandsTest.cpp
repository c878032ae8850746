// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "queues/QueueCommands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "profile/DataFile.h"
#include "profile/SettingsPages.h"
#include "queues/ProfileList.h"
#include "queues/QueueData.h"
#include "queues/QueueList.h"
#include "tests/support/ScriptedPrompter.h"

namespace {

using Names = std::vector<std::string>;

class QueueCommandsTest : public ::testing::Test {
 protected:
  QueueCommandsTest() {
    m_profiles.SetQueues(&m_queues);
    SDataFileContents contents;
    for (const char* name : {"Mail", "Photos", "Work"}) {
      SProfileRecord record{name, {}};
      record.settings.sourcePath = name;
      contents.profiles.push_back(record);
    }
    m_profiles.ReadFrom(contents);
  }

  // Each preview notes the profile on the pages.
  CQueueCommands::SActions Actions() {
    return {[this] { m_previewed.push_back(m_pages.Settings().sourcePath); },
            [this](CQueueComboBoxData& queue) { m_copied.push_back(queue.Names()); }};
  }

  CSettingsHolder m_pages;
  CScriptedPrompter m_prompter;
  CQueueList m_queues;
  CProfileList m_profiles{m_pages, m_prompter};
  Names m_previewed;
  std::vector<Names> m_copied;
  CQueueCommands m_commands{m_queues, m_profiles, m_prompter, Actions()};
};

TEST_F(QueueCommandsTest, PreviewsTheProfilesOneAfterAnother) {
  m_queues.Add("Daily", {"Work", "Mail"});
  m_commands.ChooseQueue(0);
  EXPECT_EQ(m_commands.Sequence(), (Names{"Work", "Mail"}));
  EXPECT_EQ(m_commands.CountText(), "2 profiles");
  EXPECT_FALSE(m_commands.CanPreviewNext());
  m_commands.PreviewFirst();
  EXPECT_EQ(m_commands.SequenceRow(), 0);
  EXPECT_TRUE(m_commands.CanPreviewNext());
  m_commands.PreviewNext();
  EXPECT_EQ(m_commands.SequenceRow(), 1);
  EXPECT_FALSE(m_commands.CanPreviewNext());
  m_commands.PreviewNext();  // nothing after the last
  EXPECT_EQ(m_previewed, (Names{"Work", "Mail"}));
  EXPECT_EQ(m_profiles.CurrentName(), "Mail");
  // Choosing a queue again starts over.
  m_commands.ChooseQueue(0);
  EXPECT_EQ(m_commands.SequenceRow(), -1);
  EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(QueueCommandsTest, AProfileThatIsGoneIsNamedAndNotPreviewed) {
  m_queues.Add("Daily", {"Gone", "Mail"});
  m_commands.ChooseQueue(0);
  m_commands.PreviewFirst();
  EXPECT_TRUE(m_previewed.empty());
  EXPECT_EQ(m_prompter.Texts(),
            (Names{"Could not change to profile \"Gone\".\nIt may have been deleted or "
                   "renamed.\nPress the Setup button and edit the current queue."}));
  // The row is still the one tried, so Preview Next goes on after it.
  EXPECT_TRUE(m_commands.CanPreviewNext());
  m_commands.PreviewNext();
  EXPECT_EQ(m_previewed, (Names{"Mail"}));
}

TEST_F(QueueCommandsTest, AnEmptyQueueOrNoneAtAllCannotBeRun) {
  m_commands.PreviewFirst();
  m_commands.CopyAll();
  m_queues.Add("Empty", {});
  m_commands.ChooseQueue(0);
  m_commands.PreviewFirst();
  m_commands.CopyAll();
  EXPECT_EQ(m_prompter.Texts(), Names(4, "Please define a queue before pressing this button."));
  EXPECT_TRUE(m_previewed.empty());
  EXPECT_TRUE(m_copied.empty());
}

TEST_F(QueueCommandsTest, CopyAllHandsTheSelectedQueueToTheMainWindow) {
  m_queues.Add("Daily", {"Mail"});
  m_queues.Add("Weekly", {"Photos", "Work"});
  m_commands.ChooseQueue(1);
  m_commands.CopyAll();
  EXPECT_EQ(m_copied, (std::vector<Names>{{"Photos", "Work"}}));
}

TEST_F(QueueCommandsTest, SetupAddsANewQueueAndSelectsIt) {
  m_queues.Add("Weekly", {"Photos"});
  CQueueSetup setup = m_commands.OpenSetup();  // nothing selected: a new queue
  EXPECT_TRUE(setup.IsNew());
  EXPECT_EQ(setup.Available(), (Names{"Mail", "Photos", "Work"}));
  setup.MoveRight({2, 0});
  m_commands.ApplySetup(setup, " Daily ");
  EXPECT_EQ(m_queues.Selected(), 0);
  EXPECT_EQ(m_queues.At(0).name, "Daily");
  EXPECT_EQ(m_commands.Sequence(), (Names{"Mail", "Work"}));

  // New in the window of a selected queue adds another one beside it.
  setup = m_commands.OpenSetup();
  setup.New();
  setup.MoveRight({1});
  m_commands.ApplySetup(setup, "Monthly");
  EXPECT_EQ(m_queues.Count(), 3u);
  EXPECT_EQ(m_queues.At(0).queue.Names(), (Names{"Mail", "Work"}));
  EXPECT_EQ(m_queues.At(static_cast<size_t>(m_queues.Selected())).name, "Monthly");

  // A name the list refuses (the window's check was passed by) says so.
  setup = m_commands.OpenSetup();
  setup.New();
  m_commands.ApplySetup(setup, "weekly");
  EXPECT_EQ(m_prompter.Texts(),
            (Names{"Could not add a queue.  Try closing another program and adding a queue "
                   "again."}));
  EXPECT_EQ(m_queues.Count(), 3u);
}

TEST_F(QueueCommandsTest, SetupRenamesOrOnlyReplacesTheNames) {
  m_queues.Add("Daily", {"Mail"});
  m_queues.Add("Weekly", {"Photos"});
  m_commands.ChooseQueue(0);
  CQueueSetup setup = m_commands.OpenSetup();
  EXPECT_EQ(setup.OpenedName(), "Daily");
  setup.MoveRight({0});  // Photos
  m_commands.ApplySetup(setup, "Daily");
  EXPECT_EQ(m_queues.Count(), 2u);
  EXPECT_EQ(m_commands.Sequence(), (Names{"Mail", "Photos"}));

  setup = m_commands.OpenSetup();
  m_commands.ApplySetup(setup, "Zzz");
  EXPECT_EQ(m_queues.At(static_cast<size_t>(m_queues.Selected())).name, "Zzz");
  EXPECT_EQ(m_commands.Sequence(), (Names{"Mail", "Photos"}));

  setup = m_commands.OpenSetup();
  m_commands.ApplySetup(setup, "WEEKLY");
  EXPECT_EQ(m_prompter.Texts(),
            (Names{"Could not rename a queue.  Try closing another program and creating this "
                   "queue again."}));
  EXPECT_EQ(m_queues.At(static_cast<size_t>(m_queues.Selected())).name, "Zzz");
}

TEST_F(QueueCommandsTest, DeletingSelectsTheFirstQueueLeft) {
  m_queues.Add("A", {"Mail"});
  m_queues.Add("B", {"Work", "Photos"});
  m_commands.ChooseQueue(0);
  m_commands.PreviewFirst();
  m_commands.Delete();
  EXPECT_EQ(m_commands.Sequence(), (Names{"Work", "Photos"}));
  EXPECT_EQ(m_commands.SequenceRow(), -1);
  m_commands.Delete();
  EXPECT_TRUE(m_commands.Sequence().empty());
  EXPECT_EQ(m_commands.CountText(), "0 profiles");
  m_commands.Delete();  // nothing left: nothing happens
  EXPECT_EQ(m_queues.Count(), 0u);
}

TEST_F(QueueCommandsTest, ARowThatWentWithAProfileIsNoLongerSelected) {
  m_queues.Add("Daily", {"Mail", "Work"});
  m_commands.ChooseQueue(0);
  m_commands.SetSequenceRow(1);
  EXPECT_EQ(m_commands.SequenceRow(), 1);
  m_commands.SetSequenceRow(5);
  EXPECT_EQ(m_commands.SequenceRow(), -1);
  m_commands.SetSequenceRow(1);
  m_queues.Add("0 first", {});  // the same queue moves down a place
  m_commands.QueuesChanged();
  EXPECT_EQ(m_commands.SequenceRow(), 1);
  m_queues.RemoveProfile("Mail");
  m_commands.QueuesChanged();
  EXPECT_EQ(m_commands.SequenceRow(), -1);
  // Another queue selected by reading the data file: its list starts without a row.
  m_commands.SetSequenceRow(0);
  SDataFileContents contents;
  m_queues.WriteTo(contents);
  contents.selectedQueue = 0;
  m_queues.ReadFrom(contents);
  m_commands.QueuesChanged();
  EXPECT_EQ(m_commands.SequenceRow(), -1);
}

}  // namespace
