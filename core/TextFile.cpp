// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/TextFile.h"

#include "core/Prompter.h"
#include "platform/File.h"

bool WriteTextFile(const std::string& path, std::string_view text, CPrompter& prompter,
                   const STextFileMessages& messages) {
  platform::CFile file;
  if (file.Open(path, platform::EAccess::kWrite, platform::EShare::kNoSharing,
                platform::ECreate::kCreateAlways) != platform::EError::kNone) {
    prompter.Show(messages.couldNotOpen, EIcon::kStop);
    return false;
  }
  size_t done = 0;
  // A write the disk accepts may still fail when it reaches the disk: the flush tells.
  const bool written = file.Write(text.data(), text.size(), done) == platform::EError::kNone &&
                       done == text.size() && file.Flush() == platform::EError::kNone;
  file.Close();
  if (!written) {
    prompter.Show(messages.couldNotWrite, EIcon::kStop);
    return false;
  }
  prompter.Show(messages.finished, EIcon::kInformation);
  return true;
}
