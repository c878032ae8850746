// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <gtest/gtest.h>

#include <memory>

#include "tests/support/TestSandbox.h"

// Every test program runs inside a sandbox of its own from the first line on, so that even a
// test that forgets its own sandbox cannot reach the real home, trash or option store.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  testing_support::CTestSandbox processSandbox;
  return RUN_ALL_TESTS();
}
