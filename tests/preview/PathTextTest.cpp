// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <gtest/gtest.h>

#include <string>

#include "platform/TextUtil.h"
#include "preview/CIStringMap.h"
#include "preview/LimitPath.h"

namespace {

// "C:\" + folders of `first` characters + "\" + a last name, `total` characters in all.
std::string PathOf(size_t total, size_t lastName) {
  std::string path = "C:\\";
  path += std::string(total - 3 - 1 - lastName, 'f');
  path += '\\';
  path += std::string(lastName, 'n');
  EXPECT_EQ(path.size(), total);
  return path;
}

TEST(LimitPath, CutsTheCharactersBeforeTheLastBackslash) {
  const CLimitPath limit;
  EXPECT_EQ(limit.Maximum(CLimitPath::kStatusLabel), 76);
  const std::string path = PathOf(80, 10);
  const std::string shown = limit.Limit(CLimitPath::kStatusLabel, path);
  EXPECT_EQ(shown.size(), 79u);
  EXPECT_EQ(shown, path.substr(0, 65) + "..." + path.substr(69));
  EXPECT_EQ(shown.substr(shown.size() - 11), "\\nnnnnnnnnn");

  // Three too many fit as they are: the dots would save nothing.
  EXPECT_EQ(limit.Limit(CLimitPath::kStatusLabel, PathOf(79, 10)), PathOf(79, 10));
  EXPECT_EQ(limit.Limit(CLimitPath::kStatusLabel, PathOf(76, 10)), PathOf(76, 10));
}

TEST(LimitPath, DropsATrailingBackslashFirst) {
  const CLimitPath limit;
  const std::string path = PathOf(80, 10);
  EXPECT_EQ(limit.Limit(CLimitPath::kStatusLabel, path + "\\"),
            limit.Limit(CLimitPath::kStatusLabel, path));
  EXPECT_EQ(limit.Limit(CLimitPath::kStatusLabel, "C:\\a\\"), "C:\\a");
  EXPECT_EQ(limit.Limit(CLimitPath::kStatusLabel, "C:\\"), "C:\\");
}

TEST(LimitPath, LeavesALongLastNameWhole) {
  CLimitPath limit;
  // The last backslash too close to the start: nothing before it can give way.
  const std::string rootFile = "C:\\" + std::string(90, 'n');
  EXPECT_EQ(limit.Limit(CLimitPath::kStatusLabel, rootFile), rootFile);
  const std::string shallow = "C:\\ab\\" + std::string(80, 'n');
  EXPECT_EQ(limit.Limit(CLimitPath::kStatusLabel, shallow), shallow);
}

TEST(LimitPath, NeverSplitsACharacter) {
  const CLimitPath limit;
  // Two-byte letters before the last name; a cut of 4 bytes would fall inside one at an
  // odd offset.
  std::string path = "C:\\x";
  while (path.size() < 74) {
    path += "\xC3\xA9";  // é
  }
  path += "\\name.txt";
  const std::string shown = limit.Limit(CLimitPath::kStatusLabel, path);
  EXPECT_TRUE(platform::IsValidUtf8(shown)) << shown;
  EXPECT_LT(shown.size(), path.size());
  EXPECT_NE(shown.find("...\\name.txt"), std::string::npos);
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
