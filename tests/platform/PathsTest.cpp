// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <gtest/gtest.h>

#include <string>

#include "platform/DriveMap.h"
#include "platform/FileOps.h"
#include "tests/platform/PlatformTestUtil.h"
#include "tests/support/TestSandbox.h"

namespace {

using namespace platform;
using testing_support::CTestSandbox;

TEST(Paths, RelativeTextsResolveAgainstTheCurrentFolder) {
  CTestSandbox sandbox;
  platform_test::CCurrentFolderGuard keepFolder;
  testing_support::MakeFolders(sandbox.CRoot() + "/work/sub");
  ASSERT_EQ(SetCurrentDirectory("C:\\work\\sub"), EError::kNone);
  EXPECT_EQ(*GetCurrentDirectory(), "C:\\work\\sub");

  EXPECT_EQ(*GetFullPathName("x.txt"), "C:\\work\\sub\\x.txt");
  EXPECT_EQ(*GetFullPathName("..\\y.txt"), "C:\\work\\y.txt");
  EXPECT_EQ(*GetFullPathName("./a/./b"), "C:\\work\\sub\\a\\b");
  EXPECT_EQ(*GetFullPathName("."), "C:\\work\\sub");
  EXPECT_EQ(*GetFullPathName("..\\..\\..\\..\\z"), "C:\\z");  // never above the root
  EXPECT_EQ(*GetFullPathName("\\top"), "C:\\top");            // the current drive's root
  EXPECT_EQ(*GetFullPathName("C:"), "C:\\work\\sub");         // the current folder of C:
  EXPECT_EQ(*GetFullPathName("C:name"), "C:\\work\\sub\\name");
  EXPECT_EQ(*GetFullPathName("D:name"), "D:\\name");  // D: has no current folder of its own

  ASSERT_EQ(SetCurrentDirectory("C:\\"), EError::kNone);
  EXPECT_EQ(*GetCurrentDirectory(), "C:\\");
  EXPECT_EQ(*GetFullPathName("x"), "C:\\x");

  EXPECT_EQ(SetCurrentDirectory("C:\\missing"), EError::kFileNotFound);
  EXPECT_EQ(SetCurrentDirectory("E:\\"), EError::kPathNotFound);
  EXPECT_EQ(*GetCurrentDirectory(), "C:\\");
}

TEST(Paths, FullPathsAreCleanedAndLimited) {
  CTestSandbox sandbox;
  EXPECT_EQ(*GetFullPathName("C:\\a\\..\\..\\b"), "C:\\b");
  EXPECT_EQ(*GetFullPathName("C:/a//b/"), "C:\\a\\b\\");
  EXPECT_EQ(*GetFullPathName("C:\\a\\b\\..\\"), "C:\\a\\");
  EXPECT_EQ(*GetFullPathName("C:\\a\\.."), "C:\\");
  EXPECT_EQ(*GetFullPathName("\\\\server\\share\\x\\..\\y"), "\\\\server\\share\\y");
  EXPECT_FALSE(GetFullPathName("").has_value());

  const std::string fits = "C:\\" + std::string(kMaxPath - 4, 'a');  // 259 bytes
  EXPECT_EQ(*GetFullPathName(fits), fits);
  EXPECT_FALSE(GetFullPathName(fits + "b").has_value());
  EXPECT_FALSE(GetFullPathName("C:\\x\\..\\" + fits.substr(3) + "b").has_value());
  // Shortened by "..", a long text fits again.
  EXPECT_EQ(*GetFullPathName("C:\\" + std::string(300, 'q') + "\\..\\ok"), "C:\\ok");
}

TEST(Paths, PosixTextsResolveToTheirDriveLetterForm) {
  CTestSandbox sandbox("C={root}/c;D={root}/d;E={root}/c/mnt/e");
  EXPECT_EQ(*GetFullPathName(sandbox.CRoot() + "/docs/a.txt"), "C:\\docs\\a.txt");
  EXPECT_EQ(*GetFullPathName(sandbox.Root() + "/d/x/../y/"), "D:\\y\\");
  EXPECT_EQ(*GetFullPathName(sandbox.CRoot() + "/mnt/e/f"), "E:\\f");
  EXPECT_EQ(*GetFullPathName(sandbox.CRoot() + "/mnt/e/../g"), "C:\\mnt\\g");
  EXPECT_EQ(*GetFullPathName(sandbox.CRoot()), "C:\\");
  EXPECT_FALSE(GetFullPathName("/etc/passwd").has_value());  // no drive holds it
  EXPECT_FALSE(GetFullPathName(sandbox.CRoot() + "/" + std::string(kMaxPath, 'n')).has_value());
}

}  // namespace
