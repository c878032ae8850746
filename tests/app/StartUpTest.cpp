// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/StartUp.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "app/ScriptedPrompter.h"
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

class FolderPaths : public ::testing::Test {
 protected:
  std::string OnC(const std::string& relative) const { return m_sandbox.CRoot() + "/" + relative; }

  CTestSandbox m_sandbox;
};

TEST_F(FolderPaths, CreateFolderPathMakesEveryMissingFolder) {
  EXPECT_TRUE(CreateFolderPath("C:\\one\\two\\three"));
  EXPECT_TRUE(IsPosixFolder(OnC("one/two/three")));
  EXPECT_TRUE(CreateFolderPath("C:\\four\\five\\"));
  EXPECT_TRUE(IsPosixFolder(OnC("four/five")));
  // Existing folders are fine, and so is a drive's root.
  EXPECT_TRUE(CreateFolderPath("C:\\one\\two\\three\\"));
  EXPECT_TRUE(CreateFolderPath("C:\\"));
}

TEST_F(FolderPaths, CreateFolderPathRefusesWhatItCannotMake) {
  EXPECT_FALSE(CreateFolderPath("\\\\server\\share\\x"));
  EXPECT_FALSE(CreateFolderPath("C:"));
  EXPECT_FALSE(CreateFolderPath(""));

  const std::string longest = "C:\\deep\\" + std::string(247, 'x');
  ASSERT_EQ(longest.size(), 255u);
  const std::string tooLong = longest + "y";
  EXPECT_FALSE(CreateFolderPath(tooLong));
  EXPECT_FALSE(Exists(OnC("deep")));
  EXPECT_TRUE(CreateFolderPath(longest));
  EXPECT_TRUE(IsPosixFolder(OnC("deep/" + std::string(247, 'x'))));
}

TEST_F(FolderPaths, CreateFolderPathFailsWhereAFileStandsInTheWay) {
  WriteFile(OnC("plain"), "data");
  EXPECT_FALSE(CreateFolderPath("C:\\plain\\sub"));
  EXPECT_FALSE(CreateFolderPath("C:\\plain"));
  EXPECT_EQ(ReadFile(OnC("plain")), "data");
}

TEST_F(FolderPaths, PathExistsFindsFilesAndFolders) {
  MakeFolders(OnC("folder"));
  WriteFile(OnC("folder/file.txt"), "x");
  EXPECT_TRUE(PathExists("C:\\folder"));
  EXPECT_TRUE(PathExists("C:\\folder\\file.txt"));
  EXPECT_FALSE(PathExists("C:\\folder\\missing.txt"));
  EXPECT_FALSE(PathExists("C:\\missing\\file.txt"));
}

TEST_F(FolderPaths, IsExistingFolderAcceptsFoldersOnly) {
  MakeFolders(OnC("folder"));
  WriteFile(OnC("file"), "x");
  EXPECT_TRUE(IsExistingFolder("C:\\folder"));
  EXPECT_TRUE(IsExistingFolder("C:\\folder\\"));
  EXPECT_TRUE(IsExistingFolder("C:\\"));
  EXPECT_FALSE(IsExistingFolder("C:\\file"));
  EXPECT_FALSE(IsExistingFolder("C:\\missing"));
  EXPECT_FALSE(IsExistingFolder("C:"));
  EXPECT_FALSE(IsExistingFolder("C"));
}

TEST_F(FolderPaths, IsExistingFolderRefusesPathsOf260Characters) {
  // Both folders exist on disk; only the length of their names differs.
  const std::string fits = "C:\\" + std::string(200, 'a') + "\\" + std::string(55, 'b');
  ASSERT_EQ(fits.size(), 259u);
  const std::string tooLong = fits + "c";
  MakeFolders(CTestSandbox::Posix(fits));
  MakeFolders(CTestSandbox::Posix(fits) + "c");
  EXPECT_TRUE(IsExistingFolder(fits));
  EXPECT_FALSE(IsExistingFolder(tooLong));
  // The length counts after the one trailing backslash is set aside.
  EXPECT_TRUE(IsExistingFolder(fits + "\\"));
  EXPECT_FALSE(IsExistingFolder(tooLong + "\\"));
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

TEST(SingleInstance, ASecondGuardFindsTheFirstUntilItIsGone) {
  CTestSandbox sandbox;
  const std::string name = "Brevant-instance-test";
  auto first = std::make_unique<CSingleInstance>(name);
  EXPECT_FALSE(first->IsAlreadyRunning(true));
  {
    CSingleInstance second(name);
    EXPECT_TRUE(second.IsAlreadyRunning(false));
  }
  // The failed guard took nothing, so the first still holds the lock.
  EXPECT_TRUE(CSingleInstance(name).IsAlreadyRunning(true));
  first.reset();
  CSingleInstance third(name);
  EXPECT_FALSE(third.IsAlreadyRunning(true));
}

}  // namespace
