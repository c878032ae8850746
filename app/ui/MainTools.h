// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QObject>
#include <QRect>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/ProgramNotes.h"
#include "app/ui/DriveStatusDlg.h"

class CMainMenu;
class CPrompter;
class CSettingsSheet;
class QWidget;
struct SProgramOptions;

// The main window's small tools: the Program Notes (at start-up, from the menu and with F1),
// Set Attributes, Debug Messages, About, and the Drive Status window that the folder checks
// open. Owned by the main window for the whole run; the notes' and the debug list's window
// rectangles are remembered here for the run.
class CMainTools : public QObject {
  Q_OBJECT

 public:
  struct SHooks {
    std::function<bool()> idle;                // no preview or copy runs
    std::function<void(bool)> enableSettings;  // the settings pages, off while a tool runs
  };

  CMainTools(QWidget* window, CPrompter& prompter, SProgramOptions& options, CSettingsSheet& sheet,
             std::string desktopFolder, SHooks hooks);

  // Puts Show Program Notes, Set Attributes and About into the menu, and gives the window
  // Ctrl+D (Debug Messages, when there are any) and F1.
  void AddTo(CMainMenu& menu);
  // F1 on one of these controls opens its topic; elsewhere the stored topic.
  void SetHelpTopics(std::vector<std::pair<QWidget*, int>> topics);
  CDriveStatusWindow& DriveStatus() { return m_driveStatus; }

  // The start-up step, once the window shows: the Program Notes at the stored topic when the
  // options say so.
  void StartUp();

  // `topic` kNotesStoredTopic opens at the stored topic. Closing stores the box and the next
  // topic, and saves the options.
  void ShowProgramNotes(int topic);
  void ShowSetAttributes();
  void ShowDebugMessages();
  void ShowAbout();
  void ShowHelp();

 private:
  void RunAttributes(uint32_t chosen, bool addIn, const std::function<bool()>& aborted);

  QWidget* m_window;
  CPrompter& m_prompter;
  SProgramOptions& m_options;
  CSettingsSheet& m_sheet;
  std::string m_desktopFolder;
  SHooks m_hooks;
  CProgramNotes m_notes;
  CQtDriveStatusWindow m_driveStatus;
  std::vector<std::pair<QWidget*, int>> m_helpTopics;
  QRect m_notesRect;
  QRect m_debugRect;
};
