// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "copy/CopyProgress.h"

#include <algorithm>

#include "copy/CopyJob.h"
#include "core/FormatItem.h"
#include "core/Message.h"
#include "platform/System.h"
#include "platform/TextUtil.h"
#include "preview/PreviewCounts.h"

void CEstCopyTime::Post(int64_t seconds) {
  m_lastPosted = seconds;
  if (m_target != nullptr) {
    m_target->Post(CMessage(kMsgTimeRemaining, seconds));
  }
}

void CEstCopyTime::Start(uint64_t total) {
  m_total = total;
  m_done = 0;
  m_startMs = -1;
  Post(-1);
  m_startMs = static_cast<int64_t>(platform::GetTickCountMs());
}

int64_t CEstCopyTime::SecondsRemaining(uint64_t total, uint64_t done, uint64_t elapsedMs) {
  if (done == 0 || done >= total || elapsedMs < 1) {
    return -1;
  }
  const uint64_t remainingMs = ((total - done) * elapsedMs + done / 2) / done;
  const int64_t seconds = static_cast<int64_t>((remainingMs + 500) / 1000);
  return std::max<int64_t>(seconds, 1);
}

void CEstCopyTime::Add(uint64_t units) {
  m_done += units;
  if (m_startMs < 0) {
    return;
  }
  const uint64_t elapsed = platform::GetTickCountMs() - static_cast<uint64_t>(m_startMs);
  const int64_t seconds = SecondsRemaining(m_total, m_done, elapsed);
  if (seconds >= 0 && seconds != m_lastPosted) {
    Post(seconds);  // the text changes only when the seconds do
  }
}

void CEstCopyTime::End() {
  Post(0);
}

std::string RemainingTimeText(int64_t seconds) {
  if (seconds < 0) {
    return {};
  }
  const int64_t h = seconds / 3600;
  const int64_t m = seconds % 3600 / 60;
  const int64_t s = seconds % 60;
  const auto n = [](int64_t value) { return static_cast<int>(value); };
  if (h > 0) {
    return platform::Format("%d hour%s, %d minute%s, %d second%s remaining", n(h), PluralSuffix(h),
                            n(m), PluralSuffix(m), n(s), PluralSuffix(s));
  }
  if (m > 0) {
    return platform::Format("%d minute%s, %d second%s remaining", n(m), PluralSuffix(m), n(s),
                            PluralSuffix(s));
  }
  return platform::Format("%d second%s remaining", n(s), PluralSuffix(s));
}

bool CCopyProgress::Apply(const CMessage& message, const CPreviewCounts& counts) {
  switch (message.Offset()) {
    case kMsgCopySetup:
      if (message.first != 0) {
        Setup(counts.FoldersToCreate(), 0, true);
      } else {
        Setup(counts.FilesToCopy() + counts.FilesToDelete(), counts.TotalSize(), false);
      }
      return true;
    case kMsgCurrentItem:
      if (const auto* item = message.Object<CItemInfo>()) {
        CurrentItem(item->size);
      }
      return true;
    case kMsgBytesWritten:
      BytesWritten(static_cast<uint64_t>(message.first));
      return true;
    case kMsgFileFailed:
      FileFailed();
      return true;
    case kMsgItemDone:
      ItemDone();
      return true;
    case kMsgTimeRemaining:
      TimeRemaining(message.first);
      return true;
    default:
      return false;
  }
}

void CCopyProgress::Setup(int32_t items, uint64_t bytes, bool folderMode) {
  m_itemCount = items;
  m_remaining = items;
  m_totalBytes = bytes;
  m_folderMode = folderMode;
  m_overallDone = 0;
  m_fileDone = 0;
  m_itemsDone = 0;
  m_overallPercent = 0;
  m_filePercent = 0;
}

void CCopyProgress::CurrentItem(uint64_t size) {
  m_currentSize = size;
  m_fileDone = 0;
  m_filePercent = 0;
}

void CCopyProgress::BytesWritten(uint64_t bytes) {
  m_fileDone += bytes;
  if (m_currentSize != 0) {
    m_filePercent = static_cast<int>(std::min<uint64_t>(m_fileDone * 100 / m_currentSize, 100));
  }
  if (m_totalBytes != 0) {
    m_overallPercent = static_cast<int>(
        std::min<uint64_t>((m_overallDone + m_fileDone) * 100 / m_totalBytes, 100));
  }
}

void CCopyProgress::FileFailed() {
  m_filePercent = 0;
  if (m_totalBytes != 0) {
    m_overallPercent =
        static_cast<int>(std::min<uint64_t>(m_overallDone * 100 / m_totalBytes, 100));
  }
}

void CCopyProgress::ItemDone() {
  m_filePercent = 100;
  m_overallDone += m_currentSize;
  if (m_totalBytes != 0) {
    m_overallPercent =
        static_cast<int>(std::min<uint64_t>(m_overallDone * 100 / m_totalBytes, 100));
  } else {
    m_overallPercent = m_itemCount == 0
                           ? 100
                           : static_cast<int>(std::min<int64_t>(
                                 (static_cast<int64_t>(m_itemsDone) + 1) * 100 / m_itemCount, 100));
  }
  ++m_itemsDone;
  m_remaining = std::max(m_remaining - 1, 0);
  m_currentSize = 0;
}

void CCopyProgress::Finish(bool nothingDone) {
  if (nothingDone) {
    m_overallPercent = 100;
    m_filePercent = 100;
  }
}

void CCopyProgress::TimeRemaining(int64_t seconds) {
  if (seconds < 0) {
    m_timeText.clear();
  } else if (seconds == 0 && m_timeText.empty()) {
    return;
  } else {
    m_timeText = RemainingTimeText(seconds);
  }
}

std::string CCopyProgress::ProgressLabel() const {
  return m_folderMode && m_itemCount != 0 ? "Folder Progress:" : "File Progress:";
}

std::string CCopyProgress::RemainingText(const CFormatItem& format) const {
  return platform::Format(m_folderMode ? "%s folder%s remaining" : "%s file%s remaining",
                          format.FormatCount(m_remaining).c_str(), PluralSuffix(m_remaining));
}
