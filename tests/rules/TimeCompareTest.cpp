// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "rules/TimeCompare.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

constexpr int64_t kSecond = 10000000;
// 2024-03-05 10:00:00 UTC as a file time: a realistic size for the subtractions.
constexpr int64_t kT = 133541064000000000LL;

TEST(TimeCompare, ExactWithoutToleranceOrAllowance) {
  const STimeCompare exact{};
  EXPECT_EQ(exact.Compare(kT, kT), 0);
  EXPECT_EQ(exact.Compare(kT + 1, kT), 1);
  EXPECT_EQ(exact.Compare(kT - 1, kT), -1);
  EXPECT_EQ(exact.Compare(kT + kOneHour, kT), 1);
  EXPECT_EQ(kOneHour, 3600 * kSecond);
}

TEST(TimeCompare, ToleranceIsInclusive) {
  const STimeCompare twoSeconds{2 * kSecond, false};
  EXPECT_EQ(twoSeconds.Compare(kT + 20000000, kT), 0);
  EXPECT_EQ(twoSeconds.Compare(kT - 20000000, kT), 0);
  EXPECT_EQ(twoSeconds.Compare(kT + 20000001, kT), 1);
  EXPECT_EQ(twoSeconds.Compare(kT - 20000001, kT), -1);
  EXPECT_EQ(twoSeconds.Compare(kT + kOneHour, kT), 1);
}

TEST(TimeCompare, OneHourAllowance) {
  const STimeCompare hour{0, true};
  EXPECT_EQ(hour.Compare(kT + kOneHour, kT), 0);
  EXPECT_EQ(hour.Compare(kT - kOneHour, kT), 0);
  EXPECT_EQ(hour.Compare(kT, kT), 0);
  EXPECT_EQ(hour.Compare(kT + kOneHour + 1, kT), 1);
  EXPECT_EQ(hour.Compare(kT + kOneHour - 1, kT), 1);
  EXPECT_EQ(hour.Compare(kT - kOneHour - 1, kT), -1);
  EXPECT_EQ(hour.Compare(kT + 2 * kOneHour, kT), 1);
  EXPECT_EQ(hour.Compare(kT + 1, kT), 1);

  const STimeCompare hourAndFive{5 * kSecond, true};
  EXPECT_EQ(hourAndFive.Compare(kT + kOneHour - 3 * kSecond, kT), 0);
  EXPECT_EQ(hourAndFive.Compare(kT - kOneHour + 5 * kSecond, kT), 0);
  EXPECT_EQ(hourAndFive.Compare(kT + kOneHour + 5 * kSecond, kT), 0);
  EXPECT_EQ(hourAndFive.Compare(kT + kOneHour + 5 * kSecond + 1, kT), 1);
  EXPECT_EQ(hourAndFive.Compare(kT - kOneHour - 5 * kSecond - 1, kT), -1);
  EXPECT_EQ(hourAndFive.Compare(kT + kOneHour - 5 * kSecond - 1, kT), 1);
  EXPECT_EQ(hourAndFive.Compare(kT + 4 * kSecond, kT), 0);
}

TEST(TimeCompare, OverwriteAllowedByChoice) {
  struct SCase {
    int32_t mode;
    bool newer, same, older;
  };
  const SCase cases[] = {{0, true, true, true},    {1, true, false, false},
                         {2, false, false, true},  {3, true, false, true},
                         {4, false, false, false}, {5, false, false, false},
                         {-1, false, false, false}};
  for (const SCase& c : cases) {
    SCOPED_TRACE(c.mode);
    EXPECT_EQ(OverwriteAllowed(c.mode, 1), c.newer);
    EXPECT_EQ(OverwriteAllowed(c.mode, 0), c.same);
    EXPECT_EQ(OverwriteAllowed(c.mode, -1), c.older);
  }
}

}  // namespace
