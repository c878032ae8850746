// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/DataFolders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TestSandbox.h"

namespace {

using testing_support::BuildTree;
using testing_support::CTestSandbox;
using testing_support::Exists;
using testing_support::MakeFolders;
using testing_support::ReadFile;
using testing_support::WriteFile;

bool IsPosixFolder(const std::string& path) {
  return std::filesystem::is_directory(path);
}

// Folders as a desktop would name them, in Windows form.
class CFakeFolderSource : public CUserFolderSource {
 public:
  bool Available() const override { return available; }
  std::optional<std::string> Query(platform::EUserFolder folder) const override {
    switch (folder) {
      case platform::EUserFolder::kAppData:
        return appData;
      case platform::EUserFolder::kDocuments:
        return documents;
      case platform::EUserFolder::kDesktop:
        return desktop;
    }
    return std::nullopt;
  }

  bool available = true;
  std::optional<std::string> appData = "C:\\home\\.local\\share";
  std::optional<std::string> documents = "C:\\home\\Documents";
  std::optional<std::string> desktop = "C:\\home\\Desktop";
};

class DataFolders : public ::testing::Test {
 protected:
  std::string OnC(const std::string& relative) const { return m_sandbox.CRoot() + "/" + relative; }
  std::string DataFolder() const { return OnC("home/.local/share/Quillmoor Software"); }

  CTestSandbox m_sandbox;
  CScriptedPrompter m_prompter;
  CFakeFolderSource m_source;
  SDataFolders m_folders;
};

TEST_F(DataFolders, MakesTheDataFolderUnderTheApplicationDataFolder) {
  ASSERT_TRUE(ResolveDataFolders(m_folders, m_prompter, m_source));
  EXPECT_EQ(m_folders.appData, "C:\\home\\.local\\share\\Quillmoor Software\\");
  EXPECT_EQ(m_folders.documents, "C:\\home\\Documents\\");
  EXPECT_EQ(m_folders.desktop, "C:\\home\\Desktop");
  EXPECT_TRUE(IsPosixFolder(DataFolder()));
  EXPECT_EQ(DataFilePath(m_folders), "C:\\home\\.local\\share\\Quillmoor Software\\Brevant.dat");
  EXPECT_TRUE(m_prompter.Prompts().empty());
}

TEST_F(DataFolders, FallsBackToFixedFoldersWhenTheDesktopNamesNone) {
  m_source.appData = "";
  m_source.documents = std::nullopt;
  m_source.desktop = std::nullopt;
  ASSERT_TRUE(ResolveDataFolders(m_folders, m_prompter, m_source));
  EXPECT_EQ(m_folders.appData, "C:\\Windows\\Application Data\\Quillmoor Software\\");
  EXPECT_EQ(m_folders.documents, "C:\\My Documents\\");
  EXPECT_EQ(m_folders.desktop, "");
  EXPECT_TRUE(IsPosixFolder(OnC("Windows/Application Data/Quillmoor Software")));
  EXPECT_TRUE(m_prompter.Prompts().empty());
}

TEST_F(DataFolders, FailsSilentlyWithoutTheFolderService) {
  m_source.available = false;
  EXPECT_FALSE(ResolveDataFolders(m_folders, m_prompter, m_source));
  EXPECT_TRUE(m_prompter.Prompts().empty());
  EXPECT_FALSE(Exists(DataFolder()));
}

TEST_F(DataFolders, ADataFolderThatCannotBeMadeEndsTheStart) {
  m_source.appData = "\\\\server\\share\\data";
  EXPECT_FALSE(ResolveDataFolders(m_folders, m_prompter, m_source));
  const auto prompts = m_prompter.Prompts();
  ASSERT_EQ(prompts.size(), 1u);
  EXPECT_EQ(prompts[0].text,
            "This program could not initialize.  Please reinstall it and try again.  This "
            "program will close after you press OK.");
  EXPECT_EQ(prompts[0].icon, EIcon::kExclamation);
}

TEST_F(DataFolders, MovesADataFileLeftInTheDocumentsFolder) {
  BuildTree(m_sandbox.CRoot(), {{"home/Documents/Brevant.dat", "old profiles"}});
  ASSERT_TRUE(ResolveDataFolders(m_folders, m_prompter, m_source));
  EXPECT_FALSE(Exists(OnC("home/Documents/Brevant.dat")));
  EXPECT_EQ(ReadFile(DataFolder() + "/Brevant.dat"), "old profiles");
}

TEST_F(DataFolders, KeepsBothDataFilesWhenBothExist) {
  BuildTree(m_sandbox.CRoot(), {{"home/Documents/Brevant.dat", "old profiles"}});
  MakeFolders(DataFolder());
  WriteFile(DataFolder() + "/Brevant.dat", "current profiles");
  ASSERT_TRUE(ResolveDataFolders(m_folders, m_prompter, m_source));
  EXPECT_EQ(ReadFile(OnC("home/Documents/Brevant.dat")), "old profiles");
  EXPECT_EQ(ReadFile(DataFolder() + "/Brevant.dat"), "current profiles");
}

TEST_F(DataFolders, LeavesADataFileInTheDataFolderAlone) {
  MakeFolders(DataFolder());
  WriteFile(DataFolder() + "/Brevant.dat", "current profiles");
  ASSERT_TRUE(ResolveDataFolders(m_folders, m_prompter, m_source));
  EXPECT_EQ(ReadFile(DataFolder() + "/Brevant.dat"), "current profiles");
  EXPECT_FALSE(Exists(OnC("home/Documents/Brevant.dat")));
}

}  // namespace
