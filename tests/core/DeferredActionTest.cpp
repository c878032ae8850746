// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/DeferredAction.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testing::ElementsAre;

TEST(DeferredAction, WithoutARunTheRequestIsCarriedOutAtOnce) {
  CDeferredAction deferred;
  std::vector<std::string> done;
  EXPECT_TRUE(deferred.Request(
      false, [&] { done.push_back("close"); }, [&] { done.push_back("stop"); }));
  EXPECT_THAT(done, ElementsAre("close"));
  EXPECT_FALSE(deferred.Pending());
}

TEST(DeferredAction, DuringARunTheRequestStopsItAndWaitsForItsEnd) {
  CDeferredAction deferred;
  std::vector<std::string> done;
  EXPECT_FALSE(deferred.Request(
      true, [&] { done.push_back("switch to A"); }, [&] { done.push_back("stop"); }));
  EXPECT_FALSE(deferred.Request(
      true, [&] { done.push_back("switch to B"); }, [&] { done.push_back("stop"); }));
  EXPECT_THAT(done, ElementsAre("stop", "stop"));
  EXPECT_TRUE(deferred.Pending());
  deferred.RunEnded();
  // Only the last request counts, and only once.
  deferred.RunEnded();
  EXPECT_THAT(done, ElementsAre("stop", "stop", "switch to B"));
}

TEST(DeferredAction, AnActionMayStartAnotherRunAndRequestAgain) {
  CDeferredAction deferred;
  int closes = 0;
  deferred.Request(true, [&] { deferred.Request(true, [&] { ++closes; }, {}); }, {});
  deferred.RunEnded();
  EXPECT_EQ(closes, 0);
  EXPECT_TRUE(deferred.Pending());
  deferred.RunEnded();
  EXPECT_EQ(closes, 1);
}

TEST(DeferredAction, ACancelledRequestIsNotCarriedOut) {
  CDeferredAction deferred;
  bool closed = false;
  deferred.Request(true, [&] { closed = true; }, {});
  deferred.Cancel();
  deferred.RunEnded();
  EXPECT_FALSE(closed);
}

}  // namespace
