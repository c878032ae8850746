// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/TextUtil.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

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

TEST(TextUtil, FormatCutsTextsBetweenCharacters) {
  const std::string e = "\xC3\xA9";              // é, two bytes
  const std::string euro = "\xE2\x82\xAC";       // €, three bytes
  const std::string smile = "\xF0\x9F\x98\x80";  // four bytes
  // A path whose 259-byte cut falls inside its last character loses that character whole.
  const std::string path = "C:\\" + std::string(255, 'a') + e + "\\b.txt";
  const std::string cut = Format("\"%.259s\"", path.c_str());
  EXPECT_EQ(cut, "\"C:\\" + std::string(255, 'a') + "\"");
  EXPECT_TRUE(IsValidUtf8(cut));
  // Every cut of a text of wide characters ends between two of them.
  const std::string wide = "x" + euro + smile + e + euro;
  for (int precision = 0; precision <= static_cast<int>(wide.size()); ++precision) {
    const std::string shown = Format("%.*s", precision, wide.c_str());
    EXPECT_EQ(shown, std::string(CutUtf8(wide, static_cast<size_t>(precision)))) << precision;
  }
  // Two cut texts in one message, each on its own.
  EXPECT_EQ(Format("\"%.3s\" resolves to \"%.4s\".", ("ab" + e).c_str(), ("a" + smile).c_str()),
            "\"ab\" resolves to \"a\".");
  // A width still pads the cut text.
  EXPECT_EQ(Format("[%-6.4s][%6.4s]", ("ab" + euro).c_str(), ("ab" + euro).c_str()),
            "[ab    ][    ab]");
  // A byte that is no UTF-8 (from an older single-byte name) inside the cut stays.
  EXPECT_EQ(Format("%.4s",
                   "a\xE9"
                   "bcd"),
            "a\xE9"
            "bc");
}

TEST(TextUtil, FormatWithACutTextKeepsEveryOtherConversion) {
  char expected[256];
  std::snprintf(expected, sizeof expected, "%d|%5.2f|%lld|%zu|%%|%x|%c|%-4s|%03u|%ld|%g", -7,
                3.14159, 123456789012LL, static_cast<size_t>(42), 255u, 'q', "ab", 5u, -9L, 0.5);
  EXPECT_EQ(Format("%d|%5.2f|%lld|%zu|%%|%x|%c|%-4s|%03u|%ld|%g|%.2s", -7, 3.14159, 123456789012LL,
                   static_cast<size_t>(42), 255u, 'q', "ab", 5u, -9L, 0.5, "xyz"),
            std::string(expected) + "|xy");
  EXPECT_EQ(Format("%*d|%.*s|%s", 4, 7, 2, "abc", "end"), "   7|ab|end");
}

}  // namespace
