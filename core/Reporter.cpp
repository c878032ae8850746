// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/Reporter.h"

#include "core/Prompter.h"

void CPrompterReporter::Report(const std::string& text) {
  m_prompter.Show(text, EIcon::kStop);
}
