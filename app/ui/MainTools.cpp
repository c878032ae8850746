// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/ui/MainTools.h"

#include <QApplication>
#include <QIcon>
#include <QKeySequence>
#include <QTimer>
#include <QWidget>

#include "app/SetAttributes.h"
#include "app/ui/AboutDlg.h"
#include "app/ui/DebugMessagesDlg.h"
#include "app/ui/MainMenu.h"
#include "app/ui/ProgramNotesDlg.h"
#include "app/ui/SetAttributesDlg.h"
#include "core/Options.h"
#include "platform/DebugMessages.h"
#include "platform/OptionStore.h"
#include "profile/SettingsState.h"
#include "profile/ui/SettingsSheet.h"

namespace {

// Opens a window at the place it had when it last closed during this run, and remembers its
// place when it closes.
void RunRemembered(QDialog& dialog, QRect& remembered) {
  if (remembered.isValid()) {
    dialog.setGeometry(remembered);
  }
  dialog.exec();
  remembered = dialog.geometry();
}

}  // namespace

CMainTools::CMainTools(QWidget* window, CPrompter& prompter, SProgramOptions& options,
                       CSettingsSheet& sheet, std::string desktopFolder, SHooks hooks)
    : QObject(window),
      m_window(window),
      m_prompter(prompter),
      m_options(options),
      m_sheet(sheet),
      m_desktopFolder(std::move(desktopFolder)),
      m_hooks(std::move(hooks)),
      m_driveStatus(window, prompter) {
  // The program's icon, for the main window and (through it) every window it opens.
  window->setWindowIcon(QIcon(QStringLiteral(":/icons/brevant.png")));
}

void CMainTools::AddTo(CMainMenu& menu) {
  menu.Add(QStringLiteral("Show &Program Notes"), QKeySequence(Qt::CTRL | Qt::Key_P),
           [this] { ShowProgramNotes(kNotesStoredTopic); });
  menu.Add(
      QStringLiteral("&Set Attributes..."), QKeySequence(Qt::CTRL | Qt::Key_S),
      [this] { ShowSetAttributes(); }, m_hooks.idle);
  menu.Add(QStringLiteral("&About Brevant"), QKeySequence(Qt::CTRL | Qt::Key_A),
           [this] { ShowAbout(); });
  menu.AddShortcut(
      QKeySequence(Qt::CTRL | Qt::Key_D), [this] { ShowDebugMessages(); },
      [] { return !GetDebugMessages().empty(); });
  menu.AddShortcut(QKeySequence(Qt::Key_F1), [this] { ShowHelp(); });
}

void CMainTools::SetHelpTopics(std::vector<std::pair<QWidget*, int>> topics) {
  m_helpTopics = std::move(topics);
}

void CMainTools::StartUp() {
  QTimer::singleShot(0, this, [this] {
    if (m_options.m_showDayTip != 0) {
      ShowProgramNotes(kNotesStoredTopic);
    }
  });
}

void CMainTools::ShowHelp() {
  const QWidget* focus = QApplication::focusWidget();
  for (const auto& [control, topic] : m_helpTopics) {
    if (control == focus) {
      ShowProgramNotes(topic);
      return;
    }
  }
  ShowProgramNotes(kNotesStoredTopic);
}

void CMainTools::ShowProgramNotes(int topic) {
  const int start = topic == kNotesStoredTopic ? m_options.m_dayTipIndex : topic;
  CProgramNotesDlg dialog(m_notes, start, m_options.m_showDayTip != 0, m_prompter, m_window);
  if (!dialog.Ready()) {
    return;
  }
  RunRemembered(dialog, m_notesRect);
  if (!dialog.Ready()) {
    return;  // a topic could not be read: nothing was shown to remember
  }
  RememberNotesClosed(m_options, dialog.ShowAtStart(), dialog.Topic());
  platform::COptionStore store;
  m_options.SaveOptions(store);
}

void CMainTools::ShowSetAttributes() {
  // The rules come from the pages: the page showing must be complete first.
  if (!m_sheet.LeaveCurrentPage()) {
    return;
  }
  CSetAttributesDlg dialog(
      [this](uint32_t chosen, bool addIn, const std::function<bool()>& aborted) {
        RunAttributes(chosen, addIn, aborted);
      },
      m_window);
  dialog.exec();
}

void CMainTools::RunAttributes(uint32_t chosen, bool addIn, const std::function<bool()>& aborted) {
  CSettingsState settings = m_sheet.Take();
  const auto busy = [this](bool on) {
    m_hooks.enableSettings(!on);
    if (on) {
      QApplication::setOverrideCursor(Qt::BusyCursor);
    } else {
      QApplication::restoreOverrideCursor();
    }
  };
  RunSetAttributes(settings, chosen, addIn,
                   SSetAttributesRun{m_prompter, m_options, &m_driveStatus, aborted, busy});
  m_sheet.SetFolderTexts(settings.sourcePath, settings.destinationPath);
}

void CMainTools::ShowDebugMessages() {
  CDebugMessagesDlg dialog(m_desktopFolder, m_prompter, m_window);
  RunRemembered(dialog, m_debugRect);
}

void CMainTools::ShowAbout() {
  CAboutDlg dialog(m_prompter, m_window);
  dialog.exec();
}
