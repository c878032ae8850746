// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/TypoSeparation.h"

#include <atomic>

namespace {

// Workers read it while the window thread may change it.
std::atomic<int> g_typoSeparation{3};

}  // namespace

void SetTypoSeparation(int separation) {
  g_typoSeparation.store(separation);
}

int TypoSeparation() {
  return g_typoSeparation.load();
}
