// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/StartUp.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/support/TestSandbox.h"

namespace {

using testing_support::CTestSandbox;

TEST(SingleInstance, ASecondGuardFindsTheFirstUntilItIsGone) {
  CTestSandbox sandbox;
  const std::string name = "Brevant-instance-test";
  auto first = std::make_unique<CSingleInstance>(name);
  EXPECT_FALSE(first->IsAlreadyRunning(true));
  {
    CSingleInstance second(name);
    EXPECT_TRUE(second.IsAlreadyRunning(false));
  }
  // The failed guard took nothing, so the first still holds the lock.
  EXPECT_TRUE(CSingleInstance(name).IsAlreadyRunning(true));
  first.reset();
  CSingleInstance third(name);
  EXPECT_FALSE(third.IsAlreadyRunning(true));
}

}  // namespace
