// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/PageTexts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "profile/SettingsState.h"

namespace {

TEST(PageTexts, VersionListsRunFromOneToNinetyNineAndNoneToFiftyMegabytes) {
  const std::vector<std::string> limits = VersionLimitTexts();
  ASSERT_EQ(limits.size(), 99u);
  EXPECT_EQ(limits.front(), "1");
  EXPECT_EQ(limits[2], "3");
  EXPECT_EQ(limits.back(), "99");
  EXPECT_EQ(VersionSizeLimitTexts(),
            (std::vector<std::string>{"None", "1 MB", "5 MB", "10 MB", "15 MB", "20 MB", "25 MB",
                                      "30 MB", "35 MB", "40 MB", "45 MB", "50 MB"}));
}

TEST(PageTexts, TreeOnlyCopyingNamesFoldersWhereTheOtherModesNameFiles) {
  for (const int32_t mode : {kCopyIntoFolders, kCopyGather}) {
    EXPECT_EQ(NamesPageTexts(mode).noFiltering, "&No filename filtering");
    EXPECT_EQ(NamesPageTexts(mode).prompt,
              "Enter a filename pattern (such as file.txt, *.jpg or a*b?.doc*):");
    EXPECT_EQ(PathsPrompt(mode), "E&nter the path of a file to exclude:");
  }
  EXPECT_EQ(NamesPageTexts(kCopyTreeOnly).noFiltering, "&No folder name filtering");
  EXPECT_EQ(NamesPageTexts(kCopyTreeOnly).prompt, "Enter a folder name pattern (such as save*):");
  EXPECT_EQ(PathsPrompt(kCopyTreeOnly), "E&nter the path of a folder to exclude:");
  EXPECT_EQ(SubfoldersPrompt(true), "For including subfolders, enter a folder path.");
  EXPECT_EQ(SubfoldersPrompt(false),
            "For excluding subfolders, enter a folder path, name or pattern (such as save*).");
}

}  // namespace
