// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstddef>
#include <vector>

class QAbstractItemView;

// A view's selection as row numbers. Read from the selection's ranges, never row by row, so a
// selection of a hundred thousand scattered rows costs what it holds.

// The selected rows, ascending.
std::vector<size_t> SelectedRows(const QAbstractItemView* view);
// Selects exactly these rows (whole rows), in one change of the selection.
void SelectRows(QAbstractItemView* view, const std::vector<size_t>& rows);
// The row last selected or clicked (the current row); -1 when there is none.
long SelectionMark(const QAbstractItemView* view);
// Reverses each row's selection.
void InvertSelection(QAbstractItemView* view);
