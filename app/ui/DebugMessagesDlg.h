// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QDialog>
#include <string>

class CPrompter;
class QListView;
class QStringListModel;

// The Debug Messages window: the program's diagnostic lines, which can be cleared or
// exported to a text file.
class CDebugMessagesDlg : public QDialog {
  Q_OBJECT

 public:
  // `desktopFolder` (Windows form, may be empty) is where the export's save window opens.
  CDebugMessagesDlg(const std::string& desktopFolder, CPrompter& prompter,
                    QWidget* parent = nullptr);

 private:
  void Clear();
  void Export();

  std::string m_desktopFolder;
  CPrompter& m_prompter;
  QStringListModel* m_lines = nullptr;
  QListView* m_list = nullptr;
};
