// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "preview/PreviewReceiver.h"

#include "core/Message.h"
#include "platform/DateTime.h"
#include "preview/PreviewList.h"

void CPreviewReceiver::Reset() {
  m_allItemsListed = true;
  m_namesIndexed = false;
  m_byName.clear();
}

int64_t CPreviewReceiver::Handle(CMessage& message, bool& handled) {
  handled = true;
  switch (message.Offset()) {
    case kMsgAddItem:
      if (auto row = std::static_pointer_cast<CFilesListCtrlData>(message.object)) {
        row->action = static_cast<int32_t>(message.first);
        AddRows({std::move(row)});
      }
      return 0;
    case kMsgAddItems:
      if (const auto* rows = message.Object<std::vector<std::shared_ptr<CFilesListCtrlData>>>()) {
        AddRows(*rows);
      }
      return 0;
    case kMsgGatherCheck:
      return GatherCheck(message);
    default:
      handled = false;
      return 0;
  }
}

void CPreviewReceiver::AddRows(std::vector<std::shared_ptr<CFilesListCtrlData>> rows) {
  std::erase(rows, nullptr);
  for (const auto& row : rows) {
    // Written only when out of range: a copy that runs while the list is gathered reads
    // the same rows on its own thread.
    if (row->action < kActionCopy || row->action > kActionDelete) {
      row->action = row->action < kActionCopy ? kActionCopy : kActionDelete;
    }
  }
  // A batch of rows is one change of the list, so a window redraws once for it.
  const size_t taken = m_list.Append(rows);
  if (taken < rows.size()) {
    m_allItemsListed = false;
  }
  if (m_namesIndexed) {
    for (size_t i = 0; i < taken; ++i) {
      if (rows[i]->action == kActionCopy) {
        m_byName.emplace(rows[i]->name, rows[i].get());
      }
    }
  }
}

int64_t CPreviewReceiver::GatherCheck(const CMessage& message) {
  // Only files to copy compete: a stray of the same name elsewhere in the destination is
  // no gathered file.
  if (!m_namesIndexed) {
    for (size_t i = 0; i < m_list.Count(); ++i) {
      if (m_list.Row(i).action == kActionCopy) {
        m_byName.emplace(m_list.Row(i).name, &m_list.Row(i));
      }
    }
    m_namesIndexed = true;
  }
  const auto found = m_byName.find(message.text);
  if (found == m_byName.end()) {
    return 1;
  }
  const auto* modified = message.Object<platform::CDateTime>();
  CFilesListCtrlData* listed = found->second;
  if (modified == nullptr || !(listed->modified.LinearDays() < modified->LinearDays())) {
    return 0;  // the listed file is as new or newer: it stays
  }
  const long index = m_list.IndexOf(listed);
  m_byName.erase(found);
  if (index >= 0) {
    m_list.Remove(static_cast<size_t>(index));
  }
  return 1;
}
