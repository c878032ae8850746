// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "listops/LaunchJob.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include "core/ThreadJob.h"

namespace {

using namespace std::chrono_literals;

// A shell that records what it is asked and, while held, keeps every launch waiting.
class CFakeShell {
 public:
  FShellExecute Execute() {
    return [this](std::string_view verb, std::string_view target, std::string_view parameters) {
      std::unique_lock lock(m_mutex);
      m_calls.push_back(std::string(verb) + "|" + std::string(target) + "|" +
                        std::string(parameters));
      m_changed.notify_all();
      m_changed.wait(lock, [this] { return !m_held; });
      return m_result;
    };
  }
  FLaunchReport Report() {
    return [this](const std::string& text) {
      std::lock_guard lock(m_mutex);
      m_reports.push_back(text);
      m_changed.notify_all();
    };
  }
  void Hold(bool held) {
    std::lock_guard lock(m_mutex);
    m_held = held;
    m_changed.notify_all();
  }
  void SetResult(int result) { m_result = result; }
  bool WaitForCalls(size_t count) {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, 10s, [&] { return m_calls.size() >= count; });
  }
  bool WaitForReports(size_t count) {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, 10s, [&] { return m_reports.size() >= count; });
  }
  std::vector<std::string> Calls() {
    std::lock_guard lock(m_mutex);
    return m_calls;
  }
  std::vector<std::string> Reports() {
    std::lock_guard lock(m_mutex);
    return m_reports;
  }

 private:
  std::mutex m_mutex;
  std::condition_variable m_changed;
  std::vector<std::string> m_calls;
  std::vector<std::string> m_reports;
  bool m_held = false;
  int m_result = 42;
};

bool WaitUntilFinished(const CLaunchJob& job) {
  const auto deadline = std::chrono::steady_clock::now() + 10s;
  while (!job.Finished() || job.HasWorker()) {
    if (std::chrono::steady_clock::now() > deadline) {
      return false;
    }
    std::this_thread::yield();
  }
  return true;
}

TEST(LaunchJob, WebAddressesGetTheirSchemeAndBlanksGo) {
  CFakeShell shell;
  CLaunchJob job(shell.Execute(), shell.Report());
  struct SCase {
    const char* given;
    const char* target;
  };
  for (const SCase c : {SCase{"www.example.org", "http://www.example.org"},
                        {"  WwW.x  ", "http://WwW.x"},
                        {"www.", "www."},
                        {"wwwx.org", "wwwx.org"},
                        {" C:\\a b\\c.txt ", "C:\\a b\\c.txt"}}) {
    job.SetParameters("old");
    job.SetTarget(c.given, false);
    EXPECT_EQ(job.Target(), c.target) << c.given;
    EXPECT_EQ(job.Parameters(), "");
  }
}

TEST(LaunchJob, AFailureNamesTheTargetAndTheShellsReason) {
  struct SCase {
    int code;
    bool explore;
    const char* text;
  };
  for (const SCase c :
       {SCase{2, false, "Could not open \"C:\\x\".  This item was not found."},
        {3, true, "Could not explore \"C:\\x\".  This item's path was not found."},
        {5, false, "Could not open \"C:\\x\".  Windows denied access to this item."},
        {8, false,
         "Could not open \"C:\\x\".  There isn't enough available memory.  Try closing another "
         "application."},
        {27, false,
         "Could not open \"C:\\x\".  You may need to use Windows Explorer to set up an "
         "association for this item."},
        {31, false,
         "Could not open \"C:\\x\".  You may need to use Windows Explorer to set up an "
         "association for this item."},
        {0, true, "Could not explore \"C:\\x\"."}}) {
    EXPECT_EQ(LaunchFailureText("C:\\x", c.explore, c.code), c.text);
  }
  EXPECT_EQ(LaunchFailureText(std::string(300, 'a'), false, 0).size(),
            std::string("Could not open \"\".").size() + 259);
}

TEST(LaunchJob, RunsTheVerbAndReportsAFailureOnItsWorker) {
  CFakeShell shell;
  CLaunchPool pool(shell.Execute(), shell.Report());
  ASSERT_TRUE(pool.Launch("C:\\docs", true));
  ASSERT_TRUE(shell.WaitForCalls(1));
  shell.SetResult(31);
  ASSERT_TRUE(pool.Launch("C:\\a.xyz", false, " \"p\""));
  ASSERT_TRUE(shell.WaitForReports(1));
  EXPECT_EQ(shell.Calls(),
            (std::vector<std::string>{"explore|C:\\docs|", "open|C:\\a.xyz| \"p\""}));
  EXPECT_EQ(shell.Reports(),
            std::vector<std::string>{"Could not open \"C:\\a.xyz\".  You may need to use Windows "
                                     "Explorer to set up an association for this item."});
}

TEST(LaunchJob, AnEmptyTargetLaunchesNothing) {
  CFakeShell shell;
  CLaunchPool pool(shell.Execute(), shell.Report());
  CLaunchJob& job = pool.GetJob();
  job.SetTarget("   ", false);
  ASSERT_TRUE(job.Start());
  ASSERT_TRUE(WaitUntilFinished(job));
  EXPECT_EQ(job.Result(), CLaunchJob::kNothingToDo);
  EXPECT_TRUE(shell.Calls().empty());
}

TEST(LaunchJob, BusyJobsAreNotHandedOutAndFreeOnesAreReused) {
  CFakeShell shell;
  shell.Hold(true);
  CLaunchPool pool(shell.Execute(), shell.Report());
  CLaunchJob* first = &pool.GetJob();
  first->SetTarget("one", false);
  ASSERT_TRUE(first->Start());
  CLaunchJob* second = &pool.GetJob();
  second->SetTarget("two", false);
  ASSERT_TRUE(second->Start());
  EXPECT_NE(first, second);
  ASSERT_TRUE(shell.WaitForCalls(2));
  shell.Hold(false);
  ASSERT_TRUE(WaitUntilFinished(*first));
  ASSERT_TRUE(WaitUntilFinished(*second));
  EXPECT_EQ(&pool.GetJob(), first);
  EXPECT_EQ(pool.JobCount(), 2u);
}

TEST(LaunchJob, ALaunchDoesNotWaitForARunningPreviewOrCopy) {
  CFakeShell shell;
  CLaunchPool pool(shell.Execute(), shell.Report());
  // A long copy holds the job lock for its whole run.
  std::lock_guard copyRunning(JobLock());
  ASSERT_TRUE(pool.Launch("C:\\report.txt", false));
  EXPECT_TRUE(shell.WaitForCalls(1));
}

}  // namespace
