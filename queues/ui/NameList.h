// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QAbstractItemView>
#include <QString>
#include <string>
#include <vector>

#include "queues/QueueSetup.h"

class QStringListModel;
class QTableView;
class QWidget;

// A list of profile names as the queue windows show them: one column, whole rows, named for
// a screen reader, not editable in place.
QTableView* MakeNameList(QStringListModel* model, const char* objectName,
                         QAbstractItemView::SelectionMode mode, QWidget* parent);

// Shows the names, with the given rows selected.
void ShowNames(QTableView* view, const std::vector<std::string>& names, const RowSet& selected);
// The selected rows, ascending.
RowSet SelectedRows(const QTableView* view);
