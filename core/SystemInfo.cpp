// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/SystemInfo.h"

#include "platform/System.h"

bool OsIsXpOrLater() {
  return true;
}

bool OsHasFileSecurity() {
  return OsIsXpOrLater() && platform::PlatformHasFileSecurity();
}
