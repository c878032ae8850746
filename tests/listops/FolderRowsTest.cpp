// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "listops/FolderRows.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "core/FormatItem.h"
#include "preview/ListData.h"
#include "preview/PreviewCounts.h"
#include "preview/PreviewList.h"
#include "tests/support/TestSandbox.h"

namespace {

using testing::ElementsAre;

std::vector<std::string> Folders(const std::vector<SFolderRow>& rows) {
  std::vector<std::string> folders;
  for (const SFolderRow& row : rows) {
    folders.push_back(row.folder);
  }
  return folders;
}

std::vector<SFolderRow> Sample() {
  return {{"C:\\src\\b10", 2, 50, kActionCopy},
          {"C:\\src\\b9", 2, 7000, kActionCopy},
          {"C:\\dst\\old", 5, 10, kActionDelete},
          {"C:\\dst\\new", 1, 0, kActionCreate}};
}

TEST(FolderRows, EachOrderSortsItsColumnAndASecondClickReverses) {
  std::vector<SFolderRow> rows = Sample();
  SortFolderRows(rows, kFolderColFolder, false);  // numbers inside names by value
  EXPECT_THAT(Folders(rows),
              ElementsAre("C:\\dst\\new", "C:\\dst\\old", "C:\\src\\b9", "C:\\src\\b10"));
  SortFolderRows(rows, kFolderColItems, false);  // equal counts by folder
  EXPECT_THAT(Folders(rows),
              ElementsAre("C:\\dst\\new", "C:\\src\\b9", "C:\\src\\b10", "C:\\dst\\old"));
  SortFolderRows(rows, kFolderColSize, true);
  EXPECT_THAT(Folders(rows),
              ElementsAre("C:\\src\\b9", "C:\\src\\b10", "C:\\dst\\old", "C:\\dst\\new"));
  SortFolderRows(rows, kFolderColAction, false);
  EXPECT_EQ(rows.front().action, kActionCopy);
  EXPECT_EQ(rows.back().action, kActionDelete);
}

TEST(FolderRows, RowsComeFromTheCountsAndShowTheirTexts) {
  CPreviewList list;
  CPreviewCounts counts(list);
  for (const auto& [folder, size, action] :
       std::vector<std::tuple<std::string, uint64_t, int32_t>>{{"C:\\src", 1024, kActionCopy},
                                                               {"C:\\src", 512, kActionCopy},
                                                               {"C:\\dst\\x", 3, kActionDelete}}) {
    auto row = std::make_shared<CFilesListCtrlData>();
    row->name = "f";
    row->folder = std::make_shared<const std::string>(folder);
    row->size = size;
    row->action = action;
    list.Add(row);
  }
  std::vector<SFolderRow> rows = FolderRows(counts);
  SortFolderRows(rows, kFolderColFolder, false);
  ASSERT_EQ(rows.size(), 2u);
  const CFormatItem format;
  EXPECT_EQ(FolderRowText(rows[1], kFolderColItems, format), "2");
  EXPECT_EQ(FolderRowText(rows[1], kFolderColSize, format), "1.50 KB");
  EXPECT_EQ(FolderRowText(rows[1], kFolderColAction, format), "copy");
  EXPECT_EQ(FolderRowText(rows[0], kFolderColAction, format), "delete");
  EXPECT_EQ(FolderRowText(rows[0], kFolderColBlank, format), "");
}

TEST(StrayFolders, OnlyFoldersStillThereAreListedInOrder) {
  testing_support::CTestSandbox sandbox;
  testing_support::BuildTree(sandbox.CRoot(),
                             {{"dst/Photos 10/", ""}, {"dst/photos 9/", ""}, {"dst/file", "x"}});
  const std::vector<std::string> folders = ExistingStrayFolders(
      {"C:\\dst\\Photos 10\\", "C:\\dst\\gone\\", "C:\\dst\\file", "C:\\dst\\photos 9"});
  EXPECT_THAT(folders, ElementsAre("C:\\dst\\photos 9", "C:\\dst\\Photos 10"));
  const CFormatItem format;
  EXPECT_EQ(StrayFoldersCaption(1, format), "This folder does not appear in the source folder.");
  EXPECT_EQ(StrayFoldersCaption(1500, format),
            "These 1,500 folders do not appear in the source folder.");
}

}  // namespace
