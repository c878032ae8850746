// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "platform/DateTime.h"
#include "platform/FileFind.h"
#include "profile/SettingsState.h"
#include "rules/TimeCompare.h"

class CDestinationIndex;
class CMessageTarget;

// The program options that the rules use.
struct SFilterOptions {
  int64_t tolerance = 0;        // file-time tolerance, 100 ns units
  bool hourDiff = false;        // allow a one-hour difference
  bool gather = false;          // copy mode 1: every file goes into the destination root
  bool useTwoDigits = false;    // two-digit version numbers when 10 or more are kept
  bool includeRenames = false;  // move detection also looks for renamed files
};

// Folder states of the walk.
constexpr int kFolderSkip = 0;      // not entered
constexpr int kFolderTake = 1;      // walked, its files selected
constexpr int kFolderPassOnly = 2;  // walked only to reach folders below it

// The selection rules of one run, compiled once from a profile's settings when a preview
// starts: which folders the walk enters, which files take part, whether an existing
// destination file is overwritten, and what a copy gives the destination file. The compiled
// rules never change during the run and read no window.
class CFilter {
 public:
  // `sourceRoot` and `destinationRoot` end in a backslash. `target` receives the gather check
  // (may be null: every file is then taken). `now` fixes the date bounds.
  CFilter(const CSettingsState& settings, const SFilterOptions& options,
          std::string_view sourceRoot, std::string_view destinationRoot, CMessageTarget* target,
          const platform::CDateTime& now);
  virtual ~CFilter() = default;

  // ---- Folders ----
  // The state of the walk's root: walked and taken when the source-folder entry is checked.
  int RootState() const { return m_rootState; }
  // The state of a folder met in the walk (`path` ends in a backslash; `name` is its own
  // name): kFolderSkip, kFolderTake or kFolderPassOnly.
  int DecideFolder(std::string_view path, std::string_view name) const;

  // ---- Files ----
  bool HasExcludedPaths() const { return !m_excludedPaths.empty(); }
  // Whether a full path is among the checked excluded paths (case ignored, whole paths).
  bool IsPathExcluded(std::string_view path) const;
  bool PassesNameRules(std::string_view name) const;
  // The name rules applied to a folder's last name (copy mode 2 selects folders by name).
  bool TestFolderName(std::string_view folderPath) const;
  bool PassesDateRule(platform::FileTime lastWrite) const;
  bool PassesSizeRule(uint64_t size) const;
  bool PassesAttributeRule(uint32_t attributes) const;

  // Where a file of a source folder goes (`sourceFolder` ends in a backslash).
  std::string DestinationPath(std::string_view sourceFolder, std::string_view name) const;

  struct SExisting {
    bool copy = false;
    uint64_t freed = 0;  // destination bytes that the copy gives back
  };
  // Whether a file is copied over what stands at its destination. With `exactCase` a
  // destination whose name differs only in letter case counts as absent.
  // `index`, when given, is the listing of the destination's folder, looked up instead of
  // the file system.
  SExisting DecideExistingDestination(const platform::SFindData& source,
                                      std::string_view destinationPath, bool exactCase,
                                      const CDestinationIndex* index = nullptr) const;

  struct SFileDecision {
    std::string destinationPath;
    uint64_t freed = 0;
  };
  // The whole decision for a file of a folder whose files are taken: the path, name, date,
  // size and attribute rules, the existing destination and, in gather mode, the window's
  // check. Nothing when the file does not take part.
  std::optional<SFileDecision> DecideFile(std::string_view sourceFolder,
                                          const platform::SFindData& file, bool exactCase,
                                          const CDestinationIndex* index = nullptr);
  // The destination path of the last file decided (the settings export shows it).
  const std::string& LastDestinationPath() const { return m_lastDestination; }

  // ---- After a copy ----
  // Clears the source's archive mark when asked, and gives the destination the source's
  // attributes less those the profile does not copy.
  // `freshDestination` says the destination was just made with the program's defaults (no
  // stored flags, writable), so that nothing needs setting when the result matches them.
  void ApplyAttributes(std::string_view sourcePath, std::string_view destinationPath,
                       bool freshDestination = false) const;
  // The two halves of it, for a copy that read the source's attributes as it copied it.
  // The attributes a new file named `destinationName` is to be given, or nothing when a new
  // file has them already.
  std::optional<uint32_t> FreshDestinationAttributes(uint32_t sourceAttributes,
                                                     std::string_view destinationName) const;
  // Whether the source's archive mark is to be cleared once it is copied.
  bool ClearsArchive(uint32_t sourceAttributes) const;
  // Gives the destination the source's three times; failures are ignored.
  void CopyTimes(std::string_view sourcePath, std::string_view destinationPath) const;
  // Whether the destination must be kept, and why ("read-only, hidden & system").
  bool IsProtectedDestination(std::string_view destinationPath, std::string& reason) const;

  // Whether the old destination file survives its replacement (kept as a version, or
  // recycled from a fixed drive), so that its space is not freed.
  bool OldFilesKept() const { return m_oldFilesKept; }
  bool StopOnError() const { return m_settings.avoidStopping == 0; }
  bool VerifyCopies() const { return m_settings.verifyCopies != 0; }
  bool CopySecurity() const;
  const CSettingsState& Settings() const { return m_settings; }
  const SFilterOptions& Options() const { return m_options; }
  const std::string& SourceRoot() const { return m_sourceRoot; }
  const std::string& DestinationRoot() const { return m_destinationRoot; }

 private:
  struct SFolderEntry {
    bool checked;
    bool withSubfolders;
    std::string text;  // lower case, ending in a backslash
  };
  struct SNameEntry {
    bool checked;
    bool wildcards;
    std::string pattern;
  };

  uint32_t GivenAttributes(uint32_t sourceAttributes) const;
  void CompileSubfolders();
  void CompileNames();
  void CompilePaths();
  bool IsFolderExcluded(std::string_view lowerPath, std::string_view name) const;
  bool GatherCheck(const platform::SFindData& file) const;

  CSettingsState m_settings;
  SFilterOptions m_options;
  std::string m_sourceRoot;
  std::string m_destinationRoot;
  CMessageTarget* m_target;
  STimeCompare m_times;

  int m_rootState = kFolderTake;
  int32_t m_subfolderMode;
  std::vector<SFolderEntry> m_folderIncludes;
  std::vector<SFolderEntry> m_folderExcludes;
  bool m_anyCheckedInclude = false;

  int32_t m_nameMode;
  std::vector<SNameEntry> m_nameMatches;
  std::vector<SNameEntry> m_nameExcludes;

  std::unordered_set<std::string> m_excludedPaths;  // upper case

  int32_t m_dateMode;
  double m_lowerBound = 0;  // linear days, local time
  double m_upperBound = 0;

  int32_t m_sizeMode;
  uint64_t m_leastBytes = 0;
  uint64_t m_mostBytes = 0;

  bool m_oldFilesKept = false;
  std::string m_lastDestination;
};

// The reason text of a protected destination: the words joined with ", " and " & ".
std::string JoinReasons(const std::vector<std::string>& words);
