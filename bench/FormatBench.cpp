// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <benchmark/benchmark.h>

#include "core/FormatItem.h"
#include "platform/TextUtil.h"

// Texts are made for every row of the preview list, so their cost matters on large lists.
namespace {

void FormatSizes(benchmark::State& state) {
  const CFormatItem format(2, true, ',');
  uint64_t bytes = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(format.FormatSize(bytes, true));
    bytes = bytes * 3 + 7;
  }
}
BENCHMARK(FormatSizes);

void FormatCounts(benchmark::State& state) {
  const CFormatItem format(2, true, ',');
  int32_t n = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(format.FormatCount(n));
    n = (n * 7 + 3) & 0x7FFFFFF;
  }
}
BENCHMARK(FormatCounts);

void ComparePathsIgnoringCase(benchmark::State& state) {
  const std::string a = "C:\\Users\\Ann\\Pictures\\Holidays 2025\\IMG_0001.JPG";
  const std::string b = "c:\\users\\ann\\pictures\\holidays 2025\\img_0001.jpg";
  for (auto _ : state) {
    benchmark::DoNotOptimize(platform::CompareNoCase(a, b));
  }
}
BENCHMARK(ComparePathsIgnoringCase);

}  // namespace
