// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>

#include "core/Message.h"

// A plain message queue: workers post and send from their threads, and the owning thread
// (a test or the command-line runner) takes the messages off and handles them.
class CMessageQueue : public CMessageTarget {
 public:
  // Handles one message on the owning thread; the result answers a sent message.
  using Handler = std::function<int64_t(CMessage& message)>;

  CMessageQueue() = default;
  ~CMessageQueue() override;  // answers any waiting sender with 0

  void Post(CMessage message) override;
  void PostAll(std::vector<CMessage> messages) override;
  int64_t Send(CMessage message) override;

  // Waits up to `timeout` for one message and handles it; false when none came. When the
  // handler throws, a waiting sender gets 0 and the exception goes on to the caller.
  bool DispatchOne(const Handler& handler, std::chrono::milliseconds timeout);
  // Handles messages until `done` holds after one of them, or the timeout passes; false on
  // timeout.
  bool DispatchUntil(const Handler& handler, const std::function<bool(const CMessage&)>& done,
                     std::chrono::milliseconds timeout);
  size_t Pending() const;

 private:
  struct SEntry {
    CMessage message;
    std::promise<int64_t>* answer = nullptr;  // set for a sent message
  };

  mutable std::mutex m_mutex;
  std::condition_variable m_arrived;
  std::deque<SEntry> m_entries;
};
