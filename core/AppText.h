// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

// Texts that many parts of the program share.
inline constexpr const char* kAppName = "Brevant";
inline constexpr const char* kOutOfMemoryText =
    "Out of memory.  Please close another program and try again.";
