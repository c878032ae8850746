// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QByteArray>
#include <QDialog>
#include <vector>

class CContextMenu;
class CLaunchPool;
class CPreviewList;
class CPreviewListHost;
class CPreviewListModel;
class CPrompter;
class QPushButton;
class QTableView;
struct SProgramOptions;

// The "Brevant Preview List" window: every file a copy would write or delete and every
// folder it would create, sortable by column, with the right-click commands that adjust the
// list before the copy. Modeless and owned by the main window; minimising it and showing it
// again is reported so the main window's check box can follow.
class CPreviewListDlg : public QDialog {
  Q_OBJECT

 public:
  CPreviewListDlg(CPreviewList& list, CPreviewListHost& host, CPrompter& prompter,
                  CLaunchPool& launches, SProgramOptions& options, QWidget* parent = nullptr);
  // Keeps the column widths in the options for the next start.
  ~CPreviewListDlg() override;

  QTableView* View() const { return m_view; }
  CContextMenu& Commands() { return *m_commands; }
  // The list's commands are unavailable while a preview or copy runs.
  void EnableCommands(bool enable);
  void EnableFolderList(bool enable);
  void EnableStrayFolders(bool enable);
  // Sizes every column to fit its header and contents.
  void FitColumns();
  // Selects the rows of one folder (the Folder List's choice) and shows the first.
  void SelectFolder(const std::string& folder);

 public slots:
  void ShowFolderList();
  void ShowStrayFolders();

 signals:
  // The window was minimised (false) or shown again (true).
  void shownChanged(bool shown);

 protected:
  void changeEvent(QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void reject() override;  // Esc minimises; the window lives as long as the main window

 private:
  void SetInitialWidths();
  void SaveWidths() const;
  void SortBy(int column);
  void ShowSortIndicator();

  CPreviewList& m_list;
  CPreviewListHost& m_host;
  CPrompter& m_prompter;
  CLaunchPool& m_launches;
  SProgramOptions& m_options;
  CPreviewListModel* m_model = nullptr;
  QTableView* m_view = nullptr;
  CContextMenu* m_commands = nullptr;
  QPushButton* m_folderList = nullptr;
  QPushButton* m_strayFolders = nullptr;
  QPushButton* m_minimize = nullptr;
  // The two windows reopen where the user left them, for as long as the program runs.
  QByteArray m_folderListGeometry;
  QByteArray m_strayFoldersGeometry;
};
