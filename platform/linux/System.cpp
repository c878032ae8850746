// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/System.h"

#include <sys/resource.h>
#include <sys/sysinfo.h>
#include <time.h>

#include <fstream>
#include <string>

namespace platform {

uint64_t GetAvailablePhysicalMemory() {
  std::ifstream in("/proc/meminfo");
  std::string key;
  uint64_t value = 0;
  std::string unit;
  while (in >> key >> value >> unit) {
    if (key == "MemAvailable:") {
      return value * 1024;
    }
  }
  struct sysinfo info {};
  if (sysinfo(&info) != 0) {
    return 0;
  }
  return static_cast<uint64_t>(info.freeram) * info.mem_unit;
}

uint64_t GetTickCountMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<uint64_t>(now.tv_sec) * 1000 + static_cast<uint64_t>(now.tv_nsec / 1000000);
}

uint64_t OpenFilesAllowed() {
  rlimit limit{};
  if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) {
    return UINT64_MAX;
  }
  return static_cast<uint64_t>(limit.rlim_cur);
}

bool PlatformHasFileSecurity() {
  return true;
}

}  // namespace platform
