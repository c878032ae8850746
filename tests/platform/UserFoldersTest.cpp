// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/UserFolders.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/platform/PlatformTestUtil.h"
#include "tests/support/TestSandbox.h"

namespace {

using namespace platform;
using testing_support::CTestSandbox;

TEST(UserFolders, NamedInWindowsFormInsideTheHome) {
  CTestSandbox sandbox;
  EXPECT_EQ(*GetUserFolder(EUserFolder::kAppData), "C:\\home\\.local\\share");
  EXPECT_EQ(*GetUserFolder(EUserFolder::kDocuments), "C:\\home\\Documents");
  EXPECT_EQ(*GetUserFolder(EUserFolder::kDesktop), "C:\\home\\Desktop");

  // The desktop's own names for the folders are honoured.
  testing_support::MakeFolders(sandbox.Home() + "/.config");
  testing_support::WriteFile(sandbox.Home() + "/.config/user-dirs.dirs",
                             "XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n"
                             "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
  EXPECT_EQ(*GetUserFolder(EUserFolder::kDocuments), "C:\\home\\Papers");
  EXPECT_EQ(*GetUserFolder(EUserFolder::kDesktop), "C:\\home\\Schreibtisch");

  // A folder outside every drive cannot be named.
  platform_test::CEnvGuard dataHome("XDG_DATA_HOME", "/var/lib/elsewhere");
  EXPECT_FALSE(GetUserFolder(EUserFolder::kAppData).has_value());
}

TEST(UserFolders, DataFolderIsMadeOnDemand) {
  CTestSandbox sandbox;
  const std::string data = sandbox.Home() + "/.local/share";
  EXPECT_FALSE(testing_support::Exists(data));
  EXPECT_TRUE(EnsureUserDataFolder());
  EXPECT_TRUE(testing_support::Exists(data));
  EXPECT_TRUE(EnsureUserDataFolder());  // already there is fine

  testing_support::WriteFile(sandbox.Root() + "/blocker", "a file where a folder belongs");
  platform_test::CEnvGuard dataHome("XDG_DATA_HOME", sandbox.Root() + "/blocker/share");
  EXPECT_FALSE(EnsureUserDataFolder());
}

}  // namespace
