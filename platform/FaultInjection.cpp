// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/FaultInjection.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "platform/FaultPoints.h"
#include "platform/TextUtil.h"

namespace platform::testing {

struct CInjectedFault::SRecord {
  std::string call;
  std::string path;
  EError error = EError::kNone;
  int left = 0;
  int hits = 0;
};

}  // namespace platform::testing

namespace {

using Record = platform::testing::CInjectedFault::SRecord;

// How many faults are armed; while none is, a call looks no further.
std::atomic<int> g_armed{0};

struct SFaults {
  std::mutex mutex;
  std::vector<std::shared_ptr<Record>> records;
};

SFaults& Faults() {
  static SFaults faults;
  return faults;
}

}  // namespace

namespace platform::testing {

CInjectedFault::CInjectedFault(std::string_view call, std::string_view path, EError error,
                               int times)
    : m_record(std::make_shared<SRecord>()) {
  m_record->call = std::string(call);
  m_record->path = std::string(path);
  m_record->error = error;
  m_record->left = times;
  SFaults& faults = Faults();
  std::lock_guard lock(faults.mutex);
  faults.records.push_back(m_record);
  g_armed.fetch_add(1, std::memory_order_relaxed);
}

CInjectedFault::~CInjectedFault() {
  SFaults& faults = Faults();
  std::lock_guard lock(faults.mutex);
  std::erase(faults.records, m_record);
  g_armed.fetch_sub(1, std::memory_order_relaxed);
}

int CInjectedFault::Hits() const {
  std::lock_guard lock(Faults().mutex);
  return m_record->hits;
}

}  // namespace platform::testing

namespace platform::fault_points {

std::optional<EError> Take(std::string_view call, std::string_view path) {
  if (g_armed.load(std::memory_order_relaxed) == 0) {
    return std::nullopt;
  }
  SFaults& faults = Faults();
  std::lock_guard lock(faults.mutex);
  for (const std::shared_ptr<Record>& record : faults.records) {
    if (record->left > 0 && record->call == call && EqualsNoCase(record->path, path)) {
      --record->left;
      ++record->hits;
      return record->error;
    }
  }
  return std::nullopt;
}

}  // namespace platform::fault_points
