// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "tests/support/GuiProgram.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QTimer>

#include "app/MainCommands.h"
#include "app/ui/BrevantApp.h"
#include "app/ui/BrevantDlg.h"
#include "profile/DataFolders.h"
#include "tests/support/ScriptedPrompter.h"

namespace gui_testing {

SProfileRecord Profile(const std::string& name, const std::string& source,
                       const std::string& destination) {
  SProfileRecord record;
  record.name = name;
  record.settings.sourcePath = source;
  record.settings.destinationPath = destination;
  return record;
}

bool WriteDataFile(const SDataFileContents& contents) {
  CScriptedPrompter quiet;
  SDataFolders folders;
  if (!ResolveDataFolders(folders, quiet)) {
    return false;
  }
  CDataFile file(DataFilePath(folders), quiet);
  return file.Save(contents);
}

bool WriteDataFile(std::vector<SProfileRecord> profiles, int32_t selected) {
  SDataFileContents contents;
  contents.profiles = std::move(profiles);
  contents.selectedProfile = selected;
  return WriteDataFile(contents);
}

bool RunProgram(CPrompter& prompter, const std::function<void(CBrevantDlg*)>& script) {
  CBrevantApp app(prompter);
  bool ran = false;
  QTimer::singleShot(0, [&] {
    CBrevantDlg* window = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* main = qobject_cast<CBrevantDlg*>(widget); main && main->isVisible()) {
        window = main;
      }
    }
    if (window == nullptr) {
      // Nothing to drive: whatever did open is closed, so the test ends.
      for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QDialog*>(widget)) {
          dialog->done(QDialog::Rejected);
        }
      }
      return;
    }
    ran = true;
    script(window);
    if (!window->isVisible()) {
      return;
    }
    window->Commands().StopJobs();
    const QDeadlineTimer deadline(60000);
    while (window->Commands().JobRunning() && !deadline.hasExpired()) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    window->done(QDialog::Rejected);
  });
  return app.Run() == 0 && ran;
}

}  // namespace gui_testing
