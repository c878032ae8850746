// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "rules/DestinationIndex.h"

void CDestinationIndex::Clear() {
  m_byName.clear();
  m_entries.clear();
}

void CDestinationIndex::List(std::string_view folderPath) {
  Clear();
  platform::CFindFile finder;
  finder.SetReadStoredFlags(false);  // lookups need names, sizes, times and kinds only
  std::string pattern(folderPath);
  pattern += "*.*";
  if (!finder.FindFirst(pattern)) {
    return;
  }
  do {
    if (!finder.IsDots()) {
      m_entries.push_back(finder.Data());
    }
  } while (finder.FindNext());
  // The keys point into the entries, so they are made once the vector stops growing.
  m_byName.reserve(m_entries.size());
  for (size_t i = 0; i < m_entries.size(); ++i) {
    m_byName.emplace(m_entries[i].name, i);
  }
}

const platform::SFindData* CDestinationIndex::Find(std::string_view name, bool exactCase) const {
  const auto [begin, end] = m_byName.equal_range(name);
  const platform::SFindData* found = nullptr;
  for (auto it = begin; it != end; ++it) {
    const platform::SFindData& entry = m_entries[it->second];
    if (entry.name == name) {
      return &entry;  // the exact name wins over other spellings
    }
    if (!exactCase && (found == nullptr || entry.name < found->name)) {
      found = &entry;
    }
  }
  return found;
}
