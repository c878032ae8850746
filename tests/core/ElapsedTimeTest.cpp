// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/ElapsedTime.h"

#include <gtest/gtest.h>

namespace {

TEST(ElapsedTime, SecondsAloneBelowAMinute) {
  EXPECT_EQ(CElapsedTime::TextFor(0, false), "0.00 seconds");
  EXPECT_EQ(CElapsedTime::TextFor(500, false), "0.50 seconds");
  EXPECT_EQ(CElapsedTime::TextFor(1000, false), "1 second");
  EXPECT_EQ(CElapsedTime::TextFor(2000, false), "2.00 seconds");
}

TEST(ElapsedTime, MinutesAndHoursAreNamedOnceReached) {
  EXPECT_EQ(CElapsedTime::TextFor(61250, false), "1 minute, 1.25 seconds");
  EXPECT_EQ(CElapsedTime::TextFor(120000, false), "2 minutes, 0.00 seconds");
  EXPECT_EQ(CElapsedTime::TextFor(3725500, false), "1 hour, 2 minutes, 5.50 seconds");
  EXPECT_EQ(CElapsedTime::TextFor(3600000, false), "1 hour, 0 minutes, 0.00 seconds");
  EXPECT_EQ(CElapsedTime::TextFor(7261000, false), "2 hours, 1 minute, 1 second");
}

TEST(ElapsedTime, RoundedSecondsAreNotCarried) {
  EXPECT_EQ(CElapsedTime::TextFor(59996, false), "60.00 seconds");
  EXPECT_EQ(CElapsedTime::TextFor(119999, false), "1 minute, 60.00 seconds");
}

TEST(ElapsedTime, CommaReplacesEveryPoint) {
  EXPECT_EQ(CElapsedTime::TextFor(500, true), "0,50 seconds");
  EXPECT_EQ(CElapsedTime::TextFor(3725500, true), "1 hour, 2 minutes, 5,50 seconds");
  EXPECT_EQ(CElapsedTime::TextFor(1000, true), "1 second");
}

}  // namespace
