// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <time.h>

#include "platform/DateTime.h"

namespace platform {

namespace {

constexpr int64_t kUnixEpochInFileTimeSeconds = 11644473600LL;
constexpr int64_t kTicksPerSecond = 10000000LL;

CDateTime FromUnixSeconds(time_t seconds) {
  struct tm local {};
  if (localtime_r(&seconds, &local) == nullptr) {
    return CDateTime(0.0, CDateTime::EStatus::kInvalid);
  }
  return CDateTime::FromParts(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                              local.tm_min, local.tm_sec);
}

}  // namespace

CDateTime CDateTime::Now() {
  return FromUnixSeconds(time(nullptr));
}

CDateTime CDateTime::FromFileTime(FileTime fileTime) {
  const int64_t seconds =
      static_cast<int64_t>(fileTime / kTicksPerSecond) - kUnixEpochInFileTimeSeconds;
  return FromUnixSeconds(static_cast<time_t>(seconds));
}

bool CDateTime::ToFileTime(FileTime& fileTime) const {
  SParts parts{};
  if (!GetParts(parts)) {
    return false;
  }
  struct tm local {};
  local.tm_year = parts.year - 1900;
  local.tm_mon = parts.month - 1;
  local.tm_mday = parts.day;
  local.tm_hour = parts.hour;
  local.tm_min = parts.minute;
  local.tm_sec = parts.second;
  local.tm_isdst = -1;
  const time_t seconds = mktime(&local);
  const int64_t fileSeconds = static_cast<int64_t>(seconds) + kUnixEpochInFileTimeSeconds;
  if (fileSeconds < 0) {
    return false;
  }
  fileTime = static_cast<FileTime>(fileSeconds) * kTicksPerSecond;
  return true;
}

FileTime GetSystemTimeAsFileTime() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return static_cast<FileTime>(now.tv_sec + kUnixEpochInFileTimeSeconds) * kTicksPerSecond +
         static_cast<FileTime>(now.tv_nsec / 100);
}

int64_t LocalUtcOffsetSeconds(int64_t unixSeconds) {
  const time_t seconds = static_cast<time_t>(unixSeconds);
  struct tm local {};
  if (localtime_r(&seconds, &local) == nullptr) {
    return 0;
  }
  return local.tm_gmtoff;
}

}  // namespace platform
