// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "preview/PreviewReceiver.h"

#include "core/Message.h"
#include "platform/DateTime.h"
#include "preview/PreviewCounts.h"
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
      AddRow(static_cast<int32_t>(message.first),
             std::static_pointer_cast<CFilesListCtrlData>(message.object));
      return 0;
    case kMsgAddItems:
      if (const auto* rows = message.Object<std::vector<std::shared_ptr<CFilesListCtrlData>>>()) {
        for (const auto& row : *rows) {
          AddRow(row->action, row);
        }
      }
      return 0;
    case kMsgGatherCheck:
      return GatherCheck(message);
    default:
      handled = false;
      return 0;
  }
}

void CPreviewReceiver::AddRow(int32_t action, std::shared_ptr<CFilesListCtrlData> row) {
  if (!row) {
    return;
  }
  row->action = action < 0 ? 0 : (action > 2 ? 2 : action);
  if (!m_list.Add(row)) {
    m_allItemsListed = false;
    return;
  }
  m_counts.Add(*row);
  if (m_namesIndexed && row->action == kActionCopy) {
    m_byName.emplace(row->name, row.get());
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
    m_list.Remove(static_cast<size_t>(index), m_counts);
  }
  return 1;
}
