// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "copy/FileVersions.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/FileInfo.h"
#include "platform/TextUtil.h"
#include "profile/SettingsState.h"
#include "tests/support/CopyTestSupport.h"
#include "tests/support/TestSandbox.h"

namespace {

using copy_test::kOldTime;
using copy_test::Names;
using copy_test::SetWriteTime;
using testing_support::CTestSandbox;
using testing_support::MakeFolders;
using testing_support::ReadFile;
using testing_support::WriteFile;

constexpr platform::FileTime kHour = 36000000000ULL;
constexpr const char* kFolder = "D:\\v\\~Versions\\";

class FileVersionsTest : public ::testing::Test {
 protected:
  void SetUp() override { MakeFolders(Folder()); }
  std::string Folder() const { return m_sandbox.Root() + "/d/v/~Versions"; }
  // A version file whose content is its own original name, written `hoursAfter` the base time.
  void Version(const std::string& name, int hoursAfter) {
    WriteFile(Folder() + "/" + name, name);
    SetWriteTime(Folder() + "/" + name,
                 kOldTime + static_cast<platform::FileTime>(hoursAfter) * kHour);
  }
  std::string Content(const std::string& name) const { return ReadFile(Folder() + "/" + name); }

  CTestSandbox m_sandbox;
};

TEST_F(FileVersionsTest, TheFirstVersionTakesNumberOneBeforeTheLastExtension) {
  CFileVersions versions(false);
  EXPECT_EQ(versions.RenameToPath(kFolder, "a.txt", 3), "D:\\v\\~Versions\\a - Ver (1).txt");
  EXPECT_EQ(versions.RenameToPath(kFolder, "Makefile", 3), "D:\\v\\~Versions\\Makefile - Ver (1)");
  EXPECT_EQ(versions.RenameToPath(kFolder, "x.tar.gz", 3), "D:\\v\\~Versions\\x.tar - Ver (1).gz");
  // The folder may be given without its backslash.
  EXPECT_EQ(versions.RenameToPath("D:\\v\\~Versions", "b.txt", 3),
            "D:\\v\\~Versions\\b - Ver (1).txt");
  EXPECT_EQ(versions.RenameToPath("", "a.txt", 3), "");
}

TEST_F(FileVersionsTest, AtTheLimitTheOldestGoesAndTheRestMoveDown) {
  Version("a - Ver (1).txt", 0);
  Version("a - Ver (2).txt", 1);
  Version("a - Ver (3).txt", 2);
  Version("b - Ver (1).txt", 0);  // another file's version is left alone
  CFileVersions versions(false);
  EXPECT_EQ(versions.RenameToPath(kFolder, "a.txt", 3), "D:\\v\\~Versions\\a - Ver (3).txt");
  EXPECT_EQ(Names(Folder()),
            (std::vector<std::string>{"a - Ver (1).txt", "a - Ver (2).txt", "b - Ver (1).txt"}));
  EXPECT_EQ(Content("a - Ver (1).txt"), "a - Ver (2).txt");
  EXPECT_EQ(Content("a - Ver (2).txt"), "a - Ver (3).txt");
}

TEST_F(FileVersionsTest, BelowTheLimitNothingIsDeleted) {
  Version("a - Ver (1).txt", 0);
  Version("a - Ver (2).txt", 1);
  CFileVersions versions(false);
  EXPECT_EQ(versions.RenameToPath(kFolder, "a.txt", 5), "D:\\v\\~Versions\\a - Ver (3).txt");
  EXPECT_EQ(Names(Folder()), (std::vector<std::string>{"a - Ver (1).txt", "a - Ver (2).txt"}));
}

TEST_F(FileVersionsTest, GapsInTheNumbersCloseUp) {
  Version("a - Ver (2).txt", 0);
  Version("a - Ver (5).txt", 1);
  CFileVersions versions(false);
  EXPECT_EQ(versions.RenameToPath(kFolder, "a.txt", 9), "D:\\v\\~Versions\\a - Ver (3).txt");
  EXPECT_EQ(Content("a - Ver (1).txt"), "a - Ver (2).txt");
  EXPECT_EQ(Content("a - Ver (2).txt"), "a - Ver (5).txt");
}

TEST_F(FileVersionsTest, TenVersionsWithTwoDigitsAreNumberedFromZeroOne) {
  for (int i = 1; i <= 10; ++i) {
    Version("a - Ver (" + std::to_string(i) + ").txt", i);
  }
  CFileVersions versions(true);
  EXPECT_EQ(versions.RenameToPath(kFolder, "a.txt", 20), "D:\\v\\~Versions\\a - Ver (11).txt");
  std::vector<std::string> expected;
  for (int i = 1; i <= 10; ++i) {
    expected.push_back(platform::Format("a - Ver (%02d).txt", i));
  }
  EXPECT_EQ(Names(Folder()), expected);
  EXPECT_EQ(Content("a - Ver (01).txt"), "a - Ver (1).txt");
  EXPECT_EQ(Content("a - Ver (10).txt"), "a - Ver (10).txt");
}

TEST_F(FileVersionsTest, NineVersionsKeepOneDigitEvenWithTwoDigitsOn) {
  for (int i = 1; i <= 9; ++i) {
    Version("a - Ver (" + std::to_string(i) + ").txt", i);
  }
  CFileVersions versions(true);
  EXPECT_EQ(versions.RenameToPath(kFolder, "a.txt", 20), "D:\\v\\~Versions\\a - Ver (10).txt");
  EXPECT_EQ(Names(Folder()).front(), "a - Ver (1).txt");
  EXPECT_EQ(Names(Folder()).size(), 9u);
}

TEST_F(FileVersionsTest, VersionsOutOfOrderAreRenumberedByTheirTimes) {
  // Number 1 is the newest and number 2 the oldest: renaming needs a place aside.
  Version("a - Ver (1).txt", 5);
  Version("a - Ver (2).txt", 0);
  Version("a - Ver (3).txt", 2);
  CFileVersions versions(false);
  EXPECT_EQ(versions.RenameToPath(kFolder, "a.txt", 9), "D:\\v\\~Versions\\a - Ver (4).txt");
  EXPECT_TRUE(versions.Ok());
  EXPECT_EQ(Names(Folder()),
            (std::vector<std::string>{"a - Ver (1).txt", "a - Ver (2).txt", "a - Ver (3).txt"}));
  EXPECT_EQ(Content("a - Ver (1).txt"), "a - Ver (2).txt");
  EXPECT_EQ(Content("a - Ver (2).txt"), "a - Ver (3).txt");
  EXPECT_EQ(Content("a - Ver (3).txt"), "a - Ver (1).txt");
}

TEST_F(FileVersionsTest, OnlyRealVersionsOfTheSameFileTakePart) {
  // Names may hold "*" and "?" here, which the version pattern would read as wildcards;
  // and a name with other characters between the parentheses is the user's own file.
  Version("a*b - Ver (1).txt", 0);
  Version("aXb - Ver (1).txt", 1);
  Version("aYb - Ver (2).txt", 2);
  Version("a*b - Ver (x).txt", 3);
  CFileVersions versions(false);
  EXPECT_EQ(versions.RenameToPath(kFolder, "a*b.txt", 1), "D:\\v\\~Versions\\a*b - Ver (1).txt");
  // Only the one real version of "a*b.txt" went, to make room under the limit of 1.
  EXPECT_EQ(Names(Folder()), (std::vector<std::string>{"a*b - Ver (x).txt", "aXb - Ver (1).txt",
                                                       "aYb - Ver (2).txt"}));
}

TEST(VersionsApply, OnlyWhenVersionsAreKeptAndTheFileIsWithinTheLimit) {
  CSettingsState settings;
  settings.disposeMode = kDisposeVersions;
  settings.versionSizeLimit = 0;
  EXPECT_TRUE(VersionsApply(settings, 10ULL << 30));
  settings.versionSizeLimit = 1;
  EXPECT_TRUE(VersionsApply(settings, 1048576));
  EXPECT_FALSE(VersionsApply(settings, 1048577));
  settings.versionSizeLimit = 3;  // 10 MiB
  EXPECT_TRUE(VersionsApply(settings, 10485760));
  EXPECT_FALSE(VersionsApply(settings, 10485761));
  settings.disposeMode = kDisposeRecycle;
  EXPECT_FALSE(VersionsApply(settings, 1));
  settings.disposeMode = kDisposeDelete;
  EXPECT_FALSE(VersionsApply(settings, 1));
}

TEST(VersionsApply, SizeLimitChoices) {
  EXPECT_EQ(VersionSizeLimitBytes(0), 0u);
  EXPECT_EQ(VersionSizeLimitBytes(-1), 0u);
  EXPECT_EQ(VersionSizeLimitBytes(1), 1048576u);
  EXPECT_EQ(VersionSizeLimitBytes(2), 5u * 1048576);
  EXPECT_EQ(VersionSizeLimitBytes(3), 10u * 1048576);
  EXPECT_EQ(VersionSizeLimitBytes(21), 100u * 1048576);
  // Large choices stay in 64 bits.
  EXPECT_EQ(VersionSizeLimitBytes(1000), 4995ULL * 1048576);
}

class AlterVersionFilenamesTest : public ::testing::Test {
 protected:
  CTestSandbox m_sandbox;
};

TEST_F(AlterVersionFilenamesTest, LeadingZerosGoInVersionsFoldersAtAnyDepth) {
  const std::string d = m_sandbox.Root() + "/d/r";
  testing_support::BuildTree(d, {{"~Versions/a - Ver (03).txt", "a3"},
                                 {"~Versions/a - Ver (4).txt", "a4"},
                                 {"sub/deep/~Versions/b - Ver (01)", "b1"},
                                 {"sub/deep/~Versions/b - Ver (10)", "b10"},
                                 // Its one-digit name is taken: it stays as it is.
                                 {"sub/~Versions/c - Ver (04).txt", "c04"},
                                 {"sub/~Versions/c - Ver (4).txt", "c4"},
                                 // Outside a versions folder nothing changes.
                                 {"sub/x - Ver (05).txt", "x5"}});
  const SAlterCounts counts = AlterVersionFilenames("D:\\r\\");
  EXPECT_EQ(counts.renamed, 2);
  EXPECT_EQ(counts.notRenamed, 1);
  EXPECT_EQ(Names(d + "/~Versions"),
            (std::vector<std::string>{"a - Ver (3).txt", "a - Ver (4).txt"}));
  EXPECT_EQ(ReadFile(d + "/~Versions/a - Ver (3).txt"), "a3");
  EXPECT_EQ(Names(d + "/sub/deep/~Versions"),
            (std::vector<std::string>{"b - Ver (1)", "b - Ver (10)"}));
  EXPECT_EQ(Names(d + "/sub/~Versions"),
            (std::vector<std::string>{"c - Ver (04).txt", "c - Ver (4).txt"}));
  EXPECT_EQ(ReadFile(d + "/sub/~Versions/c - Ver (4).txt"), "c4");
  EXPECT_TRUE(testing_support::Exists(d + "/sub/x - Ver (05).txt"));
}

TEST_F(AlterVersionFilenamesTest, AVersionThatCannotBeRenamedKeepsItsFlags) {
  const std::string d = m_sandbox.Root() + "/d/r";
  testing_support::BuildTree(d, {{"~Versions/c - Ver (04).txt", "c04"},
                                 {"~Versions/c - Ver (4).txt", "c4"}});
  const std::string kept = "D:\\r\\~Versions\\c - Ver (04).txt";
  const uint32_t flags = platform::kAttrReadOnly | platform::kAttrHidden;
  ASSERT_EQ(platform::SetFileAttributes(kept, flags), platform::EError::kNone);
  const uint32_t before = platform::GetFileAttributes(kept);
  const SAlterCounts counts = AlterVersionFilenames("D:\\r\\");
  EXPECT_EQ(counts.notRenamed, 1);
  EXPECT_EQ(platform::GetFileAttributes(kept), before);
  EXPECT_NE(before & platform::kAttrReadOnly, 0u);
}

TEST_F(AlterVersionFilenamesTest, LinkedFoldersAreNotFollowed) {
  const std::string outside = m_sandbox.Root() + "/d/outside";
  testing_support::BuildTree(outside, {{"~Versions/a - Ver (03).txt", "a3"}});
  MakeFolders(m_sandbox.Root() + "/d/r");
  ASSERT_EQ(symlink(outside.c_str(), (m_sandbox.Root() + "/d/r/link").c_str()), 0);
  const SAlterCounts counts = AlterVersionFilenames("D:\\r\\");
  EXPECT_EQ(counts.renamed, 0);
  EXPECT_EQ(Names(outside + "/~Versions"), (std::vector<std::string>{"a - Ver (03).txt"}));
}

TEST_F(AlterVersionFilenamesTest, AnAbortStopsBetweenFolders) {
  const std::string d = m_sandbox.Root() + "/d/r";
  testing_support::BuildTree(
      d, {{"~Versions/a - Ver (03).txt", "a3"}, {"sub/~Versions/b - Ver (03).txt", "b3"}});
  const bool abort = true;
  const SAlterCounts counts = AlterVersionFilenames("D:\\r\\", &abort);
  // The root's own versions folder is done before the first check.
  EXPECT_EQ(counts.renamed, 1);
  EXPECT_EQ(Names(d + "/sub/~Versions"), (std::vector<std::string>{"b - Ver (03).txt"}));
}

}  // namespace
