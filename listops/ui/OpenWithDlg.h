// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class CLaunchPool;
class CPrompter;
class QLineEdit;
class QListWidget;
class QPushButton;

// The "Open With" window: the user's list of programs to open a file with, kept in the
// options. OK opens the file with the selected program.
class COpenWithDlg : public QDialog {
  Q_OBJECT

 public:
  COpenWithDlg(CPrompter& prompter, CLaunchPool& launches, std::string filePath,
               QWidget* parent = nullptr);

  const std::vector<std::string>& Programs() const { return m_programs; }
  // Takes dropped files (drive-letter paths) as a drop on the window does.
  void DropPaths(const std::vector<std::string>& paths);
  void accept() override;

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void Browse();
  void Add();
  void Edit();
  void Remove();
  void Save();
  void ShowPrograms(const std::string& selected);
  std::string Selected() const;
  void Changed();

  CPrompter& m_prompter;
  CLaunchPool& m_launches;
  std::string m_filePath;
  std::vector<std::string> m_programs;
  QLineEdit* m_path = nullptr;
  QListWidget* m_list = nullptr;
  QPushButton* m_save = nullptr;
};
