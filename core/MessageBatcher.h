// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <vector>

#include "core/Message.h"

// Collects a worker's posts and hands them on in deliveries a few times a second, in order,
// so that a copy of many small files does not wake the window for every step of every file.
// Used on the worker's own thread only.
class CMessageBatcher : public CMessageTarget {
 public:
  explicit CMessageBatcher(CMessageTarget* target = nullptr, uint64_t intervalMs = 50)
      : m_target(target), m_intervalMs(intervalMs) {}

  void SetTarget(CMessageTarget* target) { m_target = target; }
  CMessageTarget* Target() const { return m_target; }

  void Post(CMessage message) override;
  // Whatever waits for an answer first sees everything posted before it.
  int64_t Send(CMessage message) override;
  // Hands on what is held now.
  void Deliver();

 private:
  CMessageTarget* m_target;
  uint64_t m_intervalMs;
  uint64_t m_lastDelivery = 0;
  std::vector<CMessage> m_held;
};
