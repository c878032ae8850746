// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/ProgramData.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Shell.h"
#include "profile/DataFile.h"
#include "profile/DataFolders.h"
#include "profile/SettingsPages.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TestSandbox.h"

namespace {

using testing_support::CTestSandbox;
using Names = std::vector<std::string>;

class ProgramDataTest : public ::testing::Test {
 protected:
  ProgramDataTest() {
    SDataFolders folders;
    EXPECT_TRUE(ResolveDataFolders(folders, m_prompter));
    m_folder = folders.appData;
    m_path = DataFilePath(folders);
    m_prompter.Clear();
  }

  std::string PosixPath() const { return CTestSandbox::Posix(m_path); }

  CTestSandbox m_sandbox;
  CSettingsHolder m_pages;
  CScriptedPrompter m_prompter;
  std::string m_folder;
  std::string m_path;
};

TEST_F(ProgramDataTest, SavingAndReadingOnRequestSayWhenTheyAreDone) {
  CProgramData data(m_path, m_pages, m_prompter);
  data.Load();
  ASSERT_TRUE(data.Profiles().NewProfile("Photos", false));
  m_pages.Settings().sourcePath = "C:\\photos";
  data.Queues().Add("Nightly", {"Photos", "(default)"});
  EXPECT_TRUE(data.SaveOnRequest());
  ASSERT_EQ(m_prompter.Prompts().size(), 1u);
  EXPECT_EQ(m_prompter.Prompts()[0].text, "Finished saving profile data onto disk.");
  EXPECT_EQ(m_prompter.Prompts()[0].icon, EIcon::kInformation);

  data.Profiles().DeleteCurrent();
  data.Queues().Remove(0);
  EXPECT_TRUE(data.LoadOnRequest());
  EXPECT_EQ(m_prompter.Texts().back(), "Finished reading profile data from disk.");
  EXPECT_EQ(data.Profiles().CurrentName(), "Photos");
  EXPECT_EQ(m_pages.Settings().sourcePath, "C:\\photos");
  ASSERT_EQ(data.Queues().Count(), 1u);
  EXPECT_EQ(data.Queues().At(0).queue.Names(), (Names{"Photos", "(default)"}));
}

TEST_F(ProgramDataTest, ReadingAFileThatIsNotThereChangesNothingAndSaysNothing) {
  CProgramData data(m_path, m_pages, m_prompter);
  data.Load();
  ASSERT_TRUE(data.Profiles().NewProfile("Photos", false));
  EXPECT_FALSE(data.LoadOnRequest());
  EXPECT_TRUE(m_prompter.Texts().empty());
  EXPECT_EQ(data.Profiles().Count(), 2u);
  EXPECT_EQ(data.Profiles().CurrentName(), "Photos");
}

TEST_F(ProgramDataTest, AFileOfANewerReleaseIsReplacedOnlyWhenTheUserSaves) {
  std::vector<uint8_t> bytes = EncodeDataFile(SDataFileContents{});
  bytes[0] = 8;  // the version, little-endian
  testing_support::WriteFile(PosixPath(), std::string(bytes.begin(), bytes.end()));
  CProgramData data(m_path, m_pages, m_prompter);
  data.Load();
  EXPECT_FALSE(data.SaveAtExit());
  EXPECT_TRUE(data.Save());  // at exit: left alone
  EXPECT_EQ(testing_support::ReadFile(PosixPath())[0], 8);
  m_prompter.Clear();
  EXPECT_TRUE(data.SaveOnRequest());
  EXPECT_EQ(testing_support::ReadFile(PosixPath())[0], kDataVersion);
  EXPECT_EQ(m_prompter.Texts(), (Names{"Finished saving profile data onto disk."}));
}

// A desktop whose file manager is recorded instead of started.
class CRecordedDesktop {
 public:
  explicit CRecordedDesktop(const CTestSandbox& sandbox) {
    platform::SetProcessStarter(
        [this](const std::string& program, const std::vector<std::string>& arguments) {
          m_started.push_back(arguments);
          m_started.back().insert(m_started.back().begin(), program);
          return true;
        });
    setenv("XDG_CONFIG_DIRS", (sandbox.Root() + "/etc-xdg").c_str(), 1);  // none system-wide
    testing_support::MakeFolders(sandbox.Home() + "/.local/share/applications");
    testing_support::WriteFile(sandbox.Home() + "/.local/share/applications/files.desktop",
                               "[Desktop Entry]\nType=Application\nName=Files\nExec=files %U\n");
    testing_support::MakeFolders(sandbox.Home() + "/.config");
    testing_support::WriteFile(sandbox.Home() + "/.config/mimeapps.list",
                               "[Default Applications]\ninode/directory=files.desktop\n");
  }
  ~CRecordedDesktop() {
    platform::SetProcessStarter({});
    unsetenv("XDG_CONFIG_DIRS");
  }
  const std::vector<Names>& Started() const { return m_started; }

 private:
  std::vector<Names> m_started;
};

TEST_F(ProgramDataTest, ShowsWhereTheDataFileIsAndOpensItsFolderOnYes) {
  CRecordedDesktop desktop(m_sandbox);
  CProgramData data(m_path, m_pages, m_prompter);
  data.ShowLocation();  // No, the default
  EXPECT_TRUE(desktop.Started().empty());
  m_prompter.AddAnswer(EAnswer::kYes);
  data.ShowLocation();

  const std::vector<SPrompt> prompts = m_prompter.Prompts();
  ASSERT_EQ(prompts.size(), 2u);
  EXPECT_EQ(prompts[0].text, m_path + "\nLaunch its folder?");
  EXPECT_EQ(prompts[0].defaultAnswer, EAnswer::kNo);
  std::string url = "file://" + CTestSandbox::Posix(m_folder);
  url.pop_back();  // the folder itself, as an address: its blank written as %20
  url.replace(url.find(' '), 1, "%20");
  ASSERT_EQ(desktop.Started().size(), 1u);
  EXPECT_EQ(desktop.Started()[0], (Names{"files", url}));
}

}  // namespace
