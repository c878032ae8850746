// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
//
// Compiled as if it were part of the rules: it must not build, because only the platform
// layer may see Qt.
#include "rules/Filter.h"

#include <QString>

QString LayerProbe() {
  return QString();
}
