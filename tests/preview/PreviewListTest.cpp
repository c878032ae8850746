// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "preview/PreviewList.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "preview/PreviewCounts.h"

namespace {

using testing::ElementsAre;

class PreviewList : public ::testing::Test {
 protected:
  CFilesListCtrlData* Add(const std::string& folder, const std::string& name, uint64_t size,
                          int32_t action = kActionCopy) {
    auto row = std::make_shared<CFilesListCtrlData>();
    row->name = name;
    row->folder = std::make_shared<const std::string>(folder);
    row->size = size;
    row->action = action;
    m_counts.Add(*row);
    EXPECT_TRUE(m_list.Add(row));
    return row.get();
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (size_t i = 0; i < m_list.Count(); ++i) {
      names.push_back(m_list.Row(i).name);
    }
    return names;
  }

  CPreviewList m_list;
  CPreviewCounts m_counts;
};

TEST_F(PreviewList, KeepsTheOrderRowsCameInUntilSorted) {
  Add("C:\\b", "b10", 1);
  Add("C:\\a", "b9", 3);
  Add("C:\\c", "a", 2);
  EXPECT_THAT(Names(), ElementsAre("b10", "b9", "a"));
  EXPECT_EQ(m_list.SortColumn(), -1);
  m_list.SortByColumn(kColName);
  EXPECT_THAT(Names(), ElementsAre("a", "b9", "b10"));
  EXPECT_EQ(m_list.SortColumn(), kColName);
  EXPECT_FALSE(m_list.Descending());
  m_list.SortByColumn(kColName);
  EXPECT_THAT(Names(), ElementsAre("b10", "b9", "a"));
  EXPECT_TRUE(m_list.Descending());
  // Another column starts ascending.
  m_list.SortByColumn(kColSize);
  EXPECT_THAT(Names(), ElementsAre("b10", "a", "b9"));
  EXPECT_FALSE(m_list.Descending());
  m_list.SortByColumn(kColFolder);
  EXPECT_THAT(Names(), ElementsAre("b9", "b10", "a"));
}

TEST_F(PreviewList, EqualRowsKeepTheirOrder) {
  Add("C:\\a", "x", 5);
  Add("C:\\a", "x", 7);
  Add("C:\\a", "x", 6);
  m_list.Sort(kColName, false);
  EXPECT_EQ(m_list.Row(0).size, 5u);
  EXPECT_EQ(m_list.Row(1).size, 7u);
  EXPECT_EQ(m_list.Row(2).size, 6u);
}

TEST_F(PreviewList, RemovingTheLastRowForgetsTheSort) {
  Add("C:\\a", "one", 1);
  Add("C:\\a", "two", 2);
  m_list.Sort(kColSize, true);
  m_list.Remove(0, m_counts);
  EXPECT_EQ(m_list.SortColumn(), kColSize);
  EXPECT_TRUE(m_list.Descending());
  EXPECT_THAT(Names(), ElementsAre("one"));
  m_list.Remove(0, m_counts);
  EXPECT_TRUE(m_list.Empty());
  EXPECT_EQ(m_list.SortColumn(), -1);
  EXPECT_FALSE(m_list.Descending());
  EXPECT_EQ(m_counts.FilesToCopy(), 0);
  EXPECT_EQ(m_counts.FolderEntries(), 0);
  // Removing beyond the end changes nothing.
  m_list.Remove(0, m_counts);
  EXPECT_EQ(m_counts.FilesToCopy(), 0);
}

TEST_F(PreviewList, FindsRowsByIdentity) {
  CFilesListCtrlData* first = Add("C:\\a", "same", 1);
  CFilesListCtrlData* second = Add("C:\\a", "same", 1);
  EXPECT_EQ(m_list.IndexOf(first), 0);
  EXPECT_EQ(m_list.IndexOf(second), 1);
  m_list.SortByColumn(kColName);
  m_list.SortByColumn(kColName);
  EXPECT_EQ(m_list.IndexOf(second), 1);  // equal rows stay in order, either way
  CFilesListCtrlData stranger;
  EXPECT_EQ(m_list.IndexOf(&stranger), -1);
  m_list.Clear();
  EXPECT_EQ(m_list.IndexOf(first), -1);
  EXPECT_EQ(m_list.SortColumn(), -1);
}

}  // namespace
