// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class CFormatItem;
class CLaunchPool;
class CPrompter;
class QListView;
class QStringListModel;

// The "Stray Destination Folders" window: destination folders that have no counterpart in the
// source (and are still there), each of which can be opened in the file manager.
class CStrayFoldersDlg : public QDialog {
  Q_OBJECT

 public:
  CStrayFoldersDlg(const std::vector<std::string>& strays, const CFormatItem& format,
                   CLaunchPool& launches, CPrompter& prompter, QWidget* parent = nullptr);

  const std::vector<std::string>& Folders() const { return m_folders; }
  QListView* View() const { return m_view; }
  // Explores the selected folder, or the only one.
  void OpenFolder();

 private:
  std::vector<std::string> m_folders;
  CLaunchPool& m_launches;
  CPrompter& m_prompter;
  QListView* m_view = nullptr;
};
