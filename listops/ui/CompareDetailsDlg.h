// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "listops/Comparison.h"

class CLaunchPool;
class QComboBox;
class QLabel;
class QPushButton;

// The "Compare Details" window: steps through the selected rows and starts the comparison
// program on each one's source and destination files.
class CCompareDetailsDlg : public QDialog {
  Q_OBJECT

 public:
  CCompareDetailsDlg(std::vector<SCompareRecord> records, std::string program,
                     CLaunchPool& launches, QWidget* parent = nullptr);

  int Current() const { return m_current; }
  // Shows a record: starts the program on it, or says that its destination file is missing.
  void ShowRecord(int index);

 private:
  std::vector<SCompareRecord> m_records;
  std::string m_program;
  CLaunchPool& m_launches;
  QComboBox* m_names = nullptr;
  QLabel* m_missing = nullptr;
  QPushButton* m_previous = nullptr;
  QPushButton* m_currentButton = nullptr;
  QPushButton* m_next = nullptr;
  int m_current = -1;
};
