// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "preview/PreviewCounts.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/FormatItem.h"
#include "preview/ListData.h"
#include "preview/PreviewList.h"
#include "profile/SettingsState.h"

namespace {

std::shared_ptr<CFilesListCtrlData> Row(const std::string& folder, const std::string& name,
                                        int32_t action, uint64_t size = 0) {
  auto row = std::make_shared<CFilesListCtrlData>();
  row->name = name;
  row->folder = std::make_shared<const std::string>(folder);
  row->action = action;
  row->size = size;
  return row;
}

class PreviewCounts : public ::testing::Test {
 protected:
  void Add(std::shared_ptr<CFilesListCtrlData> row) { m_list.Add(std::move(row)); }
  std::string Summary(int32_t copyMode = kCopyIntoFolders) const {
    return m_counts.SummaryText(copyMode, m_format);
  }

  CPreviewList m_list;
  CPreviewCounts m_counts{m_list};
  CFormatItem m_format{2, true, ','};
};

TEST_F(PreviewCounts, SummaryNamesFilesAndFoldersInTheRightNumber) {
  EXPECT_EQ(Summary(), "0 files to copy in 0 folders");
  Add(Row("C:\\src", "a.txt", kActionCopy, 10));
  EXPECT_EQ(Summary(), "1 file to copy in 1 folder");
  Add(Row("C:\\src\\sub", "b.txt", kActionCopy, 5));
  Add(Row("D:\\dst", "old.txt", kActionDelete, 7));
  EXPECT_EQ(Summary(), "2 files to copy and 1 file to delete in 3 folders");
  EXPECT_EQ(m_counts.TotalSize(), 15u);  // what is deleted is not copied
  Add(Row("D:\\dst", "older.txt", kActionDelete, 7));
  EXPECT_EQ(Summary(), "2 files to copy and 2 files to delete in 3 folders");
}

TEST_F(PreviewCounts, TreeOnlySummaryCountsFoldersToCreate) {
  EXPECT_EQ(Summary(kCopyTreeOnly), "0 folders to create");
  Add(Row("D:\\dst", "a", kActionCreate));
  EXPECT_EQ(Summary(kCopyTreeOnly), "1 folder to create");
  Add(Row("D:\\dst\\a", "b", kActionCreate));
  EXPECT_EQ(Summary(kCopyTreeOnly), "2 folders to create");
  EXPECT_EQ(m_counts.FoldersToCreate(), 2);
  EXPECT_EQ(m_counts.FilesToCopy(), 0);
}

TEST_F(PreviewCounts, LargeCountsAreGrouped) {
  for (int i = 0; i < 1234; ++i) {
    Add(Row("C:\\src", "f" + std::to_string(i), kActionCopy, 1));
  }
  EXPECT_EQ(Summary(), "1,234 files to copy in 1 folder");
  EXPECT_EQ(m_counts.SummaryText(kCopyIntoFolders, CFormatItem(2, true, '.')),
            "1.234 files to copy in 1 folder");
  EXPECT_EQ(m_counts.SummaryText(kCopyIntoFolders, CFormatItem(2, false, ',')),
            "1234 files to copy in 1 folder");
}

TEST_F(PreviewCounts, RemovingRowsInOneChangeReversesEach) {
  Add(Row("C:\\src", "a.txt", kActionCopy, 100));
  Add(Row("C:\\src", "b.txt", kActionCopy, 50));
  Add(Row("D:\\dst", "c.txt", kActionDelete, 30));
  Add(Row("C:\\src\\sub", "d.txt", kActionCopy, 7));
  m_list.RemoveRows({3, 0, 3, 9});  // repeats and rows past the end are ignored
  EXPECT_EQ(m_counts.FilesToCopy(), 1);
  EXPECT_EQ(m_counts.TotalSize(), 50u);
  EXPECT_EQ(m_counts.FilesToDelete(), 1);
  EXPECT_EQ(m_counts.FolderEntries(), 2);
  EXPECT_EQ(m_counts.Folders().count("C:\\src\\sub"), 0u);
}

TEST_F(PreviewCounts, CountsMadeForAFilledListStartWithItsRows) {
  Add(Row("C:\\src", "a.txt", kActionCopy, 100));
  const CPreviewCounts later(m_list);
  EXPECT_EQ(later.FilesToCopy(), 1);
  EXPECT_EQ(later.TotalSize(), 100u);
}

TEST_F(PreviewCounts, RemovingRowsReversesTheirCounts) {
  Add(Row("C:\\src", "a.txt", kActionCopy, 100));
  Add(Row("C:\\src", "b.txt", kActionCopy, 50));
  Add(Row("D:\\dst", "c.txt", kActionDelete, 30));
  Add(Row("D:\\dst", "new", kActionCreate));
  ASSERT_EQ(m_counts.FolderEntries(), 2);
  EXPECT_EQ(m_counts.Folders().at("C:\\src").items, 2);
  EXPECT_EQ(m_counts.Folders().at("C:\\src").size, 150u);
  EXPECT_EQ(m_counts.Folders().at("D:\\dst").action, kActionDelete);

  m_list.Remove(1);  // b.txt
  EXPECT_EQ(m_counts.FilesToCopy(), 1);
  EXPECT_EQ(m_counts.TotalSize(), 100u);
  EXPECT_EQ(m_counts.Folders().at("C:\\src").items, 1);
  EXPECT_EQ(m_counts.Folders().at("C:\\src").size, 100u);

  m_list.Remove(0);  // a.txt: its folder held one row and goes
  EXPECT_EQ(m_counts.FilesToCopy(), 0);
  EXPECT_EQ(m_counts.TotalSize(), 0u);
  EXPECT_EQ(m_counts.Folders().count("C:\\src"), 0u);
  EXPECT_EQ(m_counts.FolderEntries(), 1);

  m_list.Remove(1);  // the folder to create
  EXPECT_EQ(m_counts.FoldersToCreate(), 0);
  EXPECT_EQ(m_counts.Folders().at("D:\\dst").items, 1);
  m_list.Remove(0);
  EXPECT_EQ(m_counts.FilesToDelete(), 0);
  EXPECT_EQ(m_counts.FolderEntries(), 0);
  EXPECT_EQ(Summary(), "0 files to copy in 0 folders");
}

TEST_F(PreviewCounts, FolderEntriesIgnoreATrailingBackslashButKeepADriveRoot) {
  Add(Row("C:\\src\\", "a", kActionCopy, 1));
  Add(Row("C:\\src", "b", kActionCopy, 1));
  Add(Row("C:\\", "c", kActionCopy, 1));
  EXPECT_EQ(m_counts.FolderEntries(), 2);
  EXPECT_EQ(m_counts.Folders().at("C:\\src").items, 2);
  EXPECT_EQ(m_counts.Folders().at("C:\\").items, 1);
  m_list.Clear();
  EXPECT_EQ(m_counts.FolderEntries(), 0);
  EXPECT_EQ(m_counts.FilesToCopy(), 0);
  EXPECT_EQ(m_counts.TotalSize(), 0u);
}

}  // namespace
