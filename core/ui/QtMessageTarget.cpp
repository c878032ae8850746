// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/ui/QtMessageTarget.h"

CQtMessageTarget::CQtMessageTarget(Handler handler, QObject* parent)
    : QObject(parent),
      m_handler(std::move(handler)),
      m_calls(this),
      m_open(std::make_shared<bool>(true)) {}

CQtMessageTarget::~CQtMessageTarget() {
  Close();
}

void CQtMessageTarget::Close() {
  *m_open = false;
  m_calls.Close();
}

bool CQtMessageTarget::IsClosed() const {
  return !*m_open;
}

void CQtMessageTarget::Post(CMessage message) {
  std::vector<CMessage> one;
  one.push_back(std::move(message));
  PostAll(std::move(one));
}

void CQtMessageTarget::PostAll(std::vector<CMessage> messages) {
  if (messages.empty()) {
    return;
  }
  if (m_postObserver) {
    for (const CMessage& message : messages) {
      m_postObserver(message);
    }
  }
  // Queued calls to this object are dropped by Qt once it is destroyed; a closed target
  // drops them itself.
  QMetaObject::invokeMethod(
      this,
      [this, open = m_open, batch = std::make_shared<std::vector<CMessage>>(std::move(messages))] {
        if (*open) {
          Deliver(*batch);
        }
      },
      Qt::QueuedConnection);
}

int64_t CQtMessageTarget::Send(CMessage message) {
  auto held = std::make_shared<CMessage>(std::move(message));
  return m_calls.Call(
      [this, held, open = m_open]() -> int64_t {
        return *open && m_handler ? m_handler(*held) : 0;
      },
      0);
}

void CQtMessageTarget::Deliver(std::vector<CMessage>& messages) {
  ++m_deliveries;
  for (CMessage& message : messages) {
    if (!*m_open) {
      return;  // the handler closed the target part way
    }
    if (m_handler) {
      m_handler(message);
    }
  }
}
