// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "run/CopyRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "core/Reporter.h"
#include "platform/FileInfo.h"
#include "queues/QueueData.h"
#include "run/FolderValidation.h"
#include "run/PreviewRun.h"
#include "tests/support/CopyTestSupport.h"
#include "tests/support/TestSandbox.h"

namespace {

using copy_test::kNewTime;
using copy_test::kOldTime;
using copy_test::Names;
using copy_test::OfKind;
using copy_test::Profile;
using copy_test::SCopyHarness;
using testing_support::BuildTree;
using testing_support::CTestSandbox;
using testing_support::Exists;
using testing_support::ReadFile;

class CopyRunTest : public ::testing::Test {
 protected:
  std::string D(const std::string& relative) const { return m_sandbox.Root() + "/d/" + relative; }
  std::string C(const std::string& relative) const { return m_sandbox.Root() + "/c/" + relative; }

  CTestSandbox m_sandbox;
  SCopyHarness m_copy;
};

TEST_F(CopyRunTest, GathersTheListFirstAndCopiesWhenItIsDone) {
  BuildTree(C("src"), {{"a.txt", "a"}, {"sub/b.txt", "b"}});
  ASSERT_TRUE(m_copy.Copy(Profile()));
  const auto& seen = m_copy.offsets;
  const auto done = std::find(seen.begin(), seen.end(), kMsgPreviewDone);
  const auto setup = std::find(seen.begin(), seen.end(), kMsgCopySetup);
  ASSERT_NE(done, seen.end());
  ASSERT_NE(setup, seen.end());
  EXPECT_LT(done, setup);
  // Rows come in batches, each folder's before the next folder starts.
  EXPECT_EQ(std::count(seen.begin(), seen.end(), kMsgAddItems), 2);
  EXPECT_EQ(std::find(setup, seen.end(), kMsgAddItems), seen.end());
  EXPECT_EQ(seen.back(), kMsgCopyDone);
  EXPECT_EQ(m_copy.list.Count(), 2u);
  EXPECT_EQ(m_copy.counts.FilesToCopy(), 2);
  EXPECT_TRUE(m_copy.run.HasResults());
  EXPECT_TRUE(m_copy.run.AllItemsListed());
  EXPECT_EQ(ReadFile(D("dst/sub/b.txt")), "b");
}

// A Copy without a preview copies while it still gathers its list; a stop then stops
// both. Whenever the stop comes, what is in the destination is whole and is what the
// results report, and a copy that had done nothing reports nothing.
class GatheringCopyStop : public CopyRunTest {
 protected:
  void SetUp() override {
    for (int i = 0; i < 40; ++i) {
      const std::string name = "f" + std::to_string(i) + ".txt";
      BuildTree(C("src"), {{name, name}, {"sub/" + name, "sub " + name}});
    }
  }
  void ExpectWholeAndReported() {
    EXPECT_TRUE(m_copy.run.Stopped());
    int copied = 0;
    for (const std::string folder : {"", "sub/"}) {
      for (const std::string& name : Names(D("dst/" + folder))) {
        if (name == "sub") {
          continue;
        }
        EXPECT_TRUE(name.starts_with("f")) << name;  // no temporary file stays
        EXPECT_EQ(ReadFile(D("dst/" + folder + name)), ReadFile(C("src/" + folder + name)));
        ++copied;
      }
    }
    const auto setups = std::count(m_copy.offsets.begin(), m_copy.offsets.end(), kMsgCopySetup);
    if (m_copy.run.HasResults()) {
      EXPECT_EQ(setups, 1);
      EXPECT_EQ(m_copy.run.Files(), copied);
      EXPECT_EQ(std::count(m_copy.offsets.begin(), m_copy.offsets.end(), kMsgItemDone), copied);
    } else {
      EXPECT_EQ(setups, 0);
      EXPECT_EQ(copied, 0);
    }
  }
};

TEST_F(GatheringCopyStop, AStopWhileTheListIsGathered) {
  m_copy.onMessage = [&](CMessage& message) {
    if (message.Offset() == kMsgAddItems) {
      m_copy.run.Stop();
    }
  };
  ASSERT_TRUE(m_copy.Copy(Profile()));
  ExpectWholeAndReported();
}

TEST_F(GatheringCopyStop, AStopJustAsTheGatheringEnds) {
  // The gathering has finished unstopped; the stop comes before its end is handled.
  m_copy.onMessage = [&](CMessage& message) {
    if (message.Offset() == kMsgPreviewDone) {
      ASSERT_EQ(message.second, 0);
      m_copy.run.Stop();
    }
  };
  ASSERT_TRUE(m_copy.Copy(Profile()));
  ExpectWholeAndReported();
}

TEST_F(GatheringCopyStop, AStopBeforeAnythingIsCopiedLeavesNothingAndNoResults) {
  // The first folder's announcement comes before any row: the copy has nothing yet.
  m_copy.target.onPost = [&](const CMessage& message) {
    if (message.Offset() == kMsgCurrentFolder) {
      m_copy.run.Stop();
    }
  };
  ASSERT_TRUE(m_copy.Copy(Profile()));
  EXPECT_TRUE(m_copy.run.Stopped());
  EXPECT_FALSE(m_copy.run.HasResults());
  EXPECT_FALSE(Exists(D("dst")));
}

TEST_F(CopyRunTest, AFinishedPreviewsListIsCopiedAsItStands) {
  BuildTree(C("src"), {{"a.txt", "a"}, {"b.txt", "b"}, {"c.txt", "c"}});
  ASSERT_TRUE(m_copy.Preview(Profile()));
  ASSERT_EQ(m_copy.list.Count(), 3u);
  // The user takes a row out of the list before copying.
  for (size_t i = 0; i < m_copy.list.Count(); ++i) {
    if (m_copy.list.Row(i).name == "b.txt") {
      m_copy.list.Remove(i);
      break;
    }
  }
  // A file added since the preview is not in the list either.
  BuildTree(C("src"), {{"d.txt", "d"}});
  ASSERT_TRUE(m_copy.Copy(Profile(), true));
  EXPECT_EQ(std::count(m_copy.offsets.begin(), m_copy.offsets.end(), kMsgAddItems), 0);
  EXPECT_EQ(Names(D("dst")), (std::vector<std::string>{"a.txt", "c.txt"}));
  EXPECT_EQ(m_copy.run.Files(), 2);
  EXPECT_TRUE(m_copy.run.HasResults());
}

TEST_F(CopyRunTest, AQueueCopiesEachProfileAndCollectsEverything) {
  BuildTree(C("s1"), {{"a.txt", "a"}, {"b.txt", "b"}});
  BuildTree(C("s2"), {{"c.txt", "c"}, {"r.txt", "new r", kNewTime}});
  BuildTree(D("d2"), {{"r.txt", "old r", kOldTime}});
  ASSERT_EQ(platform::SetFileAttributes("D:\\d2\\r.txt", platform::kAttrReadOnly),
            platform::EError::kNone);
  CQueueComboBoxData queue({"one", "gone", "nosource", "two"});
  std::vector<std::string> selected;
  const auto select = [&](const std::string& name, CSettingsState& settings) {
    selected.push_back(name);
    if (name == "one") {
      settings = Profile("C:\\s1", "D:\\d1");
    } else if (name == "two") {
      settings = Profile("C:\\s2", "D:\\d2");
      settings.keepReadOnlyDestination = 1;
      settings.avoidStopping = 0;  // a queue asks nothing all the same
    } else if (name == "nosource") {
      settings = Profile("C:\\missing", "D:\\d3");
    } else {
      return false;
    }
    return true;
  };
  m_copy.errors.SetAnswer(false);
  ASSERT_TRUE(m_copy.CopyQueue(queue, select));
  EXPECT_EQ(selected, (std::vector<std::string>{"one", "gone", "nosource", "two"}));
  EXPECT_TRUE(m_copy.run.HasResults());
  EXPECT_FALSE(m_copy.run.Stopped());
  EXPECT_FALSE(m_copy.run.QueueRun());
  EXPECT_TRUE(m_copy.errors.Asked().empty());
  EXPECT_TRUE(m_copy.prompter.Prompts().empty());

  const auto notReady = OfKind(m_copy.run.Messages(), kMsgNotReady);
  ASSERT_EQ(notReady.size(), 2u);
  EXPECT_EQ(notReady[0].path, "gone");
  EXPECT_EQ(notReady[0].reason, "Could not change to this profile.");
  EXPECT_EQ(notReady[1].path, "nosource");
  EXPECT_EQ(notReady[1].reason,
            "\"C:\\missing\" is not a valid folder path.  Please enter a valid path and try "
            "again.");
  const auto skipped = OfKind(m_copy.run.Messages(), kMsgSkipped);
  ASSERT_EQ(skipped.size(), 1u);
  EXPECT_EQ(skipped[0].path, "D:\\d2\\r.txt");
  EXPECT_EQ(m_copy.run.Messages().Total(), 3);
  // Counts over the whole queue: three files in two folders.
  EXPECT_EQ(m_copy.run.Files(), 3);
  EXPECT_EQ(m_copy.run.Folders(), 2);
  EXPECT_EQ(ReadFile(D("d1/b.txt")), "b");
  EXPECT_EQ(ReadFile(D("d2/c.txt")), "c");
  EXPECT_EQ(ReadFile(D("d2/r.txt")), "old r");
  EXPECT_FALSE(Exists(D("d3")));

  // A single copy afterwards starts its messages afresh.
  ASSERT_TRUE(m_copy.Copy(Profile("C:\\s1", "D:\\d4")));
  EXPECT_EQ(m_copy.run.Messages().Total(), 0);
  EXPECT_EQ(m_copy.run.Files(), 2);
}

TEST_F(CopyRunTest, AQueueOfOnlyMissingProfilesStillHasResults) {
  CQueueComboBoxData queue({"x", "y"});
  ASSERT_TRUE(m_copy.CopyQueue(queue, [](const std::string&, CSettingsState&) { return false; }));
  EXPECT_TRUE(m_copy.run.HasResults());
  EXPECT_EQ(m_copy.run.Messages().Total(), 2);
  EXPECT_EQ(m_copy.run.Files(), 0);
}

}  // namespace
