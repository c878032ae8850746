// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class CFilesListCtrlData;
class CPreviewList;
class CPrompter;

// One detected move: an old destination copy (a stray to delete) that is the same file as a
// source file to copy elsewhere, so it can be moved instead of copied again.
struct CDetectListCtrlData {
  std::string oldName;
  std::string newName;
  std::string oldFolder;     // a destination folder
  std::string sourceFolder;  // where the file now lies in the source
  std::string newFolder;     // the destination counterpart of the source folder
  uint64_t size = 0;
  size_t deleteIndex = 0;  // rows of the preview list
  size_t copyIndex = 0;
};

// Pairs the preview's stray destination files with files to copy that look the same (equal
// size, times within two seconds, or one hour apart within two seconds). Each copy row takes
// the first free candidate by name (without regard to case), and without renames only one
// of its own name.
class CMoveDetect {
 public:
  CMoveDetect(std::string sourceRoot, std::string destinationRoot, bool includeRenames);
  virtual ~CMoveDetect() = default;

  // Takes every delete row as a candidate; false when there is none.
  bool Gather(const CPreviewList& list);
  // Matches the copy rows against the candidates; false when nothing matched.
  bool Detect(const CPreviewList& list);

  const std::vector<CDetectListCtrlData>& Moves() const { return m_moves; }
  std::vector<CDetectListCtrlData>& Moves() { return m_moves; }
  bool AnyRenamed() const { return m_anyRenamed; }

 private:
  struct SCandidate {
    const CFilesListCtrlData* row;
    size_t index;
    int64_t second;  // the row's time in whole seconds
    bool used;
  };
  // The candidates that a copy row of one size and one time (and, without renames, one
  // name) would match, in candidate order. Those before `firstUnused` are all taken.
  struct SBucket {
    std::vector<size_t> candidates;  // positions in m_candidates
    size_t firstUnused = 0;
  };
  struct SKey {
    std::string name;  // folded; empty when renames are included
    uint64_t size;
    int64_t second;
    bool operator==(const SKey&) const = default;
  };
  struct SKeyHash {
    size_t operator()(const SKey& key) const;
  };

  SKey KeyOf(const CFilesListCtrlData& row, int64_t second) const;
  // The first candidate in candidate order that matches the copy row; -1 when none does.
  long FindCandidate(const CFilesListCtrlData& copy);
  void Take(const CFilesListCtrlData& copy, size_t copyIndex, SCandidate& candidate);

  std::string m_sourceRoot;
  std::string m_destinationRoot;
  bool m_includeRenames;
  // Every delete row, by name without regard to case, rows of one name in list order: the
  // order in which candidates are tried. Looking them up by size and time keeps detection
  // from trying every candidate for every copy row.
  std::vector<SCandidate> m_candidates;
  std::unordered_map<SKey, SBucket, SKeyHash> m_buckets;
  // The candidates' sizes: most copy rows have a size no candidate has and need no lookup.
  std::unordered_set<uint64_t> m_sizes;
  std::vector<CDetectListCtrlData> m_moves;
  bool m_anyRenamed = false;
};

// Moves one row's old destination file to its new place (making the folder first).
bool MoveDetectedFile(const CDetectListCtrlData& move);

// Moves every row, removes the moved rows' two preview rows (in one change of the list, so
// its counts follow) and returns how many were moved; the rows that moved leave `moves`, and
// the indexes of those left are brought up to date.
int MoveDetectedFiles(std::vector<CDetectListCtrlData>& moves, CPreviewList& list);
