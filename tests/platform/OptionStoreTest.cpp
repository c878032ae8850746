// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/OptionStore.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/TestSandbox.h"

namespace {

using namespace platform;
using testing_support::CTestSandbox;

TEST(OptionStore, KeepsIntsAndStringsInItsFile) {
  CTestSandbox sandbox;
  const std::string file = sandbox.Root() + "/options.conf";
  {
    COptionStore store(file);
    EXPECT_EQ(store.GetInt("Settings", "Missing", 17), 17);
    EXPECT_EQ(store.GetString("Settings", "Missing", "fallback"), "fallback");
    EXPECT_FALSE(store.Contains("Settings", "Width"));
    store.SetInt("Settings", "Width", 640);
    store.SetInt("Settings", "Minus", -1);
    store.SetInt("Settings", "Lowest", INT32_MIN);
    store.SetString("Settings", "Folder",
                    "C:\\Users\\ann\\B\xC3\xA4"
                    "ckup, \"new\"");
    store.SetString("Settings", "Special", "@at;semi=equals");
    store.SetString("Other Section", "Empty", "");
    EXPECT_TRUE(store.Contains("Settings", "Width"));
    EXPECT_TRUE(store.Sync());
  }
  EXPECT_TRUE(testing_support::Exists(file));
  {
    COptionStore store(file);
    EXPECT_EQ(store.GetInt("Settings", "Width", 0), 640);
    EXPECT_EQ(store.GetInt("Settings", "Minus", 0), -1);
    EXPECT_EQ(store.GetInt("Settings", "Lowest", 0), INT32_MIN);
    EXPECT_EQ(store.GetString("Settings", "Folder", ""),
              "C:\\Users\\ann\\B\xC3\xA4"
              "ckup, \"new\"");
    EXPECT_EQ(store.GetString("Settings", "Special", ""), "@at;semi=equals");
    EXPECT_TRUE(store.Contains("Other Section", "Empty"));
    EXPECT_EQ(store.GetString("Other Section", "Empty", "x"), "");
    EXPECT_EQ(store.GetInt("Settings", "Folder", 5), 5);  // not a number: the default
    store.Remove("Settings", "Width");
    EXPECT_FALSE(store.Contains("Settings", "Width"));
    EXPECT_EQ(store.GetInt("Settings", "Width", 3), 3);
    EXPECT_TRUE(store.Sync());
  }
  EXPECT_EQ(COptionStore(file).GetInt("Settings", "Width", 9), 9);

  // DWORD values written elsewhere as unsigned numbers read back as signed.
  const std::string dwords = sandbox.Root() + "/dwords.conf";
  testing_support::WriteFile(dwords, "[Settings]\nAll=4294967295\nBig=4294967294\nSmall=12\n");
  const COptionStore store(dwords);
  EXPECT_EQ(store.GetInt("Settings", "All", 0), -1);
  EXPECT_EQ(store.GetInt("Settings", "Big", 0), -2);
  EXPECT_EQ(store.GetInt("Settings", "Small", 0), 12);
}

TEST(OptionStore, ProgramStoreLivesInTheUsersConfigFolder) {
  for (int round = 0; round < 2; ++round) {
    // Each sandbox has its own configuration folder; the store must follow it every time.
    CTestSandbox sandbox;
    const std::string file = sandbox.Home() + "/.config/Quillmoor Software/Brevant.conf";
    {
      COptionStore store;
      EXPECT_EQ(store.GetInt("Settings", "Round", -5), -5) << round;
      store.SetInt("Settings", "Round", round);
      EXPECT_TRUE(store.Sync());
    }
    EXPECT_TRUE(testing_support::Exists(file)) << round;
    EXPECT_EQ(COptionStore(file).GetInt("Settings", "Round", -5), round);
    EXPECT_EQ(COptionStore().GetInt("Settings", "Round", -5), round);
  }
}

}  // namespace
