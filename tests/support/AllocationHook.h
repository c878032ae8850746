// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstddef>

// Running out of memory on demand. A test program that links the allocation hook gets a
// global operator new that can be armed, per thread, to throw std::bad_alloc; unarmed it
// costs one relaxed atomic load per allocation.
namespace testing_support {

// Arms the calling thread: its next `count` allocations of at least `minBytes` bytes throw
// std::bad_alloc, and then it is disarmed again by itself.
void FailAllocations(int count, size_t minBytes = 0);
// Disarms the calling thread.
void StopFailingAllocations();
// How many allocations have been failed so far, on every thread.
long FailedAllocations();

// Arms the thread that makes it for as long as it lives.
class CFailingAllocations {
 public:
  explicit CFailingAllocations(int count, size_t minBytes = 0) { FailAllocations(count, minBytes); }
  ~CFailingAllocations() { StopFailingAllocations(); }
  CFailingAllocations(const CFailingAllocations&) = delete;
  CFailingAllocations& operator=(const CFailingAllocations&) = delete;
};

}  // namespace testing_support
