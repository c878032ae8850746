// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// Threads that copy files for the copy job while its own thread plans and finishes the
// items in list order. Each thread has a buffer of its own for copies that cannot be left
// to the kernel. A task that throws is a fault of the task: it must catch what it expects.
class CCopyWorkers {
 public:
  using Task = std::function<void(char* buffer, size_t bufferSize)>;

  CCopyWorkers(size_t count, size_t bufferSize);
  // Runs what was given, then ends the threads.
  ~CCopyWorkers();
  CCopyWorkers(const CCopyWorkers&) = delete;
  CCopyWorkers& operator=(const CCopyWorkers&) = delete;

  void Submit(Task task);
  size_t Count() const { return m_threads.size(); }

  // The number of workers that suits this machine: one per processor, at least two and at
  // most eight (beyond that the file system's own locks leave little to gain).
  static size_t ForThisMachine();

 private:
  void Work(char* buffer);

  size_t m_bufferSize;
  std::vector<std::unique_ptr<char[]>> m_buffers;
  std::mutex m_mutex;
  std::condition_variable m_changed;
  std::deque<Task> m_tasks;
  bool m_ending = false;
  std::vector<std::thread> m_threads;
};
