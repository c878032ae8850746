// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "core/FormatItem.h"
#include "listops/Comparison.h"
#include "platform/DateTime.h"

class CLaunchPool;
class CPrompter;
class QComboBox;
class QLineEdit;
class QPushButton;

// The "Compare Overview" window: steps through the selected rows one at a time, shows both
// files' sizes and dates and whether their contents match, can give a matching source file
// the destination's date and time (and then take its row out of the list), and starts an
// external comparison program. The programs are kept in the options.
class CCompareDlg : public QDialog {
  Q_OBJECT

 public:
  using FExclude = std::function<void(const SCompareRecord& record)>;
  CCompareDlg(std::vector<SCompareRecord> records, CPrompter& prompter, CLaunchPool& launches,
              const CFormatItem& format, const platform::CDateTime& today, bool allowRestore,
              FExclude exclude, QWidget* parent = nullptr);

  int Current() const { return m_current; }
  void ShowRecord(int index);
  // The buttons' commands.
  void AddProgram();
  void RemoveProgram();
  void Compare();
  void RestoreDateAndTime();
  // Takes a dropped file (a drive-letter path) as a program, as Add does.
  void DropPath(const std::string& path);
  // Keeps the program list for next time.
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void AddProgramPath(const std::string& path);
  void ShowPrograms(const std::string& selected);

  std::vector<SCompareRecord> m_records;
  std::vector<bool> m_excluded;
  CPrompter& m_prompter;
  CLaunchPool& m_launches;
  CFormatItem m_format;
  platform::CDateTime m_today;
  bool m_allowRestore;
  FExclude m_exclude;
  std::vector<std::string> m_programs;
  QComboBox* m_names = nullptr;
  QPushButton* m_previous = nullptr;
  QPushButton* m_next = nullptr;
  QLineEdit* m_sourceInfo = nullptr;
  QLineEdit* m_destinationInfo = nullptr;
  QLineEdit* m_contents = nullptr;
  QPushButton* m_restore = nullptr;
  QComboBox* m_programList = nullptr;
  QPushButton* m_compare = nullptr;
  int m_current = -1;
  bool m_restoreAllowedNow = false;
  bool m_shownOnce = false;
};
