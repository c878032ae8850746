// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "cli/Terminal.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>

bool StderrIsTerminal() {
  const char* term = std::getenv("TERM");
  return isatty(STDERR_FILENO) != 0 && !(term != nullptr && std::strcmp(term, "dumb") == 0);
}
