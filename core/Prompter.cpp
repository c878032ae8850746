// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/Prompter.h"

void CPrompter::Show(const std::string& text, EIcon icon, const std::string& title) {
  Ask(SPrompt{text, title, EButtons::kOk, icon, EAnswer::kOk});
}

bool CPrompter::AskYesNo(const std::string& text, EAnswer defaultAnswer, const std::string& title) {
  return Ask(SPrompt{text, title, EButtons::kYesNo, EIcon::kQuestion, defaultAnswer}) ==
         EAnswer::kYes;
}
