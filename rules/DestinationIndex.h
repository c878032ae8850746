// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/CIStringMap.h"
#include "platform/FileFind.h"

// What one destination folder holds, listed once: the preview looks files up here instead of
// asking the file system once per file. Names compare without regard to case, as everywhere
// in the program; a lookup with exact case finds only the exact name.
class CDestinationIndex {
 public:
  // Lists a folder (its path ends in a backslash); an absent folder gives an empty index.
  void List(std::string_view folderPath);
  void Clear();

  // The entry of that name (a file or folder), or null.
  const platform::SFindData* Find(std::string_view name, bool exactCase) const;
  const std::vector<platform::SFindData>& Entries() const { return m_entries; }

 private:
  struct SHash {
    size_t operator()(std::string_view key) const { return CMapCIStringToPtr::SHash()(key); }
  };
  struct SEqual {
    bool operator()(std::string_view a, std::string_view b) const {
      return CMapCIStringToPtr::SEqual()(a, b);
    }
  };
  std::vector<platform::SFindData> m_entries;
  std::unordered_multimap<std::string_view, size_t, SHash, SEqual> m_byName;
};
