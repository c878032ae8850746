// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/DateTime.h"
#include "rules/StringOrder.h"

// A row of one of the program's sortable lists: its texts by column.
class CListCtrlData {
 public:
  CListCtrlData() = default;
  explicit CListCtrlData(std::vector<std::string> texts) : m_texts(std::move(texts)) {}
  virtual ~CListCtrlData() = default;
  // The text of a column; empty outside the row's columns.
  virtual std::string ColumnText(int column) const;

 private:
  std::vector<std::string> m_texts;
};

// Preview-list actions.
constexpr int32_t kActionCopy = 0;
constexpr int32_t kActionCreate = 1;
constexpr int32_t kActionDelete = 2;

// Comparison states that the list flags of a preview row hold.
constexpr int32_t kNotCompared = 0, kDiffers = 1, kMatchesOtherTime = 2, kMatchesSameTime = 3;

// Columns of the preview list.
enum EPreviewColumn {
  kColName,
  kColFolder,
  kColDate,
  kColSize,
  kColType,
  kColAttributes,
  kColAction
};
constexpr int kPreviewColumnCount = 7;

// One row of the preview list: a file to copy, a stray destination file to delete or a
// destination folder to create. Texts are made on demand; the folder and type texts are
// shared by all rows that have them, so a long list holds each only once.
class CFilesListCtrlData : public CListCtrlData {
 public:
  std::string ColumnText(int column) const override;
  // The text as the list shows it, with the date form relative to `today`.
  std::string Text(int column, const platform::CDateTime& today) const;
  // The folder joined to the name (a drive root keeps its single backslash).
  std::string FullPath() const;
  // "A", "R", "H" and "S", each when set, in that order.
  std::string AttributesText() const;
  void SetAttributes(uint32_t attributes);
  const std::string& Folder() const;
  const std::string& Type() const;

  std::string name;
  std::shared_ptr<const std::string> folder;  // no trailing backslash, except a drive root
  platform::CDateTime modified;
  uint64_t size = 0;
  std::shared_ptr<const std::string> type;
  int32_t iconIndex = -1;
  uint8_t attributeBits = 0;  // see SetAttributes
  int32_t action = kActionCopy;
  int32_t listFlags = 0;
};

// The list's date form: "07-Dec-2026, 01:05:09 PM", or "Yesterday, ...", "Today, ...",
// "Tomorrow, ..." next to `today`; empty for an invalid time or one in the year 1899.
std::string FormatListDate(const platform::CDateTime& time, const platform::CDateTime& today);

// How a sortable list is ordered: by one column, up or down, with a string order.
class CListCtrlOrder {
 public:
  CListCtrlOrder() = default;
  virtual ~CListCtrlOrder() = default;
  // < 0, 0 or > 0: the two rows' texts of the sort column, reversed when descending.
  virtual int Compare(const CListCtrlData& first, const CListCtrlData& second) const;

  int SortColumn() const { return m_column; }
  bool Descending() const { return m_descending; }
  void SetSort(int column, bool descending) {
    m_column = column;
    m_descending = descending;
  }

 protected:
  int m_column = 0;
  bool m_descending = false;
  CStringANOrder m_order;
};

// The preview list's order: the sort column's key, then folder and name (or name and
// folder); times, sizes and actions by value; names and folders with numbers by value. A
// folder to create sorts by its own values too (no time, no size, no attributes): taking it
// as equal to every row would be no order at all, and a sort by it could put rows anywhere.
class CFilesListCtrlOrder : public CListCtrlOrder {
 public:
  int Compare(const CListCtrlData& first, const CListCtrlData& second) const override;
  int CompareRows(const CFilesListCtrlData& first, const CFilesListCtrlData& second) const;
};
