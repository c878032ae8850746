// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "preview/ListData.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/Shell.h"

namespace {

using platform::CDateTime;

CFilesListCtrlData Row(const std::string& folder, const std::string& name, int32_t action,
                       uint64_t size, const CDateTime& modified) {
  CFilesListCtrlData row;
  row.name = name;
  row.folder = std::make_shared<const std::string>(folder);
  row.action = action;
  row.size = size;
  row.modified = modified;
  row.type = std::make_shared<const std::string>("Text Document");
  return row;
}

const CDateTime kToday = CDateTime::FromParts(2026, 12, 9);

TEST(ListRow, ColumnTextsOfAFileRow) {
  CFilesListCtrlData row =
      Row("C:\\src", "notes.txt", kActionCopy, 1536, CDateTime::FromParts(2026, 12, 7, 13, 5, 9));
  row.SetAttributes(platform::kAttrArchive | platform::kAttrHidden | platform::kAttrNormal);
  EXPECT_EQ(row.Text(kColName, kToday), "notes.txt");
  EXPECT_EQ(row.Text(kColFolder, kToday), "C:\\src");
  EXPECT_EQ(row.Text(kColDate, kToday), "07-Dec-2026, 01:05:09 PM");
  EXPECT_EQ(row.Text(kColSize, kToday), "1.50 KB");
  EXPECT_EQ(row.Text(kColType, kToday), "Text Document");
  EXPECT_EQ(row.Text(kColAttributes, kToday), "AH");
  EXPECT_EQ(row.Text(kColAction, kToday), "copy");
  EXPECT_EQ(row.Text(kPreviewColumnCount, kToday), "");
  row.action = kActionDelete;
  EXPECT_EQ(row.Text(kColAction, kToday), "delete");
  EXPECT_EQ(row.FullPath(), "C:\\src\\notes.txt");
}

TEST(ListRow, AFolderToCreateShowsNoDateSizeOrAttributes) {
  CFilesListCtrlData row = Row("D:\\dst", "new", kActionCreate, 4096, kToday);
  row.SetAttributes(platform::kAttrArchive);
  row.type = std::make_shared<const std::string>(platform::GetFolderTypeName());
  EXPECT_EQ(row.Text(kColName, kToday), "new");
  EXPECT_EQ(row.Text(kColFolder, kToday), "D:\\dst");
  EXPECT_EQ(row.Text(kColDate, kToday), "");
  EXPECT_EQ(row.Text(kColSize, kToday), "");
  EXPECT_EQ(row.Text(kColAttributes, kToday), "");
  EXPECT_EQ(row.Text(kColAction, kToday), "create");
  EXPECT_FALSE(row.Text(kColType, kToday).empty());
}

TEST(ListRow, AttributesShowInAFixedOrder) {
  CFilesListCtrlData row;
  row.SetAttributes(platform::kAttrSystem | platform::kAttrReadOnly | platform::kAttrHidden |
                    platform::kAttrArchive | platform::kAttrDirectory);
  EXPECT_EQ(row.AttributesText(), "ARHS");
  row.SetAttributes(platform::kAttrReadOnly);
  EXPECT_EQ(row.AttributesText(), "R");
  row.SetAttributes(0);
  EXPECT_EQ(row.AttributesText(), "");
}

TEST(ListRow, ARowOnADriveRootHasOneBackslash) {
  const CFilesListCtrlData row = Row("C:\\", "name", kActionCopy, 1, kToday);
  EXPECT_EQ(row.Text(kColFolder, kToday), "C:\\");
  EXPECT_EQ(row.FullPath(), "C:\\name");
}

TEST(ListDate, NearbyDaysAreNamed) {
  EXPECT_EQ(FormatListDate(CDateTime::FromParts(2026, 12, 8, 23, 59, 59), kToday),
            "Yesterday, 11:59:59 PM");
  EXPECT_EQ(FormatListDate(CDateTime::FromParts(2026, 12, 9, 0, 0, 0), kToday),
            "Today, 12:00:00 AM");
  EXPECT_EQ(FormatListDate(CDateTime::FromParts(2026, 12, 9, 12, 30, 5), kToday),
            "Today, 12:30:05 PM");
  EXPECT_EQ(FormatListDate(CDateTime::FromParts(2026, 12, 9, 23, 59, 59), kToday),
            "Today, 11:59:59 PM");
  EXPECT_EQ(FormatListDate(CDateTime::FromParts(2026, 12, 10, 9, 1, 2), kToday),
            "Tomorrow, 09:01:02 AM");
  // "Today" is the day of `today`, whatever its time.
  EXPECT_EQ(FormatListDate(CDateTime::FromParts(2026, 12, 9, 1, 0, 0),
                           CDateTime::FromParts(2026, 12, 9, 22, 0, 0)),
            "Today, 01:00:00 AM");
}

TEST(ListDate, OtherDaysShowTheWholeDate) {
  EXPECT_EQ(FormatListDate(CDateTime::FromParts(2026, 12, 7, 13, 5, 9), kToday),
            "07-Dec-2026, 01:05:09 PM");
  EXPECT_EQ(FormatListDate(CDateTime::FromParts(2026, 12, 11, 0, 0, 0), kToday),
            "11-Dec-2026, 12:00:00 AM");
  EXPECT_EQ(FormatListDate(CDateTime::FromParts(2001, 1, 1, 12, 0, 0), kToday),
            "01-Jan-2001, 12:00:00 PM");
  const char* const months[] = {"Jan",  "Feb", "March", "April", "May", "June",
                                "July", "Aug", "Sept",  "Oct",   "Nov", "Dec"};
  for (int month = 1; month <= 12; ++month) {
    EXPECT_EQ(FormatListDate(CDateTime::FromParts(2025, month, 15, 18, 0, 0), kToday),
              std::string("15-") + months[month - 1] + "-2025, 06:00:00 PM");
  }
}

TEST(ListDate, InvalidTimesAndThe1899PlaceholderAreBlank) {
  EXPECT_EQ(FormatListDate(CDateTime(46000.5, CDateTime::EStatus::kInvalid), kToday), "");
  EXPECT_EQ(FormatListDate(CDateTime(0, CDateTime::EStatus::kNull), kToday), "");
  EXPECT_EQ(FormatListDate(CDateTime(), kToday), "");
  EXPECT_EQ(FormatListDate(CDateTime::FromParts(1899, 12, 31, 10, 0, 0), kToday), "");
  EXPECT_EQ(FormatListDate(CDateTime::FromParts(1900, 1, 1, 10, 0, 0), kToday),
            "01-Jan-1900, 10:00:00 AM");
}

class ListOrder : public ::testing::Test {
 protected:
  int Compare(int column, const CFilesListCtrlData& a, const CFilesListCtrlData& b,
              bool descending = false) {
    CFilesListCtrlOrder order;
    order.SetSort(column, descending);
    const int result = order.CompareRows(a, b);
    // Through the base class too: the list's generic sort reaches the same comparison.
    const CListCtrlOrder& generic = order;
    EXPECT_EQ(generic.Compare(a, b), result);
    return result;
  }
};

TEST_F(ListOrder, NamesThenFoldersWithNumbersByValue) {
  const auto file9 = Row("C:\\b", "file9", kActionCopy, 1, kToday);
  const auto file10 = Row("C:\\a", "file10", kActionCopy, 1, kToday);
  EXPECT_LT(Compare(kColName, file9, file10), 0);
  EXPECT_GT(Compare(kColName, file10, file9), 0);
  EXPECT_GT(Compare(kColName, file9, file10, true), 0);
  const auto otherFolder = Row("C:\\folder10", "file9", kActionCopy, 1, kToday);
  const auto sameName = Row("C:\\folder9", "file9", kActionCopy, 1, kToday);
  EXPECT_LT(Compare(kColName, sameName, otherFolder), 0);
  EXPECT_EQ(Compare(kColName, file9, file9), 0);
}

TEST_F(ListOrder, FoldersThenNames) {
  const auto a = Row("C:\\a", "z.txt", kActionCopy, 1, kToday);
  const auto b = Row("C:\\b", "a.txt", kActionCopy, 1, kToday);
  const auto a2 = Row("C:\\a", "y.txt", kActionCopy, 1, kToday);
  EXPECT_LT(Compare(kColFolder, a, b), 0);
  EXPECT_GT(Compare(kColFolder, a, a2), 0);
  EXPECT_LT(Compare(kColFolder, a, a2, true), 0);
}

TEST_F(ListOrder, DatesAndSizesByValue) {
  const auto older = Row("C:\\z", "z", kActionCopy, 5ULL << 30, CDateTime::FromParts(2025, 1, 2));
  const auto newer = Row("C:\\a", "a", kActionCopy, 4096, CDateTime::FromParts(2025, 1, 10));
  EXPECT_LT(Compare(kColDate, older, newer), 0);
  EXPECT_GT(Compare(kColDate, older, newer, true), 0);
  EXPECT_GT(Compare(kColSize, older, newer), 0);  // 5 GiB after 4 KiB
  EXPECT_LT(Compare(kColSize, newer, older), 0);
  // Equal keys fall back to folder, then name.
  const auto sameTime = Row("C:\\a", "b", kActionCopy, 4096, CDateTime::FromParts(2025, 1, 10));
  EXPECT_LT(Compare(kColDate, newer, sameTime), 0);
  EXPECT_LT(Compare(kColSize, newer, sameTime), 0);
}

TEST_F(ListOrder, TypesIgnoreCaseAttributesDoNot) {
  auto alpha = Row("C:\\z", "z", kActionCopy, 1, kToday);
  alpha.type = std::make_shared<const std::string>("alpha file");
  auto beta = Row("C:\\a", "a", kActionCopy, 1, kToday);
  beta.type = std::make_shared<const std::string>("Beta file");
  EXPECT_LT(Compare(kColType, alpha, beta), 0);
  auto upper = alpha;
  upper.type = std::make_shared<const std::string>("ALPHA FILE");
  upper.name = "a";
  upper.folder = std::make_shared<const std::string>("C:\\a");
  EXPECT_GT(Compare(kColType, alpha, upper), 0);  // same type: the folder decides

  auto archive = Row("C:\\z", "z", kActionCopy, 1, kToday);
  archive.SetAttributes(platform::kAttrArchive);
  auto archiveReadOnly = Row("C:\\a", "a", kActionCopy, 1, kToday);
  archiveReadOnly.SetAttributes(platform::kAttrArchive | platform::kAttrReadOnly);
  auto readOnly = Row("C:\\a", "a", kActionCopy, 1, kToday);
  readOnly.SetAttributes(platform::kAttrReadOnly);
  EXPECT_LT(Compare(kColAttributes, archive, archiveReadOnly), 0);
  EXPECT_LT(Compare(kColAttributes, archiveReadOnly, readOnly), 0);
}

TEST_F(ListOrder, ActionsCopyCreateDelete) {
  const auto copy = Row("C:\\z", "z", kActionCopy, 1, kToday);
  const auto create = Row("C:\\a", "a", kActionCreate, 0, kToday);
  const auto remove = Row("C:\\a", "a", kActionDelete, 1, kToday);
  EXPECT_LT(Compare(kColAction, copy, create), 0);
  EXPECT_LT(Compare(kColAction, copy, remove), 0);
  EXPECT_GT(Compare(kColAction, remove, create), 0);
  EXPECT_GT(Compare(kColAction, remove, copy), 0);
  EXPECT_LT(Compare(kColAction, remove, copy, true), 0);
}

TEST_F(ListOrder, AFolderRowSortsByItsOwnEmptyValuesEitherWayRound) {
  const auto create = Row("C:\\a", "a", kActionCreate, 0, CDateTime());
  const auto copy = Row("C:\\z", "z", kActionCopy, 9, CDateTime::FromParts(2020, 1, 1));
  for (const int column : {kColName, kColFolder, kColDate, kColSize, kColAttributes}) {
    SCOPED_TRACE(column);
    EXPECT_LT(Compare(column, create, copy), 0);
    EXPECT_GT(Compare(column, copy, create), 0);
    EXPECT_GT(Compare(column, create, copy, true), 0);
  }
  EXPECT_GT(Compare(kColAction, create, copy), 0);
  EXPECT_LT(Compare(kColAction, copy, create), 0);
}

}  // namespace
