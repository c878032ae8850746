// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <optional>
#include <string>

namespace platform {

enum class EUserFolder {
  kAppData,    // the per-user application-data folder (~/.local/share)
  kDocuments,  // the user's documents
  kDesktop,    // the user's desktop
};

// The folder in Windows form, without a trailing backslash; nothing when the desktop does
// not name one or it lies outside the drive map.
std::optional<std::string> GetUserFolder(EUserFolder folder);

// Creates the per-user data folder that the trash lives in; false when it cannot be made.
bool EnsureUserDataFolder();

}  // namespace platform
