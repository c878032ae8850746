// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "tests/support/AllocationHook.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

// How many threads are armed: while none is, an allocation looks no further.
std::atomic<int> g_armedThreads{0};
std::atomic<long> g_failed{0};

// Plain values only, so that reading them needs no initialisation of thread storage.
thread_local int t_failuresLeft = 0;
thread_local size_t t_minBytes = 0;

void Disarm() {
  if (t_failuresLeft > 0) {
    t_failuresLeft = 0;
    g_armedThreads.fetch_sub(1, std::memory_order_relaxed);
  }
}

bool ShouldFail(size_t size) {
  if (g_armedThreads.load(std::memory_order_relaxed) == 0 || t_failuresLeft == 0 ||
      size < t_minBytes) {
    return false;
  }
  if (--t_failuresLeft == 0) {
    g_armedThreads.fetch_sub(1, std::memory_order_relaxed);
  }
  g_failed.fetch_add(1, std::memory_order_relaxed);
  return true;
}

void* Allocate(size_t size) {
  if (ShouldFail(size)) {
    throw std::bad_alloc();
  }
  if (void* block = std::malloc(size == 0 ? 1 : size)) {
    return block;
  }
  throw std::bad_alloc();
}

void* AllocateOrNull(size_t size) noexcept {
  if (ShouldFail(size)) {
    return nullptr;
  }
  return std::malloc(size == 0 ? 1 : size);
}

}  // namespace

namespace testing_support {

void FailAllocations(int count, size_t minBytes) {
  Disarm();
  if (count <= 0) {
    return;
  }
  t_minBytes = minBytes;
  t_failuresLeft = count;
  g_armedThreads.fetch_add(1, std::memory_order_relaxed);
}

void StopFailingAllocations() {
  Disarm();
}

long FailedAllocations() {
  return g_failed.load(std::memory_order_relaxed);
}

}  // namespace testing_support

// Every form that does not take an alignment, so that each block is freed by the function that
// matches its allocation (the sanitizer builds check that).
void* operator new(size_t size) {
  return Allocate(size);
}
void* operator new[](size_t size) {
  return Allocate(size);
}
void* operator new(size_t size, const std::nothrow_t&) noexcept {
  return AllocateOrNull(size);
}
void* operator new[](size_t size, const std::nothrow_t&) noexcept {
  return AllocateOrNull(size);
}
void operator delete(void* block) noexcept {
  std::free(block);
}
void operator delete[](void* block) noexcept {
  std::free(block);
}
void operator delete(void* block, size_t) noexcept {
  std::free(block);
}
void operator delete[](void* block, size_t) noexcept {
  std::free(block);
}
void operator delete(void* block, const std::nothrow_t&) noexcept {
  std::free(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
  std::free(block);
}
