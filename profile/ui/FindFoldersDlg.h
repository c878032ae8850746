// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/Message.h"
#include "profile/ui/EditorContext.h"

class CFindFoldersJob;
class CQtMessageTarget;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStringListModel;
class QTableView;

// "Find Folders": searches a drive for folders whose names match a pattern (with typos
// allowed, if asked), on a worker of its own, and returns the folders the user selects.
class CFindFoldersDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CFindFoldersDlg(SEditorContext& context, QWidget* parent = nullptr);
  ~CFindFoldersDlg() override;

  // The folders selected when the window was closed with OK.
  const std::vector<std::string>& Chosen() const { return m_chosen; }
  bool Searching() const { return m_searching; }

 public slots:
  void accept() override;
  // While a search runs the window asks it to stop and closes once it has ended.
  void reject() override;

 private:
  void OnSearch();
  int64_t Handle(CMessage& message);
  void SearchEnded(const CMessage& message);

  SEditorContext& m_context;
  QComboBox* m_drive = nullptr;
  QLineEdit* m_pattern = nullptr;
  QCheckBox* m_allowTypos = nullptr;
  QPushButton* m_search = nullptr;
  QLabel* m_status = nullptr;
  QStringListModel* m_model = nullptr;
  QTableView* m_view = nullptr;
  CQtMessageTarget* m_target = nullptr;
  std::unique_ptr<CFindFoldersJob> m_job;
  bool m_searching = false;
  // What closing asked for while the search was still running.
  std::function<void()> m_afterSearch;
  std::vector<std::string> m_chosen;
};
