// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "listops/ui/RowSelection.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <algorithm>

std::vector<size_t> SelectedRows(const QAbstractItemView* view) {
  std::vector<size_t> rows;
  const QItemSelectionModel* selection = view->selectionModel();
  if (selection == nullptr) {
    return rows;
  }
  const QItemSelection ranges = selection->selection();
  bool sorted = true;
  for (const QItemSelectionRange& range : ranges) {
    if (!range.isValid()) {
      continue;
    }
    if (!rows.empty() && static_cast<size_t>(range.top()) <= rows.back()) {
      sorted = false;
    }
    for (int row = range.top(); row <= range.bottom(); ++row) {
      rows.push_back(static_cast<size_t>(row));
    }
  }
  if (!sorted) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  }
  return rows;
}

void SelectRows(QAbstractItemView* view, const std::vector<size_t>& rows) {
  QItemSelectionModel* selection = view->selectionModel();
  const QAbstractItemModel* model = view->model();
  if (selection == nullptr || model == nullptr) {
    return;
  }
  const int lastColumn = model->columnCount() - 1;
  QItemSelection wanted;
  // Runs of neighbouring rows become one range each.
  for (size_t i = 0; i < rows.size();) {
    size_t end = i;
    while (end + 1 < rows.size() && rows[end + 1] == rows[end] + 1) {
      ++end;
    }
    wanted.append(QItemSelectionRange(model->index(static_cast<int>(rows[i]), 0),
                                      model->index(static_cast<int>(rows[end]), lastColumn)));
    i = end + 1;
  }
  // The ranges already span whole rows; the Rows flag would widen each again, one at a time
  // against all the others, which takes minutes for a hundred thousand ranges.
  selection->select(wanted, QItemSelectionModel::ClearAndSelect);
}

long SelectionMark(const QAbstractItemView* view) {
  const QModelIndex current =
      view->selectionModel() != nullptr ? view->selectionModel()->currentIndex() : QModelIndex();
  return current.isValid() ? current.row() : -1;
}

void InvertSelection(QAbstractItemView* view) {
  const QAbstractItemModel* model = view->model();
  const int count = model != nullptr ? model->rowCount() : 0;
  if (count == 0) {
    return;
  }
  // The rows between the selected ones, as ranges.
  const std::vector<size_t> selected = SelectedRows(view);
  std::vector<size_t> unselected;
  unselected.reserve(static_cast<size_t>(count) - selected.size());
  auto next = selected.begin();
  for (size_t row = 0; row < static_cast<size_t>(count); ++row) {
    if (next != selected.end() && *next == row) {
      ++next;
    } else {
      unselected.push_back(row);
    }
  }
  SelectRows(view, unselected);
}
