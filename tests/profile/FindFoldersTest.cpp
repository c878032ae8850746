// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/FindFolders.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "core/FormatItem.h"
#include "core/MessageQueue.h"
#include "rules/MatchPattern.h"
#include "tests/support/TestSandbox.h"

namespace {

using namespace std::chrono_literals;
using testing_support::CTestSandbox;

// What a search reported, in order.
struct SSearchSeen {
  std::vector<std::string> found;
  std::vector<std::string> folders;  // the status reports
  bool done = false;
  int64_t count = -1;
  bool stopped = false;
  std::string text;
};

class FindFoldersTest : public testing::Test {
 protected:
  void SetUp() override {
    testing_support::BuildTree(m_sandbox.CRoot(), {{"home/ann/Reports/", ""},
                                                   {"home/ann/old/reprots/", ""},
                                                   {"home/bob/report.txt", "a file, not a folder"},
                                                   {"srv/REPORT/x/", ""},
                                                   {"srv/photos/", ""}});
  }

  SSearchSeen Search(const std::string& pattern, bool typos, bool stopFirst = false) {
    CFindFoldersJob job(
        [](std::string_view p, std::string_view n, bool t) { return MatchPattern(p, n, t, 3); });
    job.SetSearch({"C:\\", pattern, typos});
    CMessageQueue queue;
    if (stopFirst) {
      job.Suspend(true);  // held at its first step until the stop is set
    }
    EXPECT_TRUE(job.Start(&queue, 0));
    if (stopFirst) {
      job.SetStop(1);
      job.Suspend(false);
    }
    SSearchSeen seen;
    const bool ended = queue.DispatchUntil(
        [&seen](CMessage& message) -> int64_t {
          switch (message.Offset()) {
            case kMsgFoldersFound:
              for (const std::string& path : *message.Object<std::vector<std::string>>()) {
                seen.found.push_back(path);
              }
              break;
            case kMsgCurrentFolder:
              seen.folders.push_back(message.text);
              break;
            case kMsgSearchDone:
              seen.done = true;
              seen.count = message.first;
              seen.stopped = message.second != 0;
              seen.text = message.text;
              break;
            default:
              ADD_FAILURE() << "unexpected message " << message.code;
          }
          return 0;
        },
        [](const CMessage& message) { return message.Offset() == kMsgSearchDone; }, 20s);
    EXPECT_TRUE(ended);
    std::sort(seen.found.begin(), seen.found.end());
    return seen;
  }

  CTestSandbox m_sandbox;
};

TEST_F(FindFoldersTest, FindsMatchingFoldersAnywhereOnTheDriveButNoFiles) {
  const SSearchSeen seen = Search("report*", false);
  EXPECT_TRUE(seen.done);
  EXPECT_FALSE(seen.stopped);
  EXPECT_EQ(seen.found, (std::vector<std::string>{"C:\\home\\ann\\Reports", "C:\\srv\\REPORT"}));
  EXPECT_EQ(seen.count, 2);
  EXPECT_TRUE(seen.text.starts_with("Found 2 folders in ")) << seen.text;
  EXPECT_TRUE(seen.text.ends_with(" seconds.")) << seen.text;
}

TEST_F(FindFoldersTest, TyposAreToleratedOnlyWhenAllowed) {
  EXPECT_EQ(Search("reports", false).found, std::vector<std::string>{"C:\\home\\ann\\Reports"});
  // A swapped pair, and a last letter missing.
  EXPECT_EQ(Search("reports", true).found,
            (std::vector<std::string>{"C:\\home\\ann\\Reports", "C:\\home\\ann\\old\\reprots",
                                      "C:\\srv\\REPORT"}));
}

TEST_F(FindFoldersTest, ALinkBackUpTheTreeIsNotFollowed) {
  ASSERT_EQ(symlink(m_sandbox.CRoot().c_str(), (m_sandbox.CRoot() + "/srv/photos/loop").c_str()),
            0);
  const SSearchSeen seen = Search("*", false);
  EXPECT_FALSE(seen.stopped);
  EXPECT_EQ(std::count(seen.found.begin(), seen.found.end(), "C:\\srv\\photos"), 1);
  EXPECT_EQ(std::find(seen.found.begin(), seen.found.end(), "C:\\srv\\photos\\loop"),
            seen.found.end());
}

TEST_F(FindFoldersTest, AStoppedSearchSaysSo) {
  const SSearchSeen seen = Search("*", false, true);
  EXPECT_TRUE(seen.done);
  EXPECT_TRUE(seen.stopped);
  EXPECT_EQ(seen.text, "Folder searching stopped.");
  EXPECT_TRUE(seen.found.empty());
}

TEST(FindFoldersTexts, PatternLengthAndTheResultLine) {
  EXPECT_FALSE(FolderPatternFits(""));
  EXPECT_TRUE(FolderPatternFits("a"));
  EXPECT_TRUE(FolderPatternFits(std::string(255, 'a')));
  EXPECT_FALSE(FolderPatternFits(std::string(256, 'a')));

  SetDefaultNumberFormat(true, ',');
  EXPECT_EQ(FoundFoldersText(1, 1000), "Found 1 folder in 1.00 second.");
  EXPECT_EQ(FoundFoldersText(1234, 61250), "Found 1,234 folders in 61.25 seconds.");
  EXPECT_EQ(FoundFoldersText(0, 5), "Found 0 folders in 0.00 seconds.");
  SetDefaultNumberFormat(true, '.');
  EXPECT_EQ(FoundFoldersText(1234, 2500), "Found 1.234 folders in 2,50 seconds.");
  SetDefaultNumberFormat(true, ',');
}

}  // namespace
