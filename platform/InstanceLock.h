// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace platform {

// A named lock held for the life of this object, shared by all processes of the user
// session: a lock file in the user's runtime folder, or in a private folder of the user's in
// the temporary folder. A lock left by a process that has died is taken over. Without a
// folder that only this user can write to, no lock is taken (kFailed).
class CInstanceLock {
 public:
  CInstanceLock();
  ~CInstanceLock();
  CInstanceLock(const CInstanceLock&) = delete;
  CInstanceLock& operator=(const CInstanceLock&) = delete;

  enum class EResult { kAcquired, kHeldElsewhere, kFailed };
  // Tries to take the lock of the name. Only one name per object.
  EResult TryAcquire(std::string_view name);
  bool IsHeld() const;
  // The lock file used for a name; empty when there is no safe folder for it.
  static std::string LockFilePath(std::string_view name);

 private:
  struct SImpl;
  std::unique_ptr<SImpl> m_impl;
};

}  // namespace platform
