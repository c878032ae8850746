// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>

class CMessageTarget;

// The one lock that every job run holds from its first to its last step, so that runs of
// preview, copy and launch jobs never overlap.
std::mutex& JobLock();

// A gate that a worker passes between steps; while it is closed the worker waits. The window
// closes it while it asks the user whether to stop, so that no progress is made meanwhile.
class CSuspendGate {
 public:
  void Close();
  void Open();
  bool IsClosed() const;
  // Returns at once while open; waits while closed.
  void Pass();

 private:
  mutable std::mutex m_mutex;
  std::condition_variable m_opened;
  std::atomic<bool> m_closed{false};
};

// A job that runs on a worker thread of its own under the job lock. The window thread starts
// it, may request a stop and may suspend it; the worker reports through messages.
//
// A derived job must call EndRuns() first in its destructor, so that no run uses the job's
// members while they are destroyed.
class CThreadJob {
 public:
  CThreadJob() = default;
  virtual ~CThreadJob();
  CThreadJob(const CThreadJob&) = delete;
  CThreadJob& operator=(const CThreadJob&) = delete;

  // Records the target and the parameter, clears the stop request and the result, and starts
  // a worker thread that waits for the job lock and then runs the job. False when no thread
  // could be created.
  bool Start(CMessageTarget* notifyWnd, int32_t param);
  void SetStop(int32_t value) { m_stop = value; }
  int32_t StopValue() const { return m_stop; }
  int32_t Result() const { return m_result; }
  // Whether a worker is recorded: from Start until its run has returned.
  bool HasWorker() const;
  // Whether the job has stopped taking runs, as it does once its destruction has begun.
  bool IsEnding() const;
  // Closes (true) or opens (false) the job's suspension gate.
  void Suspend(bool on);
  bool IsSuspended() const { return m_gate.IsClosed(); }
  // Waits while the job is suspended: for work that runs on other threads as part of the
  // job's run, between its steps (the job's own thread uses CheckPoint).
  void WaitWhileSuspended() { m_gate.Pass(); }
  // Waits until every started worker of this job has finished (window-thread callers only
  // where waiting is intended, as at shutdown).
  void WaitForRuns();

 protected:
  // The job's work, on the worker thread, under the job lock.
  virtual int32_t Run() = 0;
  // Whether runs take the job lock. A job whose runs may go on beside a preview or a copy
  // (opening a file must not wait for a long copy to end) says no.
  virtual bool UsesJobLock() const { return true; }
  // Between steps of Run: waits while the job is suspended, then tells whether a stop was
  // requested.
  bool CheckPoint();
  // Lets no further run start and waits for runs in progress; first call of every derived
  // destructor.
  void EndRuns();
  // Called on the worker, still under the job lock, when Run let an exception escape;
  // `reason` names the failure. A job whose runs end with a done message posts it here, as
  // for a stopped run: Run never got to post it, and whoever waits for it would wait for ever.
  virtual void EndAfterFailure(const std::string& reason);

  CMessageTarget* m_notifyWnd = nullptr;
  int32_t m_param = 0;
  std::atomic<int32_t> m_result{0};
  std::atomic<int32_t> m_stop{0};

 private:
  void WorkerMain();
  void RunOnce();

  CSuspendGate m_gate;
  mutable std::mutex m_stateMutex;
  std::condition_variable m_workersEnded;
  int m_liveWorkers = 0;      // threads started and not yet finished
  int m_recordedWorkers = 0;  // threads whose run has not yet returned
  bool m_inRun = false;
  bool m_ending = false;
};
