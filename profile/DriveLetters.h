// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The drive letters that the drive windows (Change Drive Letters, Drive Status) offer.

// The letters of the drives present now, in alphabetical order ("CDE").
std::string PresentDriveLetters();
// The letters as a sentence: "C, D and E", "C and D", "C".
std::string AvailableDrivesText(std::string_view letters);
// The choices of a drive's list: "---" (no change), then every letter but its own.
std::vector<std::string> DriveChoices(std::string_view letters, char own);
inline constexpr const char* kNoDriveChange = "---";
// Two paths on different drives would end on the same one: that needs the user's word.
bool AsksSameDrives(char oldSource, char oldDestination, char newSource, char newDestination);
inline constexpr const char* kSameDrivesQuestion =
    "Do you want the source and destination drives to be the same?";
