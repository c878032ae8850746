// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "listops/LaunchJob.h"

#include "core/Prompter.h"
#include "platform/Shell.h"
#include "platform/TextUtil.h"

std::string LaunchFailureText(std::string_view target, bool explore, int shellResult) {
  const std::string path(platform::CutUtf8(target, 259));
  std::string text = platform::Format(
      explore ? "Could not explore \"%s\"." : "Could not open \"%s\".", path.c_str());
  switch (shellResult) {
    case 2:
      text += "  This item was not found.";
      break;
    case 3:
      text += "  This item's path was not found.";
      break;
    case 5:
      text += "  Windows denied access to this item.";
      break;
    case 8:
      text += "  There isn't enough available memory.  Try closing another application.";
      break;
    case 27:
    case 31:
      text += "  You may need to use Windows Explorer to set up an association for this item.";
      break;
    default:
      break;
  }
  return text;
}

CLaunchJob::CLaunchJob(FShellExecute execute, FLaunchReport report)
    : m_execute(std::move(execute)), m_report(std::move(report)) {}

CLaunchJob::~CLaunchJob() {
  EndRuns();
}

void CLaunchJob::SetTarget(std::string_view target, bool explore) {
  m_target = std::string(platform::Trim(target));
  m_explore = explore;
  m_parameters.clear();
  if (m_target.size() >= 5 && platform::StartsWithNoCase(m_target, "www.")) {
    m_target.insert(0, "http://");
  }
}

bool CLaunchJob::Start() {
  if (!CThreadJob::Start(nullptr, 0)) {
    m_finished = true;
    return false;
  }
  return true;
}

int32_t CLaunchJob::Run() {
  int32_t result = kLaunched;
  if (m_target.empty()) {
    result = kNothingToDo;
  } else {
    const int shell = m_execute(m_explore ? "explore" : "open", m_target, m_parameters);
    if (shell <= 32) {
      if (m_report) {
        m_report(LaunchFailureText(m_target, m_explore, shell));
      }
      result = kFailed;
    }
  }
  // Last: from here on the pool may hand the job out again.
  m_finished = true;
  return result;
}

CLaunchPool::CLaunchPool(FShellExecute execute, FLaunchReport report)
    : m_execute(std::move(execute)), m_report(std::move(report)) {}

CLaunchPool::CLaunchPool(CPrompter& prompter)
    : CLaunchPool(
          [](std::string_view verb, std::string_view target, std::string_view parameters) {
            return platform::ShellExecute(verb, target, parameters);
          },
          [&prompter](const std::string& text) { prompter.Show(text, EIcon::kExclamation); }) {}

CLaunchPool::~CLaunchPool() = default;

CLaunchJob& CLaunchPool::GetJob() {
  std::lock_guard lock(m_mutex);
  for (const auto& job : m_jobs) {
    if (job->Finished()) {
      job->SetFinished(false);
      return *job;
    }
  }
  m_jobs.push_back(std::make_unique<CLaunchJob>(m_execute, m_report));
  m_jobs.back()->SetFinished(false);
  return *m_jobs.back();
}

size_t CLaunchPool::JobCount() const {
  std::lock_guard lock(m_mutex);
  return m_jobs.size();
}

bool CLaunchPool::Launch(std::string_view target, bool explore, std::string_view parameters) {
  CLaunchJob& job = GetJob();
  job.SetTarget(target, explore);
  job.SetParameters(parameters);
  return job.Start();
}
