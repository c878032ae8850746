// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/Types.h"

// Clears the archive marks of copied source files, but only once their copies are on the
// disk: a mark cleared earlier could outlive a copy lost in a crash, and the next run, which
// takes only archive-marked files, would pass the file by. The marks are collected and, in
// batches, cleared on a thread of their own after the destination's file system has been
// synced, so that neither the syncing nor the clearing holds up the copy. Each mark is
// cleared as of the time and size the file had when it was copied, so a file written since
// keeps its mark.
class CArchiveMarks {
 public:
  // `destination` names a folder of the file system that holds the copies.
  explicit CArchiveMarks(std::string destination, size_t batch = kBatch);
  // Clears nothing more; waits for a batch in progress.
  ~CArchiveMarks();
  CArchiveMarks(const CArchiveMarks&) = delete;
  CArchiveMarks& operator=(const CArchiveMarks&) = delete;

  // A source file whose copy is in place, with the last-write time and size it was copied at.
  void Add(std::string source, platform::FileTime lastWrite, uint64_t size);
  // The copy's closing sync is done: `synced` when everything it wrote is on the disk. Clears
  // the marks still held (only when synced) and returns once all are done.
  void Finish(bool synced);

  static constexpr size_t kBatch = 8192;

 private:
  struct SMark {
    std::string path;
    platform::FileTime lastWrite;
    uint64_t size;
  };
  void Work();
  static void Clear(const std::vector<SMark>& marks);

  std::string m_destination;
  size_t m_batch;
  std::mutex m_mutex;
  std::condition_variable m_changed;
  std::vector<SMark> m_marks;
  bool m_busy = false;
  bool m_failed = false;  // a sync failed: nothing more is cleared
  bool m_ending = false;
  std::thread m_thread;
};
