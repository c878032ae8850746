// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <string>

class CMessageTarget;
class CFormatItem;
class CPreviewCounts;
struct CMessage;

// Estimates the time a copy still takes from the work done so far, on the copy's worker
// thread, and posts it. Work: each file to copy counts its size + 2,048 units, each folder to
// create and file to delete 1,024.
class CEstCopyTime {
 public:
  static constexpr uint64_t kFileUnits = 2048;
  static constexpr uint64_t kItemUnits = 1024;

  explicit CEstCopyTime(CMessageTarget* target = nullptr) : m_target(target) {}
  virtual ~CEstCopyTime() = default;

  void SetTarget(CMessageTarget* target) { m_target = target; }
  // The start of a copy with `total` units of work: the shown estimate is cleared.
  void Start(uint64_t total);
  // `units` more done; posts the seconds remaining.
  void Add(uint64_t units);
  // The end of a copy.
  void End();

  // The estimate for work done after `elapsedMs`: nothing (-1) when it cannot be told yet.
  static int64_t SecondsRemaining(uint64_t total, uint64_t done, uint64_t elapsedMs);

 private:
  void Post(int64_t seconds);

  CMessageTarget* m_target;
  uint64_t m_total = 0;
  uint64_t m_done = 0;
  int64_t m_startMs = -1;
  int64_t m_lastPosted = -2;
};

// "1 hour, 2 minutes, 5 seconds remaining"; -1 gives an empty text.
std::string RemainingTimeText(int64_t seconds);

// The copy-progress window's arithmetic, for the window to draw.
class CCopyProgress {
 public:
  // Takes in one message of the copy: its set-up (totals from the counts of the list being
  // copied), an item starting, bytes written, a failure, an item done, the time remaining.
  // False for a message that moves no bar.
  bool Apply(const CMessage& message, const CPreviewCounts& counts);

  // The totals of the coming copy: items (files, or folders in folder mode) and bytes.
  void Setup(int32_t items, uint64_t bytes, bool folderMode);
  void CurrentItem(uint64_t size);
  void BytesWritten(uint64_t bytes);
  void FileFailed();
  void ItemDone();
  // The copy ended with no file done: both bars are full.
  void Finish(bool nothingDone);
  // The remaining-time text as it should read after a time-remaining post.
  void TimeRemaining(int64_t seconds);

  int OverallPercent() const { return m_overallPercent; }
  int FilePercent() const { return m_filePercent; }
  int32_t Remaining() const { return m_remaining; }
  bool FolderMode() const { return m_folderMode; }
  // "File Progress:", or "Folder Progress:" when folders are counted.
  std::string ProgressLabel() const;
  // "12 files remaining", "1 folder remaining".
  std::string RemainingText(const CFormatItem& format) const;
  const std::string& TimeText() const { return m_timeText; }

 private:
  uint64_t m_totalBytes = 0;
  uint64_t m_overallDone = 0;
  uint64_t m_currentSize = 0;
  uint64_t m_fileDone = 0;
  int32_t m_remaining = 0;
  int32_t m_itemCount = 0;
  int32_t m_itemsDone = 0;
  bool m_folderMode = false;
  int m_overallPercent = 0;
  int m_filePercent = 0;
  std::string m_timeText;
};
