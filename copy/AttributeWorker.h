// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

class CFilter;

// Gives copied files their attributes (and clears their sources' archive marks) on a thread
// of its own, while the copy goes on with the next file: for many small files this
// bookkeeping costs as much as the copying. Everything handed over is done by Finish().
class CAttributeWorker {
 public:
  explicit CAttributeWorker(const CFilter& filter);
  ~CAttributeWorker();  // finishes what it holds
  CAttributeWorker(const CAttributeWorker&) = delete;
  CAttributeWorker& operator=(const CAttributeWorker&) = delete;

  // A file just copied from `source` to `destination` (a new file there).
  void Add(std::string source, std::string destination);
  // Waits until every file handed over has its attributes.
  void Finish();

 private:
  void Work();

  static constexpr size_t kHeld = 256;
  static constexpr size_t kWakeAt = 32;

  const CFilter& m_filter;
  std::mutex m_mutex;
  std::condition_variable m_changed;
  std::deque<std::pair<std::string, std::string>> m_files;
  size_t m_busy = 0;
  bool m_finishing = false;
  bool m_ending = false;
  std::thread m_thread;
};
