// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/FormatItem.h"

#include <gtest/gtest.h>

namespace {

TEST(FormatItem, GroupsCounts) {
  const CFormatItem comma(2, true, ',');
  EXPECT_EQ(comma.FormatCount(999), "999");
  EXPECT_EQ(comma.FormatCount(1000), "1,000");
  EXPECT_EQ(comma.FormatCount(123456), "123,456");
  EXPECT_EQ(comma.FormatCount(1234567), "1,234,567");
  EXPECT_EQ(comma.FormatCount(-5), "0");
  EXPECT_EQ(CFormatItem(2, false, ',').FormatCount(1234567), "1234567");
  EXPECT_EQ(CFormatItem(2, true, ' ').FormatCount(1234567), "1 234 567");
}

}  // namespace
