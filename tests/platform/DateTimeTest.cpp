// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/DateTime.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "tests/platform/PlatformTestUtil.h"

namespace {

using namespace platform;
using platform_test::CTimeZoneGuard;

constexpr FileTime kTicksPerSecond = 10'000'000;
constexpr int64_t kUnixEpochSeconds = 11644473600LL;

FileTime FromUnix(int64_t seconds) {
  return static_cast<FileTime>(seconds + kUnixEpochSeconds) * kTicksPerSecond;
}

CDateTime::SParts Parts(const CDateTime& time) {
  CDateTime::SParts parts{};
  EXPECT_TRUE(time.GetParts(parts));
  return parts;
}

TEST(DateTime, CalendarPartsAreValidatedAndCounted) {
  EXPECT_TRUE(CDateTime::FromParts(100, 1, 1).IsValid());
  EXPECT_TRUE(CDateTime::FromParts(9999, 12, 31, 23, 59, 59).IsValid());
  EXPECT_TRUE(CDateTime::FromParts(2024, 2, 29).IsValid());
  EXPECT_TRUE(CDateTime::FromParts(2000, 2, 29).IsValid());
  for (const CDateTime& bad :
       {CDateTime::FromParts(99, 12, 31), CDateTime::FromParts(10000, 1, 1),
        CDateTime::FromParts(2023, 2, 29), CDateTime::FromParts(1900, 2, 29),
        CDateTime::FromParts(2024, 13, 1), CDateTime::FromParts(2024, 4, 31),
        CDateTime::FromParts(2024, 1, 0), CDateTime::FromParts(2024, 1, 1, 24),
        CDateTime::FromParts(2024, 1, 1, 0, 60), CDateTime::FromParts(2024, 1, 1, 0, 0, 60)}) {
    EXPECT_EQ(bad.Status(), CDateTime::EStatus::kInvalid);
  }

  EXPECT_EQ(CDateTime::FromParts(1899, 12, 30).Days(), 0.0);
  EXPECT_EQ(CDateTime::FromParts(1900, 1, 1, 12).Days(), 2.5);
  EXPECT_EQ(CDateTime::FromParts(1899, 12, 29, 6).Days(), -1.25);
  EXPECT_EQ(CDateTime::FromParts(100, 1, 1).Days(), -657434.0);
  EXPECT_EQ(CDateTime::FromParts(9999, 12, 31).Days(), 2958465.0);

  const CDateTime::SParts leap = Parts(CDateTime::FromParts(2024, 2, 29, 13, 14, 15));
  EXPECT_EQ(leap.year, 2024);
  EXPECT_EQ(leap.month, 2);
  EXPECT_EQ(leap.day, 29);
  EXPECT_EQ(leap.hour, 13);
  EXPECT_EQ(leap.minute, 14);
  EXPECT_EQ(leap.second, 15);
  EXPECT_EQ(leap.dayOfWeek, 4);  // a Thursday

  const CDateTime::SParts early = Parts(CDateTime(-1.25, CDateTime::EStatus::kValid));
  EXPECT_EQ(early.year, 1899);
  EXPECT_EQ(early.month, 12);
  EXPECT_EQ(early.day, 29);
  EXPECT_EQ(early.hour, 6);
  EXPECT_EQ(early.minute, 0);
  EXPECT_EQ(early.dayOfWeek, 5);  // a Friday

  // The first and last days of the range are whole days, their hours included.
  const CDateTime::SParts first = Parts(CDateTime::FromParts(100, 1, 1, 12, 30));
  EXPECT_EQ(first.year, 100);
  EXPECT_EQ(first.hour, 12);
  EXPECT_EQ(first.minute, 30);
  const CDateTime::SParts last = Parts(CDateTime::FromParts(9999, 12, 31, 23, 59, 59));
  EXPECT_EQ(last.year, 9999);
  EXPECT_EQ(last.second, 59);

  CDateTime::SParts unused{};
  EXPECT_FALSE(CDateTime(1.0, CDateTime::EStatus::kNull).GetParts(unused));
  EXPECT_FALSE(CDateTime(3e6, CDateTime::EStatus::kValid).GetParts(unused));
  EXPECT_FALSE(CDateTime(2958465.999999999, CDateTime::EStatus::kValid).GetParts(unused));
  EXPECT_FALSE(CDateTime(std::numeric_limits<double>::quiet_NaN(), CDateTime::EStatus::kValid)
                   .GetParts(unused));

  // Rounding to the second may carry into the next day.
  const CDateTime::SParts carried = Parts(CDateTime(1.0 - 1e-7, CDateTime::EStatus::kValid));
  EXPECT_EQ(carried.day, 31);
  EXPECT_EQ(carried.hour, 0);

  for (int64_t days = -657434; days <= 2958465; days += 9973) {
    int year = 0;
    int month = 0;
    int day = 0;
    CivilFromDays(days, year, month, day);
    EXPECT_EQ(DaysFromCivil(year, month, day), days);
  }
}

TEST(DateTime, NegativeDaysRunForwardWithinTheDay) {
  // Moments around 1899-12-30 in time order.
  const std::vector<CDateTime> moments{
      CDateTime::FromParts(1899, 12, 28, 12), CDateTime::FromParts(1899, 12, 29, 6),
      CDateTime::FromParts(1899, 12, 29, 18), CDateTime::FromParts(1899, 12, 30),
      CDateTime::FromParts(1899, 12, 30, 6),  CDateTime::FromParts(1899, 12, 31, 1)};
  for (size_t i = 1; i < moments.size(); ++i) {
    EXPECT_LT(moments[i - 1].LinearDays(), moments[i].LinearDays()) << i;
  }
  EXPECT_EQ(moments[2].Days(), -1.75);
  EXPECT_EQ(moments[2].LinearDays() - moments[1].LinearDays(), 0.5);
  for (const CDateTime& moment : moments) {
    EXPECT_EQ(CDateTime::FromLinearDays(moment.LinearDays()).Days(), moment.Days());
  }
  // Twelve hours after 1899-12-29 18:00 is 1899-12-30 06:00.
  EXPECT_EQ(CDateTime::FromLinearDays(moments[2].LinearDays() + 0.5).Days(), moments[4].Days());
  EXPECT_EQ(moments[2].DateOnly().Days(), -1.0);
  EXPECT_EQ(CDateTime::FromParts(2024, 3, 1, 10).DateOnly(), CDateTime::FromParts(2024, 3, 1));
}

TEST(DateTime, FileTimesBecomeLocalCalendarTime) {
  {
    CTimeZoneGuard zone("UTC");
    const FileTime time = FromUnix(981173106) + 7'891'234;  // 2001-02-03 04:05:06.789 UTC
    const CDateTime local = CDateTime::FromFileTime(time);
    EXPECT_EQ(local, CDateTime::FromParts(2001, 2, 3, 4, 5, 6));  // the fraction is dropped
    FileTime back = 0;
    ASSERT_TRUE(local.ToFileTime(back));
    EXPECT_EQ(back, FromUnix(981173106));
    EXPECT_EQ(CDateTime::FromFileTime(0), CDateTime::FromParts(1601, 1, 1));
    EXPECT_FALSE(CDateTime::FromFileTime(std::numeric_limits<FileTime>::max()).IsValid());
    EXPECT_FALSE(CDateTime::FromParts(1600, 12, 31).ToFileTime(back));
    EXPECT_FALSE(CDateTime(0, CDateTime::EStatus::kNull).ToFileTime(back));
    EXPECT_EQ(LocalUtcOffsetSeconds(981173106), 0);
  }
  {
    CTimeZoneGuard zone("Europe/Berlin");
    // 2021-01-15 12:00 UTC is 13:00 in winter; 2021-07-15 12:00 UTC is 14:00 in summer.
    EXPECT_EQ(CDateTime::FromFileTime(FromUnix(1610712000)), CDateTime::FromParts(2021, 1, 15, 13));
    EXPECT_EQ(CDateTime::FromFileTime(FromUnix(1626350400)), CDateTime::FromParts(2021, 7, 15, 14));
    EXPECT_EQ(LocalUtcOffsetSeconds(1610712000), 3600);
    EXPECT_EQ(LocalUtcOffsetSeconds(1626350400), 7200);
    // Clocks went from 02:00 to 03:00 on 2021-03-28 (01:00 UTC).
    EXPECT_EQ(CDateTime::FromFileTime(FromUnix(1616893199)),
              CDateTime::FromParts(2021, 3, 28, 1, 59, 59));
    EXPECT_EQ(CDateTime::FromFileTime(FromUnix(1616893200)), CDateTime::FromParts(2021, 3, 28, 3));
    FileTime back = 0;
    ASSERT_TRUE(CDateTime::FromParts(2021, 3, 28, 3).ToFileTime(back));
    EXPECT_EQ(back, FromUnix(1616893200));
    ASSERT_TRUE(CDateTime::FromParts(2021, 1, 15, 13).ToFileTime(back));
    EXPECT_EQ(back, FromUnix(1610712000));
    ASSERT_TRUE(CDateTime::FromParts(2021, 7, 15, 14).ToFileTime(back));
    EXPECT_EQ(back, FromUnix(1626350400));
  }
}

}  // namespace
