// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/FormatItem.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

TEST(FormatItem, GroupsCounts) {
  const CFormatItem comma(2, true, ',');
  EXPECT_EQ(comma.FormatCount(999), "999");
  EXPECT_EQ(comma.FormatCount(1000), "1,000");
  EXPECT_EQ(comma.FormatCount(123456), "123,456");
  EXPECT_EQ(comma.FormatCount(1234567), "1,234,567");
  EXPECT_EQ(comma.FormatCount(100), "100");
  EXPECT_EQ(comma.FormatCount(100000), "100,000");
  EXPECT_EQ(CFormatItem(2, false, ',').FormatCount(1234567), "1234567");
  EXPECT_EQ(CFormatItem(2, true, ' ').FormatCount(1234567), "1 234 567");
}

TEST(FormatItem, CountsOfZeroOrLessReadZero) {
  const CFormatItem comma(2, true, ',');
  EXPECT_EQ(comma.FormatCount(0), "0");
  EXPECT_EQ(comma.FormatCount(-5), "0");
  EXPECT_EQ(comma.FormatCount(INT32_MIN), "0");
}

TEST(FormatItem, GroupsSixtyFourBitCounts) {
  const CFormatItem comma(2, true, ',');
  EXPECT_EQ(comma.FormatCount64(0), "0");
  EXPECT_EQ(comma.FormatCount64(999), "999");
  EXPECT_EQ(comma.FormatCount64(1234567), "1,234,567");
  EXPECT_EQ(comma.FormatCount64(5000000000ULL), "5,000,000,000");
  EXPECT_EQ(comma.FormatCount64(UINT64_MAX), "18,446,744,073,709,551,615");
  EXPECT_EQ(CFormatItem(2, false, ',').FormatCount64(5000000000ULL), "5000000000");
  EXPECT_EQ(CFormatItem(2, true, '.').FormatCount64(1234567), "1.234.567");
}

TEST(FormatItem, SizesPickTheUnitAndShowTwoDecimals) {
  const CFormatItem comma(2, true, ',');
  EXPECT_EQ(comma.FormatSize(0, true), "0 B");
  EXPECT_EQ(comma.FormatSize(1023, true), "1,023 B");
  EXPECT_EQ(comma.FormatSize(1024, true), "1.00 KB");
  EXPECT_EQ(comma.FormatSize(1536, true), "1.50 KB");
  EXPECT_EQ(comma.FormatSize(1047552, true), "1,023.00 KB");
  EXPECT_EQ(comma.FormatSize(1048576, true), "1.00 MB");
  EXPECT_EQ(comma.FormatSize(5368709120ULL, true), "5.00 GB");
}

TEST(FormatItem, SizesWithoutDecimalsDropTheFraction) {
  const CFormatItem comma(2, true, ',');
  EXPECT_EQ(comma.FormatSize(1536, false), "1 KB");
  EXPECT_EQ(comma.FormatSize(1023, false), "1,023 B");
  EXPECT_EQ(comma.FormatSize(5368709120ULL, false), "5 GB");
}

TEST(FormatItem, SizesFollowTheGroupingCharacter) {
  EXPECT_EQ(CFormatItem(2, true, '.').FormatSize(1047552, true), "1.023,00 KB");
  EXPECT_EQ(CFormatItem(2, true, ' ').FormatSize(1048064, true), "1 023,50 KB");
  EXPECT_EQ(CFormatItem(2, true, ' ').FormatSize(1325534789632ULL, true), "1 234,50 GB");
  // Rounding up to the next thousand of a unit is shown as it is, not moved to the next unit.
  EXPECT_EQ(CFormatItem(2, false, ',').FormatSize(1073741823, true), "1024.00 MB");
  EXPECT_EQ(CFormatItem(2, true, ',').FormatSize(1073741823, true), "1,024.00 MB");
}

TEST(FormatItem, SizesGetOneSeparatorAtMost) {
  // 2^64 - 1 bytes is 17,179,869,184 GB; a size carries one separator only.
  const std::string text = CFormatItem(2, true, ',').FormatSize(UINT64_MAX, false);
  EXPECT_EQ(text, "17179869,184 GB");
}

TEST(FormatItem, DecimalsOutsideTheRangeBecomeTwo) {
  for (const int32_t decimals : {7, -1, 4}) {
    const CFormatItem item(decimals, true, ',');
    EXPECT_EQ(item.Decimals(), 2) << decimals;
    EXPECT_EQ(item.FormatSize(1536, true), "1.50 KB") << decimals;
  }
  EXPECT_EQ(CFormatItem(1, true, ',').FormatSize(1536, true), "1.5 KB");
  EXPECT_EQ(CFormatItem(3, true, ',').FormatSize(1536, true), "1.500 KB");
  EXPECT_EQ(CFormatItem(3, true, ',').FormatSize(1048575, true), "1,023.999 KB");
}

TEST(FormatItem, DecimalSymbolIsACommaUnlessTheGroupingCharacterIsOne) {
  EXPECT_EQ(CFormatItem(2, true, ',').AdaptDecimal("1.5 and 2.25"), "1.5 and 2.25");
  EXPECT_EQ(CFormatItem(2, true, '.').AdaptDecimal("1.5 and 2.25"), "1,5 and 2,25");
  EXPECT_EQ(CFormatItem(2, true, ' ').AdaptDecimal("1.5"), "1,5");
  // The choice follows the character even when digits are not grouped.
  EXPECT_EQ(CFormatItem(2, false, '.').AdaptDecimal("1.5"), "1,5");
  EXPECT_EQ(CFormatItem(2, false, '.').FormatSize(1536, true), "1,50 KB");
  EXPECT_EQ(CFormatItem(2, false, ',').AdaptDecimal("1.5"), "1.5");
}

class FormatItemDefault : public ::testing::Test {
 protected:
  void SetUp() override {
    m_group = DefaultNumberGroup();
    m_sep = DefaultNumberSep();
  }
  void TearDown() override { SetDefaultNumberFormat(m_group, m_sep); }

 private:
  bool m_group = true;
  char m_sep = ',';
};

TEST_F(FormatItemDefault, DefaultItemTakesTheProcessWideFormat) {
  SetDefaultNumberFormat(false, ' ');
  const CFormatItem ungrouped;
  EXPECT_EQ(ungrouped.Decimals(), 2);
  EXPECT_FALSE(ungrouped.Group());
  EXPECT_EQ(ungrouped.FormatCount(1234567), "1234567");

  SetDefaultNumberFormat(true, '.');
  const CFormatItem dots;
  EXPECT_EQ(dots.FormatCount(1234567), "1.234.567");
  EXPECT_EQ(dots.FormatSize(1047552, true), "1.023,00 KB");
  // An item keeps the format it was made with.
  EXPECT_EQ(ungrouped.FormatCount(1234567), "1234567");
}

TEST(PluralSuffix, IsEmptyForExactlyOne) {
  EXPECT_STREQ(PluralSuffix(1), "");
  EXPECT_STREQ(PluralSuffix(0), "s");
  EXPECT_STREQ(PluralSuffix(2), "s");
  EXPECT_STREQ(PluralSuffix(-1), "s");
}

}  // namespace
