// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <memory>

#include "copy/CopyMsgs.h"

class CPrompter;

// Asks, from the copy's worker, whether to go on after a file could not be copied. The
// question is carried to the window thread by the prompter, which answers No when the
// windows go away, so the copy then stops.
class CQtCopyErrorWindow : public CCopyErrorWindow {
 public:
  explicit CQtCopyErrorWindow(CPrompter& prompter) : m_prompter(prompter) {}
  bool Ask(const std::string& error, const std::string& reason, const std::string& path,
           bool& keepShowing) override;

 private:
  CPrompter& m_prompter;
};
