// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/MessageQueue.h"

CMessageQueue::~CMessageQueue() {
  std::lock_guard lock(m_mutex);
  for (SEntry& entry : m_entries) {
    if (entry.answer != nullptr) {
      entry.answer->set_value(0);
    }
  }
}

void CMessageQueue::Post(CMessage message) {
  {
    std::lock_guard lock(m_mutex);
    m_entries.push_back(SEntry{std::move(message), nullptr});
  }
  m_arrived.notify_all();
}

void CMessageQueue::PostAll(std::vector<CMessage> messages) {
  if (messages.empty()) {
    return;
  }
  {
    std::lock_guard lock(m_mutex);
    for (CMessage& message : messages) {
      m_entries.push_back(SEntry{std::move(message), nullptr});
    }
  }
  m_arrived.notify_all();
}

int64_t CMessageQueue::Send(CMessage message) {
  std::promise<int64_t> answer;
  std::future<int64_t> result = answer.get_future();
  {
    std::lock_guard lock(m_mutex);
    m_entries.push_back(SEntry{std::move(message), &answer});
  }
  m_arrived.notify_all();
  return result.get();
}

bool CMessageQueue::DispatchOne(const Handler& handler, std::chrono::milliseconds timeout) {
  SEntry entry;
  {
    std::unique_lock lock(m_mutex);
    if (!m_arrived.wait_for(lock, timeout, [this] { return !m_entries.empty(); })) {
      return false;
    }
    entry = std::move(m_entries.front());
    m_entries.pop_front();
  }
  int64_t result = 0;
  try {
    result = handler ? handler(entry.message) : 0;
  } catch (...) {
    // The sender must not wait for ever for an answer that will never come.
    if (entry.answer != nullptr) {
      entry.answer->set_value(0);
    }
    throw;
  }
  if (entry.answer != nullptr) {
    entry.answer->set_value(result);
  }
  return true;
}

bool CMessageQueue::DispatchUntil(const Handler& handler,
                                  const std::function<bool(const CMessage&)>& done,
                                  std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (true) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      return false;
    }
    CMessage seen;
    const bool got = DispatchOne(
        [&](CMessage& message) {
          const int64_t result = handler ? handler(message) : 0;
          seen = message;
          return result;
        },
        left);
    if (got && done(seen)) {
      return true;
    }
  }
}

size_t CMessageQueue::Pending() const {
  std::lock_guard lock(m_mutex);
  return m_entries.size();
}
