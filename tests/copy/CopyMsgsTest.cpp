// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "copy/CopyMsgs.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <string>
#include <vector>

#include "core/FormatItem.h"
#include "core/TextFile.h"
#include "platform/File.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TestSandbox.h"

namespace {

const CFormatItem kFormat(2, true, ',');

std::vector<std::string> Texts(const std::vector<SMessageNode>& nodes) {
  std::vector<std::string> texts;
  for (const SMessageNode& node : nodes) {
    texts.push_back(node.text);
  }
  return texts;
}

TEST(CopyMsgs, CountsPerKindAndInTotal) {
  CCopyMsgs messages;
  messages.Add(kMsgNotCopied, "Could not open a temporary file.", "C:\\a");
  messages.Add(kMsgNotCopied, "", "C:\\b");
  messages.Add(kMsgSkipped, "read-only", "D:\\c");
  EXPECT_EQ(messages.Count(kMsgNotCopied), 2);
  EXPECT_EQ(messages.Count(kMsgSkipped), 1);
  EXPECT_EQ(messages.Count(kMsgDriveFull), 0);
  EXPECT_EQ(messages.Count(-1), 0);
  EXPECT_EQ(messages.Count(kCopyMsgKinds), 0);
  EXPECT_EQ(messages.Total(), 3);
}

TEST(CopyMsgs, ContainsIgnoresCaseOfReasonAndPath) {
  CCopyMsgs messages;
  messages.Add(kMsgFolderFailed, "", "D:\\Backup\\Été");
  EXPECT_TRUE(messages.Contains(kMsgFolderFailed, "", "d:\\BACKUP\\éTÉ"));
  EXPECT_FALSE(messages.Contains(kMsgNotCopied, "", "D:\\Backup\\Été"));
  EXPECT_FALSE(messages.Contains(kMsgFolderFailed, "x", "D:\\Backup\\Été"));
  EXPECT_FALSE(messages.Contains(kMsgFolderFailed, "", "D:\\Backup"));
}

TEST(MessageTree, OneCopyFailureExportsAsFourTreeLines) {
  CCopyMsgs messages;
  messages.Add(kMsgNotCopied, "This source file is missing.", "C:\\src\\a.txt");
  const std::string text =
      FormatResultsExport(BuildMessageTree(messages, true, kFormat), "0", "1", "0.25 seconds");
  EXPECT_EQ(text,
            "Copy Statistics and Messages\r\n"
            "\r\n"
            "Files: 0\r\n"
            "Folders: 1\r\n"
            "Elapsed time: 0.25 seconds\r\n"
            "\r\n"
            "1 error message\r\n"
            "-- 1 file: Could not be copied.\r\n"
            "---- C:\\src\\a.txt\r\n"
            "------ This source file is missing.\r\n");
}

TEST(MessageTree, NoMessagesAndACompleteListGiveTheRootAlone) {
  const SMessageNode tree = BuildMessageTree(CCopyMsgs(), true, kFormat);
  EXPECT_EQ(tree.text, "0 error messages");
  EXPECT_TRUE(tree.children.empty());
  // A folder-tree copy leaves the files line out.
  EXPECT_EQ(FormatResultsExport(tree, "", "3", "1 second"),
            "Copy Statistics and Messages\r\n\r\nFolders: 3\r\nElapsed time: 1 second\r\n\r\n"
            "0 error messages\r\n");
}

TEST(MessageTree, AnIncompleteListCountsAsOneMoreMessage) {
  CCopyMsgs messages;
  messages.Add(kMsgSkipped, "read-only", "D:\\dst\\a");
  const SMessageNode tree = BuildMessageTree(messages, false, kFormat);
  EXPECT_EQ(tree.text, "2 error messages");
  ASSERT_EQ(tree.children.size(), 2u);
  EXPECT_EQ(tree.children[1].text, "The preview list is incomplete.");
  ASSERT_EQ(tree.children[1].children.size(), 1u);
  EXPECT_EQ(tree.children[1].children[0].text, "Rerun copying to catch any remaining items.");
  EXPECT_EQ(BuildMessageTree(CCopyMsgs(), false, kFormat).text, "1 error message");
}

TEST(MessageTree, SummaryLinesComeInKindOrderWithPlurals) {
  CCopyMsgs messages;
  // Added out of kind order: the tree orders by kind, the paths keep their order.
  messages.Add(kMsgSecurityFailed, "Could not write file-security information.", "C:\\s");
  messages.Add(kMsgNotReady, "Could not change to this profile.", "Daily");
  messages.Add(kMsgFolderFailed, "", "D:\\f1");
  messages.Add(kMsgFolderFailed, "", "D:\\f2");
  messages.Add(kMsgDriveFull, "", "C:\\big");
  messages.Add(kMsgCompareFailed, "Files differ.", "C:\\c1");
  messages.Add(kMsgCompareFailed, "Files differ.", "C:\\c2");
  messages.Add(kMsgSkipped, "read-only, hidden & system", "D:\\k");
  messages.Add(kMsgNotCopied, "x", "C:\\n");
  const SMessageNode tree = BuildMessageTree(messages, true, kFormat);
  EXPECT_EQ(tree.text, "9 error messages");
  EXPECT_EQ(Texts(tree.children), (std::vector<std::string>{
                                      "1 profile: not ready",
                                      "2 folders: Could not be created.",
                                      "1 file: Destination drive is full.",
                                      "1 file: Could not be copied.",
                                      "2 files: Did not compare properly.",
                                      "1 file: Skipped due to destination attribute(s).",
                                      "1 file: Could not copy file-security settings.",
                                  }));
  // A message without a reason has no line under its path.
  EXPECT_EQ(Texts(tree.children[1].children), (std::vector<std::string>{"D:\\f1", "D:\\f2"}));
  EXPECT_TRUE(tree.children[1].children[0].children.empty());
  EXPECT_EQ(Texts(tree.children[0].children[0].children),
            (std::vector<std::string>{"Could not change to this profile."}));
}

TEST(MessageTree, CountsAreGrouped) {
  CCopyMsgs messages;
  for (int i = 0; i < 1200; ++i) {
    messages.Add(kMsgDriveFull, "", "C:\\f" + std::to_string(i));
  }
  const SMessageNode tree = BuildMessageTree(messages, true, kFormat);
  EXPECT_EQ(tree.text, "1,200 error messages");
  EXPECT_EQ(tree.children[0].text, "1,200 files: Destination drive is full.");
}

TEST(ErrorCountdown, ClosesAsYesAfterTenSeconds) {
  CErrorCountdown countdown;
  EXPECT_EQ(countdown.Text(), "This window will close in 10 seconds.");
  for (int tick = 1; tick < 10; ++tick) {
    EXPECT_FALSE(countdown.Tick()) << "tick " << tick;
  }
  EXPECT_EQ(countdown.Text(), "This window will close in 1 second.");
  EXPECT_TRUE(countdown.Tick());
  EXPECT_FALSE(countdown.Running());
  EXPECT_FALSE(countdown.Tick());  // closed once only
}

TEST(ErrorCountdown, StopKeepsTheWindowOpen) {
  CErrorCountdown countdown;
  countdown.Tick();
  countdown.Tick();
  countdown.Stop();
  for (int tick = 0; tick < 20; ++tick) {
    EXPECT_FALSE(countdown.Tick());
  }
  EXPECT_EQ(countdown.Seconds(), 8);
  EXPECT_EQ(countdown.Text(), "This window will close in 8 seconds.");
}

// The export file: written whole over what was there, with a message saying how it went.
class ResultsExport : public ::testing::Test {
 protected:
  std::string Posix(const std::string& relative) const {
    return m_sandbox.Root() + "/d/" + relative;
  }
  std::vector<std::string> Texts() const { return m_prompter.Texts(); }

  testing_support::CTestSandbox m_sandbox;
  CScriptedPrompter m_prompter;
};

TEST_F(ResultsExport, ReplacesAnOlderFileAndSaysSo) {
  testing_support::WriteFile(Posix("report.txt"), std::string(500, 'x'));
  ASSERT_TRUE(WriteExportFile("D:\\report.txt", "line\r\n", m_prompter));
  EXPECT_EQ(testing_support::ReadFile(Posix("report.txt")), "line\r\n");
  ASSERT_EQ(m_prompter.Prompts().size(), 1u);
  EXPECT_EQ(m_prompter.Prompts()[0].text, "Finished writing the export file.");
  EXPECT_EQ(m_prompter.Prompts()[0].icon, EIcon::kInformation);
}

TEST_F(ResultsExport, AFileThatCannotBeOpenedIsLeftAsItWas) {
  // No such folder, and a file another program holds.
  EXPECT_FALSE(WriteExportFile("D:\\missing\\report.txt", "text", m_prompter));
  testing_support::WriteFile(Posix("held.txt"), "kept");
  platform::CFile held;
  ASSERT_EQ(held.Open("D:\\held.txt", platform::EAccess::kReadWrite, platform::EShare::kNoSharing),
            platform::EError::kNone);
  EXPECT_FALSE(WriteExportFile("D:\\held.txt", "text", m_prompter));
  EXPECT_EQ(testing_support::ReadFile(Posix("held.txt")), "kept");
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Could not open the export file.",
                                               "Could not open the export file."}));
  EXPECT_EQ(m_prompter.Prompts()[0].icon, EIcon::kStop);
}

TEST_F(ResultsExport, AShortWriteIsAFailure) {
  // The process may write files of 10 bytes at most: the write stops short.
  struct rlimit before {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
  struct rlimit small = before;
  small.rlim_cur = 10;
  const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = WriteExportFile("D:\\report.txt", std::string(100, 'r'), m_prompter);
  setrlimit(RLIMIT_FSIZE, &before);
  signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(written);
  EXPECT_EQ(Texts(), std::vector<std::string>{"Could not write to the export file."});
  EXPECT_EQ(m_prompter.Prompts()[0].icon, EIcon::kStop);
}

}  // namespace
