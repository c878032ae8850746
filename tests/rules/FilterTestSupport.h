// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/DateTime.h"
#include "platform/FileFind.h"
#include "profile/SettingsState.h"
#include "rules/Filter.h"

// Shared pieces of the selection-rule tests: a profile for C:\Src\ -> D:\Dst\, a filter built
// from it, and a small walk that asks the filter what a preview would enter and take.
namespace filter_test {

inline constexpr std::string_view kSource = "C:\\Src\\";
inline constexpr std::string_view kDestination = "D:\\Dst\\";

// The moment the rules are compiled at unless a test says otherwise: 5 March 2024, 10:00.
inline platform::CDateTime DefaultNow() {
  return platform::CDateTime::FromParts(2024, 3, 5, 10, 0, 0);
}

inline CSettingsState Settings() {
  CSettingsState settings;
  settings.sourcePath = std::string(kSource);
  settings.destinationPath = std::string(kDestination);
  return settings;
}

inline CSettingsState SubfolderSettings(int32_t mode, std::vector<std::string> entries) {
  CSettingsState settings = Settings();
  settings.subfolderMode = mode;
  settings.subfolderEntries = std::move(entries);
  return settings;
}

inline CFilter MakeFilter(const CSettingsState& settings, const SFilterOptions& options = {},
                          std::string_view source = kSource,
                          std::string_view destination = kDestination,
                          CMessageTarget* target = nullptr,
                          const platform::CDateTime& now = DefaultNow()) {
  return CFilter(settings, options, source, destination, target, now);
}

// '/' in test texts stands for '\', which keeps the expectations readable.
inline std::string Win(std::string text) {
  for (char& c : text) {
    if (c == '/') {
      c = '\\';
    }
  }
  return text;
}

using FolderStates = std::set<std::pair<std::string, int>>;

inline FolderStates Folders(std::initializer_list<std::pair<std::string, int>> folders) {
  FolderStates states;
  for (const auto& [path, state] : folders) {
    states.emplace(Win(path), state);
  }
  return states;
}

inline std::set<std::string> Files(std::initializer_list<std::string> files) {
  std::set<std::string> paths;
  for (const std::string& path : files) {
    paths.insert(Win(path));
  }
  return paths;
}

// What a preview of the source tree would visit: every folder entered with its state and
// every file taken, both relative to the source root ("" is the root itself).
struct SWalk {
  FolderStates folders;
  std::set<std::string> files;
};

// Pre-order walk from the filter's source root, as the preview walks: a folder is entered
// when the filter gives it a state other than kFolderSkip, and only the files of folders in
// state kFolderTake are offered to DecideFile.
inline SWalk Walk(CFilter& filter) {
  SWalk walk;
  const std::string root = filter.SourceRoot();
  std::vector<std::pair<std::string, int>> pending{{root, filter.RootState()}};
  while (!pending.empty()) {
    const auto [folder, state] = pending.back();
    pending.pop_back();
    walk.folders.emplace(folder.substr(root.size()), state);
    std::vector<std::pair<std::string, int>> below;
    platform::CFindFile finder;
    if (finder.FindFirst(folder + "*")) {
      do {
        if (finder.IsDots()) {
          continue;
        }
        const platform::SFindData& data = finder.Data();
        if (finder.IsDirectory()) {
          const std::string path = folder + data.name + "\\";
          const int entered = filter.DecideFolder(path, data.name);
          if (entered != kFolderSkip) {
            below.emplace_back(path, entered);
          }
        } else if (state == kFolderTake && filter.DecideFile(folder, data, false)) {
          walk.files.insert(folder.substr(root.size()) + data.name);
        }
      } while (finder.FindNext());
    }
    pending.insert(pending.end(), below.rbegin(), below.rend());
  }
  return walk;
}

}  // namespace filter_test
