// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "copy/CopyProgress.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "core/FormatItem.h"
#include "core/Message.h"
#include "core/MessageQueue.h"

namespace {

const CFormatItem kFormat(2, true, ',');

TEST(EstCopyTime, RemainingTimeScalesTheElapsedTimeByTheWorkLeft) {
  // 750 units left at 250 units per 10 s: 30 s.
  EXPECT_EQ(CEstCopyTime::SecondsRemaining(1000, 250, 10000), 30);
  // 99 GB left at 1 GB per hour, without overflowing.
  EXPECT_EQ(CEstCopyTime::SecondsRemaining(100000000000ULL, 1000000000ULL, 3600000), 356400);
}

TEST(EstCopyTime, MillisecondsAndSecondsAreRoundedToNearest) {
  // (1 x 4499 + 3/2) / 3 = 1500 ms, which rounds to 2 s; without the half it would be
  // 1499 ms and 1 s.
  EXPECT_EQ(CEstCopyTime::SecondsRemaining(4, 3, 4499), 2);
  EXPECT_EQ(CEstCopyTime::SecondsRemaining(4, 3, 4496), 1);
  // 2,499 ms is 2 s, 2,500 ms is 3 s.
  EXPECT_EQ(CEstCopyTime::SecondsRemaining(2, 1, 2499), 2);
  EXPECT_EQ(CEstCopyTime::SecondsRemaining(2, 1, 2500), 3);
}

TEST(EstCopyTime, ShortEstimatesShowOneSecond) {
  EXPECT_EQ(CEstCopyTime::SecondsRemaining(2, 1, 400), 1);
  EXPECT_EQ(RemainingTimeText(CEstCopyTime::SecondsRemaining(2, 1, 400)), "1 second remaining");
  EXPECT_EQ(CEstCopyTime::SecondsRemaining(1000000, 999999, 1), 1);
}

TEST(EstCopyTime, NothingCanBeToldWithoutProgressOrTime) {
  EXPECT_EQ(CEstCopyTime::SecondsRemaining(1000, 0, 5000), -1);
  EXPECT_EQ(CEstCopyTime::SecondsRemaining(1000, 1000, 5000), -1);
  EXPECT_EQ(CEstCopyTime::SecondsRemaining(1000, 2000, 5000), -1);
  EXPECT_EQ(CEstCopyTime::SecondsRemaining(1000, 10, 0), -1);
}

TEST(EstCopyTime, PostsAClearedEstimateAtTheStartAndZeroAtTheEnd) {
  CMessageQueue queue;
  CEstCopyTime estimate(&queue);
  estimate.Start(100);
  estimate.Add(100);  // all done: no estimate
  estimate.End();
  std::vector<int64_t> posted;
  while (queue.DispatchOne(
      [&](CMessage& message) -> int64_t {
        EXPECT_EQ(message.Offset(), kMsgTimeRemaining);
        posted.push_back(message.first);
        return 0;
      },
      std::chrono::milliseconds(0))) {
  }
  EXPECT_EQ(posted, (std::vector<int64_t>{-1, 0}));
}

TEST(RemainingTimeText, NamesHoursMinutesAndSecondsWithPlurals) {
  EXPECT_EQ(RemainingTimeText(3725), "1 hour, 2 minutes, 5 seconds remaining");
  EXPECT_EQ(RemainingTimeText(7200), "2 hours, 0 minutes, 0 seconds remaining");
  EXPECT_EQ(RemainingTimeText(61), "1 minute, 1 second remaining");
  EXPECT_EQ(RemainingTimeText(120), "2 minutes, 0 seconds remaining");
  EXPECT_EQ(RemainingTimeText(59), "59 seconds remaining");
  EXPECT_EQ(RemainingTimeText(1), "1 second remaining");
  EXPECT_EQ(RemainingTimeText(-1), "");
}

TEST(CopyProgress, FileBarsFollowTheBytesWritten) {
  CCopyProgress progress;
  progress.Setup(2, 300, false);
  EXPECT_EQ(progress.ProgressLabel(), "File Progress:");
  EXPECT_EQ(progress.RemainingText(kFormat), "2 files remaining");
  progress.CurrentItem(100);
  progress.BytesWritten(50);
  EXPECT_EQ(progress.FilePercent(), 50);
  EXPECT_EQ(progress.OverallPercent(), 16);
  progress.BytesWritten(50);
  progress.ItemDone();
  EXPECT_EQ(progress.FilePercent(), 100);
  EXPECT_EQ(progress.OverallPercent(), 33);
  EXPECT_EQ(progress.RemainingText(kFormat), "1 file remaining");
  progress.CurrentItem(200);
  EXPECT_EQ(progress.FilePercent(), 0);
  progress.BytesWritten(100);
  EXPECT_EQ(progress.FilePercent(), 50);
  EXPECT_EQ(progress.OverallPercent(), 66);
  // A failed file gives its bytes back: the bars show what was really copied.
  progress.FileFailed();
  EXPECT_EQ(progress.FilePercent(), 0);
  EXPECT_EQ(progress.OverallPercent(), 33);
  EXPECT_EQ(progress.Remaining(), 1);
}

TEST(CopyProgress, AnEmptyFileFillsItsBarWhenDone) {
  CCopyProgress progress;
  progress.Setup(2, 100, false);
  progress.CurrentItem(0);
  progress.BytesWritten(0);
  EXPECT_EQ(progress.FilePercent(), 0);
  progress.ItemDone();
  EXPECT_EQ(progress.FilePercent(), 100);
  EXPECT_EQ(progress.OverallPercent(), 0);
}

TEST(CopyProgress, WithoutBytesTheOverallBarCountsItems) {
  CCopyProgress progress;
  progress.Setup(3, 0, true);
  EXPECT_EQ(progress.ProgressLabel(), "Folder Progress:");
  EXPECT_EQ(progress.RemainingText(kFormat), "3 folders remaining");
  progress.CurrentItem(0);
  progress.ItemDone();
  EXPECT_EQ(progress.OverallPercent(), 33);
  EXPECT_EQ(progress.RemainingText(kFormat), "2 folders remaining");
  progress.ItemDone();
  EXPECT_EQ(progress.OverallPercent(), 66);
  progress.ItemDone();
  EXPECT_EQ(progress.OverallPercent(), 100);
  EXPECT_EQ(progress.RemainingText(kFormat), "0 folders remaining");
  progress.ItemDone();  // never below nothing
  EXPECT_EQ(progress.Remaining(), 0);
  EXPECT_EQ(progress.OverallPercent(), 100);
}

TEST(CopyProgress, ACopyThatDidNothingEndsWithFullBars) {
  CCopyProgress progress;
  progress.Setup(4, 1000, false);
  progress.Finish(false);
  EXPECT_EQ(progress.OverallPercent(), 0);
  progress.Finish(true);
  EXPECT_EQ(progress.OverallPercent(), 100);
  EXPECT_EQ(progress.FilePercent(), 100);
}

TEST(CopyProgress, TimeRemainingText) {
  CCopyProgress progress;
  progress.TimeRemaining(0);  // the end of a copy that never showed an estimate
  EXPECT_EQ(progress.TimeText(), "");
  progress.TimeRemaining(61);
  EXPECT_EQ(progress.TimeText(), "1 minute, 1 second remaining");
  progress.TimeRemaining(-1);
  EXPECT_EQ(progress.TimeText(), "");
}

}  // namespace
