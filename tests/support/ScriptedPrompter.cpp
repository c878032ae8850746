// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "tests/support/ScriptedPrompter.h"

CScriptedPrompter::CScriptedPrompter(std::vector<EAnswer> answers)
    : m_answers(answers.begin(), answers.end()) {}

EAnswer CScriptedPrompter::Ask(const SPrompt& prompt) {
  std::lock_guard lock(m_mutex);
  m_prompts.push_back(prompt);
  if (!m_answers.empty()) {
    const EAnswer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
  }
  const bool yesNo = prompt.buttons == EButtons::kYesNo || prompt.buttons == EButtons::kYesNoCancel;
  if (m_answerYes && yesNo) {
    return EAnswer::kYes;
  }
  return prompt.defaultAnswer;
}

void CScriptedPrompter::AddAnswer(EAnswer answer) {
  std::lock_guard lock(m_mutex);
  m_answers.push_back(answer);
}

void CScriptedPrompter::SetAnswerYes(bool yes) {
  std::lock_guard lock(m_mutex);
  m_answerYes = yes;
}

std::vector<SPrompt> CScriptedPrompter::Prompts() const {
  std::lock_guard lock(m_mutex);
  return m_prompts;
}

std::vector<std::string> CScriptedPrompter::Texts() const {
  std::lock_guard lock(m_mutex);
  std::vector<std::string> texts;
  for (const SPrompt& prompt : m_prompts) {
    texts.push_back(prompt.text);
  }
  return texts;
}

void CScriptedPrompter::Clear() {
  std::lock_guard lock(m_mutex);
  m_prompts.clear();
  m_answers.clear();
}
