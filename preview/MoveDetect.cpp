// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "preview/MoveDetect.h"

#include <algorithm>
#include <cmath>

#include "core/FolderPaths.h"
#include "core/PathText.h"
#include "platform/FileOps.h"
#include "preview/ListData.h"
#include "preview/PreviewJob.h"
#include "preview/PreviewList.h"

CMoveDetect::CMoveDetect(std::string sourceRoot, std::string destinationRoot, bool includeRenames)
    : m_sourceRoot(WithBackslash(std::move(sourceRoot))),
      m_destinationRoot(WithBackslash(std::move(destinationRoot))),
      m_includeRenames(includeRenames) {}

bool CMoveDetect::Gather(const CPreviewList& list) {
  m_candidates.clear();
  for (size_t i = 0; i < list.Count(); ++i) {
    const CFilesListCtrlData& row = list.Row(i);
    if (row.action == kActionDelete) {
      m_candidates.emplace(row.name, SCandidate{&row, i, false});
    }
  }
  return !m_candidates.empty();
}

bool CMoveDetect::Matches(const CFilesListCtrlData& copy, const SCandidate& candidate) {
  if (candidate.used || copy.size != candidate.row->size) {
    return false;
  }
  // Row times hold whole seconds; rounding (not cutting) the difference keeps a time three
  // seconds earlier from passing for two, as a later one does not.
  const double days = copy.modified.LinearDays() - candidate.row->modified.LinearDays();
  const long long s = std::llround(days * 86400.0);
  return std::llabs(s) <= 2 || std::llabs(s - 3600) <= 2 || std::llabs(s + 3600) <= 2;
}

void CMoveDetect::Take(const CFilesListCtrlData& copy, size_t copyIndex, SCandidate& candidate) {
  candidate.used = true;
  CDetectListCtrlData move;
  move.oldName = candidate.row->name;
  move.newName = copy.name;
  move.oldFolder = candidate.row->Folder();
  move.sourceFolder = copy.Folder();
  const std::string source = WithBackslash(copy.Folder());
  move.newFolder = DisplayFolder(m_destinationRoot + (source.size() > m_sourceRoot.size()
                                                          ? source.substr(m_sourceRoot.size())
                                                          : std::string()));
  move.size = candidate.row->size;
  move.deleteIndex = candidate.index;
  move.copyIndex = copyIndex;
  m_anyRenamed = m_anyRenamed || move.oldName != move.newName;
  m_moves.push_back(std::move(move));
}

bool CMoveDetect::Detect(const CPreviewList& list) {
  m_moves.clear();
  m_anyRenamed = false;
  for (size_t i = 0; i < list.Count(); ++i) {
    const CFilesListCtrlData& copy = list.Row(i);
    if (copy.action != kActionCopy) {
      continue;
    }
    auto [begin, end] = m_includeRenames ? std::pair(m_candidates.begin(), m_candidates.end())
                                         : m_candidates.equal_range(copy.name);
    for (auto it = begin; it != end; ++it) {
      if (Matches(copy, it->second)) {
        Take(copy, i, it->second);
        break;
      }
    }
  }
  return !m_moves.empty();
}

bool MoveDetectedFile(const CDetectListCtrlData& move) {
  if (!CreateFolderPath(move.newFolder)) {
    return false;
  }
  return platform::MoveFile(WithBackslash(move.oldFolder) + move.oldName,
                            WithBackslash(move.newFolder) + move.newName) ==
         platform::EError::kNone;
}

int MoveDetectedFiles(std::vector<CDetectListCtrlData>& moves, CPreviewList& list) {
  std::vector<size_t> removals;
  std::vector<CDetectListCtrlData> left;
  int moved = 0;
  for (CDetectListCtrlData& move : moves) {
    if (MoveDetectedFile(move)) {
      ++moved;
      removals.push_back(move.deleteIndex);
      removals.push_back(move.copyIndex);
    } else {
      left.push_back(std::move(move));
    }
  }
  std::sort(removals.begin(), removals.end());
  list.RemoveRows(removals);
  // The rows of the moves that failed stay; their indexes shift past the rows removed.
  const auto shifted = [&removals](size_t index) {
    const auto below = std::lower_bound(removals.begin(), removals.end(), index);
    return index - static_cast<size_t>(below - removals.begin());
  };
  for (CDetectListCtrlData& move : left) {
    move.deleteIndex = shifted(move.deleteIndex);
    move.copyIndex = shifted(move.copyIndex);
  }
  moves = std::move(left);
  return moved;
}
