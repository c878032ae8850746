// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QDialog>
#include <string>

#include "profile/DataFolders.h"

class QCheckBox;
class QLabel;
class QPushButton;

// The program's main window: a fixed-size dialog with the Preview, Copy, Options and Close
// commands, a status line and the counts line.
class CBrevantDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CBrevantDlg(const SDataFolders& folders, QWidget* parent = nullptr);

  const std::string& DataFilePath() const { return m_dataFilePath; }

 private:
  // Window sizes are given in dialog units of the window's font.
  QSize DialogUnits(int width, int height) const;

  SDataFolders m_folders;
  std::string m_dataFilePath;
  QPushButton* m_preview = nullptr;
  QPushButton* m_copy = nullptr;
  QPushButton* m_options = nullptr;
  QPushButton* m_close = nullptr;
  QLabel* m_status = nullptr;
  QLabel* m_counts = nullptr;
  QCheckBox* m_showPreviewList = nullptr;
};
