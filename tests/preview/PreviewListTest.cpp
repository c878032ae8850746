// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "preview/PreviewList.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "preview/PreviewCounts.h"

namespace {

using platform::CDateTime;
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
  CPreviewCounts m_counts{m_list};
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
  m_list.Remove(0);
  EXPECT_EQ(m_list.SortColumn(), kColSize);
  EXPECT_TRUE(m_list.Descending());
  EXPECT_THAT(Names(), ElementsAre("one"));
  m_list.Remove(0);
  EXPECT_TRUE(m_list.Empty());
  EXPECT_EQ(m_list.SortColumn(), -1);
  EXPECT_FALSE(m_list.Descending());
  EXPECT_EQ(m_counts.FilesToCopy(), 0);
  EXPECT_EQ(m_counts.FolderEntries(), 0);
  // Removing beyond the end changes nothing.
  m_list.Remove(0);
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

// Writes down what a list tells its listeners, as a window's model would hear it.
class CRecordingListener : public CPreviewListListener {
 public:
  void RowsAboutToBeAppended(const CPreviewList& list, size_t first, size_t count) override {
    log.push_back("append " + std::to_string(first) + "+" + std::to_string(count) + " of " +
                  std::to_string(list.Count()));
  }
  void RowsAppended(const CPreviewList& list, size_t, size_t) override {
    log.push_back("appended, now " + std::to_string(list.Count()));
  }
  void RowsAboutToBeRemoved(const CPreviewList& list, const std::vector<size_t>& rows) override {
    std::string text = "remove";
    for (const size_t row : rows) {
      text += " " + list.Row(row).name;
    }
    log.push_back(text);
  }
  void RowsRemoved(const CPreviewList& list, const std::vector<size_t>&) override {
    log.push_back("removed, now " + std::to_string(list.Count()));
  }
  void OrderAboutToChange(const CPreviewList&) override { log.push_back("reorder"); }
  void OrderChanged(const CPreviewList&, const std::vector<size_t>& newIndexOfOld) override {
    std::string text = "moved";
    for (const size_t index : newIndexOfOld) {
      text += " " + std::to_string(index);
    }
    log.push_back(text);
  }
  void Cleared(const CPreviewList&) override { log.push_back("cleared"); }

  std::vector<std::string> log;
};

std::vector<std::shared_ptr<CFilesListCtrlData>> Rows(std::initializer_list<const char*> names) {
  std::vector<std::shared_ptr<CFilesListCtrlData>> rows;
  for (const char* name : names) {
    auto row = std::make_shared<CFilesListCtrlData>();
    row->name = name;
    row->folder = std::make_shared<const std::string>("C:\\a");
    rows.push_back(row);
  }
  return rows;
}

TEST_F(PreviewList, ListenersHearEachChangeOnceWhateverItsSize) {
  CRecordingListener listener;
  m_list.AddListener(&listener);
  m_list.AddListener(&listener);  // a second registration changes nothing
  EXPECT_EQ(m_list.Append(Rows({"c", "a", "d", "b", "e"})), 5u);
  m_list.RemoveRows({3, 0, 3, 17});
  m_list.Sort(kColName, false);
  m_list.Clear();
  m_list.RemoveListener(&listener);
  m_list.Append(Rows({"unheard"}));
  EXPECT_THAT(listener.log, ElementsAre("append 0+5 of 0", "appended, now 5", "remove c b",
                                        "removed, now 3", "reorder", "moved 0 1 2", "cleared"));
}

TEST_F(PreviewList, RemovingScatteredRowsKeepsTheRestInOrder) {
  m_list.Append(Rows({"r0", "r1", "r2", "r3", "r4", "r5", "r6", "r7", "r8", "r9"}));
  m_list.RemoveRows({9, 1, 4, 5, 0});
  EXPECT_THAT(Names(), ElementsAre("r2", "r3", "r6", "r7", "r8"));
  m_list.RemoveRows({});
  EXPECT_EQ(m_list.Count(), 5u);
}

TEST_F(PreviewList, SortTellsWhereEveryRowWent) {
  CRecordingListener listener;
  m_list.Append(Rows({"b", "c", "a"}));
  m_list.AddListener(&listener);
  m_list.Sort(kColName, false);
  m_list.Sort(kColName, true);
  // a b c from b c a: b went to 1, c to 2, a to 0; then reversed.
  EXPECT_THAT(listener.log, ElementsAre("reorder", "moved 1 2 0", "reorder", "moved 2 1 0"));
  m_list.RemoveListener(&listener);
}

// The list sorts through keys made once per row; the order must be exactly the rows' own.
TEST_F(PreviewList, SortsEveryColumnAsTheRowOrderDoes) {
  std::mt19937 random(11);
  std::vector<std::shared_ptr<const std::string>> folders;
  for (const char* folder : {"C:\\a", "C:\\A", "C:\\b 10", "C:\\b 9", "C:\\", "D:\\x"}) {
    folders.push_back(std::make_shared<const std::string>(folder));
  }
  // The same text under two pointers must rank alike.
  folders.push_back(std::make_shared<const std::string>("C:\\b 9"));
  // Names pieced together from what the name order treats specially (numbers, separators,
  // signs, blanks, parentheses, case, letters beyond ASCII, long runs), so that most names
  // differ and many differ only late or only by length.
  const char* pieces[] = {"x",  "X",     "IMG_", "10", "9",
                          "09", "1,000", " ",    "-2", "(1)",
                          "é",  ".jpg",  ".JPG", "0",  "123456789012345678901234"};
  const char* types[] = {"Text", "text", "Image", ""};
  std::vector<std::shared_ptr<CFilesListCtrlData>> rows;
  for (int i = 0; i < 600; ++i) {
    auto row = std::make_shared<CFilesListCtrlData>();
    for (int count = static_cast<int>(random() % 5); count > 0; --count) {
      row->name += pieces[random() % std::size(pieces)];
    }
    row->folder = folders[random() % folders.size()];
    row->type = std::make_shared<const std::string>(types[random() % 4]);
    row->size = random() % 4;
    row->modified = CDateTime::FromLinearDays(static_cast<double>(random() % 5) / 2);
    row->attributeBits = static_cast<uint8_t>(random() % 16);
    row->action = static_cast<int32_t>(random() % 3);
    rows.push_back(row);
    m_list.Add(row);
  }
  for (int column = 0; column < kPreviewColumnCount; ++column) {
    for (const bool descending : {false, true}) {
      SCOPED_TRACE(testing::Message() << column << (descending ? " down" : " up"));
      CFilesListCtrlOrder order;
      order.SetSort(column, descending);
      // From the order the rows came in, as the list sorts them.
      std::vector<std::shared_ptr<CFilesListCtrlData>> expected = rows;
      std::stable_sort(expected.begin(), expected.end(),
                       [&](const auto& a, const auto& b) { return order.CompareRows(*a, *b) < 0; });
      m_list.Clear();
      m_list.Append(rows);
      m_list.Sort(column, descending);
      for (size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(&m_list.Row(i), expected[i].get()) << i;
      }
    }
  }
}

}  // namespace
