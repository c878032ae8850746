// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QDialog>
#include <string>

class CLaunchPool;
class CPrompter;
class QLineEdit;

// The "Compare Setup" window: the path of a program that compares two files. OK checks it
// and closes with it as the result.
class CCompareSetupDlg : public QDialog {
  Q_OBJECT

 public:
  CCompareSetupDlg(CPrompter& prompter, CLaunchPool& launches, QWidget* parent = nullptr);

  const std::string& Path() const { return m_result; }
  QLineEdit* Edit() const { return m_path; }
  // Takes a dropped file (a drive-letter path) as a drop on the window does.
  void DropPath(const std::string& path);
  void Suggest();
  void accept() override;

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void Browse();

  CPrompter& m_prompter;
  CLaunchPool& m_launches;
  QLineEdit* m_path = nullptr;
  std::string m_result;
};

// The comparison program for Compare Details: the stored choice, or, when none is stored, the
// one entered in Compare Setup (which becomes the only one). Empty when there is none.
std::string ChooseCompareProgram(CPrompter& prompter, CLaunchPool& launches, QWidget* parent);
