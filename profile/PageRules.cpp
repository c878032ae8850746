// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/PageRules.h"

#include <algorithm>
#include <charconv>

namespace {

using platform::CDateTime;

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  // The short-month rule of this choice has no century exception.
  return month == 2 ? (year % 4 == 0 ? 29 : 28) : kDays[month - 1];
}

CDateTime Midnight(const CDateTime& now) {
  return now.DateOnly();
}

// The day the span starts on. The short-month rule above gives February 29 days in 1900 and
// 2100 too, which the calendar does not have; an invalid date would make the date filter
// useless, so such a start moves to the last day February really has.
CDateTime StartDay(int year, int month, int day) {
  const CDateTime start = CDateTime::FromParts(year, month, day);
  if (!start.IsValid() && month == 2 && day == 29) {
    return CDateTime::FromParts(year, month, 28);
  }
  return start;
}

int32_t ParseNumber(std::string_view text, size_t maxDigits) {
  size_t start = 0;
  while (start < text.size() && text[start] == ' ') {
    ++start;
  }
  size_t end = start;
  while (end < text.size() && end - start < maxDigits && text[end] >= '0' && text[end] <= '9') {
    ++end;
  }
  int32_t value = 0;
  std::from_chars(text.data() + start, text.data() + end, value);
  return value;
}

constexpr int32_t kMaxRecentCount = 999;
constexpr int32_t kUnitCount = 4;
constexpr int32_t kMaxByteCount = 999999999;

// A stored size as its box shows it: within the digits that its unit allows.
std::string SizeText(int32_t size, int32_t unit) {
  return std::to_string(ClampSizeForUnit(std::clamp(size, 0, kMaxByteCount), unit));
}

}  // namespace

CDateTime RecentStart(const CDateTime& now, int32_t count, int32_t unit) {
  CDateTime::SParts today{};
  if (!now.GetParts(today)) {
    return now;
  }
  if (count < 0) {
    count = 0;
  }
  switch (unit) {
    case kUnitWeeks:
      return CDateTime::FromLinearDays(Midnight(now).LinearDays() - 7.0 * count);
    case kUnitMonths: {
      int year = today.year - count / 12;
      int month = today.month - count % 12;
      if (month < 1) {
        month += 12;
        --year;
      }
      const int day = std::min(today.day, DaysInMonth(year, month));
      return StartDay(year, month, day);
    }
    case kUnitYears: {
      const int year = today.year - count;
      int day = today.day;
      if (today.month == 2 && today.day == 29 && count % 4 != 0) {
        day = 28;
      }
      return StartDay(year, today.month, day);
    }
    default:
      return CDateTime::FromLinearDays(Midnight(now).LinearDays() - count);
  }
}

int32_t ShownCode(int32_t stored, std::initializer_list<int32_t> codes) {
  for (const int32_t code : codes) {
    if (code == stored) {
      return stored;
    }
  }
  return codes.size() == 0 ? stored : *codes.begin();
}

int32_t ShownPosition(int32_t stored, int32_t count, int32_t fallback) {
  return (stored >= 0 && stored < count) ? stored : fallback;
}

CDateTime DateLowerBound(const CSettingsState& settings, const CDateTime& now) {
  switch (settings.DateMode()) {
    case settings_codes::kDateToday:
      return Midnight(now);
    case settings_codes::kDateRecent:
      return RecentStart(now, settings.recentCount, settings.recentUnit);
    case settings_codes::kDateRange:
      return settings.fromDateTime;
    default:
      return CDateTime();
  }
}

CDateTime CombineDateAndTime(const CDateTime& date, const CDateTime& time) {
  CDateTime::SParts day{};
  CDateTime::SParts clock{};
  if (!date.GetParts(day) || !time.GetParts(clock)) {
    return CDateTime(0.0, CDateTime::EStatus::kInvalid);
  }
  return CDateTime::FromParts(day.year, day.month, day.day, clock.hour, clock.minute, clock.second);
}

void ChooseDateMode(SDatesPage& page, int32_t mode) {
  page.mode = mode;
  if (mode == settings_codes::kDateRange && !page.useFrom && !page.useThrough) {
    page.useFrom = true;
    page.useThrough = true;
  }
}

void SetDateBound(SDatesPage& page, bool fromBound, bool checked) {
  (fromBound ? page.useFrom : page.useThrough) = checked;
  if (page.mode == settings_codes::kDateRange && !page.useFrom && !page.useThrough) {
    page.mode = settings_codes::kNoFiltering;
  }
}

SDatesEnables DatesPageEnables(int32_t mode) {
  return {mode == settings_codes::kDateRecent, mode == settings_codes::kDateRange};
}

void ReadDatesPage(const SDatesPage& page, const CDateTime& now, CSettingsState& settings) {
  settings.dateMode = page.mode;
  settings.recentCount = 0;
  settings.recentUnit = 0;
  settings.useFromDate = 0;
  settings.useThroughDate = 0;
  settings.fromDateTime = CDateTime();
  settings.throughDateTime = CDateTime();
  switch (page.mode) {
    case settings_codes::kDateToday:
      settings.fromDateTime = Midnight(now);
      settings.throughDateTime = now;
      break;
    case settings_codes::kDateRecent:
      settings.recentCount = ParseNumber(page.countText, 3);
      settings.recentUnit = page.unit;
      settings.fromDateTime = RecentStart(now, settings.recentCount, settings.recentUnit);
      settings.throughDateTime = now;
      break;
    case settings_codes::kDateRange:
      settings.useFromDate = page.useFrom ? 1 : 0;
      settings.useThroughDate = page.useThrough ? 1 : 0;
      settings.fromDateTime = CombineDateAndTime(page.fromDate, page.fromTime);
      settings.throughDateTime = CombineDateAndTime(page.throughDate, page.throughTime);
      break;
    default:
      break;
  }
}

SDatesPage LoadDatesPage(const CSettingsState& settings, const CDateTime& now) {
  SDatesPage page;
  page.mode =
      ShownCode(settings.dateMode, {settings_codes::kNoFiltering, settings_codes::kDateToday,
                                    settings_codes::kDateRecent, settings_codes::kDateRange});
  const CDateTime today = Midnight(now);
  if (page.mode == settings_codes::kDateRecent) {
    page.countText = std::to_string(std::clamp(settings.recentCount, 0, kMaxRecentCount));
    page.unit = ShownPosition(settings.recentUnit, kUnitCount, kUnitDays);
  }
  if (page.mode != settings_codes::kDateRange) {
    page.fromDate = today;
    page.throughDate = today;
    page.fromTime = CDateTime::FromParts(1899, 12, 30, 0, 0, 0);
    page.throughTime = CDateTime::FromParts(1899, 12, 30, 23, 59, 59);
    return page;
  }
  page.useFrom = settings.useFromDate != 0;
  page.useThrough = settings.useThroughDate != 0;
  page.fromDate = settings.fromDateTime.DateOnly();
  page.fromTime = settings.fromDateTime;
  page.throughDate = settings.throughDateTime.DateOnly();
  page.throughTime = settings.throughDateTime;
  if (!page.useFrom && !page.useThrough) {
    // A range without bounds would take nothing apart; both bounds it is.
    page.useFrom = true;
    page.useThrough = true;
  }
  return page;
}

void ApplyDatesPageLoad(CSettingsState& settings, const CDateTime& now) {
  ReadDatesPage(LoadDatesPage(settings, now), now, settings);
}

void ReadSizesPage(const SSizesPage& page, CSettingsState& settings) {
  settings.sizeMode = page.mode;
  settings.useLeastSize = page.useLeast ? 1 : 0;
  settings.leastSize =
      ParseNumber(page.leastText, static_cast<size_t>(MaxSizeDigits(page.leastUnit)));
  settings.leastUnit = page.leastUnit;
  settings.useMostSize = page.useMost ? 1 : 0;
  settings.mostSize = ParseNumber(page.mostText, static_cast<size_t>(MaxSizeDigits(page.mostUnit)));
  settings.mostUnit = page.mostUnit;
}

SSizesPage LoadSizesPage(const CSettingsState& settings) {
  SSizesPage page;
  page.mode =
      ShownCode(settings.sizeMode, {settings_codes::kNoFiltering, settings_codes::kSizeLimits});
  if (page.mode != settings_codes::kSizeLimits) {
    return page;
  }
  page.useLeast = settings.useLeastSize != 0;
  page.leastUnit = ShownPosition(settings.leastUnit, kUnitCount, 0);
  page.leastText = SizeText(settings.leastSize, page.leastUnit);
  page.useMost = settings.useMostSize != 0;
  page.mostUnit = ShownPosition(settings.mostUnit, kUnitCount, 0);
  page.mostText = SizeText(settings.mostSize, page.mostUnit);
  return page;
}

bool ValidateSizesPage(SSizesPage& page, std::string& message) {
  message.clear();
  if (page.mode != settings_codes::kSizeLimits) {
    return true;
  }
  if (!page.useLeast && !page.useMost) {
    page.mode = settings_codes::kNoFiltering;
    return true;
  }
  CSettingsState values;
  ReadSizesPage(page, values);
  if (page.useLeast && page.useMost &&
      SizeBytes(values.leastSize, values.leastUnit) > SizeBytes(values.mostSize, values.mostUnit)) {
    message = "The least size may not exceed the most size.";
    return false;
  }
  return true;
}

int MaxSizeDigits(int32_t unit) {
  return unit == 0 ? 9 : 4;
}

int32_t ClampSizeForUnit(int32_t value, int32_t unit) {
  return (unit != 0 && value > 9999) ? 9999 : value;
}

std::string SizeTextForUnit(std::string_view text, int32_t unit) {
  const int32_t value = ParseNumber(text, static_cast<size_t>(MaxSizeDigits(0)));
  return std::to_string(ClampSizeForUnit(value, unit));
}

bool SizeBoundsEnabled(int32_t mode) {
  return mode == settings_codes::kSizeLimits;
}

int32_t VersionLimitPosition(int32_t limit) {
  return std::clamp(limit, 1, 99) - 1;
}

SExistingFilesEnables ExistingFilesEnables(bool gather, int32_t disposeMode) {
  return {!gather, !gather, disposeMode == kDisposeVersions};
}

void ApplyGatherMode(CSettingsState& settings) {
  settings.overwriteMode = kOverwriteNewer;
  settings.deleteStrayFiles = 0;
}

bool RepairExistingFiles(CSettingsState& settings, EExistingFilesChange change,
                         std::string& message) {
  message.clear();
  if (settings.overwriteMode != kOverwriteNever || settings.includeNewFiles != 0 ||
      settings.deleteStrayFiles != 0) {
    return false;
  }
  message =
      "Never overwriting files, excluding new files and not deleting stray files would result "
      "in no files being copied or deleted.";
  if (change == EExistingFilesChange::kOverwriteChoice) {
    settings.includeNewFiles = 1;
  } else {
    settings.overwriteMode = kOverwriteNewer;
  }
  return true;
}
