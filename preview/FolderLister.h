// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include "platform/FileFind.h"

class CFileSearch;
class CFilter;

// One source folder of the walk, listed.
struct SListedFolder {
  std::string path;   // ends in a backslash
  int32_t state = 0;  // the folder's state in the walk
  std::vector<platform::SFindData> entries;
  bool complete = true;  // false when a stop cut the listing short
  bool listed = true;    // false when the folder could not be listed at all
};

// Walks the source tree ahead of the preview's decisions: it lists each folder and decides
// which subfolders the walk enters, so that reading the file system and deciding files
// overlap. Reading a folder costs a status call per entry, so the subfolders just found are
// read ahead by a second thread while the walk goes on. Folders come out in the walk's
// order; only a bounded number are held at any time.
class CFolderLister {
 public:
  // `checkPoint` is called between entries (it may wait while the job is suspended) and
  // returns true when the walk is to stop.
  CFolderLister(CFileSearch& search, const CFilter& filter, std::function<bool()> checkPoint);
  ~CFolderLister();  // stops the walk and waits for the threads
  CFolderLister(const CFolderLister&) = delete;
  CFolderLister& operator=(const CFolderLister&) = delete;

  // The next folder in walk order; nothing when the walk is over. Throws std::bad_alloc when
  // the walk ran out of memory.
  std::optional<SListedFolder> Next();

 private:
  enum class ESlot { kQueued, kListing, kReady, kFailed };  // failed: the walk lists it
  struct SSlot {
    ESlot state = ESlot::kQueued;
    SListedFolder folder;
  };

  void Walk();
  void ReadAhead();
  SListedFolder Take(const std::string& path);
  void List(const std::string& path, SListedFolder& folder);
  bool Push(SListedFolder folder);

  static constexpr size_t kAhead = 16;      // listed folders waiting for the decisions
  static constexpr size_t kReadAhead = 64;  // folders read ahead of the walk

  CFileSearch& m_search;
  const CFilter& m_filter;
  std::function<bool()> m_checkPoint;
  std::mutex m_mutex;
  // Each waits for one thing only, so that a change wakes only the thread it concerns.
  std::condition_variable m_readyChanged;   // m_ready, m_done (the decisions and the walk)
  std::condition_variable m_toReadChanged;  // m_toRead (the reader)
  std::condition_variable m_slotDone;       // a slot became ready (the walk)
  std::deque<SListedFolder> m_ready;
  std::deque<std::string> m_toRead;
  std::unordered_map<std::string, std::shared_ptr<SSlot>> m_slots;
  bool m_done = false;
  bool m_cancelled = false;
  bool m_outOfMemory = false;
  std::thread m_reader;
  std::thread m_walker;
};
