// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/DebugExport.h"

#include "core/Prompter.h"
#include "platform/File.h"

std::string DebugExportText(const std::vector<std::string>& lines) {
  std::string text = "Debug Messages\r\n\r\n";
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

bool WriteExportFile(const std::string& path, const std::string& text, CPrompter& prompter) {
  platform::CFile file;
  if (file.Open(path, platform::EAccess::kWrite, platform::EShare::kNoSharing,
                platform::ECreate::kCreateAlways) != platform::EError::kNone) {
    prompter.Show("Could not open the export file.", EIcon::kStop);
    return false;
  }
  size_t done = 0;
  // A write the disk accepts may still fail when it reaches the disk: the flush tells.
  const bool written = file.Write(text.data(), text.size(), done) == platform::EError::kNone &&
                       done == text.size() && file.Flush() == platform::EError::kNone;
  file.Close();
  if (!written) {
    prompter.Show("Could not write to the export file.", EIcon::kStop);
    return false;
  }
  prompter.Show("Finished writing the export file.", EIcon::kInformation);
  return true;
}
