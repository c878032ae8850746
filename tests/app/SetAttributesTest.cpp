// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/SetAttributes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "core/FormatItem.h"
#include "core/Options.h"
#include "platform/FileInfo.h"
#include "platform/Types.h"
#include "profile/SettingsState.h"
#include "run/FolderValidation.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TestSandbox.h"

namespace {

using platform::kAttrArchive;
using platform::kAttrDirectory;
using platform::kAttrHidden;
using platform::kAttrNormal;
using platform::kAttrReadOnly;
using platform::kAttrSystem;
using testing::ElementsAre;
using testing_support::BuildTree;
using testing_support::CTestSandbox;

TEST(SetAttributes, NewAttributesAddInOrReplaceTheThreeMarks) {
  // Add In: a "normal" file takes exactly the chosen marks; any other keeps its own too.
  EXPECT_EQ(NewAttributes(kAttrNormal, kAttrArchive, true), kAttrArchive);
  EXPECT_EQ(NewAttributes(kAttrHidden, kAttrReadOnly, true), kAttrHidden | kAttrReadOnly);
  EXPECT_EQ(NewAttributes(kAttrNormal, 0, true), 0u);
  // Replace: the system mark stays, read-only, hidden and archive go, the chosen ones come.
  EXPECT_EQ(NewAttributes(kAttrSystem | kAttrHidden | kAttrArchive, kAttrReadOnly, false),
            kAttrSystem | kAttrReadOnly);
  EXPECT_EQ(NewAttributes(kAttrReadOnly | kAttrHidden | kAttrArchive, 0, false), kAttrNormal);
  EXPECT_EQ(NewAttributes(kAttrNormal, kAttrArchive | kAttrHidden, false),
            kAttrArchive | kAttrHidden);
  EXPECT_EQ(NewAttributes(kAttrDirectory | kAttrArchive, 0, false), kAttrDirectory);
}

TEST(SetAttributes, ResultTextCountsWithGroupingAndSaysWhenCanceled) {
  const CFormatItem format(2, true, ',');
  EXPECT_EQ(SetAttributesResultText({1234, 5, false}, format),
            "Files Changed:\t1,234\nFiles Unchanged:\t5\nTotal Files:\t1,239");
  EXPECT_EQ(
      SetAttributesResultText({0, 0, true}, format),
      "Attribute setting canceled.\n\nFiles Changed:\t0\nFiles Unchanged:\t0\nTotal Files:\t0");
}

// Runs the tool on a sandbox tree as the window would, recording what it shows.
class SetAttributesRun : public ::testing::Test {
 protected:
  SetAttributesRun() {
    BuildTree(m_sandbox.CRoot() + "/src", {{"a.txt", "a"},
                                           {"b.txt", "bb"},
                                           {"sub/c.txt", "ccc"},
                                           {"skip/d.txt", "d"},
                                           {".dot", "e"}});
    m_settings.sourcePath = "C:\\src";
    m_settings.destinationPath = "D:\\backup";
  }

  void Run(uint32_t chosen, bool addIn) {
    m_busy.clear();
    RunSetAttributes(m_settings, chosen, addIn,
                     {m_prompter, m_options, m_driveStatus, m_aborted,
                      [this](bool on) { m_busy.push_back(on); }});
  }
  static uint32_t Attributes(const std::string& path) { return platform::GetFileAttributes(path); }
  std::string LastText() const {
    const auto texts = m_prompter.Texts();
    return texts.empty() ? std::string() : texts.back();
  }

  CTestSandbox m_sandbox;
  CSettingsState m_settings;
  SProgramOptions m_options;
  CScriptedPrompter m_prompter;
  CDriveStatusWindow* m_driveStatus = nullptr;
  std::function<bool()> m_aborted;
  std::vector<bool> m_busy;
};

TEST_F(SetAttributesRun, ReplaceChangesTheSelectedFilesOnDiskAndNothingElse) {
  m_settings.subfolderMode = settings_codes::kSubfoldersList;
  m_settings.subfolderEntries = {"1+C:\\src", "1-skip"};
  ASSERT_EQ(platform::SetFileAttributes("C:\\src\\b.txt", kAttrReadOnly | kAttrArchive),
            platform::EError::kNone);
  Run(kAttrReadOnly | kAttrArchive, false);

  EXPECT_EQ(Attributes("C:\\src\\a.txt"), kAttrReadOnly | kAttrArchive);
  EXPECT_EQ(Attributes("C:\\src\\sub\\c.txt"), kAttrReadOnly | kAttrArchive);
  // The excluded folder and the hidden dot-file (hidden files are not included) stay as
  // they were; b.txt already had the marks.
  EXPECT_EQ(Attributes("C:\\src\\skip\\d.txt"), kAttrArchive);
  EXPECT_EQ(Attributes("C:\\src\\.dot"), kAttrHidden | kAttrArchive);
  EXPECT_EQ(LastText(), "Files Changed:\t2\nFiles Unchanged:\t1\nTotal Files:\t3");
  EXPECT_EQ(m_prompter.Prompts().back().icon, EIcon::kInformation);
  EXPECT_THAT(m_busy, ElementsAre(true, false));
}

TEST_F(SetAttributesRun, ReplaceWithNothingChosenLeavesFilesNormal) {
  m_settings.includeHidden = 1;
  m_settings.includeReadOnly = 1;
  ASSERT_EQ(platform::SetFileAttributes("C:\\src\\a.txt", kAttrReadOnly | kAttrHidden),
            platform::EError::kNone);
  Run(0, false);
  EXPECT_EQ(Attributes("C:\\src\\a.txt"), kAttrNormal);
  EXPECT_EQ(Attributes("C:\\src\\b.txt"), kAttrNormal);
  EXPECT_EQ(Attributes("C:\\src\\sub\\c.txt"), kAttrNormal);
  // A dot-name stays hidden on this system; its archive mark still went.
  EXPECT_EQ(Attributes("C:\\src\\.dot"), kAttrHidden);
  EXPECT_EQ(LastText(), "Files Changed:\t5\nFiles Unchanged:\t0\nTotal Files:\t5");

  // Again: nothing is left to change, and the dot-file, which cannot lose its hidden mark,
  // counts as unchanged rather than as changed.
  Run(0, false);
  EXPECT_EQ(Attributes("C:\\src\\.dot"), kAttrHidden);
  EXPECT_EQ(LastText(), "Files Changed:\t0\nFiles Unchanged:\t5\nTotal Files:\t5");
}

TEST_F(SetAttributesRun, AddInWithNothingChosenDoesNothingAtAll) {
  Run(0, true);
  EXPECT_TRUE(m_prompter.Prompts().empty());
  EXPECT_TRUE(m_busy.empty());
  EXPECT_EQ(Attributes("C:\\src\\a.txt"), kAttrArchive);
}

TEST_F(SetAttributesRun, AddInAddsToWhatEachFileHas) {
  ASSERT_EQ(platform::SetFileAttributes("C:\\src\\a.txt", kAttrReadOnly), platform::EError::kNone);
  m_settings.includeReadOnly = 1;
  Run(kAttrHidden | kAttrArchive, true);
  EXPECT_EQ(Attributes("C:\\src\\a.txt"), kAttrReadOnly | kAttrHidden | kAttrArchive);
  EXPECT_EQ(Attributes("C:\\src\\b.txt"), kAttrHidden | kAttrArchive);
}

TEST_F(SetAttributesRun, AStopBetweenFoldersEndsTheWalkAndSaysSo) {
  int asked = 0;
  m_aborted = [&asked] { return ++asked >= 1; };  // stop after the first folder
  Run(kAttrHidden, false);
  EXPECT_EQ(Attributes("C:\\src\\a.txt"), kAttrHidden);
  EXPECT_EQ(Attributes("C:\\src\\sub\\c.txt"), kAttrArchive);  // never reached
  EXPECT_EQ(LastText(),
            "Attribute setting canceled.\n\nFiles Changed:\t2\nFiles Unchanged:\t0"
            "\nTotal Files:\t2");
}

TEST_F(SetAttributesRun, FolderChecksRunWithoutRequiringDifferentFolders) {
  // The tool changes the source only: the same folder on both sides is no fault. (Every
  // file then has an equal destination copy, so the rules select none.)
  m_settings.destinationPath = "C:\\src";
  Run(kAttrHidden, true);
  EXPECT_THAT(m_prompter.Texts(),
              ElementsAre("Files Changed:\t0\nFiles Unchanged:\t0\nTotal Files:\t0"));

  // A source that does not exist is refused as for a preview, and the window is idle again.
  m_prompter.Clear();
  m_settings.sourcePath = "C:\\missing";
  Run(kAttrHidden, true);
  EXPECT_THAT(m_prompter.Texts(),
              ElementsAre("\"C:\\missing\" is not a valid folder path.  Please enter a valid "
                          "path and try again."));
  EXPECT_THAT(m_busy, ElementsAre(true, false));
}

TEST_F(SetAttributesRun, ADriveThatIsNotReadyCanBeSwappedInTheDriveStatusWindow) {
  // The profile names drive F:, which is not there; the window moves it to C:.
  class CSwapToC : public CDriveStatusWindow {
   public:
    void Show(int sourceState, int, std::string& source, std::string&) override {
      states.push_back(sourceState);
      source[0] = 'C';
    }
    std::vector<int> states;
  } window;
  m_driveStatus = &window;
  m_settings.sourcePath = "F:\\src";
  Run(kAttrHidden, true);
  EXPECT_THAT(window.states, ElementsAre(kDriveNotConnected));
  EXPECT_EQ(m_settings.sourcePath, "C:\\src");
  EXPECT_EQ(Attributes("C:\\src\\b.txt"), kAttrHidden | kAttrArchive);
}

TEST_F(SetAttributesRun, ALinkToAFolderIsNotFollowed) {
  BuildTree(m_sandbox.CRoot() + "/elsewhere", {{"x.txt", "x"}});
  ASSERT_EQ(symlink((m_sandbox.CRoot() + "/elsewhere").c_str(),
                    (m_sandbox.CRoot() + "/src/link").c_str()),
            0);
  Run(kAttrHidden, true);
  EXPECT_EQ(Attributes("C:\\elsewhere\\x.txt"), kAttrArchive);
  EXPECT_EQ(LastText(), "Files Changed:\t4\nFiles Unchanged:\t0\nTotal Files:\t4");
}

}  // namespace
