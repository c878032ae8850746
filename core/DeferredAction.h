// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <functional>

// What a window does with a request that must not cut a run short (closing the window,
// switching to another profile) while a job runs: the window thread never waits for a job,
// so the request asks the run to stop and is carried out when the run's done message has
// arrived through the event loop.
class CDeferredAction {
 public:
  // Carries `action` out now when no run is going. Otherwise keeps it (a later request
  // replaces an earlier one), calls `stop` and returns false.
  bool Request(bool runGoing, std::function<void()> action, const std::function<void()>& stop);
  // The run's done message has been handled: a kept action is carried out now.
  void RunEnded();
  // Forgets a kept action (the user took the request back).
  void Cancel() { m_action = nullptr; }
  bool Pending() const { return static_cast<bool>(m_action); }

 private:
  std::function<void()> m_action;
};
