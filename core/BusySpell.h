// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <functional>

// Tells the window that a walk on its thread goes on for as long as this object lives:
// `busy(true)` now and `busy(false)` at the end, however the walk ends. An empty function
// is never called.
class CBusySpell {
 public:
  explicit CBusySpell(const std::function<void(bool)>& busy) : m_busy(busy) {
    if (m_busy) {
      m_busy(true);
    }
  }
  ~CBusySpell() {
    if (m_busy) {
      m_busy(false);
    }
  }
  CBusySpell(const CBusySpell&) = delete;
  CBusySpell& operator=(const CBusySpell&) = delete;

 private:
  const std::function<void(bool)>& m_busy;
};
