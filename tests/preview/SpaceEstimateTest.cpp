// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "preview/SpaceEstimate.h"

#include <gtest/gtest.h>

namespace {

TEST(SpaceEstimate, RoundsUpToWholeClusters) {
  EXPECT_EQ(RoundUpToCluster(1, 4096), 4096u);
  EXPECT_EQ(RoundUpToCluster(0, 4096), 0u);
  EXPECT_EQ(RoundUpToCluster(4097, 4096), 8192u);
}

}  // namespace
