// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "core/Message.h"
#include "core/MessageQueue.h"
#include "core/Options.h"
#include "preview/PreviewJob.h"
#include "run/RunPreparation.h"
#include "tests/support/CopyTestSupport.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TestSandbox.h"

// A failure that escapes a job's own handling (here an exception of no standard type, thrown
// by the window's side while the worker posts to it) must still end the job's run with its
// done message, or the run that waits for it would wait for ever.
namespace {

using copy_test::CHookedTarget;
using copy_test::OfKind;
using copy_test::Profile;
using testing_support::BuildTree;
using testing_support::Exists;
using testing_support::ReadFile;

constexpr auto kPatience = std::chrono::seconds(20);

struct SEscaping {};

// Throws once, on the worker, when a message of that kind is posted.
void ThrowOnce(CHookedTarget& target, EMessageOffset offset) {
  auto thrown = std::make_shared<bool>(false);
  target.onPost = [offset, thrown](const CMessage& message) {
    if (message.Offset() == offset && !*thrown) {
      *thrown = true;
      throw SEscaping{};
    }
  };
}

class JobFailureTest : public copy_test::CopyTreeTest {
 protected:
  JobFailureTest() { BuildTree(Src(), {{"a.txt", "a"}, {"sub/b.txt", "b"}, {"sub/c.txt", "c"}}); }
};

TEST_F(JobFailureTest, APreviewEndsAsStopped) {
  CMessageQueue queue;
  CHookedTarget target(queue);
  ThrowOnce(target, kMsgAddItems);
  CScriptedPrompter prompter;
  SPreparedFolders folders;
  folders.source = "C:\\src\\";
  folders.destination = "D:\\dst\\";
  folders.drives.sourceCluster = 4096;
  folders.drives.destCluster = 4096;
  CPreviewJob job;
  job.SetUp(MakePreviewSetup(AsLoadedIntoPages(Profile()), SProgramOptions{}, folders, &target,
                             true, &prompter));
  ASSERT_TRUE(job.Start(&target, 0));
  int64_t previewRun = -1;
  int64_t stopped = -1;
  const bool ended = queue.DispatchUntil(
      [&](CMessage& message) -> int64_t {
        if (message.Offset() == kMsgPreviewDone) {
          previewRun = message.first;
          stopped = message.second;
        }
        return 0;
      },
      [](const CMessage& message) { return message.Offset() == kMsgPreviewDone; }, kPatience);
  job.WaitForRuns();
  ASSERT_TRUE(ended);
  EXPECT_EQ(previewRun, 1);
  EXPECT_NE(stopped, 0);
  EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"The preview stopped: unknown failure"});
}

TEST_F(JobFailureTest, AFailedGatheringStopsTheCopyThatRunsWithIt) {
  ThrowOnce(m_copy.target, kMsgAddItems);
  CSettingsState settings = Profile();
  ASSERT_TRUE(m_copy.run.Begin(settings, false));
  ASSERT_TRUE(m_copy.Drive(kPatience));
  EXPECT_TRUE(m_copy.run.Stopped());
  EXPECT_EQ(m_copy.prompter.Texts(),
            std::vector<std::string>{"The preview stopped: unknown failure"});
  // What the copy did before it stopped is whole, and reported.
  int copied = 0;
  for (const std::string name : {"a.txt", "sub/b.txt", "sub/c.txt"}) {
    if (Exists(Dst(name))) {
      EXPECT_EQ(ReadFile(Dst(name)), ReadFile(Src(name)));
      ++copied;
    }
  }
  EXPECT_EQ(m_copy.run.HasResults() ? m_copy.run.Files() : 0, copied);
}

TEST_F(JobFailureTest, ACopyEndsAsStoppedWithAMessageAndKeepsWhatItCopied) {
  ThrowOnce(m_copy.target, kMsgItemDone);
  CSettingsState settings = Profile();
  ASSERT_TRUE(m_copy.Preview(settings));
  ASSERT_TRUE(m_copy.run.Begin(settings, true));
  ASSERT_TRUE(m_copy.Drive(kPatience));
  EXPECT_TRUE(m_copy.run.Stopped());
  ASSERT_TRUE(m_copy.run.HasResults());
  const auto failed = OfKind(m_copy.run.Messages(), kMsgNotCopied);
  ASSERT_EQ(failed.size(), 1u);
  EXPECT_EQ(failed[0].reason, "The copy stopped: unknown failure");
  EXPECT_EQ(failed[0].path, "D:\\dst");
  EXPECT_EQ(ReadFile(Dst("a.txt")), "a");  // in place before the failure
  EXPECT_FALSE(Exists(Dst("sub")));
}

}  // namespace
