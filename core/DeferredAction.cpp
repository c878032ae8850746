// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/DeferredAction.h"

#include <utility>

bool CDeferredAction::Request(bool runGoing, std::function<void()> action,
                              const std::function<void()>& stop) {
  if (!runGoing) {
    m_action = nullptr;
    if (action) {
      action();
    }
    return true;
  }
  m_action = std::move(action);
  if (stop) {
    stop();
  }
  return false;
}

void CDeferredAction::RunEnded() {
  // Taken out first: the action may start another run and request again.
  std::function<void()> action = std::exchange(m_action, nullptr);
  if (action) {
    action();
  }
}
