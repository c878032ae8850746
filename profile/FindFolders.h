// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/ThreadJob.h"

// The search of the Find Folders window: every folder of a drive whose name matches a
// pattern, on a worker thread of its own.

// Whether a name matches a pattern, with or without typo tolerance. The matcher belongs to
// the rules, a layer above this one, so whoever starts a search hands it in.
using FNameMatch =
    std::function<bool(std::string_view pattern, std::string_view name, bool allowTypos)>;

// A pattern has 1 to 255 characters.
bool FolderPatternFits(std::string_view pattern);
inline constexpr const char* kPatternLengthMessage =
    "The pattern's length is too short or too long.";
inline constexpr const char* kSearchingText = "Searching...";
inline constexpr const char* kSearchStoppedText = "Folder searching stopped.";
// "Found 3 folders in 1.25 seconds."
std::string FoundFoldersText(uint64_t found, uint64_t milliseconds);

struct SFolderSearch {
  std::string root;  // "X:\"
  std::string pattern;
  bool allowTypos = false;
};

// Reports, in order: kMsgCurrentFolder (text: the folder being searched, a few times a
// second), kMsgFoldersFound (object: std::vector<std::string>, the paths found since the last
// report) and, last, kMsgSearchDone. Links to folders are not followed, so a search always
// ends.
class CFindFoldersJob : public CThreadJob {
 public:
  explicit CFindFoldersJob(FNameMatch match);
  ~CFindFoldersJob() override;

  // Window thread, before Start.
  void SetSearch(SFolderSearch search) { m_search = std::move(search); }

 protected:
  int32_t Run() override;
  void EndAfterFailure(const std::string& reason) override;

 private:
  FNameMatch m_match;
  SFolderSearch m_search;
};
