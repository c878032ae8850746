// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/TextUtil.h"

#include <gtest/gtest.h>

namespace {

using namespace platform;

TEST(TextUtil, ComparesIgnoringCaseBeyondAscii) {
  EXPECT_TRUE(EqualsNoCase("ÉTÉ.TXT", "été.txt"));
  EXPECT_TRUE(EqualsNoCase("Backup", "bACKUP"));
  EXPECT_LT(CompareNoCase("apple", "Banana"), 0);
  EXPECT_GT(CompareNoCase("abc", "AB"), 0);
  EXPECT_FALSE(EqualsNoCase("straße", "strasse"));
}

TEST(TextUtil, CutsNeverSplitASequence) {
  const std::string text = "ab\xC3\xA9";  // "abé"
  EXPECT_EQ(CutUtf8(text, 3), "ab");
  EXPECT_EQ(CutUtf8(text, 4), text);
  EXPECT_EQ(CutUtf8("\xE2\x82\xAC\xE2\x82\xAC", 5), "\xE2\x82\xAC");
  EXPECT_EQ(CutUtf8("abc", 2), "ab");
}

TEST(TextUtil, ConvertsSingleByteAndWideTexts) {
  EXPECT_EQ(Windows1252ToUtf8("caf\xE9 \x80"), "caf\xC3\xA9 \xE2\x82\xAC");
  EXPECT_FALSE(IsValidUtf8("caf\xE9"));
  EXPECT_TRUE(IsValidUtf8("caf\xC3\xA9"));
  const std::string text = "A\xC3\xA9\xF0\x9F\x98\x80";
  EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(text)), text);
  EXPECT_EQ(Utf8ToUtf16(text).size(), 4u);
}

}  // namespace
