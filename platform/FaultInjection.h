// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <memory>
#include <optional>
#include <string_view>

#include "platform/Types.h"

// Faults injected into platform calls, so that tests can make a call fail that a real file
// system fails only rarely. Only tests arm them; the program itself never does.
namespace platform::testing {

// The calls that can be made to fail, and the path each is matched by.
// MoveFile: the new name; the call fails with the fault's error and moves nothing.
inline constexpr std::string_view kMoveFile = "MoveFile";
// KernelCopy: a file opened at that path; every kernel copy out of that open file then copies
// nothing, as some file systems do while data remain (the error is not used).
inline constexpr std::string_view kKernelCopy = "KernelCopy";

// Makes the next `times` calls of `call` for `path` (a Windows-form path; case ignored) fail
// with `error`, for as long as the object lives.
class CInjectedFault {
 public:
  CInjectedFault(std::string_view call, std::string_view path, EError error, int times = 1);
  ~CInjectedFault();
  CInjectedFault(const CInjectedFault&) = delete;
  CInjectedFault& operator=(const CInjectedFault&) = delete;

  // How many calls it has failed so far.
  int Hits() const;

  struct SRecord;  // the armed fault, as the platform calls find it

 private:
  std::shared_ptr<SRecord> m_record;
};

}  // namespace platform::testing
