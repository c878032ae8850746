// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "preview/PreviewCounts.h"

#include "core/FormatItem.h"
#include "platform/TextUtil.h"
#include "preview/ListData.h"

CPreviewCounts::CPreviewCounts(CPreviewList& list) : m_list(list) {
  for (size_t i = 0; i < list.Count(); ++i) {
    Add(list.Row(i));
  }
  m_list.AddListener(this);
}

CPreviewCounts::~CPreviewCounts() {
  m_list.RemoveListener(this);
}

void CPreviewCounts::RowsAppended(const CPreviewList& list, size_t first, size_t count) {
  for (size_t i = first; i < first + count; ++i) {
    Add(list.Row(i));
  }
}

void CPreviewCounts::RowsAboutToBeRemoved(const CPreviewList& list,
                                          const std::vector<size_t>& rows) {
  for (const size_t row : rows) {
    Remove(list.Row(row));
  }
}

void CPreviewCounts::Cleared(const CPreviewList&) {
  Reset();
}

void CPreviewCounts::Reset() {
  m_filesToCopy = 0;
  m_totalSize = 0;
  m_filesToDelete = 0;
  m_foldersToCreate = 0;
  m_folders.clear();
}

std::string CPreviewCounts::FolderKey(const CFilesListCtrlData& row) {
  std::string key = row.Folder();
  if (key.size() > 3 && key.back() == '\\') {
    key.pop_back();
  }
  return key;
}

void CPreviewCounts::Add(const CFilesListCtrlData& row) {
  switch (row.action) {
    case kActionCopy:
      ++m_filesToCopy;
      m_totalSize += row.size;
      break;
    case kActionDelete:
      ++m_filesToDelete;
      break;
    default:
      ++m_foldersToCreate;
      break;
  }
  auto [entry, added] = m_folders.try_emplace(FolderKey(row));
  if (added) {
    entry->second.action = row.action;
  }
  ++entry->second.items;
  entry->second.size += row.size;
}

void CPreviewCounts::Remove(const CFilesListCtrlData& row) {
  switch (row.action) {
    case kActionCopy:
      --m_filesToCopy;
      m_totalSize -= row.size;
      break;
    case kActionDelete:
      --m_filesToDelete;
      break;
    default:
      --m_foldersToCreate;
      break;
  }
  const auto entry = m_folders.find(FolderKey(row));
  if (entry == m_folders.end()) {
    return;
  }
  if (entry->second.items < 2) {
    m_folders.erase(entry);
  } else {
    --entry->second.items;
    entry->second.size -= row.size;
  }
}

std::string CPreviewCounts::SummaryText(int32_t copyMode, const CFormatItem& format) const {
  const int32_t folders = FolderEntries();
  if (copyMode == 2) {
    return platform::Format("%s folder%s to create", format.FormatCount(m_foldersToCreate).c_str(),
                            PluralSuffix(m_foldersToCreate));
  }
  if (m_filesToDelete > 0) {
    return platform::Format("%s file%s to copy and %s file%s to delete in %s folder%s",
                            format.FormatCount(m_filesToCopy).c_str(), PluralSuffix(m_filesToCopy),
                            format.FormatCount(m_filesToDelete).c_str(),
                            PluralSuffix(m_filesToDelete), format.FormatCount(folders).c_str(),
                            PluralSuffix(folders));
  }
  return platform::Format("%s file%s to copy in %s folder%s",
                          format.FormatCount(m_filesToCopy).c_str(), PluralSuffix(m_filesToCopy),
                          format.FormatCount(folders).c_str(), PluralSuffix(folders));
}
