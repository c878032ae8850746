// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <string_view>

#include "platform/Types.h"

// Letter case of names on disk. The program finds names without regard to case; a file
// system may tell spellings apart (ext4) or take them for one name (vfat, exFAT). These
// calls behave the same on both.
namespace platform {

// Whether the name of a path spelt with its letters in another case is found too: on a
// disk that folds case, a lookup by a name may then have found a file spelt otherwise (or
// both spellings are files of their own; only a listing tells). False for a name without
// letters.
bool OtherSpellingFound(std::string_view path);

// Gives a file or folder a name that differs from its own only in letter case. Where the
// file system takes both spellings for one name, the name passes through a temporary name
// in the same folder for a moment. Fails with kAlreadyExists when another file holds the
// new spelling.
EError ChangeNameCase(std::string_view from, std::string_view to);

}  // namespace platform
