// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/AlterVersionsCommand.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/FormatItem.h"
#include "profile/SettingsState.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TestSandbox.h"

namespace {

using testing_support::BuildTree;
using testing_support::Exists;

const CFormatItem kFormat(2, true, ',');
constexpr const char* kQuestion =
    "Do you want to remove leading zeros from version numbers\nin filenames that are in "
    "~Version subfolders?";

class AlterVersionsCommand : public ::testing::Test {
 protected:
  AlterVersionsCommand() {
    BuildTree(m_sandbox.CRoot() + "/src", {{"a.txt", "a"}});
    BuildTree(Dst(), {{"~Versions/a - Ver (03).txt", "a3"}, {"x/~Versions/b - Ver (01)", "b1"}});
    m_settings.sourcePath = "C:\\src";
    m_settings.destinationPath = "D:\\dst";
  }
  std::string Dst(const std::string& relative = {}) const {
    return m_sandbox.Root() + "/d/dst/" + relative;
  }
  void Run() {
    AlterVersionFilenamesCommand(m_settings, m_prompter, nullptr, kFormat,
                                 [this](bool busy) { m_busy.push_back(busy); });
  }

  testing_support::CTestSandbox m_sandbox;
  CScriptedPrompter m_prompter;
  CSettingsState m_settings;
  std::vector<bool> m_busy;
};

TEST_F(AlterVersionsCommand, YesRenamesAndShowsTheCounts) {
  m_prompter.AddAnswer(EAnswer::kYes);
  m_settings.destinationPath = "  D:\\dst  ";
  Run();
  EXPECT_TRUE(Exists(Dst("~Versions/a - Ver (3).txt")));
  EXPECT_TRUE(Exists(Dst("x/~Versions/b - Ver (1)")));
  const auto prompts = m_prompter.Prompts();
  ASSERT_EQ(prompts.size(), 2u);
  EXPECT_EQ(prompts[0].text, kQuestion);
  EXPECT_EQ(prompts[0].icon, EIcon::kQuestion);
  EXPECT_EQ(prompts[1].text, "Files Renamed:\t2\nFiles Not Renamed:\t0\nTotal Files:\t2");
  EXPECT_EQ(prompts[1].icon, EIcon::kInformation);
  // The window is busy for the walk only, and the field gets its text as the checks left it.
  EXPECT_EQ(m_busy, (std::vector<bool>{true, false}));
  EXPECT_EQ(m_settings.destinationPath, "D:\\dst");
}

TEST_F(AlterVersionsCommand, NoChangesNothing) {
  m_prompter.AddAnswer(EAnswer::kNo);
  Run();
  EXPECT_TRUE(Exists(Dst("~Versions/a - Ver (03).txt")));
  EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{kQuestion});
  EXPECT_TRUE(m_busy.empty());
}

TEST_F(AlterVersionsCommand, TheFoldersAreCheckedAsBeforeAPreview) {
  m_prompter.AddAnswer(EAnswer::kYes);
  m_settings.destinationPath = "C:\\SRC";  // the source under another spelling
  Run();
  EXPECT_EQ(m_prompter.Texts(),
            (std::vector<std::string>{kQuestion,
                                      "The source and destination folder paths must differ."}));
  EXPECT_TRUE(m_busy.empty());
  m_prompter.Clear();
  m_prompter.AddAnswer(EAnswer::kYes);
  m_settings.sourcePath = "C:\\nowhere";
  m_settings.destinationPath = "D:\\dst";
  Run();
  EXPECT_EQ(m_prompter.Texts()[1],
            "\"C:\\nowhere\" is not a valid folder path.  Please enter a valid path and try "
            "again.");
  EXPECT_TRUE(Exists(Dst("~Versions/a - Ver (03).txt")));
}

TEST(AlterVersionsResult, CountsAreGroupedAndAddedUp) {
  EXPECT_EQ(AlterVersionsResultText(1234, 5, kFormat),
            "Files Renamed:\t1,234\nFiles Not Renamed:\t5\nTotal Files:\t1,239");
}

}  // namespace
