// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "preview/PreviewStatistics.h"

#include "core/ElapsedTime.h"
#include "core/FormatItem.h"
#include "preview/PreviewJob.h"
#include "profile/SettingsState.h"

SPreviewStatistics MakePreviewStatistics(const CPreviewJob& job, int32_t copyMode,
                                         const CFormatItem& format, const CElapsedTime& elapsed) {
  SPreviewStatistics statistics;
  const int64_t needed = job.SpaceNeeded();
  statistics.notEnoughSpace = needed > 0 && static_cast<uint64_t>(needed) > job.SpaceAvailable();
  statistics.foldersOnly = copyMode == kCopyTreeOnly;
  statistics.files = format.FormatCount(job.Files());
  statistics.folders = format.FormatCount(job.Folders());
  statistics.size = format.FormatCount64(job.TotalSize());
  statistics.spaceNeeded = format.FormatCount64(static_cast<uint64_t>(needed > 0 ? needed : 0));
  statistics.spaceAvailable = (statistics.notEnoughSpace ? "*** " : "") +
                              format.FormatCount64(job.SpaceAvailable());
  statistics.elapsed = format.AdaptDecimal(elapsed.Text(false));
  return statistics;
}
