// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "platform/DateTime.h"
#include "platform/DriveMap.h"
#include "platform/FileFind.h"
#include "profile/SettingsState.h"
#include "rules/DestinationIndex.h"
#include "rules/Filter.h"
#include "rules/MatchPattern.h"

// The matcher runs once per name and pattern of the rules, and the file decision once per
// file of the walk: both sit on the hot path of a preview.
namespace {

void MatchExact(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(MatchPattern("a*b?.doc*", "annual budget 2025b1.docx", false));
    benchmark::DoNotOptimize(MatchPattern("*.jpg", "IMG_20250101_123456.JPG", false));
  }
  state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(MatchExact);

void MatchWithTypos(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        MatchPattern("*receive*.doc", "please recieve this letter.doc", true, 3));
    benchmark::DoNotOptimize(MatchPattern("report.txt", "rxporx.txt", true, 3));
  }
  state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(MatchWithTypos);

// One file decision on a real file whose destination exists and is as new as the source.
void DecideOneFile(benchmark::State& state) {
  char folder[] = "/tmp/brevant-bench-XXXXXX";
  if (mkdtemp(folder) == nullptr) {
    state.SkipWithError("no temporary folder");
    return;
  }
  const std::string root = folder;
  std::filesystem::create_directories(root + "/src/photos");
  std::filesystem::create_directories(root + "/dst/photos");
  std::ofstream(root + "/src/photos/IMG_0001.JPG") << "data";
  std::filesystem::copy_file(root + "/src/photos/IMG_0001.JPG", root + "/dst/photos/IMG_0001.JPG");
  std::filesystem::last_write_time(
      root + "/dst/photos/IMG_0001.JPG",
      std::filesystem::last_write_time(root + "/src/photos/IMG_0001.JPG"));
  setenv("BREVANT_DRIVES", ("C=" + root).c_str(), 1);
  platform::CDriveMap::Reload();

  CSettingsState settings;
  settings.nameMode = 1060;
  settings.nameEntries = {"1+*.jpg", "1+*.png", "1-thumb*"};
  CFilter filter(settings, SFilterOptions{}, "C:\\src\\", "C:\\dst\\", nullptr,
                 platform::CDateTime::Now());
  platform::CFindFile finder;
  finder.FindFirst("C:\\src\\photos\\IMG_0001.JPG");
  const platform::SFindData file = finder.Data();
  CDestinationIndex index;
  index.List("C:\\dst\\photos\\");
  const bool listed = state.range(0) != 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        filter.DecideFile("C:\\src\\photos\\", file, false, listed ? &index : nullptr));
  }
  std::filesystem::remove_all(root);
}
// 0: the destination looked up on its own; 1: looked up in its folder's listing, as the
// preview does.
BENCHMARK(DecideOneFile)->Arg(0)->Arg(1);

}  // namespace
