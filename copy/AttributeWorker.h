// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

// Gives copied files the attributes that a new file does not have by itself (read-only,
// hidden, system, a cleared archive mark) on a thread of its own, while the copy goes on
// with the next file. Everything handed over is done by Finish().
class CAttributeWorker {
 public:
  CAttributeWorker();
  ~CAttributeWorker();  // finishes what it holds
  CAttributeWorker(const CAttributeWorker&) = delete;
  CAttributeWorker& operator=(const CAttributeWorker&) = delete;

  // A file just copied to `destination`, and the attributes it is to have.
  void Add(std::string destination, uint32_t attributes);
  // Waits until every file handed over has its attributes.
  void Finish();

 private:
  void Work();

  static constexpr size_t kHeld = 256;
  static constexpr size_t kWakeAt = 32;

  std::mutex m_mutex;
  std::condition_variable m_changed;
  std::deque<std::pair<std::string, uint32_t>> m_files;
  size_t m_busy = 0;
  bool m_finishing = false;
  bool m_ending = false;
  std::thread m_thread;
};
