// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "rules/StringOrder.h"

// The list orders run on every sort of the settings pages' lists and on every lookup in them;
// the Paths list is the long one, with paths that share long prefixes and carry numbers.
namespace {

// Paths of a photo library: shared prefixes, years, numbered files, mixed case.
std::vector<std::string> PhotoPaths(size_t count) {
  std::mt19937 random(3);
  std::vector<std::string> paths;
  paths.reserve(count);
  for (size_t n = 0; n < count; ++n) {
    std::string path = (n % 2 != 0) ? "C:\\Users\\Ann\\Pictures\\" : "c:\\users\\ann\\pictures\\";
    path += "Holidays " + std::to_string(2000 + random() % 26) + "\\";
    path += (random() % 3 == 0) ? "Day (" + std::to_string(random() % 30) + ")\\" : "";
    path += "IMG_" + std::to_string(random() % 10000) + ".JPG";
    paths.push_back(std::move(path));
  }
  return paths;
}

template <class TOrder>
void ComparePaths(benchmark::State& state) {
  const TOrder order;
  const std::string a = "C:\\Users\\Ann\\Pictures\\Holidays 2025\\Day (12)\\IMG_1,001.JPG";
  const std::string b = "c:\\users\\ann\\pictures\\holidays 2025\\day (12)\\img_1001.jpg";
  for (auto _ : state) {
    benchmark::DoNotOptimize(order.Compare(a, b));
  }
}
BENCHMARK(ComparePaths<CStringOrder>);
BENCHMARK(ComparePaths<CStringSANOrder>);
BENCHMARK(ComparePaths<CStringANOrder>);

template <class TOrder>
void SortPaths(benchmark::State& state) {
  const TOrder order;
  const std::vector<std::string> paths = PhotoPaths(static_cast<size_t>(state.range(0)));
  for (auto _ : state) {
    std::vector<std::string> sorted = paths;
    std::sort(sorted.begin(), sorted.end(), order);
    benchmark::DoNotOptimize(sorted.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(SortPaths<CStringOrder>)->Arg(10000);
BENCHMARK(SortPaths<CStringANOrder>)->Arg(10000);

void SortTaggedEntries(benchmark::State& state) {
  const CStringANOrderTag order;
  std::vector<std::string> entries;
  const char* const tags[] = {" <include subs> ", " <include only> ", " <exclude> "};
  for (const std::string& path : PhotoPaths(2000)) {
    entries.push_back(tags[entries.size() % 3] + path);
  }
  entries.push_back(" <include only> <source folder>");
  for (auto _ : state) {
    std::vector<std::string> sorted = entries;
    std::sort(sorted.begin(), sorted.end(), order);
    benchmark::DoNotOptimize(sorted.data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(entries.size()));
}
BENCHMARK(SortTaggedEntries);

}  // namespace
