// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <memory>
#include <vector>

#include "platform/DateTime.h"
#include "preview/ListData.h"

class CPreviewList;

// Told of every change to a preview list, on the thread that changes it (the window
// thread): a window's model and the counts follow the list through it. Each change comes
// as an "about to" call before the rows change and a second call after.
class CPreviewListListener {
 public:
  virtual ~CPreviewListListener() = default;
  // Rows [first, first + count) are added at the end.
  virtual void RowsAboutToBeAppended(const CPreviewList& list, size_t first, size_t count) {}
  virtual void RowsAppended(const CPreviewList& list, size_t first, size_t count) {}
  // `rows` are distinct and ascending; they are still in the list during the first call.
  virtual void RowsAboutToBeRemoved(const CPreviewList& list, const std::vector<size_t>& rows) {}
  virtual void RowsRemoved(const CPreviewList& list, const std::vector<size_t>& rows) {}
  // The rows change places; `newIndexOfOld[i]` is where the row that was at i now stands.
  virtual void OrderAboutToChange(const CPreviewList& list) {}
  virtual void OrderChanged(const CPreviewList& list, const std::vector<size_t>& newIndexOfOld) {}
  virtual void AboutToClear(const CPreviewList& list) {}
  virtual void Cleared(const CPreviewList& list) {}
  // Rows [first, last] changed their contents in place (a rename, new attributes).
  virtual void RowsChanged(const CPreviewList& list, size_t first, size_t last) {}
};

// The rows of the preview list, as data: the window shows them through a model, the copy
// job reads them in order, the export writes them. Rows keep the order the preview added
// them in until the list is sorted by a column.
class CPreviewList {
 public:
  CPreviewList() = default;
  CPreviewList(const CPreviewList&) = delete;
  CPreviewList& operator=(const CPreviewList&) = delete;

  size_t Count() const { return m_rows.size(); }
  bool Empty() const { return m_rows.empty(); }
  CFilesListCtrlData& Row(size_t index) { return *m_rows[index]; }
  const CFilesListCtrlData& Row(size_t index) const { return *m_rows[index]; }

  // Listeners are not owned; one that goes away first removes itself.
  void AddListener(CPreviewListListener* listener);
  void RemoveListener(CPreviewListListener* listener);

  // Takes a row; false when it cannot be held (the list is then incomplete).
  bool Add(std::shared_ptr<CFilesListCtrlData> row);
  // Takes rows in order, in one change; returns how many it could hold (the first ones).
  size_t Append(const std::vector<std::shared_ptr<CFilesListCtrlData>>& rows);
  // Removes rows in one pass, whatever their number and order; indexes out of range and
  // repeats are ignored. An emptied list forgets its sort.
  void RemoveRows(std::vector<size_t> rows);
  void Remove(size_t index) { RemoveRows({index}); }
  // Tells the listeners that rows [first, last] were changed in place.
  void RowsChanged(size_t first, size_t last);
  void Clear();

  // Sorts by a column: the same column again reverses the direction.
  void SortByColumn(int column);
  void Sort(int column, bool descending);
  int SortColumn() const { return m_sortColumn; }
  bool Descending() const { return m_descending; }

  // The date that the date column calls "Today" (the start of the last Preview or Copy).
  void SetToday(const platform::CDateTime& today) { m_today = today.DateOnly(); }
  const platform::CDateTime& Today() const { return m_today; }
  std::string Text(size_t row, int column) const { return m_rows[row]->Text(column, m_today); }

  // The position of a row, or -1.
  long IndexOf(const CFilesListCtrlData* row) const;

 private:
  // Reserves room for up to `wanted` more rows; returns for how many.
  size_t MakeRoom(size_t wanted);
  template <typename Call>
  void Tell(Call call) const {
    for (CPreviewListListener* listener : m_listeners) {
      call(*listener);
    }
  }

  std::vector<std::shared_ptr<CFilesListCtrlData>> m_rows;
  std::vector<CPreviewListListener*> m_listeners;
  int m_sortColumn = -1;
  bool m_descending = false;
  platform::CDateTime m_today = platform::CDateTime::Now().DateOnly();
};
