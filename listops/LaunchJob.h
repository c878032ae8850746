// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <atomic>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "core/ThreadJob.h"

class CPrompter;

// Carries out a verb on a target with parameters and returns the shell's result (above 32 is
// success). The program's own is the platform's shell; tests put in their own.
using FShellExecute =
    std::function<int(std::string_view verb, std::string_view target, std::string_view params)>;
// Tells the user why a launch failed. Called on the launch's worker; it must not wait for the
// window (the window may be closing and waiting for the launch).
using FLaunchReport = std::function<void(const std::string& text)>;

// The message for a launch that failed with a shell result: "Could not open "<target>"."
// (or "explore"), followed by the reason the result names, if any.
std::string LaunchFailureText(std::string_view target, bool explore, int shellResult);

// One request to open or explore a document, program, folder or web address, carried out on a
// worker so that the window that asked stays responsive. A launch does not take the job lock:
// it never waits behind a preview or a long copy, and it touches nothing a run uses.
class CLaunchJob : public CThreadJob {
 public:
  CLaunchJob(FShellExecute execute, FLaunchReport report);
  ~CLaunchJob() override;

  // The target with surrounding blanks removed, and no parameters. A target of at least five
  // characters that begins with "www." (any case) becomes a web address ("http://" first).
  void SetTarget(std::string_view target, bool explore);
  void SetParameters(std::string_view parameters) { m_parameters = parameters; }
  // Runs the launch on a worker of its own; false when it could not start (the job is then
  // free again).
  bool Start();

  const std::string& Target() const { return m_target; }
  const std::string& Parameters() const { return m_parameters; }
  bool Explore() const { return m_explore; }
  // Whether the job is free for (re)use; set as its run ends.
  bool Finished() const { return m_finished.load(); }
  void SetFinished(bool finished) { m_finished = finished; }

  // Results of a run.
  static constexpr int32_t kLaunched = 0;
  static constexpr int32_t kNothingToDo = 1;
  static constexpr int32_t kFailed = 2;

 protected:
  int32_t Run() override;
  bool UsesJobLock() const override { return false; }

 private:
  FShellExecute m_execute;
  FLaunchReport m_report;
  std::string m_target;
  std::string m_parameters;
  bool m_explore = false;
  std::atomic<bool> m_finished{true};
};

// The launch jobs of the program: each caller takes a free one. Owned by the main window; its
// destruction waits for the launches still running.
class CLaunchPool {
 public:
  CLaunchPool(FShellExecute execute, FLaunchReport report);
  // Launches report their failures to the user through the prompter.
  explicit CLaunchPool(CPrompter& prompter);
  virtual ~CLaunchPool();
  CLaunchPool(const CLaunchPool&) = delete;
  CLaunchPool& operator=(const CLaunchPool&) = delete;

  // The first finished job, no longer marked finished; a new one when all are busy.
  CLaunchJob& GetJob();
  size_t JobCount() const;

  // Takes a job, sets it up and starts it; false when it could not start.
  bool Launch(std::string_view target, bool explore, std::string_view parameters = {});

 private:
  FShellExecute m_execute;
  FLaunchReport m_report;
  mutable std::mutex m_mutex;
  std::list<std::unique_ptr<CLaunchJob>> m_jobs;  // jobs stay where they are while others come
};
