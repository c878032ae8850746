// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "copy/ArchiveMarks.h"

#include "platform/FileInfo.h"
#include "platform/FileOps.h"

CArchiveMarks::CArchiveMarks(std::string destination, size_t batch)
    : m_destination(std::move(destination)), m_batch(batch == 0 ? 1 : batch) {
  m_thread = std::thread([this] { Work(); });
}

CArchiveMarks::~CArchiveMarks() {
  {
    std::lock_guard lock(m_mutex);
    m_ending = true;
    m_marks.clear();
  }
  m_changed.notify_all();
  m_thread.join();
}

void CArchiveMarks::Add(std::string source, platform::FileTime lastWrite, uint64_t size) {
  bool wake = false;
  {
    std::lock_guard lock(m_mutex);
    if (m_failed) {
      return;
    }
    m_marks.push_back(SMark{std::move(source), lastWrite, size});
    wake = m_marks.size() >= m_batch && !m_busy;
  }
  if (wake) {
    m_changed.notify_all();
  }
}

void CArchiveMarks::Finish(bool synced) {
  std::vector<SMark> rest;
  {
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_busy; });
    rest.swap(m_marks);
    if (!synced) {
      m_failed = true;
    }
    if (m_failed) {
      return;
    }
  }
  Clear(rest);
}

void CArchiveMarks::Work() {
  std::unique_lock lock(m_mutex);
  while (true) {
    m_changed.wait(lock, [this] { return m_ending || (!m_failed && m_marks.size() >= m_batch); });
    if (m_ending) {
      return;
    }
    std::vector<SMark> batch;
    batch.swap(m_marks);
    m_busy = true;
    lock.unlock();
    // Everything copied so far goes to the disk first, these files' copies with it.
    const bool synced = platform::SyncFileSystem(m_destination) == platform::EError::kNone;
    if (synced) {
      Clear(batch);
    }
    lock.lock();
    m_busy = false;
    if (!synced) {
      // The copies may not be on the disk: their sources stay marked, and so do the rest,
      // which the closing sync (failing too) reports.
      m_failed = true;
      m_marks.clear();
    }
    m_changed.notify_all();
  }
}

void CArchiveMarks::Clear(const std::vector<SMark>& marks) {
  for (const SMark& mark : marks) {
    platform::ClearArchiveMark(mark.path, mark.lastWrite, mark.size);
  }
}
