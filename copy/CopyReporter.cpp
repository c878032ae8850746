// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "copy/CopyReporter.h"

#include <memory>

#include "copy/CopyJob.h"
#include "preview/ListData.h"

void CCopyReporter::SetTarget(CMessageTarget* target) {
  m_outbox.Restart(target);
  m_estimate.SetTarget(&m_outbox);
  m_held.clear();
  m_holding = false;
  m_reported = false;
}

void CCopyReporter::Hold() {
  m_holding = true;
}

void CCopyReporter::Release() {
  m_holding = false;
  std::vector<SHeld> held;
  held.swap(m_held);
  for (const SHeld& report : held) {
    Emit(report);
  }
}

void CCopyReporter::Post(CMessage message) {
  m_outbox.Post(std::move(message));
}

void CCopyReporter::Deliver() {
  m_outbox.Deliver();
}

void CCopyReporter::ItemStarted() {
  Report(SHeld{nullptr, 0, kMsgFolderStarted, false});
}

void CCopyReporter::CurrentItem(const CFilesListCtrlData& row, bool sizeShown) {
  Report(SHeld{&row, 0, kMsgCurrentItem, sizeShown});
}

void CCopyReporter::BytesWritten(uint64_t bytes) {
  Report(SHeld{nullptr, bytes, kMsgBytesWritten, false});
}

void CCopyReporter::FileFailed() {
  Report(SHeld{nullptr, 0, kMsgFileFailed, false});
}

void CCopyReporter::ItemDone(uint64_t units) {
  Report(SHeld{nullptr, units, kMsgItemDone, false});
}

void CCopyReporter::Report(const SHeld& report) {
  m_reported = true;
  if (m_holding) {
    m_held.push_back(report);
  } else {
    Emit(report);
  }
}

void CCopyReporter::Emit(const SHeld& report) {
  switch (report.offset) {
    case kMsgCurrentItem: {
      const CFilesListCtrlData& row = *report.row;
      auto info = std::make_shared<CItemInfo>();
      info->name = row.name;
      info->folder = row.Folder();
      info->modified = row.modified;
      info->size = report.sizeShown ? row.size : 0;
      info->type = row.Type();
      info->attributes = row.AttributesText();
      info->action = row.action;
      info->listFlags = row.listFlags;
      CMessage message(kMsgCurrentItem);
      message.Attach(std::move(info));
      m_outbox.Post(std::move(message));
      break;
    }
    case kMsgBytesWritten:
      m_outbox.Post(CMessage(kMsgBytesWritten, static_cast<int64_t>(report.value)));
      m_estimate.Add(report.value);
      break;
    case kMsgItemDone:
      m_outbox.Post(CMessage(kMsgItemDone));
      m_estimate.Add(report.value);
      break;
    default:
      m_outbox.Post(CMessage(report.offset));
      break;
  }
}
