// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/ThreadJob.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>
#include <system_error>
#include <thread>

#include "core/AppText.h"
#include "platform/DebugMessages.h"

std::mutex& JobLock() {
  static std::mutex lock;
  return lock;
}

void CSuspendGate::Close() {
  std::lock_guard lock(m_mutex);
  m_closed.store(true);
}

void CSuspendGate::Open() {
  {
    std::lock_guard lock(m_mutex);
    m_closed.store(false);
  }
  m_opened.notify_all();
}

bool CSuspendGate::IsClosed() const {
  return m_closed.load();
}

void CSuspendGate::Pass() {
  // Passed between every two entries of a walk, by several threads: an open gate costs no
  // lock.
  if (!m_closed.load()) {
    return;
  }
  std::unique_lock lock(m_mutex);
  m_opened.wait(lock, [this] { return !m_closed.load(); });
}

CThreadJob::~CThreadJob() {
  {
    std::lock_guard lock(m_stateMutex);
    if (m_inRun) {
      // The derived part is already gone while its run goes on: nothing sound can follow.
      std::fputs("Brevant: a job was destroyed while it ran\n", stderr);
      std::abort();
    }
  }
  EndRuns();
}

bool CThreadJob::Start(CMessageTarget* notifyWnd, int32_t param) {
  m_notifyWnd = notifyWnd;
  m_param = param;
  m_stop = 0;
  m_result = 0;
  {
    std::lock_guard lock(m_stateMutex);
    if (m_ending) {
      return false;
    }
    ++m_liveWorkers;
    ++m_recordedWorkers;
  }
  try {
    std::thread([this] { WorkerMain(); }).detach();
  } catch (const std::system_error&) {
    std::lock_guard lock(m_stateMutex);
    --m_liveWorkers;
    --m_recordedWorkers;
    return false;
  }
  return true;
}

bool CThreadJob::HasWorker() const {
  std::lock_guard lock(m_stateMutex);
  return m_recordedWorkers > 0;
}

bool CThreadJob::IsEnding() const {
  std::lock_guard lock(m_stateMutex);
  return m_ending;
}

void CThreadJob::Suspend(bool on) {
  if (on) {
    m_gate.Close();
  } else {
    m_gate.Open();
  }
}

bool CThreadJob::CheckPoint() {
  m_gate.Pass();
  return m_stop != 0;
}

void CThreadJob::EndRuns() {
  std::unique_lock lock(m_stateMutex);
  m_ending = true;
  // A suspended worker could never finish.
  m_gate.Open();
  m_workersEnded.wait(lock, [this] { return m_liveWorkers == 0; });
}

void CThreadJob::WaitForRuns() {
  std::unique_lock lock(m_stateMutex);
  m_workersEnded.wait(lock, [this] { return m_liveWorkers == 0; });
}

void CThreadJob::EndAfterFailure(const std::string&) {}

void CThreadJob::RunOnce() {
  std::string failure;
  try {
    m_result = Run();
    return;
  } catch (const std::bad_alloc&) {
    AddDebugMessage("A job ran out of memory.");
    failure = kOutOfMemoryText;
  } catch (const std::exception& error) {
    AddDebugMessage("A job failed: %s", error.what());
    failure = error.what();
  } catch (...) {
    // Anything else escaping the thread would end the whole program.
    AddDebugMessage("A job failed.");
    failure = "unknown failure";
  }
  m_result = -1;
  try {
    EndAfterFailure(failure);
  } catch (...) {
    AddDebugMessage("A job that failed could not report its end.");
  }
}

void CThreadJob::WorkerMain() {
  {
    std::unique_lock jobLock(JobLock(), std::defer_lock);
    if (UsesJobLock()) {
      jobLock.lock();
    }
    bool run = false;
    {
      std::lock_guard lock(m_stateMutex);
      run = !m_ending;
      m_inRun = run;
    }
    if (run) {
      RunOnce();
    }
    std::lock_guard lock(m_stateMutex);
    m_inRun = false;
    --m_recordedWorkers;
  }
  // The last touch of the job: once the count is down and the lock released, the job may be
  // destroyed.
  std::lock_guard lock(m_stateMutex);
  --m_liveWorkers;
  m_workersEnded.notify_all();
}
