// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <gtest/gtest.h>

#include <string>

#include "platform/TextUtil.h"
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

}  // namespace
