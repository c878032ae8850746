// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <string>

#include "app/MainView.h"
#include "copy/ui/QtCopyErrorWindow.h"
#include "profile/DataFolders.h"

class CCopyProgressDlg;
class CLaunchPool;
class CMainPreviewListHost;
class CMainMenu;
class CMainCommands;
class CMainTools;
class CPreviewListDlg;
class CProfilesPage;
class CProgramData;
class CPrompter;
class CQtMessageTarget;
class CQueuesPage;
class CSettingsSheet;
class QCheckBox;
class QLabel;
class QPushButton;
struct SProgramOptions;

// The program's main window: the current profile's settings sheet, the Preview, Copy,
// Options and Close buttons, the status line (the folder being walked) and the counts line,
// and the box that shows or hides the preview-list window. It owns the program's long-lived
// objects; its commands are carried out by CMainCommands, which tells it what to show.
class CBrevantDlg : public QDialog, private CMainView {
  Q_OBJECT

 public:
  CBrevantDlg(const SDataFolders& folders, CPrompter& prompter, SProgramOptions& options,
              QWidget* parent = nullptr);
  ~CBrevantDlg() override;

  // Reads the data file into the profiles and pages and places and shows both windows.
  void Start();

  const std::string& DataFilePath() const { return m_dataFilePath; }
  CMainCommands& Commands() { return *m_commands; }
  CProgramData& Data() { return *m_data; }
  CSettingsSheet& Sheet() { return *m_sheet; }
  CPreviewListDlg& PreviewList() { return *m_previewList; }
  CQtMessageTarget& MessageTarget() { return *m_target; }
  CMainTools& Tools() { return *m_tools; }
  CLaunchPool& Launches() { return *m_launches; }
  // Shows the preview-list window restored, centred under this window.
  void PlacePreviewListBelow();

 public slots:
  void reject() override;  // Close, Esc and the close box

 private:
  // CMainView
  void SetTitle(const std::string& title) override;
  void SetStatusText(const std::string& text) override;
  void SetCountsText(const std::string& text) override;
  void SetState(EMainState state, bool strayFolders) override;
  void EnableSettings(bool enable) override;
  void SetFolderTexts(const std::string& source, const std::string& destination) override;
  void CheckArchiveOnly() override;
  void PreviewListChanged() override;
  void ShowPreviewStatistics(const SPreviewStatistics& statistics) override;
  bool ShowDetectedMoves(CMoveDetect& detect) override;
  void OpenCopyProgress(const std::string& statusText) override;
  void CopyProgress(const CMessage& message, const CPreviewCounts& counts) override;
  void EndCopyProgress(bool stopped, bool nothingDone) override;
  void CloseCopyProgress() override;
  void ShowCopyResults(const SCopyResults& results) override;
  void CloseNow() override;

  void BuildControls();
  // The Profiles and Queues pages, after the sheet's own.
  void AddProfilePages();
  // The menu of tools and exports; each command is one entry here.
  void BuildMenu();
  void CopyConfirmed();
  void AlterVersionFilenames();
  void ShowOptions();
  void PlaceWindows();
  void SaveAtExit();
  void ShowPreviewList(bool shown);
  void UpdateLines();
  void LaunchExplorer();

  SDataFolders m_folders;
  std::string m_dataFilePath;
  CPrompter& m_prompter;
  SProgramOptions& m_options;
  CQtCopyErrorWindow m_errorWindow;

  CSettingsSheet* m_sheet = nullptr;
  CProfilesPage* m_profilesPage = nullptr;
  CQueuesPage* m_queuesPage = nullptr;
  QPushButton* m_preview = nullptr;
  QPushButton* m_copy = nullptr;
  QPushButton* m_optionsButton = nullptr;
  QPushButton* m_close = nullptr;
  QLabel* m_status = nullptr;
  QLabel* m_counts = nullptr;
  QCheckBox* m_showPreviewList = nullptr;
  CMainMenu* m_menu = nullptr;
  CMainTools* m_tools = nullptr;
  CPreviewListDlg* m_previewList = nullptr;
  QPointer<CCopyProgressDlg> m_progress;

  // The lines are redrawn a few times a second, not for every message.
  QTimer m_redraw;
  QString m_statusText;
  QString m_countsText;

  CQtMessageTarget* m_target = nullptr;
  std::unique_ptr<CProgramData> m_data;
  std::unique_ptr<CMainCommands> m_commands;
  std::unique_ptr<CLaunchPool> m_launches;
  std::unique_ptr<CMainPreviewListHost> m_listHost;
  bool m_saved = false;
  bool m_busyCursor = false;
};
