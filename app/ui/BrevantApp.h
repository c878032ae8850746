// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include "app/StartUp.h"
#include "profile/DataFolders.h"

class CPrompter;

// The program's entry: one copy per user session, the data folder, then the main window for
// the whole run.
class CBrevantApp {
 public:
  // The folders come from the desktop, or from `folders`, which must outlive the object.
  explicit CBrevantApp(CPrompter& prompter);
  CBrevantApp(CPrompter& prompter, const CUserFolderSource& folders);
  // Runs the start-up sequence and the main window; the result is the process's exit code.
  int Run();

 private:
  CPrompter& m_prompter;
  CUserFolderSource m_desktopFolders;
  const CUserFolderSource& m_folderSource;
  CSingleInstance m_instance;
};
