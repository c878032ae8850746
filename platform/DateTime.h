// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>

#include "platform/Types.h"

namespace platform {

// A local calendar date-time: a day count since 1899-12-30 00:00 whose fraction is the time
// of day, with a validity status. Days before 1899-12-30 count negatively while the fraction
// still runs forward (-1.25 is 1899-12-29 06:00), as in the stored profile data.
class CDateTime {
 public:
  enum class EStatus : int32_t { kValid = 0, kInvalid = 1, kNull = 2 };

  CDateTime() = default;  // the zero date, valid
  CDateTime(double days, EStatus status) : m_days(days), m_status(status) {}

  // From calendar parts; invalid when a part is out of range (years 100 to 9999).
  static CDateTime FromParts(int year, int month, int day, int hour = 0, int minute = 0,
                             int second = 0);
  // The current local time, to the second.
  static CDateTime Now();
  // A file time (UTC) as local calendar time, to the second (the fraction of a second is
  // dropped). Invalid when the file time is beyond the calendar's range.
  static CDateTime FromFileTime(FileTime fileTime);

  double Days() const { return m_days; }
  // The same moment on a plain line (days before 1899-12-30 included), for comparing and
  // for adding time spans.
  double LinearDays() const;
  static CDateTime FromLinearDays(double linear);
  EStatus Status() const { return m_status; }
  bool IsValid() const { return m_status == EStatus::kValid; }

  struct SParts {
    int year, month, day, hour, minute, second, dayOfWeek;  // dayOfWeek: 0 = Sunday
  };
  // The calendar parts, rounded to the nearest second; false when not valid.
  bool GetParts(SParts& parts) const;
  // The start of this date-time's day.
  CDateTime DateOnly() const;
  // The local time converted to a file time (UTC); false when not valid.
  bool ToFileTime(FileTime& fileTime) const;

  friend bool operator==(const CDateTime& a, const CDateTime& b) {
    return a.m_status == b.m_status && a.m_days == b.m_days;
  }

 private:
  double m_days = 0.0;
  EStatus m_status = EStatus::kValid;
};

// Days since 1899-12-30 of a calendar date (proleptic Gregorian).
int64_t DaysFromCivil(int year, int month, int day);
void CivilFromDays(int64_t days, int& year, int& month, int& day);

// The current time as a file time (UTC).
FileTime GetSystemTimeAsFileTime();

// Offset of local time from UTC, in seconds, at the given UTC moment (seconds since 1970).
int64_t LocalUtcOffsetSeconds(int64_t unixSeconds);

}  // namespace platform
