// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <string>

#include "platform/InstanceLock.h"

inline constexpr const char* kInstanceGuardName = "Brevant-{AA161BBE-AD9F-44ce-BA3F-08F01F12F57D}";

// Makes sure that one copy of the program runs per user session. The guard holds its lock
// until it is destroyed.
class CSingleInstance {
 public:
  explicit CSingleInstance(std::string name = kInstanceGuardName);
  // True when another copy holds the guard. Both forms (a mutex or an event on Windows) take
  // the same lock here.
  bool IsAlreadyRunning(bool useMutex);

 private:
  std::string m_name;
  platform::CInstanceLock m_lock;
};
