// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/DebugExport.h"

std::string DebugExportText(const std::vector<std::string>& lines) {
  std::string text = "Debug Messages\r\n\r\n";
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}
