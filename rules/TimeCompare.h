// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>

// Whether a source file counts as newer, older or as old as its destination copy. Times are
// file times (100 ns units). Copies between drives with other time keeping come out a few
// seconds or a whole hour off; the tolerance and the one-hour allowance keep such identical
// files from looking different.
constexpr int64_t kOneHour = 36000000000LL;

struct STimeCompare {
  int64_t tolerance = 0;  // inclusive, in 100 ns units
  bool hourDiff = false;

  // 1 = source newer, -1 = source older, 0 = the same within the tolerance.
  int Compare(int64_t sourceTime, int64_t destinationTime) const;
};

// Whether an existing destination file is overwritten, by the overwrite choice (always,
// newer, older, newer or older, never) and the comparison's result.
bool OverwriteAllowed(int32_t overwriteMode, int comparison);
