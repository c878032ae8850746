// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <string_view>

#include "platform/Types.h"

// Letter case of names on disk. The program finds names without regard to case; a file
// system may tell spellings apart (ext4) or take them for one name (vfat, exFAT). These
// calls behave the same on both.
namespace platform {

// Whether the name of an existing path, spelt with its letters in another case, finds the
// same file: so a lookup by that name may have found a file whose name on disk is spelt
// otherwise. False for a name without letters and for a path that does not exist.
bool FoldsCaseAt(std::string_view path);

// Gives a file or folder a name that differs from its own only in letter case. Where the
// file system takes both spellings for one name, the name passes through a temporary name
// in the same folder for a moment. Fails with kAlreadyExists when another file holds the
// new spelling.
EError ChangeNameCase(std::string_view from, std::string_view to);

}  // namespace platform
