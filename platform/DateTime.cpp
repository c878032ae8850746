// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/DateTime.h"

#include <cmath>

namespace platform {

namespace {

constexpr int64_t kDaysFrom1970To1899 = 25569;  // 1899-12-30 is 25,569 days before 1970
constexpr double kMinDays = -657434.0;          // 100-01-01
constexpr double kMaxDays = 2958466.0;          // the day after 9999-12-31

// Days since 1970-01-01 of a proleptic Gregorian date.
int64_t DaysFromUnixEpoch(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

double Linear(double days) {
  if (days >= 0) {
    return days;
  }
  const double whole = std::trunc(days);
  return whole - (days - whole);  // -1.25 -> -1 + 0.25 = -0.75
}

double FromLinear(double linear) {
  if (linear >= 0) {
    return linear;
  }
  const double whole = std::floor(linear);
  const double fraction = linear - whole;
  return fraction == 0 ? whole : whole - fraction;
}

}  // namespace

double CDateTime::LinearDays() const {
  return Linear(m_days);
}

CDateTime CDateTime::FromLinearDays(double linear) {
  return CDateTime(FromLinear(linear), EStatus::kValid);
}

int64_t DaysFromCivil(int year, int month, int day) {
  return DaysFromUnixEpoch(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) +
         kDaysFrom1970To1899;
}

void CivilFromDays(int64_t days, int& year, int& month, int& day) {
  const int64_t z = days - kDaysFrom1970To1899 + 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t y = static_cast<int64_t>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(y + (month <= 2));
}

CDateTime CDateTime::FromParts(int year, int month, int day, int hour, int minute, int second) {
  if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, month) || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
      second < 0 || second > 59) {
    return CDateTime(0.0, EStatus::kInvalid);
  }
  const double whole = static_cast<double>(DaysFromCivil(year, month, day));
  const double fraction = (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
  return CDateTime(whole >= 0 ? whole + fraction : whole - fraction, EStatus::kValid);
}

bool CDateTime::GetParts(SParts& parts) const {
  // The range is checked on the day part: before 1899-12-30 the time of day makes the
  // number more negative, so 100-01-01 12:00 is -657434.5.
  const double whole = std::trunc(m_days);
  if (!IsValid() || !(whole >= kMinDays && whole < kMaxDays)) {
    return false;
  }
  int64_t day = static_cast<int64_t>(whole);
  int64_t seconds = std::llround(std::fabs(m_days - whole) * 86400.0);
  if (seconds >= 86400) {
    seconds -= 86400;
    ++day;
    if (day >= static_cast<int64_t>(kMaxDays)) {
      return false;  // 9999-12-31 23:59:59.5 rounds beyond the calendar
    }
  }
  CivilFromDays(day, parts.year, parts.month, parts.day);
  parts.hour = static_cast<int>(seconds / 3600);
  parts.minute = static_cast<int>(seconds / 60 % 60);
  parts.second = static_cast<int>(seconds % 60);
  // 1899-12-30 was a Saturday.
  parts.dayOfWeek = static_cast<int>(((day % 7) + 7 + 6) % 7);
  return true;
}

CDateTime CDateTime::DateOnly() const {
  SParts parts{};
  if (!GetParts(parts)) {
    return *this;
  }
  return FromParts(parts.year, parts.month, parts.day);
}

}  // namespace platform
