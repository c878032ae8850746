// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QDialog>

class CPreviewList;
class CPreviewListModel;
class QPushButton;
class QTableView;

// The "Brevant Preview List" window: every file a copy would write or delete and every
// folder it would create, sortable by column. Modeless; minimising it and showing it again
// is reported so the main window's check box can follow.
class CPreviewListDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CPreviewListDlg(CPreviewList& list, QWidget* parent = nullptr);

  QTableView* View() const { return m_view; }
  // The list's commands are unavailable while a preview or copy runs.
  void EnableCommands(bool enable);
  // Sizes every column to fit its header and contents.
  void FitColumns();

 signals:
  // The window was minimised (false) or shown again (true).
  void shownChanged(bool shown);

 protected:
  void changeEvent(QEvent* event) override;
  void reject() override;  // Esc minimises; the window lives as long as the main window

 private:
  void SetDefaultWidths();

  CPreviewListModel* m_model = nullptr;
  QTableView* m_view = nullptr;
  QPushButton* m_minimize = nullptr;
};
