// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "preview/FolderLister.h"

#include <new>

#include "platform/DebugMessages.h"
#include "preview/FolderTree.h"
#include "rules/Filter.h"

CFolderLister::CFolderLister(CFileSearch& search, const CFilter& filter,
                             std::function<bool()> checkPoint)
    : m_search(search), m_filter(filter), m_checkPoint(std::move(checkPoint)) {
  m_reader = std::thread([this] { ReadAhead(); });
  m_walker = std::thread([this] { Walk(); });
}

CFolderLister::~CFolderLister() {
  {
    std::lock_guard lock(m_mutex);
    m_cancelled = true;
  }
  m_readyChanged.notify_all();
  m_toReadChanged.notify_all();
  m_slotDone.notify_all();
  m_walker.join();
  m_reader.join();
}

std::optional<SListedFolder> CFolderLister::Next() {
  std::unique_lock lock(m_mutex);
  m_readyChanged.wait(lock, [this] { return !m_ready.empty() || m_done; });
  if (m_ready.empty()) {
    if (m_outOfMemory) {
      throw std::bad_alloc();
    }
    return std::nullopt;
  }
  const bool wasFull = m_ready.size() >= kAhead;
  SListedFolder folder = std::move(m_ready.front());
  m_ready.pop_front();
  lock.unlock();
  if (wasFull) {
    m_readyChanged.notify_all();  // the walk may be waiting for room
  }
  return folder;
}

bool CFolderLister::Push(SListedFolder folder) {
  std::unique_lock lock(m_mutex);
  m_readyChanged.wait(lock, [this] { return m_ready.size() < kAhead || m_cancelled; });
  if (m_cancelled) {
    return false;
  }
  const bool wasEmpty = m_ready.empty();
  m_ready.push_back(std::move(folder));
  lock.unlock();
  if (wasEmpty) {
    m_readyChanged.notify_all();  // the decisions may be waiting for a folder
  }
  return true;
}

void CFolderLister::List(const std::string& path, SListedFolder& folder) {
  folder.path = path;
  platform::CFindFile finder;
  if (!finder.FindFirst(path + "*.*")) {
    // A listable folder always shows its dot entries: this one could not be read.
    folder.listed = false;
    return;
  }
  do {
    if (m_checkPoint()) {
      folder.complete = false;
      break;
    }
    if (!finder.IsDots()) {
      folder.entries.push_back(finder.Data());
    }
  } while (finder.FindNext());
}

void CFolderLister::ReadAhead() {
  std::shared_ptr<SSlot> slot;  // the one being listed, if any
  try {
    while (true) {
      slot.reset();
      std::string path;
      {
        std::unique_lock lock(m_mutex);
        m_toReadChanged.wait(lock, [this] { return !m_toRead.empty() || m_cancelled || m_done; });
        if (m_cancelled || (m_done && m_toRead.empty())) {
          return;
        }
        path = std::move(m_toRead.front());
        m_toRead.pop_front();
        const auto found = m_slots.find(path);
        if (found == m_slots.end() || found->second->state != ESlot::kQueued) {
          continue;  // the walk took it itself
        }
        slot = found->second;
        slot->state = ESlot::kListing;
      }
      SListedFolder folder;
      List(path, folder);
      {
        std::lock_guard lock(m_mutex);
        slot->folder = std::move(folder);
        slot->state = ESlot::kReady;
      }
      m_slotDone.notify_all();
    }
  } catch (const std::bad_alloc&) {
    // The walk lists for itself what is not read ahead, the folder under way included.
    {
      std::lock_guard lock(m_mutex);
      if (slot && slot->state == ESlot::kListing) {
        slot->state = ESlot::kFailed;
      }
    }
    m_slotDone.notify_all();
  }
}

SListedFolder CFolderLister::Take(const std::string& path) {
  std::shared_ptr<SSlot> slot;
  std::unique_lock lock(m_mutex);
  const auto found = m_slots.find(path);
  if (found == m_slots.end() || found->second->state == ESlot::kQueued) {
    if (found != m_slots.end()) {
      m_slots.erase(found);  // not begun: the walk reads it now rather than wait its turn
    }
    lock.unlock();
    SListedFolder folder;
    List(path, folder);
    return folder;
  }
  slot = found->second;
  m_slots.erase(found);
  const auto settled = [&] {
    return slot->state == ESlot::kReady || slot->state == ESlot::kFailed;
  };
  // The reader is on it: rather than wait, read folders further ahead meanwhile.
  while (!settled() && !m_cancelled) {
    std::shared_ptr<SSlot> other;
    std::string otherPath;
    while (!m_toRead.empty() && !other) {
      otherPath = std::move(m_toRead.front());
      m_toRead.pop_front();
      const auto queued = m_slots.find(otherPath);
      if (queued != m_slots.end() && queued->second->state == ESlot::kQueued) {
        other = queued->second;
        other->state = ESlot::kListing;
      }
    }
    if (!other) {
      m_slotDone.wait(lock, settled);
      break;
    }
    lock.unlock();
    SListedFolder listed;
    List(otherPath, listed);
    lock.lock();
    other->folder = std::move(listed);
    other->state = ESlot::kReady;
  }
  m_slotDone.wait(lock, settled);
  if (slot->state == ESlot::kFailed) {
    lock.unlock();
    SListedFolder folder;
    List(path, folder);
    return folder;
  }
  return std::move(slot->folder);
}

void CFolderLister::Walk() {
  try {
    CFolderTreeMgr& tree = m_search.Tree();
    std::string path = tree.RootPath();
    while (true) {
      SListedFolder folder = Take(path);
      folder.state = tree.CurrentState();
      std::vector<std::string> children;
      for (const platform::SFindData& entry : folder.entries) {
        if (m_checkPoint()) {
          break;
        }
        if ((entry.attributes & platform::kAttrDirectory) == 0) {
          continue;
        }
        std::string child = path + entry.name + "\\";
        const int state = m_filter.DecideFolder(child, entry.name);
        if (state == kFolderSkip) {
          continue;
        }
        if ((entry.attributes & platform::kAttrReparsePoint) != 0) {
          // A link may lead back up the tree or anywhere else: it is left out like a folder
          // that cannot be read.
          AddDebugMessage("Left out \"%.259s\": it is a link to a folder.",
                          (path + entry.name).c_str());
          continue;
        }
        if (tree.AddChild(entry.name, state) == 0) {
          throw std::bad_alloc();
        }
        children.push_back(std::move(child));
      }
      bool queued = false;
      {
        std::lock_guard lock(m_mutex);
        for (std::string& child : children) {
          if (m_slots.size() >= kReadAhead) {
            break;
          }
          m_slots.emplace(child, std::make_shared<SSlot>());
          m_toRead.push_back(std::move(child));
          queued = true;
        }
      }
      if (queued) {
        m_toReadChanged.notify_one();
      }
      if (!Push(std::move(folder)) || m_checkPoint() || tree.NextFolder(path) == 0) {
        break;
      }
    }
  } catch (const std::bad_alloc&) {
    std::lock_guard lock(m_mutex);
    m_outOfMemory = true;
  }
  {
    std::lock_guard lock(m_mutex);
    m_done = true;
  }
  m_readyChanged.notify_all();
  m_toReadChanged.notify_all();
}
