// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QDialog>
#include <functional>
#include <string>

class CPrompter;
class QLineEdit;
class QRadioButton;

// The "Rename a File" window: a new name for one file of the preview list. OK renames through
// `rename` (empty text: done; else the message to show, and the window stays open).
class CRenameFileDlg : public QDialog {
  Q_OBJECT

 public:
  using FRename = std::function<std::string(const std::string& newName)>;
  CRenameFileDlg(const std::string& folder, const std::string& name, bool fixedFont, FRename rename,
                 CPrompter& prompter, QWidget* parent = nullptr);

  // Whether OK renamed the file (an unchanged name closes without renaming).
  bool Renamed() const { return m_renamed; }
  // The font chosen for the name, kept for next time.
  bool FixedFont() const;

  void accept() override;

 private:
  void ShowFont();

  std::string m_name;
  FRename m_rename;
  CPrompter& m_prompter;
  QLineEdit* m_edit = nullptr;
  QRadioButton* m_proportional = nullptr;
  QRadioButton* m_fixed = nullptr;
  bool m_renamed = false;
};
