// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <string>

class CPrompter;

// Where the failure texts of the checks before a preview or copy go: shown in a message box
// with a stop icon, or, while a queue of profiles is copied, recorded as copy messages.
class CReporter {
 public:
  virtual ~CReporter() = default;
  virtual void Report(const std::string& text) = 0;
};

// Shows each failure with a stop icon.
class CPrompterReporter : public CReporter {
 public:
  explicit CPrompterReporter(CPrompter& prompter) : m_prompter(prompter) {}
  void Report(const std::string& text) override;

 private:
  CPrompter& m_prompter;
};
