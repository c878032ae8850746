// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QDialog>
#include <vector>

#include "core/FormatItem.h"
#include "listops/MoveRows.h"

class CPreviewList;
class CPrompter;
class CTextTableModel;
class QTableView;

// The "Detected Possible File Moves" window: files that were probably moved or renamed in the
// source since the last copy, whose old destination copies can be moved to their new places
// instead of copying them again. Moving takes both rows of each moved file out of the preview
// list.
class CDetectedMovesDlg : public QDialog {
  Q_OBJECT

 public:
  CDetectedMovesDlg(std::vector<CDetectListCtrlData>& moves, CPreviewList& list,
                    CPrompter& prompter, const CFormatItem& format, bool includeRenames,
                    QWidget* parent = nullptr);

  QTableView* View() const { return m_view; }
  // Whether files were moved (and rows left the preview list).
  bool ListChanged() const { return m_listChanged; }
  void SortBy(int column);
  // The buttons' commands.
  void Compare();
  void Exclude();
  void MoveFiles();

 private:
  // Shows the moves, sorted first unless `sort` is false.
  void ShowRows(bool sort = true);
  std::vector<size_t> Selected() const;

  std::vector<CDetectListCtrlData>& m_moves;
  CPreviewList& m_list;
  CPrompter& m_prompter;
  CFormatItem m_format;
  std::vector<EMoveColumn> m_columns;
  CTextTableModel* m_model = nullptr;
  QTableView* m_view = nullptr;
  int m_sortColumn = 0;
  bool m_descending = false;
  bool m_listChanged = false;
};
