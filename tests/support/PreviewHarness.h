// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "core/Message.h"
#include "core/MessageQueue.h"
#include "core/Options.h"
#include "core/PathText.h"
#include "core/Reporter.h"
#include "platform/DateTime.h"
#include "preview/ListData.h"
#include "preview/PreviewCounts.h"
#include "preview/PreviewJob.h"
#include "preview/PreviewList.h"
#include "run/PreviewRun.h"
#include "run/RunPreparation.h"
#include "tests/support/ScriptedPrompter.h"

namespace preview_testing {

// A file time from a local calendar time.
inline platform::FileTime LocalFileTime(int year, int month, int day, int hour = 12, int minute = 0,
                                        int second = 0) {
  platform::FileTime time = 0;
  EXPECT_TRUE(
      platform::CDateTime::FromParts(year, month, day, hour, minute, second).ToFileTime(time));
  return time;
}

constexpr platform::FileTime kSecond = 10'000'000;

// One preview run as the windows drive it: the run posts to a queue that this thread drains
// into a list and its counts until the done message comes.
class CPreviewHarness {
 public:
  // Called on this thread for every message, before the run sees it.
  std::function<void(CMessage&)> onMessage;

  // The folders of the run; ending in a backslash.
  SPreparedFolders Folders(const std::string& source, const std::string& destination,
                           uint32_t cluster = 4096) const {
    SPreparedFolders prepared;
    prepared.source = source;
    prepared.destination = destination;
    prepared.drives.sourceCluster = cluster;
    prepared.drives.destCluster = cluster;
    prepared.drives.destFree = 1ULL << 40;
    return prepared;
  }

  // Runs a preview of `settings` (whose paths name the two folders) to its end, without the
  // folder checks (the tests give the folders as they are).
  bool Run(const CSettingsState& settings, const SProgramOptions& options = {},
           bool previewRun = true, uint32_t cluster = 4096) {
    m_options = options;
    SPreparedRun prepared;
    prepared.settings = AsLoadedIntoPages(settings);
    prepared.folders = Folders(WithBackslash(settings.sourcePath),
                               WithBackslash(settings.destinationPath), cluster);
    CPrompterReporter reporter(prompter);
    if (!run.Start(prepared, previewRun, reporter)) {
      return false;
    }
    return Drain();
  }

  // Handles messages until the done message; false when it does not come in time.
  bool Drain() {
    const bool done = queue.DispatchUntil(
        [this](CMessage& message) -> int64_t {
          switch (message.Offset()) {
            case kMsgFolderStarted:
              ++foldersStarted;
              break;
            case kMsgCurrentFolder:
              currentFolders.push_back(message.text);
              break;
            case kMsgPreviewDone:
              doneFirst = message.first;
              stopValue = message.second;
              break;
            default:
              break;
          }
          if (onMessage) {
            onMessage(message);
          }
          bool handled = false;
          return run.Handle(message, handled);
        },
        [](const CMessage& message) { return message.Offset() == kMsgPreviewDone; },
        std::chrono::seconds(60));
    job.WaitForRuns();
    return done;
  }

  // The rows as "action folder\name" texts, in list order.
  std::vector<std::string> Rows() const {
    std::vector<std::string> rows;
    for (size_t i = 0; i < list.Count(); ++i) {
      const CFilesListCtrlData& row = list.Row(i);
      const char* action = row.action == kActionCopy
                               ? "copy "
                               : (row.action == kActionDelete ? "delete " : "create ");
      rows.push_back(action + row.FullPath());
    }
    return rows;
  }

  CMessageQueue queue;
  CPreviewList list;
  CPreviewCounts counts{list};
  CScriptedPrompter prompter;
  int foldersStarted = 0;
  std::vector<std::string> currentFolders;
  int64_t doneFirst = -1;
  int64_t stopValue = -1;

 private:
  SProgramOptions m_options;

 public:
  // Declared last so that it goes first: its worker must end before the queue and the list
  // that it reports to.
  CPreviewRun run{prompter, m_options, queue, list};
  CPreviewJob& job = run.Job();
};

}  // namespace preview_testing
