// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "core/Prompter.h"

// A prompter without windows: it records every prompt and answers from a script, or with
// the prompt's default answer once the script is used up. Used by tests and by the
// command-line runner.
class CScriptedPrompter : public CPrompter {
 public:
  CScriptedPrompter() = default;
  explicit CScriptedPrompter(std::vector<EAnswer> answers);

  EAnswer Ask(const SPrompt& prompt) override;

  void AddAnswer(EAnswer answer);
  // Answers Yes to every Yes/No question once the script is used up.
  void SetAnswerYes(bool yes);
  std::vector<SPrompt> Prompts() const;
  std::vector<std::string> Texts() const;
  void Clear();

 private:
  mutable std::mutex m_mutex;
  std::deque<EAnswer> m_answers;
  std::vector<SPrompt> m_prompts;
  bool m_answerYes = false;
};
