// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/ProgramLists.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "platform/OptionStore.h"

namespace {

constexpr const char* kCompare = "Compare";
constexpr const char* kOpenWith = "Open With";

std::string EntryName(size_t index) {
  return "Program " + std::to_string(index);
}

std::vector<std::string> ReadList(const platform::COptionStore& store, std::string_view section) {
  const int32_t count = std::clamp(store.GetInt(section, "Program Count", 0), 0, kMaxPrograms);
  std::vector<std::string> programs;
  programs.reserve(static_cast<size_t>(count));
  for (int32_t i = 0; i < count; ++i) {
    programs.push_back(
        store.GetString(section, EntryName(static_cast<size_t>(i)), kMissingProgram));
  }
  return programs;
}

void WriteList(platform::COptionStore& store, std::string_view section,
               const std::vector<std::string>& programs) {
  store.SetInt(section, "Program Count", static_cast<int32_t>(programs.size()));
  for (size_t i = 0; i < programs.size(); ++i) {
    store.SetString(section, EntryName(i), programs[i]);
  }
}

}  // namespace

SComparePrograms LoadComparePrograms(const platform::COptionStore& store) {
  SComparePrograms result;
  result.m_programs = ReadList(store, kCompare);
  result.m_selected = store.GetInt(kCompare, "Program Selected", -1);
  return result;
}

void SaveComparePrograms(platform::COptionStore& store, const SComparePrograms& programs) {
  WriteList(store, kCompare, programs.m_programs);
  store.SetInt(kCompare, "Program Selected", programs.m_selected);
}

std::vector<std::string> LoadOpenWithPrograms(const platform::COptionStore& store) {
  return ReadList(store, kOpenWith);
}

void SaveOpenWithPrograms(platform::COptionStore& store, const std::vector<std::string>& programs) {
  WriteList(store, kOpenWith, programs);
}

int32_t CompareProgramIndex(int32_t selected, size_t count) {
  if (count == 0) {
    return -1;
  }
  const auto last = static_cast<int32_t>(std::min<size_t>(count - 1, INT32_MAX));
  return std::clamp(selected, 0, last);
}
