// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/MessageBatcher.h"

#include "platform/System.h"

void CMessageBatcher::Restart(CMessageTarget* target) {
  m_target = target;
  m_delivered = false;
  m_held.clear();
}

void CMessageBatcher::Post(CMessage message) {
  if (m_target == nullptr) {
    return;
  }
  m_held.push_back(std::move(message));
  if (!m_delivered || m_target->WantsEachPost() || m_held.size() >= m_countLimit ||
      platform::GetTickCountMs() - m_lastDelivery >= m_intervalMs) {
    Deliver();
  }
}

int64_t CMessageBatcher::Send(CMessage message) {
  if (m_target == nullptr) {
    return 0;
  }
  Deliver();
  return m_target->Send(std::move(message));
}

void CMessageBatcher::Deliver() {
  m_lastDelivery = platform::GetTickCountMs();
  m_delivered = true;
  if (m_held.empty() || m_target == nullptr) {
    return;
  }
  std::vector<CMessage> messages;
  messages.swap(m_held);
  m_target->PostAll(std::move(messages));
}
