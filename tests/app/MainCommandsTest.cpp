// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/MainCommands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "copy/CopyMsgs.h"
#include "core/Message.h"
#include "core/MessageQueue.h"
#include "core/Options.h"
#include "platform/FileInfo.h"
#include "preview/MoveDetect.h"
#include "profile/DataFile.h"
#include "profile/SettingsPages.h"
#include "queues/ProfileList.h"
#include "queues/QueueData.h"
#include "run/FolderValidation.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TestSandbox.h"

namespace {

using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;
using testing::Not;
using testing_support::BuildTree;
using testing_support::CTestSandbox;
using testing_support::Exists;
using testing_support::ReadFile;

// Writes down what the commands show, as the window would show it.
class CRecordingView : public CMainView {
 public:
  void SetTitle(const std::string& text) override { title = text; }
  void SetStatusText(const std::string& text) override { status = text; }
  void SetCountsText(const std::string& text) override { counts = text; }
  void SetState(EMainState value, bool strays) override {
    state = value;
    strayFolders = strays;
    states.push_back(value);
  }
  void EnableSettings(bool enable) override { settingsEnabled = enable; }
  void SetFolderTexts(const std::string& source, const std::string& destination) override {
    folderTexts = source + "|" + destination;
  }
  void CheckArchiveOnly() override { archiveOnlyChecked = true; }
  void PreviewListChanged() override {}
  void ShowPreviewStatistics(const SPreviewStatistics& value) override {
    statistics.push_back(value);
  }
  bool ShowDetectedMoves(CMoveDetect& detect) override {
    movesShown = detect.Moves().size();
    return false;
  }
  void OpenCopyProgress(const std::string& text) override {
    progressOpen = true;
    progressStatus = text;
    progressOpened.push_back(text);
  }
  void CopyProgress(const CMessage&, const CPreviewCounts&) override { ++progressMessages; }
  void EndCopyProgress(bool stopped, bool) override {
    progressStatus = stopped ? "Status: Canceled" : "Status: Done";
  }
  void CloseCopyProgress() override { progressOpen = false; }
  void ShowCopyResults(const SCopyResults& value) override { results.push_back(value); }
  void CloseNow() override { ++closeNow; }

  std::string title;
  std::string status;
  std::string counts;
  EMainState state = EMainState::kIdle;
  std::vector<EMainState> states;
  bool strayFolders = false;
  bool settingsEnabled = true;
  std::string folderTexts;
  bool archiveOnlyChecked = false;
  std::vector<SPreviewStatistics> statistics;
  size_t movesShown = 0;
  bool progressOpen = false;
  std::string progressStatus;
  std::vector<std::string> progressOpened;
  int progressMessages = 0;
  std::vector<SCopyResults> results;
  int closeNow = 0;
};

class MainCommands : public ::testing::Test {
 protected:
  MainCommands() {
    m_profiles.SetOnCurrentChanged([this] { m_commands.ResetForProfile(); });
    m_profiles.ReadFrom(SDataFileContents());
    CSettingsState& settings = m_pages.Settings();
    settings.sourcePath = "C:\\src";
    settings.destinationPath = "D:\\dst";
    m_options.m_confirmCopying = 0;
  }

  std::string Src(const std::string& relative = {}) const {
    return m_sandbox.CRoot() + "/src/" + relative;
  }
  std::string Dst(const std::string& relative = {}) const {
    return m_sandbox.Root() + "/d/dst/" + relative;
  }

  // Handles the jobs' messages until the commands are idle again; false on a time-out.
  bool RunToIdle() {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (m_commands.JobRunning()) {
      if (std::chrono::steady_clock::now() > deadline) {
        return false;
      }
      m_queue.DispatchOne([this](CMessage& message) { return m_commands.Handle(message); },
                          std::chrono::milliseconds(100));
    }
    return true;
  }

  CTestSandbox m_sandbox;
  CScriptedPrompter m_prompter;
  CScriptedErrorWindow m_errors;
  SProgramOptions m_options;
  CSettingsHolder m_pages;
  CProfileList m_profiles{m_pages, m_prompter};
  CMessageQueue m_queue;
  CRecordingView m_view;
  CMainCommands m_commands{m_view, m_prompter, m_errors, m_options, m_pages, m_profiles, m_queue};
};

TEST_F(MainCommands, ThePreviewShowsItsCountsAndStatisticsAndLeavesAListToCopy) {
  BuildTree(Src(), {{"a.txt", "aaaa"}, {"sub/b.txt", "bb"}});
  m_commands.Preview();
  EXPECT_EQ(m_view.state, EMainState::kPreviewing);
  EXPECT_FALSE(m_view.settingsEnabled);
  ASSERT_TRUE(RunToIdle());
  EXPECT_THAT(m_view.states,
              ElementsAre(EMainState::kIdle, EMainState::kPreviewing, EMainState::kIdle));
  EXPECT_TRUE(m_view.settingsEnabled);
  EXPECT_EQ(m_view.counts, "2 files to copy in 2 folders");
  EXPECT_EQ(m_view.status, "");
  EXPECT_EQ(m_view.folderTexts, "C:\\src|D:\\dst");
  ASSERT_EQ(m_view.statistics.size(), 1u);
  EXPECT_EQ(m_view.statistics[0].files, "2");
  EXPECT_EQ(m_view.statistics[0].size, "6");
  EXPECT_FALSE(m_view.statistics[0].notEnoughSpace);
  EXPECT_TRUE(m_commands.PreviewedNotCopied());
  EXPECT_EQ(m_commands.List().Count(), 2u);
  EXPECT_THAT(m_prompter.Texts(), IsEmpty());
}

TEST_F(MainCommands, APreviewWithoutACheckedIncludeDoesNotStart) {
  m_pages.Settings().subfolderEntries = {"0+C:\\src"};
  m_commands.Preview();
  EXPECT_EQ(m_view.state, EMainState::kIdle);
  EXPECT_TRUE(m_view.settingsEnabled);
  EXPECT_THAT(m_prompter.Texts(),
              ElementsAre("There must be at least one checked include-folder in the Subfolders "
                          "page."));
}

TEST_F(MainCommands, AFailedCheckEmptiesTheListAndForgetsThePreview) {
  BuildTree(Src(), {{"a.txt", "a"}});
  m_commands.Preview();
  ASSERT_TRUE(RunToIdle());
  ASSERT_TRUE(m_commands.PreviewedNotCopied());
  m_pages.Settings().sourcePath = "C:\\missing";
  m_pages.Settings().subfolderEntries.clear();
  m_commands.Preview();
  EXPECT_THAT(m_prompter.Texts(), ElementsAre(HasSubstr("is not a valid folder path")));
  EXPECT_EQ(m_view.state, EMainState::kIdle);
  // An emptied list is no list to copy.
  EXPECT_FALSE(m_commands.PreviewedNotCopied());
  EXPECT_EQ(m_commands.List().Count(), 0u);
  EXPECT_EQ(m_view.counts, "0 files to copy in 0 folders");
}

TEST_F(MainCommands, PreviewPressedAgainStopsThePreview) {
  BuildTree(Src(), {{"a.txt", "a"}, {"b/c.txt", "c"}});
  m_commands.Preview();
  m_commands.Preview();  // the button now reads "&Stop"
  ASSERT_TRUE(RunToIdle());
  EXPECT_THAT(m_view.statistics, IsEmpty());
  EXPECT_FALSE(m_commands.PreviewedNotCopied());
}

TEST_F(MainCommands, PreviewAndCopyBothLetTheUserSwapADriveThatIsNotReady) {
  // The profile names drive E:, which is not there; the drive status window moves the source
  // to C:, and the run goes on there.
  class CSwapToC : public CDriveStatusWindow {
   public:
    void Show(int sourceState, int destinationState, std::string& source, std::string&) override {
      shown.push_back(std::to_string(sourceState) + std::to_string(destinationState));
      source[0] = 'C';
    }
    std::vector<std::string> shown;
  } window;
  m_commands.SetDriveStatusWindow(&window);
  BuildTree(Src(), {{"a.txt", "a"}});
  m_pages.Settings().sourcePath = "E:\\src";
  m_commands.Preview();
  ASSERT_TRUE(RunToIdle());
  EXPECT_EQ(m_view.folderTexts, "C:\\src|D:\\dst");
  EXPECT_EQ(m_commands.List().Count(), 1u);

  m_pages.Settings().sourcePath = "E:\\src";
  m_commands.Copy();  // Copy checks the folders again, also for a preview's list
  ASSERT_TRUE(RunToIdle());
  EXPECT_THAT(window.shown, ElementsAre("10", "10"));
  EXPECT_EQ(ReadFile(Dst("a.txt")), "a");
  EXPECT_THAT(m_prompter.Texts(), IsEmpty());
}

TEST_F(MainCommands, CopyAfterAPreviewCopiesItsListWithoutAsking) {
  m_options.m_confirmCopying = 1;
  BuildTree(Src(), {{"a.txt", "new a"}, {"sub/b.txt", "new b"}});
  m_commands.Preview();
  ASSERT_TRUE(RunToIdle());
  m_commands.Copy();
  EXPECT_EQ(m_view.state, EMainState::kCopying);
  EXPECT_TRUE(m_view.progressOpen);
  EXPECT_EQ(m_view.progressStatus, "");
  ASSERT_TRUE(RunToIdle());
  EXPECT_THAT(m_prompter.Texts(), IsEmpty());
  EXPECT_EQ(ReadFile(Dst("a.txt")), "new a");
  EXPECT_EQ(ReadFile(Dst("sub/b.txt")), "new b");
  ASSERT_EQ(m_view.results.size(), 1u);
  EXPECT_EQ(m_view.results[0].files, "2");
  EXPECT_FALSE(m_view.results[0].hasMessages);
  EXPECT_THAT(m_view.results[0].exportText, HasSubstr("Files: 2\r\n"));
  EXPECT_EQ(m_view.progressStatus, "Status: Done");
  EXPECT_FALSE(m_view.progressOpen);
  EXPECT_FALSE(m_commands.PreviewedNotCopied());
  EXPECT_GT(m_view.progressMessages, 0);
}

TEST_F(MainCommands, CopyWithoutAPreviewAsksFirstAndGathersTheList) {
  m_options.m_confirmCopying = 1;
  BuildTree(Src(), {{"a.txt", "a"}});
  m_prompter.AddAnswer(EAnswer::kNo);
  m_commands.Copy();
  EXPECT_EQ(m_view.state, EMainState::kIdle);
  EXPECT_THAT(m_prompter.Texts(), ElementsAre("Do you want to copy without first previewing?"));
  EXPECT_FALSE(Exists(Dst("a.txt")));

  m_prompter.AddAnswer(EAnswer::kYes);
  m_commands.Copy();
  EXPECT_EQ(m_view.progressStatus, "Status: Gathering file information...");
  ASSERT_TRUE(RunToIdle());
  EXPECT_EQ(ReadFile(Dst("a.txt")), "a");
  EXPECT_EQ(m_view.results.size(), 1u);
}

TEST_F(MainCommands, TheListsFoldersAreThoseOfTheRunThatMadeIt) {
  BuildTree(Src(), {{"a.txt", "a"}});
  BuildTree(m_sandbox.CRoot() + "/other", {{"b.txt", "b"}});
  m_commands.Preview();
  ASSERT_TRUE(RunToIdle());
  m_commands.Copy();
  ASSERT_TRUE(RunToIdle());
  EXPECT_EQ(m_commands.SourcePath(), "C:\\src\\");
  // A copy of other folders, gathered without a preview: the list's commands must work in
  // the folders its rows came from, not in the last preview's.
  m_pages.Settings().sourcePath = "C:\\other";
  m_pages.Settings().destinationPath = "D:\\other";
  m_commands.Copy();
  ASSERT_TRUE(RunToIdle());
  ASSERT_EQ(m_commands.List().Count(), 1u);
  EXPECT_EQ(m_commands.List().Row(0).Folder(), "C:\\other");
  EXPECT_EQ(m_commands.SourcePath(), "C:\\other\\");
  EXPECT_EQ(m_commands.DestinationPath(), "D:\\other\\");
}

TEST_F(MainCommands, AStoppedGatheringCopiesNothingAndReportsNothing) {
  BuildTree(Src(), {{"a.txt", "a"}});
  m_commands.Copy();
  m_commands.StopJobs();
  ASSERT_TRUE(RunToIdle());
  EXPECT_FALSE(Exists(Dst("a.txt")));
  EXPECT_THAT(m_view.results, IsEmpty());
  EXPECT_FALSE(m_view.progressOpen);
}

TEST_F(MainCommands, ClosingWithNothingToLoseClosesAtOnce) {
  EXPECT_TRUE(m_commands.RequestClose());
  EXPECT_THAT(m_prompter.Texts(), IsEmpty());
  // A closing window starts nothing more.
  m_commands.Preview();
  EXPECT_EQ(m_view.state, EMainState::kIdle);
}

TEST_F(MainCommands, ClosingAsksOnlyWhenAPreviewWouldBeLost) {
  BuildTree(Src(), {{"a.txt", "a"}});
  m_commands.Preview();
  ASSERT_TRUE(RunToIdle());
  m_prompter.AddAnswer(EAnswer::kNo);
  EXPECT_FALSE(m_commands.RequestClose());
  EXPECT_FALSE(m_commands.Closing());
  const auto prompts = m_prompter.Prompts();
  ASSERT_EQ(prompts.size(), 1u);
  EXPECT_EQ(prompts[0].text, "You previewed without copying. Do you want to exit Brevant?");
  EXPECT_EQ(prompts[0].title, "Confirm Exit");
  EXPECT_EQ(prompts[0].defaultAnswer, EAnswer::kNo);
  m_prompter.AddAnswer(EAnswer::kYes);
  EXPECT_TRUE(m_commands.RequestClose());
  EXPECT_TRUE(m_commands.Closing());
}

TEST_F(MainCommands, APreviewThatFoundNothingClosesWithoutAQuestion) {
  BuildTree(Src(), {{"sub/", ""}});
  m_pages.Settings().nameEntries = {"0+*.*", "1+*.doc"};
  m_commands.Preview();
  ASSERT_TRUE(RunToIdle());
  m_prompter.Clear();
  EXPECT_TRUE(m_commands.RequestClose());
  EXPECT_THAT(m_prompter.Texts(), IsEmpty());
}

TEST_F(MainCommands, ClosingDuringACopyWaitsForItsEndWithoutWaitingOnIt) {
  BuildTree(Src(), {{"a.txt", "a"}, {"b.txt", "b"}});
  m_commands.Copy();
  m_prompter.AddAnswer(EAnswer::kYes);
  EXPECT_FALSE(m_commands.RequestClose());  // the copy must end first
  EXPECT_THAT(m_prompter.Texts(), ElementsAre("Do you want to exit Brevant?"));
  EXPECT_EQ(m_view.closeNow, 0);
  ASSERT_TRUE(RunToIdle());
  EXPECT_EQ(m_view.closeNow, 1);
  // A closing window shows no results.
  EXPECT_THAT(m_view.results, IsEmpty());
  EXPECT_FALSE(m_view.progressOpen);
  // The close that follows goes through without a second question.
  EXPECT_TRUE(m_commands.RequestClose());
  EXPECT_EQ(m_prompter.Texts().size(), 1u);
}

TEST_F(MainCommands, NotEnoughSpaceOffersToMarkTheFilesForSeveralDisks) {
  m_sandbox.SetDrives("C={root}/c;D={root}/d,free=1000");
  BuildTree(Src(), {{"big.txt", std::string(5000, 'x')}});
  const std::string source = "C:\\src\\big.txt";
  const uint32_t attributes = platform::GetFileAttributes(source);
  ASSERT_EQ(platform::SetFileAttributes(source, attributes & ~platform::kAttrArchive),
            platform::EError::kNone);
  m_prompter.AddAnswer(EAnswer::kYes);
  m_commands.Preview();
  ASSERT_TRUE(RunToIdle());
  ASSERT_EQ(m_view.statistics.size(), 1u);
  EXPECT_TRUE(m_view.statistics[0].notEnoughSpace);
  EXPECT_THAT(m_view.statistics[0].spaceAvailable, testing::StartsWith("*** "));
  ASSERT_EQ(m_prompter.Texts().size(), 1u);
  EXPECT_THAT(m_prompter.Texts()[0], testing::StartsWith("There isn't enough space"));
  EXPECT_NE(platform::GetFileAttributes(source) & platform::kAttrArchive, 0u);
  EXPECT_EQ(m_commands.List().Row(0).AttributesText(), "A");
  EXPECT_TRUE(m_view.archiveOnlyChecked);
}

TEST_F(MainCommands, TheTitleNamesTheProfile) {
  m_commands.ResetForProfile();
  EXPECT_EQ(m_view.title, "(default) - Brevant");
  ASSERT_TRUE(m_profiles.NewProfile("Photos", false));
  EXPECT_EQ(m_view.title, "Photos - Brevant");
}

TEST_F(MainCommands, AQueueCopiesEachProfileWithOneReport) {
  BuildTree(Src(), {{"a.txt", "a"}});
  BuildTree(m_sandbox.CRoot() + "/other", {{"o.txt", "o"}});
  ASSERT_TRUE(m_profiles.NewProfile("Second", true));
  m_pages.Settings().sourcePath = "C:\\other";
  m_pages.Settings().destinationPath = "D:\\second";
  CQueueComboBoxData queue({"(default)", "Second", "Missing"});
  m_commands.CopyQueue(queue);
  ASSERT_TRUE(RunToIdle());
  EXPECT_EQ(ReadFile(Dst("a.txt")), "a");
  EXPECT_EQ(ReadFile(m_sandbox.Root() + "/d/second/o.txt"), "o");
  ASSERT_EQ(m_view.results.size(), 1u);
  EXPECT_EQ(m_view.results[0].files, "2");
  EXPECT_THAT(m_view.results[0].exportText, HasSubstr("Could not change to this profile."));
  // Each profile gathers its list in a progress window of its own.
  EXPECT_EQ(m_view.progressOpened,
            (std::vector<std::string>{"Status: Gathering file information...",
                                      "Status: Gathering file information..."}));
}

TEST_F(MainCommands, AFolderTreeCopyReportsItsFilesFigureApartFromTheExport) {
  BuildTree(Src(), {{"a/x.txt", "x"}, {"b/y.txt", "y"}});
  m_pages.Settings().copyMode = kCopyTreeOnly;
  m_commands.Copy();
  ASSERT_TRUE(RunToIdle());
  EXPECT_TRUE(Exists(Dst("a")));
  EXPECT_FALSE(Exists(Dst("a/x.txt")));
  EXPECT_EQ(m_view.progressOpened,
            std::vector<std::string>{"Status: Gathering folder information..."});
  ASSERT_EQ(m_view.results.size(), 1u);
  const SCopyResults& results = m_view.results[0];
  EXPECT_TRUE(results.foldersOnly);
  EXPECT_EQ(results.files, "0");
  EXPECT_THAT(results.exportText, Not(HasSubstr("Files:")));
  EXPECT_THAT(results.exportText, HasSubstr("Folders: " + results.folders + "\r\n"));
}

}  // namespace
