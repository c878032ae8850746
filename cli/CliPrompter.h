// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include "core/Prompter.h"

// The runner's prompter: every message goes to standard error, and every question takes its
// default answer, or Yes when the runner was told to answer Yes.
class CCliPrompter : public CPrompter {
 public:
  explicit CCliPrompter(bool answerYes) : m_answerYes(answerYes) {}
  EAnswer Ask(const SPrompt& prompt) override;

 private:
  bool m_answerYes;
};
