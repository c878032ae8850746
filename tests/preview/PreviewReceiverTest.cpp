// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "preview/PreviewReceiver.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/Message.h"
#include "preview/PreviewCounts.h"
#include "preview/PreviewList.h"

namespace {

using platform::CDateTime;

class PreviewReceiver : public ::testing::Test {
 protected:
  void Add(const std::string& folder, const std::string& name, int32_t action,
           const CDateTime& modified, uint64_t size = 1) {
    auto row = std::make_shared<CFilesListCtrlData>();
    row->name = name;
    row->folder = std::make_shared<const std::string>(folder);
    row->modified = modified;
    row->size = size;
    CMessage message(kMsgAddItem, action);
    message.Attach(std::move(row));
    bool handled = false;
    m_receiver.Handle(message, handled);
    EXPECT_TRUE(handled);
  }
  // The answer to the gather check of a file of that name and time: 1 takes it.
  int64_t Check(const std::string& name, const CDateTime& modified) {
    CMessage message(kMsgGatherCheck);
    message.text = name;
    message.Attach(std::make_shared<CDateTime>(modified));
    bool handled = false;
    const int64_t answer = m_receiver.Handle(message, handled);
    EXPECT_TRUE(handled);
    return answer;
  }

  CPreviewList m_list;
  CPreviewCounts m_counts{m_list};
  CPreviewReceiver m_receiver{m_list};
  const CDateTime m_march = CDateTime::FromParts(2026, 3, 1);
  const CDateTime m_april = CDateTime::FromParts(2026, 4, 1);
};

TEST_F(PreviewReceiver, RowsGoIntoTheListAndTheCounts) {
  Add("C:\\src", "a.txt", kActionCopy, m_march, 10);
  Add("D:\\dst", "b.txt", kActionDelete, m_march, 20);
  Add("D:\\dst", "new", 7, m_march);  // an action out of range is held to the last one
  ASSERT_EQ(m_list.Count(), 3u);
  EXPECT_EQ(m_list.Row(2).action, kActionDelete);
  EXPECT_EQ(m_counts.FilesToCopy(), 1);
  EXPECT_EQ(m_counts.FilesToDelete(), 2);
  EXPECT_EQ(m_counts.TotalSize(), 10u);
  EXPECT_TRUE(m_receiver.AllItemsListed());

  CMessage other(kMsgCurrentFolder);
  bool handled = true;
  EXPECT_EQ(m_receiver.Handle(other, handled), 0);
  EXPECT_FALSE(handled);
}

TEST_F(PreviewReceiver, GatherCheckKeepsTheNewestNamesake) {
  EXPECT_EQ(Check("x.txt", m_march), 1);  // nothing listed yet
  Add("C:\\src\\a", "x.txt", kActionCopy, m_march, 4);
  EXPECT_EQ(Check("X.TXT", m_march), 0);  // as new: the first stays
  ASSERT_EQ(m_list.Count(), 1u);
  EXPECT_EQ(Check("x.txt", m_april), 1);  // newer: the listed one goes
  EXPECT_TRUE(m_list.Empty());
  EXPECT_EQ(m_counts.FilesToCopy(), 0);
  EXPECT_EQ(m_counts.TotalSize(), 0u);
  Add("C:\\src\\b", "x.txt", kActionCopy, m_april, 8);
  EXPECT_EQ(Check("x.txt", m_march), 0);
  EXPECT_EQ(m_list.Row(0).Folder(), "C:\\src\\b");
}

TEST_F(PreviewReceiver, GatherCheckLooksOnlyAtFilesToCopy) {
  Add("D:\\dst\\a", "x.txt", kActionDelete, m_april);
  Add("D:\\dst", "x.txt", kActionCreate, m_april);
  EXPECT_EQ(Check("x.txt", m_march), 1);
  EXPECT_EQ(m_list.Count(), 2u);
  EXPECT_EQ(m_counts.FilesToDelete(), 1);
  // Once indexed, rows that arrive later count too, and still only copies.
  Add("D:\\dst\\b", "y.txt", kActionDelete, m_april);
  EXPECT_EQ(Check("y.txt", m_march), 1);
  Add("C:\\src\\c", "y.txt", kActionCopy, m_march);
  EXPECT_EQ(Check("y.txt", m_march), 0);
  EXPECT_EQ(m_list.Count(), 4u);
}

}  // namespace
