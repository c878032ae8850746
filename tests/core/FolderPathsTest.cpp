// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/FolderPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/TestSandbox.h"

namespace {

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

}  // namespace
