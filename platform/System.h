// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>

namespace platform {

// Physical memory available to programs now, in bytes.
uint64_t GetAvailablePhysicalMemory();
// A monotonic clock in milliseconds.
uint64_t GetTickCountMs();

// How many files the program may hold open at once.
uint64_t OpenFilesAllowed();

// Whether files carry security information (owner, group, access list) that can be copied.
bool PlatformHasFileSecurity();

}  // namespace platform
