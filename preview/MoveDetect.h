// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/TextUtil.h"

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
// size, times within two seconds, or one hour apart within two seconds).
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
    bool used;
  };
  struct SLess {
    bool operator()(const std::string& a, const std::string& b) const {
      return platform::CompareNoCase(a, b) < 0;
    }
  };

  static bool Matches(const CFilesListCtrlData& copy, const SCandidate& candidate);
  void Take(const CFilesListCtrlData& copy, size_t copyIndex, SCandidate& candidate);

  std::string m_sourceRoot;
  std::string m_destinationRoot;
  bool m_includeRenames;
  std::multimap<std::string, SCandidate, SLess> m_candidates;
  std::vector<CDetectListCtrlData> m_moves;
  bool m_anyRenamed = false;
};

// Moves one row's old destination file to its new place (making the folder first).
bool MoveDetectedFile(const CDetectListCtrlData& move);

// Moves every row, removes the moved rows' two preview rows (in one change of the list, so
// its counts follow) and returns how many were moved; the rows that moved leave `moves`, and
// the indexes of those left are brought up to date.
int MoveDetectedFiles(std::vector<CDetectListCtrlData>& moves, CPreviewList& list);
