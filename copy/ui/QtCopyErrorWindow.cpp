// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "copy/ui/QtCopyErrorWindow.h"

#include "core/Prompter.h"

bool CQtCopyErrorWindow::Ask(const std::string& error, const std::string& reason,
                             const std::string& path, bool& keepShowing) {
  std::string text = "Error: " + error;
  if (!reason.empty()) {
    text += "\nReason: " + reason;
  }
  if (!path.empty()) {
    text += "\nPath: " + path;
  }
  text += "\n\nContinue copying?";
  keepShowing = true;
  return m_prompter.AskYesNo(text, EAnswer::kYes, "Copy Error Message");
}
