// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "copy/CopyMsgs.h"
#include "core/Message.h"
#include "core/MessageQueue.h"
#include "core/Options.h"
#include "platform/Types.h"
#include "preview/PreviewCounts.h"
#include "preview/PreviewList.h"
#include "profile/SettingsState.h"
#include "run/CopyRun.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TestSandbox.h"

namespace copy_test {

// Two write times a year apart: a source with the newer one replaces a destination with the
// older one under the default "overwrite when newer".
constexpr platform::FileTime kUnixEpochAsFileTime = 11644473600ULL * 10000000ULL;
constexpr platform::FileTime kOldTime = kUnixEpochAsFileTime + 1577836800ULL * 10000000ULL;
constexpr platform::FileTime kNewTime = kUnixEpochAsFileTime + 1609459200ULL * 10000000ULL;

// Passes every message on to a queue, after showing it to a hook on the thread that posts
// it. The hook runs on the copy worker in the middle of its step, which is how a test makes
// something happen at an exact point of a copy (a stop request after the first bytes of a
// file, a change to a file just copied) without waiting.
class CHookedTarget : public CMessageTarget {
 public:
  explicit CHookedTarget(CMessageQueue& queue) : m_queue(queue) {}
  void Post(CMessage message) override;
  bool WantsEachPost() const override { return true; }
  int64_t Send(CMessage message) override { return m_queue.Send(std::move(message)); }
  // Set before the run starts; called on the posting thread.
  std::function<void(const CMessage&)> onPost;

 private:
  CMessageQueue& m_queue;
};

// One CCopyRun with everything it talks to, driven on the test thread.
struct SCopyHarness {
  SCopyHarness();

  // Begins the run and handles its messages until it is finished; false when it did not
  // begin or did not finish within the time limit.
  bool Copy(CSettingsState settings, bool previewed = false);
  // Fills the list by a preview run of its own, as the Preview command does, so that a
  // following Copy(settings, true) copies a list that stood before the copy began.
  bool Preview(CSettingsState settings);
  bool CopyQueue(CQueueComboBoxData& queue, CCopyRun::ProfileSelector select);
  // Handles messages until the run is finished; false on time-out.
  bool Drive(std::chrono::seconds limit = std::chrono::seconds(120));

  // The texts of the status messages and the messages seen, in order.
  std::vector<std::string> statusTexts;
  std::vector<EMessageOffset> offsets;
  // Called on the test thread for each message before the run handles it.
  std::function<void(CMessage&)> onMessage;

  CMessageQueue queue;
  CHookedTarget target{queue};
  CScriptedPrompter prompter;
  CScriptedErrorWindow errors;
  SProgramOptions options;
  CPreviewList list;
  CPreviewCounts counts{list};
  CCopyRun run;
};

// A profile that copies a folder of drive C: into a folder of drive D:, as the pages hold it.
CSettingsState Profile(const std::string& source = "C:\\src",
                       const std::string& destination = "D:\\dst");

// The messages of one kind.
std::vector<SCopyMsg> OfKind(const CCopyMsgs& messages, int32_t kind);

// The names in a POSIX folder, sorted.
std::vector<std::string> Names(const std::string& posixFolder);
// Whether one of the names is a copy's temporary file.
bool HasTemporaryName(const std::vector<std::string>& names);
// A text of `size` bytes whose content depends on `seed`.
std::string Pattern(size_t size, char seed);
// Gives a POSIX file a last-write time.
void SetWriteTime(const std::string& posixPath, platform::FileTime time);
platform::FileTime WriteTime(const std::string& posixPath);

// A sandbox with a source folder on drive C: and a destination folder on drive D:, as
// Profile() names them, and a harness to copy between them.
class CopyTreeTest : public ::testing::Test {
 protected:
  std::string Src(const std::string& relative = {}) const {
    return m_sandbox.Root() + "/c/src" + (relative.empty() ? "" : "/" + relative);
  }
  std::string Dst(const std::string& relative = {}) const {
    return m_sandbox.Root() + "/d/dst" + (relative.empty() ? "" : "/" + relative);
  }

  testing_support::CTestSandbox m_sandbox;
  SCopyHarness m_copy;
};

}  // namespace copy_test
