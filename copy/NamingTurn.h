// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

// Lets whichever thread completes a new file give it its name, but only in list order: an
// item is named once every item before it is named or finished otherwise. The workers then
// make their folder entries themselves, one at a time, while what stands in the destination
// is always the list up to one point, as when one thread did it all.
//
// The job's thread numbers the items as they go under way (`Add`). A worker whose file is
// complete says so (`Ready`); an item that is not named this way is finished by the job's
// thread, which then lets the turn move on (`Pass`). The namer runs under the turn's lock,
// on whichever thread moves the turn past the item. A worker never waits for that lock:
// whoever holds it names what is ready, and the job's thread settles each item before it
// finishes it, so nothing ready is left unnamed.
template <class Item>
class CNamingTurn {
 public:
  // Names the item, or fails to; false: not now (the run is stopping), the turn stays at it.
  using Namer = std::function<bool(Item&)>;

  // For a run with at most `capacity` items under way at once.
  void Start(size_t capacity, Namer namer) {
    std::lock_guard lock(m_mutex);
    m_slots = std::make_unique<SSlot[]>(capacity);
    m_capacity = capacity;
    m_namer = std::move(namer);
    m_next = 0;
    m_added = 0;
    m_closed = false;
  }

  // The item goes under way after all that were added before it; returns its number. The
  // job's thread adds; it hands the number on to a worker only afterwards.
  uint64_t Add(Item* item) {
    std::lock_guard lock(m_mutex);
    SSlot& slot = m_slots[m_added % m_capacity];
    slot.item = item;
    slot.state.store(EState::kBusy, std::memory_order_relaxed);
    slot.number.store(m_added, std::memory_order_release);
    return m_added++;
  }

  // Its file is complete: named in its turn, now if it is its turn and the turn is free.
  void Ready(uint64_t number) {
    m_slots[number % m_capacity].state.store(EState::kReady);
    while (true) {
      std::unique_lock lock(m_mutex, std::try_to_lock);
      if (!lock.owns_lock()) {
        return;  // the holder names it, or the job's thread settles it
      }
      const bool refused = !Advance();
      lock.unlock();
      // An item that became ready as the turn was being left may have found it taken.
      if (refused || !NextIsReady()) {
        return;
      }
    }
  }

  // Whatever happened to it, its turn is over once this returns, and what the namer wrote
  // is seen by the caller.
  void Settle(uint64_t number) {
    if (number < m_next.load(std::memory_order_acquire)) {
      return;
    }
    std::lock_guard lock(m_mutex);
    Advance();
  }

  // Finished without being named in turn (or named already): the items after it may be named.
  void Pass(uint64_t number) {
    if (number < m_next.load(std::memory_order_acquire)) {
      return;
    }
    std::lock_guard lock(m_mutex);
    if (SSlot* slot = Find(number)) {
      slot->state.store(EState::kPassed);
      Advance();
    }
  }

  // Nothing more is named, from the moment this returns until Reopen; what was named stays.
  void Close() {
    std::lock_guard lock(m_mutex);
    m_closed = true;
  }

  // Once nothing is under way: the next item added is the first in turn.
  void Reopen() {
    std::lock_guard lock(m_mutex);
    m_next.store(m_added, std::memory_order_release);
    m_closed = false;
  }

 private:
  enum class EState : uint8_t { kBusy, kReady, kPassed };
  struct SSlot {
    Item* item = nullptr;
    std::atomic<uint64_t> number{UINT64_MAX};
    std::atomic<EState> state{EState::kBusy};
  };

  // Only items whose turn has not passed are held; the others may be gone.
  SSlot* Find(uint64_t number) {
    if (number < m_next.load(std::memory_order_relaxed) || number >= m_added) {
      return nullptr;
    }
    SSlot& slot = m_slots[number % m_capacity];
    return slot.number.load(std::memory_order_acquire) == number ? &slot : nullptr;
  }

  bool NextIsReady() {
    if (m_closed.load()) {
      return false;
    }
    const uint64_t next = m_next.load(std::memory_order_acquire);
    const SSlot& slot = m_slots[next % m_capacity];
    return slot.number.load(std::memory_order_acquire) == next &&
           slot.state.load() == EState::kReady;
  }

  // Under the lock. False when the namer refused the item whose turn it is.
  bool Advance() {
    while (!m_closed.load(std::memory_order_relaxed)) {
      const uint64_t next = m_next.load(std::memory_order_relaxed);
      SSlot* slot = Find(next);
      if (slot == nullptr) {
        return true;
      }
      const EState state = slot->state.load();
      if (state == EState::kBusy) {
        return true;
      }
      if (state == EState::kReady && !m_namer(*slot->item)) {
        return false;
      }
      m_next.store(next + 1, std::memory_order_release);
    }
    return true;
  }

  std::mutex m_mutex;
  std::unique_ptr<SSlot[]> m_slots;
  size_t m_capacity = 0;
  Namer m_namer;
  std::atomic<uint64_t> m_next{0};    // the item whose turn it is; changed under the lock
  uint64_t m_added = 0;               // the number the next item gets; the job's thread's
  std::atomic<bool> m_closed{false};  // changed under the lock
};
