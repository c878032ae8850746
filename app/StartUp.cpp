// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/StartUp.h"

CSingleInstance::CSingleInstance(std::string name) : m_name(std::move(name)) {}

bool CSingleInstance::IsAlreadyRunning(bool /*useMutex*/) {
  // Failing to make the lock at all (no runtime folder) must not keep the user from
  // working: only a lock held by another process counts.
  return m_lock.TryAcquire(m_name) == platform::CInstanceLock::EResult::kHeldElsewhere;
}
