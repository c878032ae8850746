// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "preview/PreviewList.h"

class CFilesListCtrlData;
class CFormatItem;

// The counts of a preview list, kept up to date by the list itself as rows arrive and leave:
// files to copy and their size, files to delete, folders to create, and one entry per folder
// that holds rows (the Folder List window shows them).
class CPreviewCounts : private CPreviewListListener {
 public:
  // Follows the list for the life of the counts (the list must outlive them).
  explicit CPreviewCounts(CPreviewList& list);
  ~CPreviewCounts() override;
  CPreviewCounts(const CPreviewCounts&) = delete;
  CPreviewCounts& operator=(const CPreviewCounts&) = delete;

  struct SFolderEntry {
    int32_t items = 0;
    uint64_t size = 0;
    int32_t action = 0;  // of the row that made the entry
  };

  int32_t FilesToCopy() const { return m_filesToCopy; }
  uint64_t TotalSize() const { return m_totalSize; }
  int32_t FilesToDelete() const { return m_filesToDelete; }
  int32_t FoldersToCreate() const { return m_foldersToCreate; }
  int32_t FolderEntries() const { return static_cast<int32_t>(m_folders.size()); }
  const std::unordered_map<std::string, SFolderEntry>& Folders() const { return m_folders; }

  // "12 files to copy in 3 folders", "... and 2 files to delete in ...", or, when only the
  // folder tree is copied, "4 folders to create".
  std::string SummaryText(int32_t copyMode, const CFormatItem& format) const;

 private:
  void RowsAppended(const CPreviewList& list, size_t first, size_t count) override;
  void RowsAboutToBeRemoved(const CPreviewList& list, const std::vector<size_t>& rows) override;
  void Cleared(const CPreviewList& list) override;

  void Reset();
  void Add(const CFilesListCtrlData& row);
  // Takes a row back out; a folder entry goes when it held fewer than two rows.
  void Remove(const CFilesListCtrlData& row);
  static std::string FolderKey(const CFilesListCtrlData& row);

  int32_t m_filesToCopy = 0;
  uint64_t m_totalSize = 0;
  int32_t m_filesToDelete = 0;
  int32_t m_foldersToCreate = 0;
  std::unordered_map<std::string, SFolderEntry> m_folders;
  CPreviewList& m_list;
};
