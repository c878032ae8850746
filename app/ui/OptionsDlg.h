// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <vector>

#include <QDialog>

#include "core/Options.h"

class COptionsPage;
class CPrompter;
class QTabWidget;

// The Options window: the program options on six pages (Startup, Preview, File Times,
// Numbers, Fonts, Typos), with OK and Cancel. It only edits a copy of the options; the
// caller takes Result() over once the window is accepted (AcceptOptions) and applies the
// fonts. A new window opens at the page that was showing when the last one closed.
class COptionsDlg : public QDialog {
  Q_OBJECT

 public:
  COptionsDlg(const SProgramOptions& current, CPrompter& prompter, QWidget* parent = nullptr);

  // The edited options; valid after the window was accepted.
  SProgramOptions Result() const { return m_result; }

  void accept() override;

 private:
  void PageChanged(int index);
  // Checks a page as it is left; on failure turns back to it and tells the user. False then.
  bool PageMayBeLeft(int index);

  // The page the next Options window opens at, for the rest of the run.
  static int s_lastPage;

  CPrompter& m_prompter;
  SProgramOptions m_result;
  QTabWidget* m_tabs = nullptr;
  std::vector<COptionsPage*> m_pages;
  int m_shownPage = 0;
  bool m_turningBack = false;
};
