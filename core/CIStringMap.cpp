// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/CIStringMap.h"

#include "platform/TextUtil.h"

// hash = hash * 33 + each upper-case character: keys equal without regard to case hash alike.
size_t CMapCIStringToPtr::SHash::operator()(std::string_view key) const {
  size_t hash = 0;
  for (size_t i = 0; i < key.size();) {
    const auto c = static_cast<unsigned char>(key[i]);
    char32_t upper = 0;
    if (c < 0x80) {
      upper = (c >= 'a' && c <= 'z') ? c - 32 : c;
      ++i;
    } else {
      upper = platform::UpperCodePoint(platform::DecodeUtf8(key, i));
    }
    hash = hash * 33 + upper;
  }
  return hash;
}

bool CMapCIStringToPtr::SEqual::operator()(std::string_view a, std::string_view b) const {
  return platform::EqualsNoCase(a, b);
}

void CMapCIStringToPtr::SetAt(std::string_view key, void* value) {
  const auto found = m_map.find(key);
  if (found != m_map.end()) {
    found->second = value;
  } else {
    m_map.emplace(std::string(key), value);
  }
}

bool CMapCIStringToPtr::Lookup(std::string_view key, void*& value) const {
  const auto found = m_map.find(key);
  if (found == m_map.end()) {
    return false;
  }
  value = found->second;
  return true;
}

bool CMapCIStringToPtr::Contains(std::string_view key) const {
  return m_map.find(key) != m_map.end();
}

bool CMapCIStringToPtr::RemoveKey(std::string_view key) {
  const auto found = m_map.find(key);
  if (found == m_map.end()) {
    return false;
  }
  m_map.erase(found);
  return true;
}
