// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/ui/BrevantApp.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include "app/ui/BrevantDlg.h"
#include "core/AppText.h"
#include "core/Options.h"
#include "core/Prompter.h"
#include "platform/OptionStore.h"

CBrevantApp::CBrevantApp(CPrompter& prompter)
    : m_prompter(prompter), m_folderSource(m_desktopFolders) {}

CBrevantApp::CBrevantApp(CPrompter& prompter, const CUserFolderSource& folders)
    : m_prompter(prompter), m_folderSource(folders) {}

int CBrevantApp::Run() {
  if (m_instance.IsAlreadyRunning(true)) {
    m_prompter.Show("Brevant is already running.", EIcon::kStop);
    return 0;
  }
  SDataFolders folders;
  if (!ResolveDataFolders(folders, m_prompter, m_folderSource)) {
    return 1;
  }
  // The option store is the program's own key: "Quillmoor Software" / "Brevant".
  QCoreApplication::setOrganizationName(QStringLiteral("Quillmoor Software"));
  QCoreApplication::setApplicationName(QString::fromUtf8(kAppName));

  QGuiApplication::setDesktopFileName(QStringLiteral("org.quillmoor.Brevant"));

  platform::COptionStore store;
  SProgramOptions options;
  options.LoadOptions(store);
  options.ApplyProcessWide();

  CBrevantDlg mainWindow(folders, m_prompter, options);
  mainWindow.Start();
  mainWindow.exec();
  return 0;
}
