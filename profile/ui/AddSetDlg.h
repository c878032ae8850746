// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "profile/ListCommands.h"
#include "profile/ui/EditorContext.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QStringListModel;
class QTableView;

// "Add Set": gathers the subfolders of the source folder (or of one of its subfolders) so
// that several can be added to the Subfolders list at once, with one tag.
class CAddSetDlg : public QDialog {
  Q_OBJECT

 public:
  CAddSetDlg(SEditorContext& context, const std::string& folder, EEntryTag preset,
             QWidget* parent = nullptr);

  // The folders to add and their tag, once the window was closed with OK.
  const std::vector<std::string>& Chosen() const { return m_chosen; }
  EEntryTag Tag() const;

 public slots:
  void accept() override;

 private:
  void OnGather();
  void ShowList();
  void ApplyEnables();

  SEditorContext& m_context;
  QLineEdit* m_folder = nullptr;
  QCheckBox* m_clearList = nullptr;
  QStringListModel* m_model = nullptr;
  QTableView* m_view = nullptr;
  QButtonGroup* m_tags = nullptr;
  QCheckBox* m_withSubfolders = nullptr;
  std::vector<std::string> m_list;
  std::vector<std::string> m_chosen;
};
