// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {
class COptionStore;
}

// The programs the user can compare two files with or open a file with, as kept in the
// option store sections "Compare" and "Open With".

// What an entry reads as when the store counts it but does not hold it.
inline constexpr const char* kMissingProgram = "(missing program)";
// More entries than this are taken for a damaged store and not read.
inline constexpr int32_t kMaxPrograms = 1000;

struct SComparePrograms {
  std::vector<std::string> m_programs;
  int32_t m_selected = -1;  // as stored; -1 when none was chosen

  bool operator==(const SComparePrograms&) const = default;
};

SComparePrograms LoadComparePrograms(const platform::COptionStore& store);
void SaveComparePrograms(platform::COptionStore& store, const SComparePrograms& programs);

std::vector<std::string> LoadOpenWithPrograms(const platform::COptionStore& store);
void SaveOpenWithPrograms(platform::COptionStore& store, const std::vector<std::string>& programs);

// The entry to compare with: `selected` forced into 0..count-1. -1 when the list is empty.
int32_t CompareProgramIndex(int32_t selected, size_t count);
