// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "core/Message.h"
#include "core/ui/WindowThreadCall.h"

// The window thread's side of the workers' reports. Workers post from their threads; each
// delivery (one message, or one batch of them) becomes one queued call that hands the
// messages to the handler on the window thread, in order. A worker's Send waits for the
// handler's answer; from the window thread itself it calls the handler at once.
//
// Closing (or destroying) the target answers every waiting and later Send with 0, the
// declining answer, and drops what is still queued: a window that goes away never leaves a
// worker waiting.
class CQtMessageTarget : public QObject, public CMessageTarget {
  Q_OBJECT

 public:
  // Handles one message on the window thread; its result answers a sent message.
  using Handler = std::function<int64_t(CMessage& message)>;

  explicit CQtMessageTarget(Handler handler, QObject* parent = nullptr);
  ~CQtMessageTarget() override;

  // Worker threads:
  void Post(CMessage message) override;
  void PostAll(std::vector<CMessage> messages) override;
  int64_t Send(CMessage message) override;
  bool WantsEachPost() const override { return static_cast<bool>(m_postObserver); }

  // For tests that act on a worker at an exact step: `observer` sees each message on the
  // posting thread as it is posted, before it is queued; while one is set, workers post each
  // message at once. Set it while no worker runs.
  using PostObserver = std::function<void(const CMessage& message)>;
  void SetPostObserver(PostObserver observer) { m_postObserver = std::move(observer); }

  // Window thread: refuses everything from now on and releases waiting senders.
  void Close();
  bool IsClosed() const;
  // How many workers wait in Send now.
  size_t WaitingSenders() const { return m_calls.Waiting(); }
  // How many deliveries have reached the handler (for tests and diagnostics).
  uint64_t Deliveries() const { return m_deliveries; }

 private:
  void Deliver(std::vector<CMessage>& messages);

  Handler m_handler;
  PostObserver m_postObserver;
  CWindowThreadCalls m_calls;
  std::shared_ptr<bool> m_open;  // read by queued deliveries on the window thread
  uint64_t m_deliveries = 0;
};
