// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/DateTime.h"
#include "profile/SettingsState.h"

// How the Dates, Sizes and Existing Files pages turn their controls into settings and back,
// as functions over plain values so that the rules can be checked without windows. "Now" is
// always passed in.

// The start of the "during last" span: today at 00:00:00 less `count` days, weeks, months or
// years. Months keep today's day of the month, lowered to the last day of a shorter month
// (February has 29 days in years divisible by 4); years keep the month and day, with
// 29 February becoming 28 unless the count is a multiple of 4. A 29 February that the
// calendar does not have (1900, 2100) becomes the 28th.
platform::CDateTime RecentStart(const platform::CDateTime& now, int32_t count, int32_t unit);

// The choice a page shows for a stored code: the code itself when it is one of `codes`,
// otherwise the first of them (0 or less always means the first code of a set).
int32_t ShownCode(int32_t stored, std::initializer_list<int32_t> codes);
// The position a page's list shows for a stored number with `count` choices: the number
// itself when it is one of them, otherwise `fallback`.
int32_t ShownPosition(int32_t stored, int32_t count, int32_t fallback);

// The lower date bound of the rules: today 00:00:00 for "today", the recent start for
// "during last", the from date-time for a range.
platform::CDateTime DateLowerBound(const CSettingsState& settings, const platform::CDateTime& now);

// The Dates page's controls.
struct SDatesPage {
  int32_t mode = settings_codes::kNoFiltering;
  std::string countText = "1";  // at most 3 digits
  int32_t unit = kUnitDays;
  bool useFrom = false;
  bool useThrough = false;
  platform::CDateTime fromDate;  // only the date part counts
  platform::CDateTime fromTime;  // only the time of day counts
  platform::CDateTime throughDate;
  platform::CDateTime throughTime;
};

// Reads the page into the date fields of `settings`.
void ReadDatesPage(const SDatesPage& page, const platform::CDateTime& now,
                   CSettingsState& settings);
// The page as it shows the date fields of `settings`.
SDatesPage LoadDatesPage(const CSettingsState& settings, const platform::CDateTime& now);

// The user picks a date choice. A range needs a bound: choosing it with neither bound checked
// checks both, as loading such a range does.
void ChooseDateMode(SDatesPage& page, int32_t mode);
// The user checks or clears one bound of the range. Clearing the last checked bound leaves
// nothing to filter by, so the page returns to no date filtering.
void SetDateBound(SDatesPage& page, bool fromBound, bool checked);

// Which of the Dates page's controls take input under a choice.
struct SDatesEnables {
  bool recent = false;  // the count box and its unit
  bool range = false;   // the two bounds' check boxes and pickers
};
SDatesEnables DatesPageEnables(int32_t mode);

// The date fields of `settings` as the Dates page holds them once it has loaded them and
// reads them back. So a date range stored with neither bound in force, as data files before
// version 7 store every range, has both.
void ApplyDatesPageLoad(CSettingsState& settings, const platform::CDateTime& now);

// A date with another date-time's time of day.
platform::CDateTime CombineDateAndTime(const platform::CDateTime& date,
                                       const platform::CDateTime& time);

// The Sizes page's controls.
struct SSizesPage {
  int32_t mode = settings_codes::kNoFiltering;
  bool useLeast = false;
  std::string leastText = "0";
  int32_t leastUnit = 0;
  bool useMost = false;
  std::string mostText = "0";
  int32_t mostUnit = 0;
};

void ReadSizesPage(const SSizesPage& page, CSettingsState& settings);
SSizesPage LoadSizesPage(const CSettingsState& settings);
// On leaving the page: limits without a checked bound fall back to no size filtering
// (silently); a least bound above the most bound is refused with its message in `message`.
bool ValidateSizesPage(SSizesPage& page, std::string& message);
// How many digits a size box takes for a unit: 9 for bytes, 4 otherwise.
int MaxSizeDigits(int32_t unit);
// A size value when the box's unit changes: above 9999 becomes 9999 for units above bytes.
int32_t ClampSizeForUnit(int32_t value, int32_t unit);
// A size box's text when its unit changes: its number, clamped for the new unit, without
// leading zeros, so that it fits the digits the new unit allows.
std::string SizeTextForUnit(std::string_view text, int32_t unit);
// The bounds of the Sizes page take input only for "File sizes are:".
bool SizeBoundsEnabled(int32_t mode);

// The Existing Files page.
// The version limit from the position chosen in its list (0 = 1 version).
inline int32_t VersionLimitFromPosition(int32_t position) {
  return position + 1;
}
// The list position of a version limit; limits outside 1..99 show as the nearest one.
int32_t VersionLimitPosition(int32_t limit);
// In gather mode the page overwrites only newer files and deletes no stray files.
void ApplyGatherMode(CSettingsState& settings);

// Which of the Existing Files page's controls take input: gathering fixes the overwrite
// choice and stray deletion; the version lists count only when old files become versions.
struct SExistingFilesEnables {
  bool overwrite = true;
  bool deleteStrayFiles = true;
  bool versionLists = false;
};
SExistingFilesEnables ExistingFilesEnables(bool gather, int32_t disposeMode);

enum class EExistingFilesChange { kOverwriteChoice, kIncludeNewFiles, kDeleteStrayFiles };
// Never overwriting, excluding new files and not deleting stray files would copy nothing.
// When that combination arises the message is given and the page repairs the last change:
// choosing "never" checks "include new files"; clearing a box sets "if newer". False when
// nothing needed repair.
bool RepairExistingFiles(CSettingsState& settings, EExistingFilesChange change,
                         std::string& message);
