// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "rules/TimeCompare.h"

int STimeCompare::Compare(int64_t sourceTime, int64_t destinationTime) const {
  const int64_t d = sourceTime - destinationTime;
  const auto within = [this](int64_t value) { return -tolerance <= value && value <= tolerance; };
  if (hourDiff && (within(d - kOneHour) || within(d + kOneHour))) {
    return 0;
  }
  if (d > tolerance) {
    return 1;
  }
  if (d >= -tolerance) {
    return 0;
  }
  return -1;
}

bool OverwriteAllowed(int32_t overwriteMode, int comparison) {
  switch (overwriteMode) {
    case 0:
      return true;
    case 1:
      return comparison == 1;
    case 2:
      return comparison == -1;
    case 3:
      return comparison != 0;
    default:
      return false;
  }
}
