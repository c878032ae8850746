// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <functional>
#include <optional>
#include <string>

class CProfileList;

// The name that, typed as a new profile's, shows where the data file is instead.
inline constexpr const char* kShowDataPathName = "<show data path>";

// The entries of the profile-name window.
struct SProfileNameEntry {
  std::string name;
  bool retain = false;  // "Retain current settings."
};
// Shows the profile-name window with these entries; nothing when it was cancelled.
using ProfileNameAsker = std::function<std::optional<SProfileNameEntry>(const SProfileNameEntry&)>;

// Ne&w...: asks for a name until a profile is made or the window is cancelled; the window
// opens again, with what was typed, after a name in use. True when a profile was made.
bool NewProfileCommand(CProfileList& profiles, const ProfileNameAsker& ask,
                       const std::function<void()>& showDataPath);
// &Rename...: the same for a new name of the current profile, which keeps its settings.
bool RenameProfileCommand(CProfileList& profiles, const ProfileNameAsker& ask);
