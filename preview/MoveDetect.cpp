// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "preview/MoveDetect.h"

#include <algorithm>
#include <cmath>

#include "core/FolderPaths.h"
#include "core/PathText.h"
#include "platform/FileOps.h"
#include "platform/TextUtil.h"
#include "preview/ListData.h"
#include "preview/PreviewJob.h"
#include "preview/PreviewList.h"

CMoveDetect::CMoveDetect(std::string sourceRoot, std::string destinationRoot, bool includeRenames)
    : m_sourceRoot(WithBackslash(std::move(sourceRoot))),
      m_destinationRoot(WithBackslash(std::move(destinationRoot))),
      m_includeRenames(includeRenames) {}

namespace {

// A row's time in whole seconds (row times hold whole seconds).
int64_t WholeSeconds(const CFilesListCtrlData& row) {
  return std::llround(row.modified.LinearDays() * 86400.0);
}

// The differences, copy time minus candidate time, at which two times match: within two
// seconds, or an hour apart within two seconds.
constexpr int64_t kMatchingDifferences[] = {0,    -1,   1,     -2,    2,     3598,  3599, 3600,
                                            3601, 3602, -3598, -3599, -3600, -3601, -3602};

}  // namespace

size_t CMoveDetect::SKeyHash::operator()(const SKey& key) const {
  size_t hash = std::hash<std::string>()(key.name);
  hash ^= std::hash<uint64_t>()(key.size) + 0x9e3779b97f4a7c15ULL + (hash << 6) + (hash >> 2);
  hash ^= std::hash<int64_t>()(key.second) + 0x9e3779b97f4a7c15ULL + (hash << 6) + (hash >> 2);
  return hash;
}

CMoveDetect::SKey CMoveDetect::KeyOf(const CFilesListCtrlData& row, int64_t second) const {
  return SKey{m_includeRenames ? std::string() : platform::ToUpper(row.name), row.size, second};
}

bool CMoveDetect::Gather(const CPreviewList& list) {
  m_candidates.clear();
  m_buckets.clear();
  m_sizes.clear();
  for (size_t i = 0; i < list.Count(); ++i) {
    const CFilesListCtrlData& row = list.Row(i);
    if (row.action == kActionDelete) {
      m_candidates.push_back(SCandidate{&row, i, WholeSeconds(row), false});
    }
  }
  std::stable_sort(m_candidates.begin(), m_candidates.end(),
                   [](const SCandidate& a, const SCandidate& b) {
                     return platform::CompareNoCase(a.row->name, b.row->name) < 0;
                   });
  for (size_t position = 0; position < m_candidates.size(); ++position) {
    const SCandidate& candidate = m_candidates[position];
    m_buckets[KeyOf(*candidate.row, candidate.second)].candidates.push_back(position);
    m_sizes.insert(candidate.row->size);
  }
  return !m_candidates.empty();
}

long CMoveDetect::FindCandidate(const CFilesListCtrlData& copy) {
  if (!m_sizes.contains(copy.size)) {
    return -1;
  }
  const int64_t second = WholeSeconds(copy);
  long best = -1;
  for (const int64_t difference : kMatchingDifferences) {
    const auto found = m_buckets.find(KeyOf(copy, second - difference));
    if (found == m_buckets.end()) {
      continue;
    }
    SBucket& bucket = found->second;
    while (bucket.firstUnused < bucket.candidates.size() &&
           m_candidates[bucket.candidates[bucket.firstUnused]].used) {
      ++bucket.firstUnused;
    }
    if (bucket.firstUnused < bucket.candidates.size()) {
      const auto position = static_cast<long>(bucket.candidates[bucket.firstUnused]);
      if (best < 0 || position < best) {
        best = position;
      }
    }
  }
  return best;
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
    const long found = FindCandidate(copy);
    if (found >= 0) {
      Take(copy, i, m_candidates[static_cast<size_t>(found)]);
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
