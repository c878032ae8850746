// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include <string>
#include <vector>

#include "app/DebugExport.h"
#include "app/DriveStatus.h"
#include "core/TextFile.h"
#include "run/FolderValidation.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TestSandbox.h"

namespace {

using testing::ElementsAre;
using testing_support::CTestSandbox;
using testing_support::ReadFile;
using testing_support::WriteFile;

// Limits the size of files this process writes, for as long as it lives; a write past the
// limit then fails (the signal it would raise is ignored meanwhile).
class CFileSizeLimit {
 public:
  explicit CFileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &m_saved);
    m_oldHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit limit = m_saved;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~CFileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &m_saved);
    signal(SIGXFSZ, m_oldHandler);
  }
  CFileSizeLimit(const CFileSizeLimit&) = delete;
  CFileSizeLimit& operator=(const CFileSizeLimit&) = delete;

 private:
  rlimit m_saved{};
  void (*m_oldHandler)(int) = nullptr;
};

TEST(DebugExport, WritesTheHeadingAndEveryLineWithWindowsLineEnds) {
  CTestSandbox sandbox;
  WriteFile(sandbox.CRoot() + "/debug.txt", std::string(500, 'x'));  // longer than the export
  CScriptedPrompter prompter;
  ASSERT_TRUE(WriteExportFile("C:\\debug.txt", DebugExportText({"first", "", "third"}), prompter));
  EXPECT_EQ(ReadFile(sandbox.CRoot() + "/debug.txt"),
            "Debug Messages\r\n\r\nfirst\r\n\r\nthird\r\n");
  EXPECT_THAT(prompter.Texts(), ElementsAre("Finished writing the export file."));
  EXPECT_EQ(DebugExportText({}), "Debug Messages\r\n\r\n");
}

TEST(DebugExport, FailuresAreToldWithAStopIcon) {
  CTestSandbox sandbox;
  CScriptedPrompter prompter;
  EXPECT_FALSE(WriteExportFile("C:\\no such folder\\debug.txt", "text", prompter));
  {
    // A file-size limit of two bytes: the file opens, but the export does not fit.
    const CFileSizeLimit limit(2);
    EXPECT_FALSE(WriteExportFile("C:\\debug.txt", "text", prompter));
  }
  EXPECT_THAT(prompter.Texts(), ElementsAre("Could not open the export file.",
                                            "Could not write to the export file."));
  for (const SPrompt& prompt : prompter.Prompts()) {
    EXPECT_EQ(prompt.icon, EIcon::kStop);
  }
}

TEST(DriveStatus, FieldsShowTheLetterAndTheStateInWords) {
  EXPECT_EQ(DriveFieldText("c:\\photos", kDriveReady), "C: ready");
  EXPECT_EQ(DriveFieldText("E:\\", kDriveNotConnected), "E: not connected or detected");
  EXPECT_EQ(DriveFieldText("F:\\backup", kDriveNoDisk), "F: no disk in drive");
  std::string path = "E:\\backup";
  ApplyDriveLetter(path, 'G');
  EXPECT_EQ(path, "G:\\backup");
}

TEST(DriveStatus, WaitingCountsThreeTwoOneOnceBothDrivesAreReady) {
  CDriveWait wait;
  EXPECT_EQ(wait.Tick(false), CDriveWait::EStep::kWaiting);
  EXPECT_EQ(wait.CountdownText(), "");
  EXPECT_EQ(wait.Tick(true), CDriveWait::EStep::kCountingDown);
  EXPECT_EQ(wait.CountdownText(), "This window will close in 3 seconds.");
  // Once counting, a drive that goes again no longer matters: the checks after the window
  // look at the drives once more.
  EXPECT_EQ(wait.Tick(false), CDriveWait::EStep::kCountingDown);
  EXPECT_EQ(wait.CountdownText(), "This window will close in 2 seconds.");
  EXPECT_EQ(wait.Tick(true), CDriveWait::EStep::kCountingDown);
  EXPECT_EQ(wait.CountdownText(), "This window will close in 1 second.");
  EXPECT_EQ(wait.Tick(true), CDriveWait::EStep::kClose);
  wait.Reset();
  EXPECT_FALSE(wait.CountingDown());
  EXPECT_EQ(wait.Tick(false), CDriveWait::EStep::kWaiting);
}

}  // namespace
