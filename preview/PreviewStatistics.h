// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <string>

class CElapsedTime;
class CFormatItem;
class CPreviewJob;

// What the Preview Statistics window shows after a preview, as texts.
struct SPreviewStatistics {
  std::string files;
  std::string folders;
  std::string size;
  std::string spaceNeeded;
  // With "*** " in front when the space needed exceeds it.
  std::string spaceAvailable;
  std::string elapsed;
  // More space is needed than is available (equal is enough).
  bool notEnoughSpace = false;
  // The folder tree alone is copied: the file, size and space figures do not apply.
  bool foldersOnly = false;
};

SPreviewStatistics MakePreviewStatistics(const CPreviewJob& job, int32_t copyMode,
                                         const CFormatItem& format, const CElapsedTime& elapsed);
