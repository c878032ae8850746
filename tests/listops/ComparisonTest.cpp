// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "listops/Comparison.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include "core/FormatItem.h"
#include "listops/CommandFeedback.h"
#include "platform/FileInfo.h"
#include "preview/ListData.h"
#include "preview/PreviewCounts.h"
#include "preview/PreviewList.h"
#include "profile/SettingsState.h"
#include "tests/support/PreviewHarness.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TestSandbox.h"

namespace {

using preview_testing::kSecond;
using preview_testing::LocalFileTime;
using testing::ElementsAre;
using testing_support::BuildTree;
using testing_support::CTestSandbox;

const platform::FileTime kTime = LocalFileTime(2026, 3, 1, 10);

std::shared_ptr<CFilesListCtrlData> Row(const std::string& folder, const std::string& name) {
  auto row = std::make_shared<CFilesListCtrlData>();
  row->name = name;
  row->folder = std::make_shared<const std::string>(folder);
  return row;
}

platform::FileTime WriteTime(const std::string& path) {
  const auto times = platform::GetFileTimes(path);
  return times ? times->lastWrite : 0;
}

class Comparison : public ::testing::Test {
 protected:
  void AddRows(const std::vector<std::string>& names, const std::string& folder = "C:\\src") {
    for (const std::string& name : names) {
      m_list.Add(Row(folder, name));
    }
  }
  CVectorCompStrs AllRecords() {
    std::vector<size_t> rows(m_list.Count());
    for (size_t i = 0; i < rows.size(); ++i) {
      rows[i] = i;
    }
    return MakeCompareRecords(m_list, rows, "C:\\src\\", "C:\\dst\\", kCopyIntoFolders);
  }

  CTestSandbox m_sandbox;
  CPreviewList m_list;
  CPreviewCounts m_counts{m_list};
  CScriptedPrompter m_prompter;
  CCommandFeedback m_feedback;
  CFormatItem m_format;
};

TEST_F(Comparison, RecordsPairEachRowWithItsDestinationCopy) {
  m_list.Add(Row("C:\\src\\a b", "x.txt"));
  m_list.Add(Row("C:\\src", "y.txt"));
  const CVectorCompStrs records =
      MakeCompareRecords(m_list, {0, 1}, "C:\\src\\", "D:\\My Files\\", kCopyIntoFolders);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].sourcePath, "C:\\src\\a b\\x.txt");
  EXPECT_EQ(records[0].destinationPath, "D:\\My Files\\a b\\x.txt");
  EXPECT_EQ(records[1].destinationPath, "D:\\My Files\\y.txt");
  EXPECT_EQ(records[1].row, 1u);
  // Gathered files all land in the destination root.
  EXPECT_EQ(MakeCompareRecords(m_list, {0}, "C:\\src\\", "D:\\g\\", kCopyGather)[0].destinationPath,
            "D:\\g\\x.txt");
  // The destination comes first; only a path with a blank is quoted.
  EXPECT_EQ(ComparisonParameters("D:\\My Files\\x", "C:\\src\\x"),
            "\"D:\\My Files\\x\" C:\\src\\x");
}

TEST_F(Comparison, MatchesAreCountedAndMatchingTimesCanBeRestored) {
  BuildTree(m_sandbox.CRoot(), {{"src/differs.txt", "new", kTime},
                                {"dst/differs.txt", "old", kTime},
                                {"src/same.txt", "same", kTime},
                                {"dst/same.txt", "same", kTime},
                                // One second apart: well inside any tolerance, still restored.
                                {"src/touched.txt", "t", kTime + kSecond},
                                {"dst/touched.txt", "t", kTime},
                                {"src/lonely.txt", "l", kTime}});
  AddRows({"differs.txt", "same.txt", "touched.txt", "lonely.txt"});
  m_prompter.AddAnswer(EAnswer::kYes);
  EXPECT_TRUE(CompareMatchesCommand(m_list, AllRecords(), m_prompter, m_format, m_feedback));
  const std::vector<std::string> texts = m_prompter.Texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0],
            "Comparison Results\n\n1 file differs.\n1 file matches with a different date and/or "
            "time.\n1 file matches with the same date and time.\n1 file could not be "
            "compared.\n\nDo you want to restore the date and/or time of the matching file\nand "
            "exclude it from the preview list?");
  EXPECT_EQ(texts[1], "Date and Time Update Results\n\n1 file updated.");
  EXPECT_EQ(WriteTime("C:\\src\\touched.txt"), kTime);
  ASSERT_EQ(m_list.Count(), 3u);
  EXPECT_EQ(m_list.Row(0).listFlags, kDiffers);
  EXPECT_EQ(m_list.Row(1).listFlags, kMatchesSameTime);
  EXPECT_EQ(m_list.Row(2).name, "lonely.txt");
  EXPECT_EQ(m_list.Row(2).listFlags, kNotCompared);
}

TEST_F(Comparison, AReportWithoutTimesToRestoreIsOnlyShown) {
  BuildTree(m_sandbox.CRoot(), {{"src/a.txt", "new"}, {"dst/a.txt", "old"}});
  AddRows({"a.txt"});
  EXPECT_FALSE(CompareMatchesCommand(m_list, AllRecords(), m_prompter, m_format, m_feedback));
  const auto prompts = m_prompter.Prompts();
  ASSERT_EQ(prompts.size(), 1u);
  EXPECT_EQ(prompts[0].text, "Comparison Results\n\n1 file differs.");
  EXPECT_TRUE(prompts[0].icon == EIcon::kInformation);
}

TEST_F(Comparison, SeveralMatchesAreReportedInTheNumberFormatAndNoKeepsThem) {
  testing_support::MakeFolders(m_sandbox.CRoot() + "/src");
  testing_support::MakeFolders(m_sandbox.CRoot() + "/dst");
  for (int i = 0; i < 1002; ++i) {
    const std::string name = "f" + std::to_string(i);
    testing_support::WriteFile(m_sandbox.CRoot() + "/src/" + name, "x");
    testing_support::WriteFile(m_sandbox.CRoot() + "/dst/" + name, "x");
    AddRows({name});
  }
  // Each source file one second newer than its copy.
  for (int i = 0; i < 1002; ++i) {
    const platform::FileTime later = kTime + kSecond;
    platform::SetFileTimes("C:\\src\\f" + std::to_string(i), nullptr, nullptr, &later);
    platform::SetFileTimes("C:\\dst\\f" + std::to_string(i), nullptr, nullptr, &kTime);
  }
  m_prompter.AddAnswer(EAnswer::kNo);
  EXPECT_FALSE(CompareMatchesCommand(m_list, AllRecords(), m_prompter, m_format, m_feedback));
  EXPECT_EQ(m_prompter.Texts()[0],
            "Comparison Results\n\n1,002 files match with different dates and/or times.\n\nDo you "
            "want to restore the dates and/or times of the matching files\nand exclude them from "
            "the preview list?");
  EXPECT_EQ(m_list.Count(), 1002u);
  EXPECT_EQ(WriteTime("C:\\src\\f0"), kTime + kSecond);
}

TEST_F(Comparison, InfoTextsGiveSizeAndDateOrSayTheFileIsMissing) {
  BuildTree(m_sandbox.CRoot(), {{"one", "1", kTime}, {"many", std::string(1234, 'm'), kTime}});
  const platform::CDateTime today = platform::CDateTime::FromParts(2026, 3, 1);
  EXPECT_EQ(CompareInfoText("C:\\one", today, m_format), "1 byte, Today, 10:00:00 AM");
  EXPECT_EQ(CompareInfoText("C:\\many", platform::CDateTime::FromParts(2026, 6, 1), m_format),
            "1,234 bytes, 01-March-2026, 10:00:00 AM");
  EXPECT_EQ(CompareInfoText("C:\\none", today, m_format), "This file does not exist.");
}

TEST_F(Comparison, RestoringTimesSaysWhichSideFailed) {
  BuildTree(m_sandbox.CRoot(), {{"src.txt", "s", kTime + kSecond}, {"dst.txt", "s", kTime}});
  EXPECT_EQ(RestoreDateAndTime("C:\\missing.txt", "C:\\src.txt"),
            "Could not read the date and time from the destination file.");
  EXPECT_EQ(RestoreDateAndTime("C:\\dst.txt", "C:\\nowhere\\src.txt"),
            "Could not set the date and time in the source file.");
  EXPECT_EQ(RestoreDateAndTime("C:\\dst.txt", "C:\\src.txt"), "");
  EXPECT_EQ(WriteTime("C:\\src.txt"), kTime);
}

TEST_F(Comparison, ProgramPathsAreCheckedAsTheUserWouldExpect) {
  BuildTree(m_sandbox.CRoot(),
            {{"tools/Diff.EXE", "x"}, {"tools/notes.txt", "x"}, {"tools/folder/", ""}});
  const std::string script = m_sandbox.CRoot() + "/tools/meld";
  testing_support::WriteFile(script, "#!/bin/sh\nexit 0\n");
  ASSERT_EQ(chmod(script.c_str(), 0755), 0);

  EXPECT_EQ(CheckProgramPath("C:\\tools\\Diff.EXE", false, m_prompter), EPathCheck::kAccepted);
  EXPECT_EQ(CheckProgramPath("C:\\tools\\meld", false, m_prompter), EPathCheck::kAccepted);
  EXPECT_TRUE(m_prompter.Texts().empty());

  m_prompter.AddAnswer(EAnswer::kYes);
  EXPECT_EQ(CheckProgramPath("C:\\tools\\notes.txt", false, m_prompter), EPathCheck::kAccepted);
  m_prompter.AddAnswer(EAnswer::kCancel);
  EXPECT_EQ(CheckProgramPath("C:\\tools\\notes.txt", true, m_prompter), EPathCheck::kStop);
  EXPECT_EQ(CheckProgramPath("C:\\tools\\folder", false, m_prompter), EPathCheck::kRefused);
  m_prompter.AddAnswer(EAnswer::kCancel);
  EXPECT_EQ(CheckProgramPath("C:\\tools\\gone.exe", true, m_prompter), EPathCheck::kStop);
  const auto prompts = m_prompter.Prompts();
  ASSERT_EQ(prompts.size(), 4u);
  EXPECT_EQ(prompts[0].text,
            "\"C:\\tools\\notes.txt\" does not have a common program extension.  Is this OK?");
  EXPECT_TRUE(prompts[0].buttons == EButtons::kYesNo);
  EXPECT_TRUE(prompts[1].buttons == EButtons::kYesNoCancel);
  EXPECT_EQ(prompts[2].text, "\"C:\\tools\\folder\" is not a program path.");
  EXPECT_TRUE(prompts[2].buttons == EButtons::kOk);
  EXPECT_TRUE(prompts[3].buttons == EButtons::kOkCancel);
}

TEST_F(Comparison, DroppedShortcutsLeadToTheirTargets) {
  BuildTree(m_sandbox.CRoot(), {{"tools/diff.exe", "x"}, {"broken.desktop", "not an entry"}});
  ASSERT_EQ(symlink((m_sandbox.CRoot() + "/tools/diff.exe").c_str(),
                    (m_sandbox.CRoot() + "/link").c_str()),
            0);
  EXPECT_EQ(DroppedProgramPath("C:\\link"), "C:\\tools\\diff.exe");
  EXPECT_EQ(DroppedProgramPath("C:\\broken.desktop"), "");
  EXPECT_EQ(DroppedProgramPath("C:\\tools\\diff.exe"), "C:\\tools\\diff.exe");
}

}  // namespace
