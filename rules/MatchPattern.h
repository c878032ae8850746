// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <string_view>

// Whether a name matches a pattern: "*" stands for any run of characters, "?" for exactly
// one, every other character for itself without regard to case. "*.*" and "*" match every
// name and "*." every name without a dot. The pattern's pieces between asterisks are found
// leftmost, without backtracking.
//
// With `allowTypos` each piece also matches a part of the name that differs from it by
// scattered typing errors (a swapped, extra, missing or substituted character), as long as
// two errors in one piece lie more than the program-wide typo separation apart.
//
// Works on the two texts in place and allocates nothing.
bool MatchPattern(std::string_view pattern, std::string_view name, bool allowTypos);

// The same with an explicit typo separation (1..9).
bool MatchPattern(std::string_view pattern, std::string_view name, bool allowTypos, int separation);
