// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "cli/CliPrompter.h"

#include <cstdio>
#include <mutex>

EAnswer CCliPrompter::Ask(const SPrompt& prompt) {
  static std::mutex mutex;
  std::lock_guard lock(mutex);
  std::fprintf(stderr, "%s\n", prompt.text.c_str());
  const bool question =
      prompt.buttons == EButtons::kYesNo || prompt.buttons == EButtons::kYesNoCancel;
  const EAnswer answer = (question && m_answerYes) ? EAnswer::kYes : prompt.defaultAnswer;
  if (question) {
    std::fprintf(stderr, "(answered %s)\n",
                 answer == EAnswer::kYes ? "Yes" : (answer == EAnswer::kNo ? "No" : "Cancel"));
  }
  return answer;
}
