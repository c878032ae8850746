// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/Message.h"

// Collects a worker's posts and hands them on in deliveries a few times a second, in order,
// so that a copy of many small files or a walk of many folders does not wake the window for
// every step. A delivery also goes out once `countLimit` messages are held, which bounds what
// one delivery makes the window do. Used on the worker's own thread only.
class CMessageBatcher : public CMessageTarget {
 public:
  static constexpr size_t kNoCountLimit = SIZE_MAX;

  explicit CMessageBatcher(CMessageTarget* target = nullptr, uint64_t intervalMs = 50,
                           size_t countLimit = kNoCountLimit)
      : m_target(target), m_intervalMs(intervalMs), m_countLimit(countLimit) {}

  void SetTarget(CMessageTarget* target) { m_target = target; }
  // Starts afresh for a new run: nothing held, and the next post goes out at once.
  void Restart(CMessageTarget* target);
  CMessageTarget* Target() const { return m_target; }

  void Post(CMessage message) override;
  // Whatever waits for an answer first sees everything posted before it.
  int64_t Send(CMessage message) override;
  // Hands on what is held now.
  void Deliver();
  size_t Held() const { return m_held.size(); }

 private:
  CMessageTarget* m_target;
  uint64_t m_intervalMs;
  size_t m_countLimit;
  uint64_t m_lastDelivery = 0;
  bool m_delivered = false;  // the first post of a run goes out at once
  std::vector<CMessage> m_held;
};
