// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/AppText.h"
#include "copy/CopyMsgs.h"
#include "queues/QueueData.h"
#include "run/CopyRun.h"
#include "tests/support/AllocationHook.h"
#include "tests/support/CopyTestSupport.h"
#include "tests/support/TestSandbox.h"

namespace {

using copy_test::OfKind;
using copy_test::Profile;
using testing_support::BuildTree;
using testing_support::Exists;
using testing_support::ReadFile;

class CopyStartTest : public copy_test::CopyTreeTest {};

TEST_F(CopyStartTest, AQueueRecordsWhyACopyCouldNotStartAndGoesOn) {
  // With clusters of 1 MiB on the destination, the copy buffer is the only allocation that
  // large: failing it (at each of its four sizes, halved from 8 clusters) keeps the copy of
  // "one" from starting. It is made as the copy starts, on this thread.
  constexpr size_t kCluster = 1 << 20;
  m_sandbox.SetDrives("C={root}/c;D={root}/d,fixed,cluster=" + std::to_string(kCluster));
  BuildTree(m_sandbox.CRoot() + "/s1", {{"a.txt", "a"}});
  BuildTree(m_sandbox.CRoot() + "/s2", {{"b.txt", "b"}});
  CQueueComboBoxData queue({"missing", "one", "two"});
  const auto select = [](const std::string& name, CSettingsState& settings) {
    settings = Profile(name == "missing" ? "C:\\nothing" : (name == "one" ? "C:\\s1" : "C:\\s2"),
                       "D:\\" + name);
    if (name == "one") {
      testing_support::FailAllocations(4, kCluster);
    } else {
      testing_support::StopFailingAllocations();
    }
    return true;
  };
  const long failedBefore = testing_support::FailedAllocations();
  const bool ended = m_copy.CopyQueue(queue, select);
  testing_support::StopFailingAllocations();
  ASSERT_TRUE(ended);
  EXPECT_EQ(testing_support::FailedAllocations(), failedBefore + 4);

  EXPECT_FALSE(m_copy.run.Stopped());
  EXPECT_TRUE(m_copy.run.HasResults());
  EXPECT_TRUE(m_copy.prompter.Prompts().empty());  // a queue shows nothing until its report
  const auto notReady = OfKind(m_copy.run.Messages(), kMsgNotReady);
  ASSERT_EQ(notReady.size(), 2u);
  EXPECT_EQ(notReady[0].path, "missing");  // the earlier profile's message is kept
  EXPECT_EQ(notReady[1].path, "one");
  EXPECT_EQ(notReady[1].reason, kOutOfMemoryText);
  EXPECT_FALSE(Exists(m_sandbox.Root() + "/d/one/a.txt"));
  EXPECT_EQ(ReadFile(m_sandbox.Root() + "/d/two/b.txt"), "b");
  EXPECT_EQ(m_copy.run.Files(), 1);
}

}  // namespace
