// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/PathText.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "core/CIStringMap.h"

namespace {

struct SPathCase {
  std::string_view path;
  std::string_view withBackslash;
  std::string_view display;
  std::string_view lastName;
  std::string_view parent;
  std::string_view driveRoot;
};

// One row per path form the program meets: drive roots, folders with and without their
// backslash, files, bare names, other forms that name no drive.
constexpr SPathCase kPathCases[] = {
    {"C:\\", "C:\\", "C:\\", "", "", "C:\\"},
    {"c:", "c:\\", "c:", "c:", "", "C:\\"},
    {"C:\\Photos", "C:\\Photos\\", "C:\\Photos", "Photos", "C:\\", "C:\\"},
    {"d:\\a\\b\\", "d:\\a\\b\\", "d:\\a\\b", "b", "d:\\a\\", "D:\\"},
    {"E:\\a\\b\\\\", "E:\\a\\b\\\\", "E:\\a\\b\\", "b", "E:\\a\\", "E:\\"},
    {"C:\\a\\report.txt", "C:\\a\\report.txt\\", "C:\\a\\report.txt", "report.txt", "C:\\a\\",
     "C:\\"},
    {"report.txt", "report.txt\\", "report.txt", "report.txt", "", ""},
    {"", "\\", "", "", "", ""},
    {"\\\\server\\share", "\\\\server\\share\\", "\\\\server\\share", "share", "\\\\server\\", ""},
    {"1:\\x", "1:\\x\\", "1:\\x", "x", "1:\\", ""},
    {"C", "C\\", "C", "C", "", ""},
    {"\xc3\xa9t\xc3\xa9:\\x", "\xc3\xa9t\xc3\xa9:\\x\\", "\xc3\xa9t\xc3\xa9:\\x", "x",
     "\xc3\xa9t\xc3\xa9:\\", ""},
};

TEST(PathText, EveryHelperOnEveryForm) {
  for (const SPathCase& c : kPathCases) {
    SCOPED_TRACE(std::string(c.path));
    EXPECT_EQ(WithBackslash(c.path), c.withBackslash);
    EXPECT_EQ(DisplayFolder(c.path), c.display);
    EXPECT_EQ(LastName(c.path), c.lastName);
    EXPECT_EQ(ParentFolder(c.path), c.parent);
    EXPECT_EQ(DriveRoot(c.path), c.driveRoot);
  }
}

TEST(PathText, JoiningAFolderAndItsLastNameGivesThePathBack) {
  for (const std::string_view path : {"C:\\a\\b", "D:\\x.txt", "C:\\a\\b\\c d.e"}) {
    EXPECT_EQ(ParentFolder(path) + std::string(LastName(path)), path);
  }
}

TEST(PathText, RoundsUpToWholeClusters) {
  EXPECT_EQ(RoundUpToCluster(1, 4096), 4096u);
  EXPECT_EQ(RoundUpToCluster(0, 4096), 0u);
  EXPECT_EQ(RoundUpToCluster(4096, 4096), 4096u);
  EXPECT_EQ(RoundUpToCluster(4097, 4096), 8192u);
  EXPECT_EQ(RoundUpToCluster(1000, 0), 1000u);
  EXPECT_EQ(RoundUpToCluster(5000000000ULL, 512), 5000000000ULL);
  EXPECT_EQ(RoundUpToCluster(5000000001ULL, 512), 5000000512ULL);
}

TEST(CaseInsensitiveMap, KeysEqualWithoutRegardToCase) {
  CMapCIStringToPtr map;
  int one = 1;
  int two = 2;
  map.SetAt("C:\\Src\\File.TXT", &one);
  map.SetAt("été", &two);
  EXPECT_EQ(map.GetCount(), 2u);

  void* found = nullptr;
  ASSERT_TRUE(map.Lookup("c:\\src\\file.txt", found));
  EXPECT_EQ(found, &one);
  ASSERT_TRUE(map.Lookup("ÉTÉ", found));
  EXPECT_EQ(found, &two);
  EXPECT_TRUE(map.Contains("Été"));
  EXPECT_FALSE(map.Lookup("C:\\Src\\File.TX", found));

  // Setting another spelling replaces the value and keeps one key.
  map.SetAt("C:\\SRC\\FILE.TXT", &two);
  EXPECT_EQ(map.GetCount(), 2u);
  ASSERT_TRUE(map.Lookup("C:\\Src\\File.TXT", found));
  EXPECT_EQ(found, &two);

  EXPECT_TRUE(map.RemoveKey("ÉTÉ"));
  EXPECT_FALSE(map.RemoveKey("été"));
  EXPECT_FALSE(map.Contains("été"));
  EXPECT_EQ(map.GetCount(), 1u);
  map.RemoveAll();
  EXPECT_EQ(map.GetCount(), 0u);
}

}  // namespace
