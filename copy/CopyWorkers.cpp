// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "copy/CopyWorkers.h"

#include <algorithm>

#include "platform/DebugMessages.h"

CCopyWorkers::CCopyWorkers(size_t count, size_t bufferSize) : m_bufferSize(bufferSize) {
  count = std::max<size_t>(count, 1);
  // Left uninitialised: most copies never touch the buffer, as the kernel copies the data.
  for (size_t i = 0; i < count; ++i) {
    m_buffers.push_back(std::unique_ptr<char[]>(new char[m_bufferSize]));
  }
  try {
    for (size_t i = 0; i < count; ++i) {
      char* buffer = m_buffers[i].get();
      m_threads.emplace_back([this, buffer] { Work(buffer); });
    }
  } catch (...) {
    // Fewer threads than asked for still copy everything; none at all cannot.
    if (m_threads.empty()) {
      throw;
    }
  }
}

CCopyWorkers::~CCopyWorkers() {
  {
    std::lock_guard lock(m_mutex);
    m_ending = true;
  }
  m_changed.notify_all();
  for (std::thread& thread : m_threads) {
    thread.join();
  }
}

size_t CCopyWorkers::ForThisMachine() {
  const size_t processors = std::thread::hardware_concurrency();
  return std::clamp<size_t>(processors, 2, 8);
}

void CCopyWorkers::Submit(Task task) {
  {
    std::lock_guard lock(m_mutex);
    m_tasks.push_back(std::move(task));
  }
  m_changed.notify_one();
}

void CCopyWorkers::Work(char* buffer) {
  std::unique_lock lock(m_mutex);
  while (true) {
    m_changed.wait(lock, [this] { return !m_tasks.empty() || m_ending; });
    if (m_tasks.empty()) {
      return;  // ending, with nothing left to do
    }
    Task task = std::move(m_tasks.front());
    m_tasks.pop_front();
    lock.unlock();
    try {
      task(buffer, m_bufferSize);
    } catch (...) {
      // An exception escaping a thread would end the whole program.
      AddDebugMessage("A copy worker's task failed.");
    }
    lock.lock();
  }
}
