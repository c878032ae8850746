// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

// A map from text to pointer whose keys compare without regard to case (non-ASCII letters
// included). Used as a set of paths: excluded paths, folders already made, and the like.
class CMapCIStringToPtr {
 public:
  struct SHash {
    using is_transparent = void;
    size_t operator()(std::string_view key) const;
  };
  struct SEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
  };

  CMapCIStringToPtr() = default;
  virtual ~CMapCIStringToPtr() = default;

  void SetAt(std::string_view key, void* value);
  bool Lookup(std::string_view key, void*& value) const;
  bool Contains(std::string_view key) const;
  bool RemoveKey(std::string_view key);
  void RemoveAll() { m_map.clear(); }
  size_t GetCount() const { return m_map.size(); }

 private:
  std::unordered_map<std::string, void*, SHash, SEqual> m_map;
};
