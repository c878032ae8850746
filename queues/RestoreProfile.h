// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <functional>
#include <string>
#include <string_view>

class CProfileList;
class CPrompter;

// The restore profile of a profile copies its backup back: "Backup Photos" gives "Restore
// Photos", any other name N gives "Restore N" (cut as the profile list cuts names).
std::string RestoreProfileName(std::string_view name);
// A profile whose name begins with "Restore " (case ignored) restores another one.
bool IsRestoreProfileName(std::string_view name);

// The R&estore command for the current profile: makes its restore profile (or finds the one
// made before), makes it current and offers to preview it; Yes runs `preview`. A current
// profile that is itself a restore profile is only offered for preview.
void RestoreProfileCommand(CProfileList& profiles, CPrompter& prompter,
                           const std::function<void()>& preview);
