// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "copy/AttributeWorker.h"

#include "platform/FileInfo.h"

CAttributeWorker::CAttributeWorker() {
  m_thread = std::thread([this] { Work(); });
}

CAttributeWorker::~CAttributeWorker() {
  {
    std::lock_guard lock(m_mutex);
    m_ending = true;
  }
  m_changed.notify_all();
  m_thread.join();
}

void CAttributeWorker::Add(std::string destination, uint32_t attributes) {
  std::unique_lock lock(m_mutex);
  m_changed.wait(lock, [this] { return m_files.size() < kHeld; });
  m_files.emplace_back(std::move(destination), attributes);
  // Woken for a handful at a time: waking the thread for every small file costs more than
  // the work it takes over.
  const bool wake = m_files.size() == kWakeAt;
  lock.unlock();
  if (wake) {
    m_changed.notify_all();
  }
}

void CAttributeWorker::Finish() {
  std::unique_lock lock(m_mutex);
  m_finishing = true;
  m_changed.notify_all();
  m_changed.wait(lock, [this] { return m_files.empty() && m_busy == 0; });
  m_finishing = false;
}

void CAttributeWorker::Work() {
  std::unique_lock lock(m_mutex);
  while (true) {
    m_changed.wait(lock, [this] {
      return m_files.size() >= kWakeAt || ((m_finishing || m_ending) && !m_files.empty()) ||
             m_ending;
    });
    if (m_files.empty()) {
      return;  // ending, with nothing left to do
    }
    // Take everything waiting at once, and work without the lock.
    std::deque<std::pair<std::string, uint32_t>> files;
    files.swap(m_files);
    m_busy = files.size();
    lock.unlock();
    m_changed.notify_all();  // Add() may be waiting for room
    for (const auto& [destination, attributes] : files) {
      platform::SetFileAttributes(destination, attributes);
    }
    lock.lock();
    m_busy = 0;
    if (m_files.empty()) {
      m_changed.notify_all();  // Finish() may be waiting
    }
  }
}
