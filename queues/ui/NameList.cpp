// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "queues/ui/NameList.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QStringListModel>
#include <QTableView>
#include <algorithm>

#include "core/ui/Widgets.h"

QTableView* MakeNameList(QStringListModel* model, const char* objectName,
                         QAbstractItemView::SelectionMode mode, QWidget* parent) {
  auto* view = new QTableView(parent);
  view->setObjectName(QString::fromLatin1(objectName));
  view->setModel(model);
  SetUpRowList(view);
  view->setSelectionMode(mode);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->horizontalHeader()->hide();
  view->horizontalHeader()->setStretchLastSection(true);
  view->setTabKeyNavigation(false);
  return view;
}

void ShowNames(QTableView* view, const std::vector<std::string>& names, const RowSet& selected) {
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(names.size()));
  for (const std::string& name : names) {
    texts.push_back(QString::fromStdString(name));
  }
  auto* model = static_cast<QStringListModel*>(view->model());
  model->setStringList(texts);
  QItemSelection selection;
  for (size_t row : selected) {
    const QModelIndex index = model->index(static_cast<int>(row), 0);
    selection.select(index, index);
  }
  view->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  if (!selected.empty()) {
    view->selectionModel()->setCurrentIndex(model->index(static_cast<int>(selected.front()), 0),
                                            QItemSelectionModel::NoUpdate);
  }
}

RowSet SelectedRows(const QTableView* view) {
  RowSet rows;
  for (const QModelIndex& index : view->selectionModel()->selectedRows()) {
    rows.push_back(static_cast<size_t>(index.row()));
  }
  std::sort(rows.begin(), rows.end());
  return rows;
}
