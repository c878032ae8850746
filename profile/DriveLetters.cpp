// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/DriveLetters.h"

#include <cstdint>

#include "platform/Drives.h"

namespace {

char Upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::string PresentDriveLetters() {
  const uint32_t drives = platform::GetLogicalDrives();
  std::string letters;
  for (int bit = 0; bit < 26; ++bit) {
    if ((drives & (uint32_t{1} << bit)) != 0) {
      letters += static_cast<char>('A' + bit);
    }
  }
  return letters;
}

std::string AvailableDrivesText(std::string_view letters) {
  std::string text;
  for (size_t i = 0; i < letters.size(); ++i) {
    if (i > 0) {
      text += i + 1 == letters.size() ? " and " : ", ";
    }
    text += letters[i];
  }
  return text;
}

std::vector<std::string> DriveChoices(std::string_view letters, char own) {
  std::vector<std::string> choices = {kNoDriveChange};
  for (const char letter : letters) {
    if (Upper(letter) != Upper(own)) {
      choices.emplace_back(1, letter);
    }
  }
  return choices;
}

bool AsksSameDrives(char oldSource, char oldDestination, char newSource, char newDestination) {
  return Upper(oldSource) != Upper(oldDestination) && Upper(newSource) == Upper(newDestination);
}
