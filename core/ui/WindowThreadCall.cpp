// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/ui/WindowThreadCall.h"

#include <QThread>

CWindowThreadCalls::CWindowThreadCalls(QObject* context)
    : m_context(context),
      m_windowThread(context != nullptr ? context->thread() : nullptr),
      m_shared(std::make_shared<SShared>()) {
  // A context that goes first can answer nothing more.
  if (context != nullptr) {
    QObject::connect(context, &QObject::destroyed, [shared = m_shared] { CloseShared(*shared); });
  }
}

CWindowThreadCalls::~CWindowThreadCalls() {
  Close();
}

void CWindowThreadCalls::CloseShared(SShared& shared) {
  {
    std::lock_guard lock(shared.mutex);
    shared.closed = true;
    for (const auto& pending : shared.waiting) {
      pending->done = true;  // its result is still the fallback
    }
    shared.waiting.clear();
  }
  shared.answered.notify_all();
}

bool CWindowThreadCalls::IsClosed() const {
  std::lock_guard lock(m_shared->mutex);
  return m_shared->closed;
}

size_t CWindowThreadCalls::Waiting() const {
  std::lock_guard lock(m_shared->mutex);
  return m_shared->waiting.size();
}

void CWindowThreadCalls::Close() {
  CloseShared(*m_shared);
}

int64_t CWindowThreadCalls::Call(std::function<int64_t()> call, int64_t fallback) {
  if (m_context == nullptr) {
    return fallback;
  }
  if (QThread::currentThread() == m_windowThread) {
    return IsClosed() ? fallback : call();
  }
  auto pending = std::make_shared<SPending>();
  pending->result = fallback;
  std::unique_lock lock(m_shared->mutex);
  // The context is alive while it is not closed: its destruction closes first, under this
  // lock, so the call is posted to a living object (or not at all).
  if (m_shared->closed) {
    return fallback;
  }
  m_shared->waiting.insert(pending);
  // The queued call holds the shared state, not this object: it may run after Close, when
  // it must do nothing.
  const bool queued = QMetaObject::invokeMethod(
      m_context,
      [shared = m_shared, pending, call = std::move(call)] {
        {
          std::lock_guard inner(shared->mutex);
          if (shared->closed || pending->done) {
            return;
          }
        }
        const int64_t result = call();
        {
          std::lock_guard inner(shared->mutex);
          if (!pending->done) {
            pending->result = result;
            pending->done = true;
            shared->waiting.erase(pending);
          }
        }
        shared->answered.notify_all();
      },
      Qt::QueuedConnection);
  if (!queued) {
    m_shared->waiting.erase(pending);
    return fallback;
  }
  m_shared->answered.wait(lock, [&] { return pending->done; });
  return pending->result;
}
