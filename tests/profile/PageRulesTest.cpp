// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/PageRules.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

using platform::CDateTime;
using namespace settings_codes;

CDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  const CDateTime date = CDateTime::FromParts(year, month, day, hour, minute, second);
  EXPECT_TRUE(date.IsValid()) << year << '-' << month << '-' << day;
  return date;
}

std::string Text(const CDateTime& date) {
  CDateTime::SParts p{};
  if (!date.GetParts(p)) {
    return "invalid";
  }
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day, p.hour,
                p.minute, p.second);
  return text;
}

// The "during last" span.

TEST(RecentStart, CountsWholeDaysBackFromTodaysMidnight) {
  const CDateTime now = At(2024, 3, 5, 10, 0, 0);
  const CDateTime start = RecentStart(now, 1, kUnitDays);
  EXPECT_EQ(Text(start), "2024-03-04 00:00:00");
  EXPECT_LT(At(2024, 3, 3, 23, 30).LinearDays(), start.LinearDays());
  EXPECT_EQ(Text(RecentStart(now, 0, kUnitDays)), "2024-03-05 00:00:00");
  EXPECT_EQ(Text(RecentStart(now, 2, kUnitWeeks)), "2024-02-20 00:00:00");
  EXPECT_EQ(Text(RecentStart(now, 999, kUnitDays)), "2021-06-10 00:00:00");
}

TEST(RecentStart, MonthsKeepTheDayOrTakeTheLastDayOfAShorterMonth) {
  EXPECT_EQ(Text(RecentStart(At(2023, 3, 31, 8), 1, kUnitMonths)), "2023-02-28 00:00:00");
  EXPECT_EQ(Text(RecentStart(At(2024, 3, 31, 8), 1, kUnitMonths)), "2024-02-29 00:00:00");
  EXPECT_EQ(Text(RecentStart(At(2024, 1, 15, 8), 13, kUnitMonths)), "2022-12-15 00:00:00");
  EXPECT_EQ(Text(RecentStart(At(2024, 7, 31), 1, kUnitMonths)), "2024-06-30 00:00:00");
  EXPECT_EQ(Text(RecentStart(At(2024, 5, 20), 24, kUnitMonths)), "2022-05-20 00:00:00");
}

TEST(RecentStart, YearsMove29FebruaryTo28UnlessTheCountIsAMultipleOfFour) {
  const CDateTime leapDay = At(2024, 2, 29, 12);
  EXPECT_EQ(Text(RecentStart(leapDay, 1, kUnitYears)), "2023-02-28 00:00:00");
  EXPECT_EQ(Text(RecentStart(leapDay, 4, kUnitYears)), "2020-02-29 00:00:00");
  EXPECT_EQ(Text(RecentStart(At(2024, 8, 9), 10, kUnitYears)), "2014-08-09 00:00:00");
}

// The short-month rule knows no century exception, the calendar does: a start on a
// 29 February that does not exist would be no date at all.
TEST(RecentStart, ANonexistent29FebruaryBecomesThe28th) {
  const CDateTime fromMarch2100 = RecentStart(At(2100, 3, 31), 1, kUnitMonths);
  ASSERT_TRUE(fromMarch2100.IsValid());
  EXPECT_EQ(Text(fromMarch2100), "2100-02-28 00:00:00");
  EXPECT_EQ(Text(RecentStart(At(1900, 4, 30), 2, kUnitMonths)), "1900-02-28 00:00:00");
  EXPECT_EQ(Text(RecentStart(At(2104, 2, 29), 4, kUnitYears)), "2100-02-28 00:00:00");
  // Still the last day of February in leap years of the calendar.
  EXPECT_EQ(Text(RecentStart(At(2000, 3, 30), 1, kUnitMonths)), "2000-02-29 00:00:00");
}

TEST(DateLowerBound, FollowsTheDateChoice) {
  const CDateTime now = At(2024, 3, 5, 10, 0, 0);
  CSettingsState settings;
  settings.dateMode = kDateToday;
  EXPECT_EQ(Text(DateLowerBound(settings, now)), "2024-03-05 00:00:00");
  settings.dateMode = kDateRecent;
  settings.recentCount = 3;
  settings.recentUnit = kUnitWeeks;
  EXPECT_EQ(Text(DateLowerBound(settings, now)), "2024-02-13 00:00:00");
  settings.dateMode = kDateRange;
  settings.fromDateTime = At(2020, 1, 2, 3, 4, 5);
  EXPECT_EQ(DateLowerBound(settings, now), settings.fromDateTime);
}

// The Dates page.

TEST(DatesPage, ReadingTakesOnlyTheFieldsOfTheChoice) {
  const CDateTime now = At(2024, 3, 5, 10, 30, 15);
  CSettingsState settings;
  settings.recentCount = 9;
  settings.recentUnit = kUnitYears;
  settings.useFromDate = settings.useThroughDate = 1;
  SDatesPage page;
  page.mode = kDateToday;
  ReadDatesPage(page, now, settings);
  EXPECT_EQ(Text(settings.fromDateTime), "2024-03-05 00:00:00");
  EXPECT_EQ(settings.throughDateTime, now);
  EXPECT_EQ(settings.recentCount + settings.recentUnit, 0);
  EXPECT_EQ(settings.useFromDate + settings.useThroughDate, 0);

  page.mode = kDateRecent;
  page.unit = kUnitMonths;
  page.countText = "2";
  ReadDatesPage(page, now, settings);
  EXPECT_EQ(settings.dateMode, kDateRecent);
  EXPECT_EQ(settings.recentCount, 2);
  EXPECT_EQ(settings.recentUnit, kUnitMonths);
  EXPECT_EQ(Text(settings.fromDateTime), "2024-01-05 00:00:00");
  EXPECT_EQ(settings.throughDateTime, now);
  page.countText = "1234";  // the box holds three digits
  ReadDatesPage(page, now, settings);
  EXPECT_EQ(settings.recentCount, 123);

  page.mode = kNoFiltering;
  ReadDatesPage(page, now, settings);
  EXPECT_EQ(settings.recentCount, 0);
  EXPECT_EQ(settings.fromDateTime, CDateTime());
  EXPECT_EQ(settings.throughDateTime, CDateTime());
}

TEST(DatesPage, ReadingARangeCombinesEachDateWithItsTime) {
  CSettingsState settings;
  SDatesPage page;
  page.mode = kDateRange;
  page.useFrom = true;
  page.fromDate = At(2023, 6, 1, 17, 45);  // the date's own time does not count
  page.fromTime = At(1899, 12, 30, 8, 15, 30);
  page.throughDate = At(2023, 6, 30);
  page.throughTime = At(2001, 1, 1, 23, 59, 59);  // nor the time's date
  ReadDatesPage(page, At(2024, 3, 5), settings);
  EXPECT_EQ(settings.useFromDate, 1);
  EXPECT_EQ(settings.useThroughDate, 0);
  EXPECT_EQ(Text(settings.fromDateTime), "2023-06-01 08:15:30");
  EXPECT_EQ(Text(settings.throughDateTime), "2023-06-30 23:59:59");
}

TEST(DatesPage, LoadingShowsDefaultsForTheControlsTheChoiceDoesNotUse) {
  const CDateTime now = At(2024, 3, 5, 10, 0, 0);
  CSettingsState settings;
  settings.dateMode = kDateToday;
  settings.recentCount = 7;
  settings.recentUnit = kUnitYears;
  settings.useFromDate = 1;
  const SDatesPage page = LoadDatesPage(settings, now);
  EXPECT_EQ(page.countText, "1");
  EXPECT_EQ(page.unit, kUnitDays);
  EXPECT_FALSE(page.useFrom || page.useThrough);
  EXPECT_EQ(Text(page.fromDate), "2024-03-05 00:00:00");
  EXPECT_EQ(Text(page.throughDate), "2024-03-05 00:00:00");
  EXPECT_EQ(Text(page.fromTime).substr(11), "00:00:00");
  EXPECT_EQ(Text(page.throughTime).substr(11), "23:59:59");

  settings.dateMode = kDateRecent;
  EXPECT_EQ(LoadDatesPage(settings, now).countText, "7");
  EXPECT_EQ(LoadDatesPage(settings, now).unit, kUnitYears);
}

TEST(DatesPage, ARangeWithoutBoundsIsShownAndSavedWithBoth) {
  const CDateTime now = At(2024, 3, 5, 10, 0, 0);
  CSettingsState settings;  // as an older data file leaves a range: no bound flags
  settings.dateMode = kDateRange;
  settings.fromDateTime = At(2022, 2, 1, 6, 0, 0);
  settings.throughDateTime = At(2022, 2, 28, 18, 30, 0);
  CSettingsState saved;
  ReadDatesPage(LoadDatesPage(settings, now), now, saved);
  EXPECT_EQ(saved.useFromDate, 1);
  EXPECT_EQ(saved.useThroughDate, 1);
  EXPECT_EQ(saved.fromDateTime, settings.fromDateTime);
  EXPECT_EQ(saved.throughDateTime, settings.throughDateTime);

  settings.useThroughDate = 1;  // one bound stays one bound
  EXPECT_FALSE(LoadDatesPage(settings, now).useFrom);
}

TEST(DatesPage, UnknownChoicesAndNumbersShowAsTheFirstChoiceOrWithinTheirBox) {
  const CDateTime now = At(2024, 3, 5, 10, 0, 0);
  CSettingsState settings;
  for (const int32_t stored : {0, -7, 1099}) {
    settings.dateMode = stored;
    EXPECT_EQ(LoadDatesPage(settings, now).mode, kNoFiltering) << stored;
  }
  settings.dateMode = kDateRecent;
  settings.recentCount = 1234;
  settings.recentUnit = 9;
  SDatesPage page = LoadDatesPage(settings, now);
  EXPECT_EQ(page.countText, "999");  // not cut to "123" by the three-digit box
  EXPECT_EQ(page.unit, kUnitDays);
  settings.recentCount = -3;
  EXPECT_EQ(LoadDatesPage(settings, now).countText, "0");
}

TEST(DatesPage, ARangeAlwaysKeepsABoundAndLosingTheLastEndsTheFiltering) {
  SDatesPage page;
  ChooseDateMode(page, kDateRange);
  EXPECT_TRUE(page.useFrom && page.useThrough);
  SetDateBound(page, true, false);
  EXPECT_EQ(page.mode, kDateRange);
  EXPECT_FALSE(page.useFrom);
  SetDateBound(page, false, false);
  EXPECT_EQ(page.mode, kNoFiltering);

  // Chosen again, the range comes back with both bounds; one bound left stays alone.
  ChooseDateMode(page, kDateRange);
  EXPECT_TRUE(page.useFrom && page.useThrough);
  page.useFrom = false;
  ChooseDateMode(page, kDateToday);
  ChooseDateMode(page, kDateRange);
  EXPECT_FALSE(page.useFrom);
  EXPECT_TRUE(page.useThrough);

  const SDatesEnables recent = DatesPageEnables(kDateRecent);
  const SDatesEnables range = DatesPageEnables(kDateRange);
  const SDatesEnables today = DatesPageEnables(kDateToday);
  EXPECT_TRUE(recent.recent && !recent.range);
  EXPECT_TRUE(range.range && !range.recent);
  EXPECT_FALSE(today.recent || today.range);
}

// The Sizes page.

TEST(SizesPage, RoundTripsLimitsAndShowsZeroBytesOtherwise) {
  CSettingsState settings;
  ReadSizesPage(SSizesPage{kSizeLimits, true, "15", 1, false, "2", 3}, settings);
  EXPECT_EQ(settings.sizeMode, kSizeLimits);
  EXPECT_EQ(settings.leastSize, 15);
  EXPECT_EQ(settings.mostSize, 2);
  const SSizesPage loaded = LoadSizesPage(settings);
  EXPECT_EQ(loaded.mode, kSizeLimits);
  EXPECT_TRUE(loaded.useLeast);
  EXPECT_FALSE(loaded.useMost);
  EXPECT_EQ(loaded.leastText + "/" + loaded.mostText, "15/2");
  EXPECT_EQ(loaded.leastUnit * 10 + loaded.mostUnit, 13);

  settings.sizeMode = kNoFiltering;
  const SSizesPage off = LoadSizesPage(settings);
  EXPECT_FALSE(off.useLeast || off.useMost);
  EXPECT_EQ(off.leastText + "/" + off.mostText, "0/0");
  EXPECT_EQ(off.leastUnit + off.mostUnit, 0);
}

TEST(SizesPage, LimitsWithoutABoundFallBackSilently) {
  SSizesPage page;
  page.mode = kSizeLimits;
  std::string message = "old";
  EXPECT_TRUE(ValidateSizesPage(page, message));
  EXPECT_EQ(page.mode, kNoFiltering);
  EXPECT_EQ(message, "");
}

TEST(SizesPage, RefusesALeastSizeAboveTheMostSizeInBytes) {
  std::string message;
  SSizesPage page{kSizeLimits, true, "2", 1, true, "1500", 0};  // 2048 bytes against 1500
  EXPECT_FALSE(ValidateSizesPage(page, message));
  EXPECT_EQ(message, "The least size may not exceed the most size.");
  EXPECT_EQ(page.mode, kSizeLimits);
  page = {kSizeLimits, true, "9999", 3, true, "9998", 3};  // beyond 32 bits
  EXPECT_FALSE(ValidateSizesPage(page, message));

  page = {kSizeLimits, true, "1", 1, true, "1024", 0};  // equal bounds
  EXPECT_TRUE(ValidateSizesPage(page, message));
  EXPECT_EQ(message, "");
  page = {kSizeLimits, true, "5", 1, false, "0", 0};  // a bound that is not checked
  EXPECT_TRUE(ValidateSizesPage(page, message));
}

TEST(SizesPage, BoxesHoldNineDigitsForBytesAndFourForLargerUnits) {
  EXPECT_EQ(MaxSizeDigits(0), 9);
  EXPECT_EQ(MaxSizeDigits(1), 4);
  EXPECT_EQ(MaxSizeDigits(3), 4);
  EXPECT_EQ(ClampSizeForUnit(12345, 1), 9999);
  EXPECT_EQ(ClampSizeForUnit(12345, 0), 12345);
}

TEST(SizesPage, ALargerUnitClampsTheNumberSoThatItFitsItsBox) {
  EXPECT_EQ(SizeTextForUnit("123456789", 1), "9999");
  EXPECT_EQ(SizeTextForUnit("000000123", 2), "123");  // leading zeros would not fit four digits
  EXPECT_EQ(SizeTextForUnit("9999", 0), "9999");
  EXPECT_EQ(SizeTextForUnit("", 3), "0");
  EXPECT_TRUE(SizeBoundsEnabled(kSizeLimits));
  EXPECT_FALSE(SizeBoundsEnabled(kNoFiltering));
}

TEST(SizesPage, StoredSizesShowWithinTheDigitsOfTheirUnit) {
  CSettingsState settings;
  settings.sizeMode = kSizeLimits;
  settings.leastSize = 12345;
  settings.leastUnit = 1;
  settings.mostSize = -20;
  settings.mostUnit = 8;  // no such unit: bytes, as the rules count it
  const SSizesPage page = LoadSizesPage(settings);
  EXPECT_EQ(page.leastText, "9999");
  EXPECT_EQ(page.mostText, "0");
  EXPECT_EQ(page.mostUnit, 0);
  settings.sizeMode = 1099;
  EXPECT_EQ(LoadSizesPage(settings).mode, kNoFiltering);
}

// The Existing Files page.

TEST(ExistingFilesPage, GatheringOverwritesOnlyNewerFilesAndDeletesNoStrays) {
  CSettingsState settings;
  settings.overwriteMode = kOverwriteAlways;
  settings.deleteStrayFiles = 1;
  ApplyGatherMode(settings);
  EXPECT_EQ(settings.overwriteMode, kOverwriteNewer);
  EXPECT_EQ(settings.deleteStrayFiles, 0);
  EXPECT_EQ(VersionLimitFromPosition(0), 1);
}

TEST(ExistingFilesPage, RepairsOnlyAChoiceThatWouldCopyNothing) {
  const std::string kMessage =
      "Never overwriting files, excluding new files and not deleting stray files would result "
      "in no files being copied or deleted.";
  for (const auto change :
       {EExistingFilesChange::kOverwriteChoice, EExistingFilesChange::kIncludeNewFiles,
        EExistingFilesChange::kDeleteStrayFiles}) {
    CSettingsState settings;
    settings.overwriteMode = kOverwriteNever;
    settings.includeNewFiles = 0;
    std::string message;
    EXPECT_TRUE(RepairExistingFiles(settings, change, message));
    EXPECT_EQ(message, kMessage);
    // Choosing "never" checks the box; clearing a box goes back to "if newer".
    const bool choseNever = change == EExistingFilesChange::kOverwriteChoice;
    EXPECT_EQ(settings.includeNewFiles, choseNever ? 1 : 0);
    EXPECT_EQ(settings.overwriteMode, choseNever ? kOverwriteNever : kOverwriteNewer);

    const CSettingsState repaired = settings;
    EXPECT_FALSE(RepairExistingFiles(settings, change, message));
    EXPECT_EQ(message, "");
    EXPECT_EQ(settings, repaired);
  }
  CSettingsState deletesStrays;
  deletesStrays.overwriteMode = kOverwriteNever;
  deletesStrays.includeNewFiles = 0;
  deletesStrays.deleteStrayFiles = 1;
  std::string message;
  EXPECT_FALSE(RepairExistingFiles(deletesStrays, EExistingFilesChange::kIncludeNewFiles, message));
}

}  // namespace

TEST(ExistingFilesPage, ShowsStoredChoicesWithinTheirListsAndEnablesByMode) {
  EXPECT_EQ(VersionLimitPosition(3), 2);
  EXPECT_EQ(VersionLimitPosition(0), 0);
  EXPECT_EQ(VersionLimitPosition(150), 98);
  EXPECT_EQ(ShownPosition(4, 5, kOverwriteNewer), 4);
  EXPECT_EQ(ShownPosition(5, 5, kOverwriteNewer), kOverwriteNewer);
  EXPECT_EQ(ShownPosition(-1, 3, kDisposeDelete), kDisposeDelete);

  const SExistingFilesEnables gathering = ExistingFilesEnables(true, kDisposeVersions);
  EXPECT_FALSE(gathering.overwrite || gathering.deleteStrayFiles);
  EXPECT_TRUE(gathering.versionLists);
  const SExistingFilesEnables recycling = ExistingFilesEnables(false, kDisposeRecycle);
  EXPECT_TRUE(recycling.overwrite && recycling.deleteStrayFiles);
  EXPECT_FALSE(recycling.versionLists);
}

TEST(PageChoices, AStoredCodeOutsideItsSetShowsAsTheFirstCode) {
  using settings_codes::kSubfoldersAll;
  using settings_codes::kSubfoldersList;
  using settings_codes::kSubfoldersNone;
  for (const int32_t stored : {0, -1, 1016, 1025}) {
    EXPECT_EQ(ShownCode(stored, {kSubfoldersAll, kSubfoldersNone, kSubfoldersList}), kSubfoldersAll)
        << stored;
  }
  EXPECT_EQ(ShownCode(kSubfoldersList, {kSubfoldersAll, kSubfoldersNone, kSubfoldersList}),
            kSubfoldersList);
}
