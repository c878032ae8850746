// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/ThreadJob.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <future>
#include <mutex>
#include <new>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "core/MessageQueue.h"
#include "platform/DebugMessages.h"

namespace {

using namespace std::chrono_literals;

// Long enough never to be reached by a sound run; a broken one fails instead of hanging.
constexpr auto kPatience = 10s;

// A flag one thread raises and another waits for.
class CSignal {
 public:
  void Raise() {
    {
      std::lock_guard lock(m_mutex);
      m_raised = true;
    }
    m_changed.notify_all();
  }
  bool WaitFor(std::chrono::milliseconds timeout = kPatience) {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, timeout, [this] { return m_raised; });
  }

 private:
  std::mutex m_mutex;
  std::condition_variable m_changed;
  bool m_raised = false;
};

// What happened, in order, across threads.
class CLog {
 public:
  void Add(std::string entry) {
    std::lock_guard lock(m_mutex);
    m_entries.push_back(std::move(entry));
  }
  std::vector<std::string> Entries() const {
    std::lock_guard lock(m_mutex);
    return m_entries;
  }

 private:
  mutable std::mutex m_mutex;
  std::vector<std::string> m_entries;
};

// For state that offers no notification of its own: checks again until it holds.
bool Eventually(const std::function<bool()>& condition) {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) {
      return false;
    }
    std::this_thread::yield();
  }
  return true;
}

// A job whose run is given by the test.
class CTestJob : public CThreadJob {
 public:
  using Body = std::function<int32_t(CTestJob&)>;
  explicit CTestJob(Body body, std::function<void()> afterEndRuns = {})
      : m_body(std::move(body)), m_afterEndRuns(std::move(afterEndRuns)) {}
  ~CTestJob() override {
    EndRuns();
    if (m_afterEndRuns) {
      m_afterEndRuns();
    }
  }

  using CThreadJob::CheckPoint;
  CMessageTarget* Target() const { return m_notifyWnd; }
  int32_t Param() const { return m_param; }
  // Stands for the job's end after a failure; set before Start.
  std::function<void(const std::string&)> onFailure;

 protected:
  int32_t Run() override { return m_body(*this); }
  void EndAfterFailure(const std::string& reason) override {
    if (onFailure) {
      onFailure(reason);
    }
  }

 private:
  Body m_body;
  std::function<void()> m_afterEndRuns;
};

TEST(ThreadJobRun, RunsOnAWorkerWithItsParameterAndKeepsTheResult) {
  CMessageQueue queue;
  std::thread::id runThread;
  CMessageTarget* target = nullptr;
  CTestJob job([&](CTestJob& self) {
    runThread = std::this_thread::get_id();
    target = self.Target();
    return self.Param() * 2;
  });
  ASSERT_TRUE(job.Start(&queue, 21));
  job.WaitForRuns();
  EXPECT_EQ(job.Result(), 42);
  EXPECT_NE(runThread, std::this_thread::get_id());
  EXPECT_EQ(target, &queue);
}

TEST(ThreadJobRun, HasWorkerFromStartUntilTheRunReturned) {
  CSignal inside;
  CSignal release;
  CTestJob job([&](CTestJob&) {
    inside.Raise();
    release.WaitFor();
    return 1;
  });
  EXPECT_FALSE(job.HasWorker());
  ASSERT_TRUE(job.Start(nullptr, 0));
  EXPECT_TRUE(job.HasWorker());
  ASSERT_TRUE(inside.WaitFor());
  EXPECT_TRUE(job.HasWorker());
  release.Raise();
  job.WaitForRuns();
  EXPECT_FALSE(job.HasWorker());
  EXPECT_EQ(job.Result(), 1);
}

TEST(ThreadJobRun, StartClearsTheStopRequestAndTheResult) {
  std::atomic<int32_t> stopSeen{-1};
  CTestJob job([&](CTestJob& self) {
    stopSeen = self.StopValue();
    return 5;
  });
  ASSERT_TRUE(job.Start(nullptr, 0));
  job.WaitForRuns();
  ASSERT_EQ(job.Result(), 5);

  job.SetStop(1);
  {
    // While the job lock is held the new run cannot begin, so what Start cleared is visible.
    std::lock_guard hold(JobLock());
    ASSERT_TRUE(job.Start(nullptr, 0));
    EXPECT_EQ(job.StopValue(), 0);
    EXPECT_EQ(job.Result(), 0);
  }
  job.WaitForRuns();
  EXPECT_EQ(stopSeen, 0);
}

TEST(ThreadJobRun, AnEscapingExceptionBecomesAFailedResult) {
  ClearDebugMessages();
  CTestJob failing([](CTestJob&) -> int32_t { throw std::runtime_error("disk gone"); });
  ASSERT_TRUE(failing.Start(nullptr, 0));
  failing.WaitForRuns();
  EXPECT_EQ(failing.Result(), -1);

  CTestJob odd([](CTestJob&) -> int32_t { throw 7; });
  ASSERT_TRUE(odd.Start(nullptr, 0));
  odd.WaitForRuns();
  EXPECT_EQ(odd.Result(), -1);

  const auto lines = GetDebugMessages();
  EXPECT_NE(std::find(lines.begin(), lines.end(), "A job failed: disk gone"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "A job failed."), lines.end());
}

TEST(ThreadJobRun, AJobThatFailedEndsItsRunOnItsWorker) {
  std::vector<std::string> reasons;
  std::vector<std::thread::id> threads;
  const auto runToEnd = [&](CTestJob::Body body) {
    CTestJob job(std::move(body));
    job.onFailure = [&](const std::string& reason) {
      reasons.push_back(reason);
      threads.push_back(std::this_thread::get_id());
    };
    EXPECT_TRUE(job.Start(nullptr, 0));
    job.WaitForRuns();
    return job.Result();
  };
  EXPECT_EQ(runToEnd([](CTestJob&) -> int32_t { throw std::runtime_error("disk gone"); }), -1);
  EXPECT_EQ(runToEnd([](CTestJob&) -> int32_t { throw 7; }), -1);
  EXPECT_EQ(runToEnd([](CTestJob&) -> int32_t { throw std::bad_alloc(); }), -1);
  EXPECT_EQ(runToEnd([](CTestJob&) { return 3; }), 3);  // a run that returns ends itself
  EXPECT_EQ(reasons, (std::vector<std::string>{
                         "disk gone", "unknown failure",
                         "Out of memory.  Please close another program and try again."}));
  EXPECT_EQ(std::count(threads.begin(), threads.end(), std::this_thread::get_id()), 0);

  // An end that fails in turn is written down; the program goes on.
  ClearDebugMessages();
  CTestJob job([](CTestJob&) -> int32_t { throw 1; });
  job.onFailure = [](const std::string&) { throw 2; };
  ASSERT_TRUE(job.Start(nullptr, 0));
  job.WaitForRuns();
  const auto lines = GetDebugMessages();
  EXPECT_NE(std::find(lines.begin(), lines.end(), "A job that failed could not report its end."),
            lines.end());
}

TEST(ThreadJobLock, RunsOfTwoJobsNeverOverlap) {
  CLog log;
  CSignal firstInside;
  CSignal releaseFirst;
  CTestJob first([&](CTestJob&) {
    log.Add("first in");
    firstInside.Raise();
    releaseFirst.WaitFor();
    log.Add("first out");
    return 0;
  });
  CSignal secondInside;
  CTestJob second([&](CTestJob&) {
    log.Add("second in");
    secondInside.Raise();
    log.Add("second out");
    return 0;
  });
  ASSERT_TRUE(first.Start(nullptr, 0));
  ASSERT_TRUE(firstInside.WaitFor());
  ASSERT_TRUE(second.Start(nullptr, 0));
  // Gives a second run that ignored the lock the time to show itself; only its absence is
  // asserted, so the short wait cannot make the test pass.
  EXPECT_FALSE(secondInside.WaitFor(50ms));
  releaseFirst.Raise();
  first.WaitForRuns();
  second.WaitForRuns();
  EXPECT_EQ(log.Entries(),
            (std::vector<std::string>{"first in", "first out", "second in", "second out"}));
}

TEST(ThreadJobLifetime, AJobDestroyedBeforeItsWorkerTookTheLockDoesNotRun) {
  std::atomic<int> runs{0};
  auto* job = new CTestJob([&](CTestJob&) {
    ++runs;
    return 0;
  });
  std::unique_lock hold(JobLock());
  ASSERT_TRUE(job->Start(nullptr, 0));
  // The destructor waits for the worker, and the worker waits for the lock held here.
  std::thread destroyer([job] { delete job; });
  const bool ending = Eventually([job] { return job->IsEnding(); });
  hold.unlock();
  destroyer.join();
  ASSERT_TRUE(ending);
  EXPECT_EQ(runs, 0);
}

TEST(ThreadJobLifetime, DestructionWaitsForTheRunningRun) {
  CLog log;
  CSignal inside;
  CSignal release;
  auto* job = new CTestJob(
      [&](CTestJob&) {
        inside.Raise();
        release.WaitFor();
        log.Add("run returned");
        return 0;
      },
      [&] { log.Add("destroyed"); });
  ASSERT_TRUE(job->Start(nullptr, 0));
  ASSERT_TRUE(inside.WaitFor());
  std::thread destroyer([job] { delete job; });
  ASSERT_TRUE(Eventually([job] { return job->IsEnding(); }));
  EXPECT_TRUE(log.Entries().empty());
  release.Raise();
  destroyer.join();
  EXPECT_EQ(log.Entries(), (std::vector<std::string>{"run returned", "destroyed"}));
}

TEST(ThreadJobLifetime, StartIsRefusedOnceTheJobIsEnding) {
  struct CEndedJob : CThreadJob {
    ~CEndedJob() override { EndRuns(); }
    void End() { EndRuns(); }
    int32_t Run() override { return 0; }
  };
  CEndedJob job;
  job.End();
  EXPECT_FALSE(job.Start(nullptr, 0));
  EXPECT_FALSE(job.HasWorker());
}

// The worker announces each checkpoint before it reaches it and after it passed it.
class ThreadJobSuspension : public ::testing::Test {
 protected:
  struct SProgress {
    std::mutex mutex;
    std::condition_variable changed;
    int reached = 0;
    int passed = 0;
    bool stopSeen = false;
  };

  static CTestJob::Body Steps(SProgress& progress, int steps) {
    return [&progress, steps](CTestJob& self) {
      for (int step = 1; step <= steps; ++step) {
        {
          std::lock_guard lock(progress.mutex);
          progress.reached = step;
        }
        progress.changed.notify_all();
        const bool stop = self.CheckPoint();
        {
          std::lock_guard lock(progress.mutex);
          progress.passed = step;
          progress.stopSeen = stop;
        }
        progress.changed.notify_all();
        if (stop) {
          break;
        }
      }
      return 0;
    };
  }

  static bool WaitFor(SProgress& progress, const std::function<bool()>& condition,
                      std::chrono::milliseconds timeout = kPatience) {
    std::unique_lock lock(progress.mutex);
    return progress.changed.wait_for(lock, timeout, condition);
  }
};

TEST_F(ThreadJobSuspension, CheckPointWaitsWhileSuspended) {
  SProgress progress;
  CTestJob job(Steps(progress, 1));
  job.Suspend(true);
  EXPECT_TRUE(job.IsSuspended());
  ASSERT_TRUE(job.Start(nullptr, 0));
  ASSERT_TRUE(WaitFor(progress, [&] { return progress.reached == 1; }));
  // Only the absence of progress is asserted here; the short wait cannot make the test pass.
  EXPECT_FALSE(WaitFor(
      progress, [&] { return progress.passed == 1; }, 50ms));
  EXPECT_TRUE(job.HasWorker());

  job.Suspend(false);
  EXPECT_FALSE(job.IsSuspended());
  EXPECT_TRUE(WaitFor(progress, [&] { return progress.passed == 1; }));
  job.WaitForRuns();
  EXPECT_FALSE(progress.stopSeen);
}

TEST_F(ThreadJobSuspension, AStopRequestedWhileSuspendedIsSeenOnResuming) {
  SProgress progress;
  CTestJob job(Steps(progress, 3));
  job.Suspend(true);
  ASSERT_TRUE(job.Start(nullptr, 0));
  ASSERT_TRUE(WaitFor(progress, [&] { return progress.reached == 1; }));
  job.SetStop(1);
  job.Suspend(false);
  job.WaitForRuns();
  EXPECT_EQ(progress.passed, 1);
  EXPECT_TRUE(progress.stopSeen);
}

TEST_F(ThreadJobSuspension, DestroyingASuspendedJobLetsItsRunFinish) {
  SProgress progress;
  auto* job = new CTestJob(Steps(progress, 2));
  job->Suspend(true);
  ASSERT_TRUE(job->Start(nullptr, 0));
  ASSERT_TRUE(WaitFor(progress, [&] { return progress.reached == 1; }));
  auto destroyed = std::async(std::launch::async, [job] { delete job; });
  if (destroyed.wait_for(kPatience) != std::future_status::ready) {
    ADD_FAILURE() << "the destruction of a suspended job never ended";
    job->Suspend(false);
  }
  destroyed.get();
  EXPECT_EQ(progress.passed, 2);
}

TEST(ThreadJobMessages, PostedMessagesArriveInOrder) {
  constexpr int kCount = 200;
  CMessageQueue queue;
  CTestJob job([](CTestJob& self) {
    for (int i = 0; i < kCount; ++i) {
      self.Target()->Post(CMessage(kMsgAddItem, i));
    }
    CMessage done(kMsgPreviewDone, 0, 3);
    done.text = "finished";
    done.Attach(std::make_shared<std::string>("the list"));
    self.Target()->Post(std::move(done));
    return 0;
  });
  ASSERT_TRUE(job.Start(&queue, 0));
  std::vector<int64_t> order;
  CMessage last;
  const bool finished = queue.DispatchUntil(
      [&](CMessage& message) {
        if (message.Offset() == kMsgAddItem) {
          order.push_back(message.first);
        } else {
          last = message;
        }
        return 0;
      },
      [](const CMessage& message) { return message.Offset() == kMsgPreviewDone; }, kPatience);
  job.WaitForRuns();
  ASSERT_TRUE(finished);
  ASSERT_EQ(order.size(), size_t{kCount});
  for (int i = 0; i < kCount; ++i) {
    EXPECT_EQ(order[i], i);
  }
  EXPECT_EQ(last.second, 3);
  EXPECT_EQ(last.text, "finished");
  ASSERT_NE(last.Object<std::string>(), nullptr);
  EXPECT_EQ(*last.Object<std::string>(), "the list");
}

TEST(ThreadJobMessages, SendWaitsForTheReceiversAnswer) {
  CMessageQueue queue;
  std::atomic<bool> sendReturned{false};
  CTestJob job([&](CTestJob& self) {
    CMessage ask(kMsgGatherCheck);
    ask.text = "report.doc";
    const int64_t answer = self.Target()->Send(std::move(ask));
    sendReturned = true;
    return static_cast<int32_t>(answer);
  });
  ASSERT_TRUE(job.Start(&queue, 0));
  bool blockedWhileHandled = false;
  std::string asked;
  ASSERT_TRUE(queue.DispatchOne(
      [&](CMessage& message) {
        blockedWhileHandled = !sendReturned;
        asked = message.text;
        return int64_t{42};
      },
      kPatience));
  job.WaitForRuns();
  EXPECT_TRUE(blockedWhileHandled);
  EXPECT_EQ(asked, "report.doc");
  EXPECT_EQ(job.Result(), 42);
}

}  // namespace
