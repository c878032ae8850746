// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "profile/ui/EditorContext.h"

class QLineEdit;
class QModelIndex;
class QPushButton;
class QStringListModel;
class QTableView;

// "Select a Folder Path": the saved folder list (each entry a path, or "<label> path"),
// edited here and kept in the data file, from which the user picks a folder for the source
// or destination box.
class CSelectFolderDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CSelectFolderDlg(SEditorContext& context, QWidget* parent = nullptr);

  // The folder chosen, once the window was closed with OK or a double-click.
  const std::optional<std::string>& Chosen() const { return m_chosen; }

 public slots:
  void accept() override;

 private:
  void ShowList(const std::string& select = {});
  std::vector<size_t> SelectedRows() const;
  void SetChanged(bool changed);
  void Store();
  void OnAdd();
  void OnEdit();
  void OnRemove();
  void OnFind();
  void OnBrowse();
  void OnDoubleClicked(const QModelIndex& index);
  void OnDropped(const std::vector<std::string>& paths);

  SEditorContext& m_context;
  std::vector<std::string> m_folders;  // the list as edited, in its order
  QStringListModel* m_model = nullptr;
  QTableView* m_view = nullptr;
  QLineEdit* m_path = nullptr;
  QLineEdit* m_label = nullptr;
  QPushButton* m_save = nullptr;
  std::optional<std::string> m_chosen;
};
