// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QObject>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <set>

class QThread;

// Carries calls from worker threads to the window thread and lets the worker wait for the
// result; the window thread itself never waits for a worker. Once closed (the window that
// answers is going away), every call that waits and every later call returns its fallback
// at once, so a worker is never left waiting for an answer that cannot come.
//
// A call runs on the thread of `context`, in its event loop, and owns everything it uses (a
// worker released by Close may return before the call is run or while it runs). Destroying
// the context closes the calls too.
class CWindowThreadCalls {
 public:
  explicit CWindowThreadCalls(QObject* context);
  ~CWindowThreadCalls();  // closes
  CWindowThreadCalls(const CWindowThreadCalls&) = delete;
  CWindowThreadCalls& operator=(const CWindowThreadCalls&) = delete;

  // From any thread: runs `call` on the window thread and returns its result. On the window
  // thread it runs at once. After Close, or when the window thread is gone, `fallback`.
  int64_t Call(std::function<int64_t()> call, int64_t fallback);
  // From the window thread: releases every waiting worker with its fallback and refuses
  // further calls.
  void Close();
  bool IsClosed() const;
  // How many workers wait for an answer now.
  size_t Waiting() const;

 private:
  struct SPending {
    bool done = false;
    int64_t result = 0;
  };
  struct SShared {
    std::mutex mutex;
    std::condition_variable answered;
    bool closed = false;
    std::set<std::shared_ptr<SPending>> waiting;
  };

  static void CloseShared(SShared& shared);

  QObject* m_context;  // the window thread's object; outlived by this or closes it
  QThread* m_windowThread;
  std::shared_ptr<SShared> m_shared;
};
