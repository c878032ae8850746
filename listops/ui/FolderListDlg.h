// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "core/FormatItem.h"
#include "listops/FolderRows.h"

class CTextTableModel;
class QTableView;

// The "Folder List" window: one row per folder of the preview list with its item count,
// size and planned action. Double-clicking a row closes the window with that folder chosen
// (accepted); Close closes it without one.
class CFolderListDlg : public QDialog {
  Q_OBJECT

 public:
  CFolderListDlg(std::vector<SFolderRow> rows, const CFormatItem& format,
                 QWidget* parent = nullptr);

  const std::string& ChosenFolder() const { return m_chosen; }
  QTableView* View() const { return m_view; }
  // Sorts by a column; the same column again reverses the order.
  void SortBy(int column);

 private:
  void ShowRows();

  std::vector<SFolderRow> m_rows;
  CFormatItem m_format;
  CTextTableModel* m_model = nullptr;
  QTableView* m_view = nullptr;
  int m_column = kFolderColFolder;
  bool m_descending = false;
  std::string m_chosen;
};
