// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "rules/Filter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <optional>
#include <string>
#include <vector>

#include "core/Message.h"
#include "core/MessageQueue.h"
#include "core/TypoSeparation.h"
#include "tests/platform/PlatformTestUtil.h"
#include "tests/rules/FilterTestSupport.h"
#include "tests/support/TestSandbox.h"

// Which files take part: the name, path, date, size and attribute rules, their order in the
// whole file decision, where a file goes, and the window's check in gather mode.
namespace {

using namespace filter_test;
using platform::CDateTime;
using platform::FileTime;
using platform::SFindData;
using testing_support::BuildTree;
using testing_support::CTestSandbox;

CSettingsState NameSettings(std::vector<std::string> entries, bool typos = false) {
  CSettingsState settings = Settings();
  settings.nameMode = settings_codes::kNamesMatch;
  settings.nameEntries = std::move(entries);
  settings.allowTypos = typos ? 1 : 0;
  return settings;
}

bool Takes(const std::vector<std::string>& entries, std::string_view name, bool typos = false) {
  return MakeFilter(NameSettings(entries, typos)).PassesNameRules(name);
}

// Puts the program-wide typo separation back to its default at the end of a test.
class CTypoSeparationGuard {
 public:
  explicit CTypoSeparationGuard(int separation) { SetTypoSeparation(separation); }
  ~CTypoSeparationGuard() { SetTypoSeparation(3); }
  CTypoSeparationGuard(const CTypoSeparationGuard&) = delete;
  CTypoSeparationGuard& operator=(const CTypoSeparationGuard&) = delete;
};

// ---- Names ----

TEST(FilterNames, WildcardMatches) {
  EXPECT_TRUE(Takes({"1+*."}, "README"));
  EXPECT_FALSE(Takes({"1+*."}, "a.txt"));
  EXPECT_TRUE(Takes({"1+*.*"}, "README"));
  EXPECT_TRUE(Takes({"1+*.JPG"}, "photo.jpg"));
  EXPECT_FALSE(Takes({"1+*.JPG"}, "photo.png"));
  EXPECT_TRUE(Takes({"1+*.jpg", "1+*.png"}, "b.PNG"));
  EXPECT_FALSE(Takes({"1+*.jpg", "0+*.png"}, "b.png"));  // unchecked match
}

TEST(FilterNames, AllNamesEntryIsAddedWhenMissing) {
  EXPECT_TRUE(Takes({}, "anything.bin"));
  EXPECT_TRUE(Takes({"1-*.tmp"}, "a.doc"));
  EXPECT_FALSE(Takes({"1-*.tmp"}, "a.tmp"));
  // A checked match of its own makes the added entry unchecked.
  EXPECT_FALSE(Takes({"1+*.doc"}, "a.txt"));
  // An unchecked match leaves the added entry checked.
  EXPECT_TRUE(Takes({"0+*.doc"}, "a.txt"));
}

TEST(FilterNames, NothingTakenWithoutACheckedMatch) {
  EXPECT_FALSE(Takes({"0+*.*", "0+*.doc"}, "a.doc"));
  EXPECT_FALSE(Takes({"0+*.*", "0+*.doc"}, "README"));
  EXPECT_FALSE(Takes({"0+*.*", "1-*.tmp"}, "a.doc"));
}

TEST(FilterNames, ExcludesApplyToWildcardMatchesOnly) {
  const std::vector<std::string> entries = {"1+*.*", "1+file.txt", "1-*.txt", "0-*.doc"};
  EXPECT_TRUE(Takes(entries, "FILE.TXT"));  // named in full: excludes not consulted
  EXPECT_FALSE(Takes(entries, "other.txt"));
  EXPECT_TRUE(Takes(entries, "a.doc"));  // unchecked exclude
  EXPECT_TRUE(Takes({"1+file.txt", "1-file.txt"}, "file.txt"));
  EXPECT_FALSE(Takes({"1+file*", "1-file.txt"}, "file.txt"));
}

TEST(FilterNames, OtherModesTakeEveryName) {
  for (const int32_t mode : {0, settings_codes::kNoFiltering}) {
    CSettingsState settings = NameSettings({"0+*.*", "1-*.txt"});
    settings.nameMode = mode;
    EXPECT_TRUE(MakeFilter(settings).PassesNameRules("a.txt"));
  }
}

TEST(FilterNames, TyposWhenAllowed) {
  const CTypoSeparationGuard separation(3);
  for (const char* name : {"recieve.doc", "receve.doc", "receivve.doc", "recxive.doc"}) {
    EXPECT_TRUE(Takes({"1+receive.doc"}, name, true)) << name;
    EXPECT_FALSE(Takes({"1+receive.doc"}, name, false)) << name;
  }
  EXPECT_FALSE(Takes({"1+receive.doc"}, "rexxive.doc", true));
  // Excludes honour the same choice.
  EXPECT_FALSE(Takes({"1+*.*", "1-receive.doc"}, "recieve.doc", true));
  EXPECT_TRUE(Takes({"1+*.*", "1-receive.doc"}, "recieve.doc", false));
}

TEST(FilterNames, TyposFollowTheProgramWideSeparation) {
  {
    const CTypoSeparationGuard separation(1);
    EXPECT_TRUE(Takes({"1+report.txt"}, "rxpxrt.txt", true));
  }
  const CTypoSeparationGuard separation(3);
  EXPECT_FALSE(Takes({"1+report.txt"}, "rxpxrt.txt", true));
}

TEST(FilterNames, FolderNameIsItsLastName) {
  const CFilter filter = MakeFilter(NameSettings({"1+Photo*", "1-*old"}));
  EXPECT_TRUE(filter.TestFolderName("C:\\Src\\Photos 2024\\"));
  EXPECT_TRUE(filter.TestFolderName("C:\\Src\\Photos 2024"));
  EXPECT_FALSE(filter.TestFolderName("C:\\Src\\Photos\\Docs\\"));
  EXPECT_FALSE(filter.TestFolderName("C:\\Src\\Photos old\\"));
}

// ---- Excluded paths ----

TEST(FilterPaths, WholePathsWithoutRegardToCase) {
  CSettingsState settings = Settings();
  settings.excludedPaths = {"1C:\\Src\\Data", "0C:\\Src\\Unchecked", "1  C:\\Src\\Blank",
                            "1C:\\Src\\*.log"};
  const CFilter filter = MakeFilter(settings);
  EXPECT_TRUE(filter.HasExcludedPaths());
  EXPECT_TRUE(filter.IsPathExcluded("c:\\SRC\\data"));
  EXPECT_FALSE(filter.IsPathExcluded("C:\\Src\\Data\\x.txt"));
  EXPECT_FALSE(filter.IsPathExcluded("C:\\Src\\Dat"));
  EXPECT_FALSE(filter.IsPathExcluded("C:\\Src\\Data2"));
  EXPECT_FALSE(filter.IsPathExcluded("C:\\Src\\Unchecked"));
  EXPECT_TRUE(filter.IsPathExcluded("C:\\Src\\Blank"));
  EXPECT_FALSE(filter.IsPathExcluded("C:\\Src\\a.log"));
  EXPECT_TRUE(filter.IsPathExcluded("C:\\Src\\*.log"));

  settings.excludedPaths = {"0C:\\Src\\Data"};
  EXPECT_FALSE(MakeFilter(settings).HasExcludedPaths());
  EXPECT_FALSE(MakeFilter(settings).IsPathExcluded("C:\\Src\\Data"));
}

TEST(FilterPaths, AnExcludedPathNamesAFileNotAFolder) {
  const CTestSandbox sandbox;
  BuildTree(sandbox.CRoot() + "/Src",
            {{"Data/inner.txt", "i"}, {"Sub/Data", "file"}, {"Sub/other.txt", "o"}});
  CSettingsState settings = Settings();
  settings.excludedPaths = {"1C:\\Src\\Data", "1C:\\Src\\Sub\\Data"};
  for (const bool gather : {false, true}) {
    SCOPED_TRACE(gather);
    CFilter filter = MakeFilter(settings, SFilterOptions{.gather = gather});
    EXPECT_EQ(filter.DecideFolder("C:\\Src\\Data\\", "Data"), kFolderTake);
    const SWalk walk = Walk(filter);
    EXPECT_EQ(walk.folders, Folders({{"", 1}, {"Data/", 1}, {"Sub/", 1}}));
    EXPECT_EQ(walk.files, Files({"Data/inner.txt", "Sub/other.txt"}));
  }
}

// ---- Dates ----

FileTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  FileTime time = 0;
  EXPECT_TRUE(CDateTime::FromParts(year, month, day, hour, minute, second).ToFileTime(time));
  return time;
}

constexpr FileTime kSecond = 10000000;

class FilterDates : public ::testing::Test {
 protected:
  static CSettingsState Recent(int32_t count, int32_t unit) {
    CSettingsState settings = Settings();
    settings.dateMode = settings_codes::kDateRecent;
    settings.recentCount = count;
    settings.recentUnit = unit;
    return settings;
  }

  // The file at `bound` is taken and the one a second before it is not.
  static void ExpectLowerBound(const CFilter& filter, FileTime bound) {
    EXPECT_TRUE(filter.PassesDateRule(bound));
    EXPECT_TRUE(filter.PassesDateRule(bound + 1));
    EXPECT_FALSE(filter.PassesDateRule(bound - kSecond));
    EXPECT_FALSE(filter.PassesDateRule(bound - 1));  // 23:59:59.9999999 the day before
  }

  platform_test::CTimeZoneGuard m_zone{"UTC"};
};

TEST_F(FilterDates, NoDateFilteringTakesEveryTime) {
  for (const int32_t mode : {0, settings_codes::kNoFiltering}) {
    CSettingsState settings = Settings();
    settings.dateMode = mode;
    const CFilter filter = MakeFilter(settings);
    EXPECT_TRUE(filter.PassesDateRule(0));
    EXPECT_TRUE(filter.PassesDateRule(At(2024, 3, 5)));
  }
}

TEST_F(FilterDates, TodayStartsAtMidnight) {
  CSettingsState settings = Settings();
  settings.dateMode = settings_codes::kDateToday;
  settings.fromDateTime = CDateTime::FromParts(2000, 1, 1);  // stale: "now" decides
  const CFilter filter = MakeFilter(settings);
  ExpectLowerBound(filter, At(2024, 3, 5));
  EXPECT_TRUE(filter.PassesDateRule(At(2024, 3, 5, 23, 59, 59)));
  EXPECT_TRUE(filter.PassesDateRule(At(2024, 3, 9)));  // later than now still counts
}

TEST_F(FilterDates, DuringLastDaysAndWeeks) {
  const CFilter oneDay = MakeFilter(Recent(1, kUnitDays));
  EXPECT_FALSE(oneDay.PassesDateRule(At(2024, 3, 3, 23, 30)));
  ExpectLowerBound(oneDay, At(2024, 3, 4));

  ExpectLowerBound(MakeFilter(Recent(10, kUnitDays)), At(2024, 2, 24));
  ExpectLowerBound(MakeFilter(Recent(1, kUnitWeeks)), At(2024, 2, 27));
  ExpectLowerBound(MakeFilter(Recent(0, kUnitDays)), At(2024, 3, 5));
}

TEST_F(FilterDates, DuringLastMonthsAndYearsKeepTheDay) {
  struct SCase {
    CDateTime now;
    int32_t count;
    int32_t unit;
    FileTime bound;
  };
  const SCase cases[] = {
      {CDateTime::FromParts(2023, 3, 31, 12), 1, kUnitMonths, At(2023, 2, 28)},
      {CDateTime::FromParts(2024, 3, 31, 12), 1, kUnitMonths, At(2024, 2, 29)},
      {CDateTime::FromParts(2024, 1, 15, 12), 13, kUnitMonths, At(2022, 12, 15)},
      {CDateTime::FromParts(2024, 5, 31, 12), 1, kUnitMonths, At(2024, 4, 30)},
      {CDateTime::FromParts(2024, 2, 29, 12), 1, kUnitYears, At(2023, 2, 28)},
      {CDateTime::FromParts(2024, 2, 29, 12), 4, kUnitYears, At(2020, 2, 29)},
      {CDateTime::FromParts(2024, 7, 10, 12), 2, kUnitYears, At(2022, 7, 10)},
  };
  for (const SCase& c : cases) {
    CSettingsState settings = Recent(c.count, c.unit);
    settings.fromDateTime = CDateTime::FromParts(1990, 1, 1);
    const CFilter filter = MakeFilter(settings, {}, kSource, kDestination, nullptr, c.now);
    CDateTime::SParts parts{};
    c.now.GetParts(parts);
    SCOPED_TRACE(std::to_string(parts.year) + "-" + std::to_string(parts.month) + "-" +
                 std::to_string(parts.day) + " less " + std::to_string(c.count) +
                 (c.unit == kUnitMonths ? " months" : " years"));
    ExpectLowerBound(filter, c.bound);
  }
}

TEST_F(FilterDates, RangeBoundsAreInclusiveToTheSecond) {
  CSettingsState settings = Settings();
  settings.dateMode = settings_codes::kDateRange;
  settings.fromDateTime = CDateTime::FromParts(2024, 1, 10, 8, 30, 0);
  settings.throughDateTime = CDateTime::FromParts(2024, 1, 20, 17, 45, 30);
  const FileTime from = At(2024, 1, 10, 8, 30, 0);
  const FileTime through = At(2024, 1, 20, 17, 45, 30);

  settings.useFromDate = 1;
  settings.useThroughDate = 1;
  const CFilter both = MakeFilter(settings);
  ExpectLowerBound(both, from);
  EXPECT_TRUE(both.PassesDateRule(through));
  EXPECT_TRUE(both.PassesDateRule(through + kSecond - 1));  // within the through second
  EXPECT_FALSE(both.PassesDateRule(through + kSecond));

  settings.useThroughDate = 0;
  const CFilter fromOnly = MakeFilter(settings);
  ExpectLowerBound(fromOnly, from);
  EXPECT_TRUE(fromOnly.PassesDateRule(At(2099, 1, 1)));

  settings.useFromDate = 0;
  settings.useThroughDate = 1;
  const CFilter throughOnly = MakeFilter(settings);
  EXPECT_TRUE(throughOnly.PassesDateRule(through));
  EXPECT_FALSE(throughOnly.PassesDateRule(through + kSecond));
  EXPECT_TRUE(throughOnly.PassesDateRule(At(1850, 6, 1)));
  EXPECT_TRUE(throughOnly.PassesDateRule(0));  // 1 January 1601, however old

  settings.useThroughDate = 0;
  const CFilter neither = MakeFilter(settings);
  EXPECT_TRUE(neither.PassesDateRule(0));
  EXPECT_TRUE(neither.PassesDateRule(At(2099, 1, 1)));
}

TEST_F(FilterDates, TimesBeyondTheCalendarCountAsLaterThanEveryBound) {
  // A damaged time stamp far in the future is still "after" today.
  const FileTime year10000 = static_cast<FileTime>(platform::DaysFromCivil(10000, 1, 1) -
                                                   platform::DaysFromCivil(1601, 1, 1)) *
                             86400 * kSecond;
  CSettingsState settings = Settings();
  settings.dateMode = settings_codes::kDateToday;
  EXPECT_TRUE(MakeFilter(settings).PassesDateRule(year10000));

  settings.dateMode = settings_codes::kDateRange;
  settings.useThroughDate = 1;
  settings.throughDateTime = CDateTime::FromParts(2024, 1, 20);
  EXPECT_FALSE(MakeFilter(settings).PassesDateRule(year10000));
}

// ---- Sizes and attributes ----

constexpr uint64_t kGiB = 1073741824ULL;

CSettingsState SizeSettings(int32_t least, int32_t leastUnit, int32_t most, int32_t mostUnit) {
  CSettingsState settings = Settings();
  settings.sizeMode = settings_codes::kSizeLimits;
  settings.useLeastSize = least >= 0 ? 1 : 0;
  settings.leastSize = least >= 0 ? least : 7;
  settings.leastUnit = leastUnit;
  settings.useMostSize = most >= 0 ? 1 : 0;
  settings.mostSize = most >= 0 ? most : 7;
  settings.mostUnit = mostUnit;
  return settings;
}

TEST(FilterSizes, LimitsAreInclusive) {
  const CFilter exactlyOneKb = MakeFilter(SizeSettings(1, 1, 1, 1));
  EXPECT_FALSE(exactlyOneKb.PassesSizeRule(1023));
  EXPECT_TRUE(exactlyOneKb.PassesSizeRule(1024));
  EXPECT_FALSE(exactlyOneKb.PassesSizeRule(1025));

  const CFilter bytes = MakeFilter(SizeSettings(10, 0, 20, 0));
  EXPECT_FALSE(bytes.PassesSizeRule(9));
  EXPECT_TRUE(bytes.PassesSizeRule(10));
  EXPECT_TRUE(bytes.PassesSizeRule(20));
  EXPECT_FALSE(bytes.PassesSizeRule(21));

  const CFilter megabytes = MakeFilter(SizeSettings(2, 2, -1, 0));
  EXPECT_FALSE(megabytes.PassesSizeRule(2 * 1048576 - 1));
  EXPECT_TRUE(megabytes.PassesSizeRule(2 * 1048576));
}

TEST(FilterSizes, SizesAboveFourGigabytes) {
  const CFilter mostFive = MakeFilter(SizeSettings(-1, 0, 5, 3));
  EXPECT_TRUE(mostFive.PassesSizeRule(5 * kGiB));
  EXPECT_FALSE(mostFive.PassesSizeRule(5 * kGiB + 1));
  EXPECT_TRUE(mostFive.PassesSizeRule(0));

  const CFilter leastFour = MakeFilter(SizeSettings(4, 3, -1, 0));
  EXPECT_FALSE(leastFour.PassesSizeRule(4 * kGiB - 1));
  EXPECT_TRUE(leastFour.PassesSizeRule(4 * kGiB));
  EXPECT_TRUE(leastFour.PassesSizeRule(9000 * kGiB));

  const CFilter largest = MakeFilter(SizeSettings(-1, 0, 9999, 3));
  EXPECT_TRUE(largest.PassesSizeRule(9999 * kGiB));
  EXPECT_FALSE(largest.PassesSizeRule(9999 * kGiB + 1));
}

TEST(FilterSizes, UncheckedBoundsAndOtherModesLimitNothing) {
  const CFilter none = MakeFilter(SizeSettings(-1, 0, -1, 0));
  EXPECT_TRUE(none.PassesSizeRule(0));
  EXPECT_TRUE(none.PassesSizeRule(100 * kGiB));
  CSettingsState settings = SizeSettings(1, 1, 1, 1);
  settings.sizeMode = settings_codes::kNoFiltering;
  EXPECT_TRUE(MakeFilter(settings).PassesSizeRule(5));
}

TEST(FilterAttributes, ChoicesRejectMarkedFiles) {
  using platform::kAttrArchive, platform::kAttrReadOnly, platform::kAttrHidden,
      platform::kAttrSystem;
  CSettingsState settings = Settings();  // read-only taken, hidden and system not
  const CFilter defaults = MakeFilter(settings);
  EXPECT_TRUE(defaults.PassesAttributeRule(0));
  EXPECT_TRUE(defaults.PassesAttributeRule(kAttrReadOnly | kAttrArchive));
  EXPECT_FALSE(defaults.PassesAttributeRule(kAttrHidden | kAttrArchive));
  EXPECT_FALSE(defaults.PassesAttributeRule(kAttrSystem));

  settings.archiveOnly = 1;
  settings.includeReadOnly = 0;
  settings.includeHidden = 1;
  settings.includeSystem = 1;
  const CFilter flipped = MakeFilter(settings);
  EXPECT_FALSE(flipped.PassesAttributeRule(0));
  EXPECT_TRUE(flipped.PassesAttributeRule(kAttrArchive));
  EXPECT_FALSE(flipped.PassesAttributeRule(kAttrArchive | kAttrReadOnly));
  EXPECT_TRUE(flipped.PassesAttributeRule(kAttrArchive | kAttrHidden | kAttrSystem));
}

// ---- The whole decision ----

SFindData FileData(std::string name, uint64_t size = 10,
                   uint32_t attributes = platform::kAttrArchive, FileTime lastWrite = 0) {
  SFindData data;
  data.name = std::move(name);
  data.size = size;
  data.attributes = attributes;
  data.lastWriteTime = lastWrite == 0 ? platform::GetSystemTimeAsFileTime() : lastWrite;
  return data;
}

TEST(FilterDecideFile, DestinationFollowsTheCopyMode) {
  const CTestSandbox sandbox;
  CFilter intoFolders = MakeFilter(Settings());
  const auto nested = intoFolders.DecideFile("C:\\Src\\A\\B\\", FileData("f.txt"), false);
  ASSERT_TRUE(nested);
  EXPECT_EQ(nested->destinationPath, "D:\\Dst\\A\\B\\f.txt");
  EXPECT_EQ(nested->freed, 0u);
  EXPECT_EQ(intoFolders.LastDestinationPath(), "D:\\Dst\\A\\B\\f.txt");
  const auto top = intoFolders.DecideFile("C:\\Src\\", FileData("g.txt"), false);
  ASSERT_TRUE(top);
  EXPECT_EQ(top->destinationPath, "D:\\Dst\\g.txt");

  CFilter gathered = MakeFilter(Settings(), SFilterOptions{.gather = true});
  const auto flat = gathered.DecideFile("C:\\Src\\A\\B\\", FileData("f.txt"), false);
  ASSERT_TRUE(flat);
  EXPECT_EQ(flat->destinationPath, "D:\\Dst\\f.txt");
  EXPECT_EQ(gathered.LastDestinationPath(), "D:\\Dst\\f.txt");
}

TEST(FilterDecideFile, EachRuleCanRejectAFile) {
  const CTestSandbox sandbox;
  const platform_test::CTimeZoneGuard zone("UTC");
  CSettingsState settings = NameSettings({"1+*.txt", "1-skip*"});
  settings.excludedPaths = {"1C:\\Src\\A\\excluded.txt"};
  settings.dateMode = settings_codes::kDateToday;
  settings.sizeMode = settings_codes::kSizeLimits;
  settings.useMostSize = 1;
  settings.mostSize = 100;
  CFilter filter = MakeFilter(settings);
  const auto takes = [&](const char* folder, const char* name, uint64_t size = 10,
                         uint32_t attributes = platform::kAttrArchive,
                         FileTime lastWrite = At(2024, 3, 5, 9)) {
    return filter.DecideFile(folder, FileData(name, size, attributes, lastWrite), false)
        .has_value();
  };
  EXPECT_TRUE(takes("C:\\Src\\A\\", "ok.txt"));
  EXPECT_FALSE(takes("C:\\Src\\A\\", "EXCLUDED.TXT"));
  EXPECT_TRUE(takes("C:\\Src\\B\\", "excluded.txt"));
  EXPECT_FALSE(takes("C:\\Src\\A\\", "ok.doc"));
  EXPECT_FALSE(takes("C:\\Src\\A\\", "skip.txt"));
  EXPECT_FALSE(takes("C:\\Src\\A\\", "old.txt", 10, platform::kAttrArchive, At(2024, 3, 4, 23)));
  EXPECT_FALSE(takes("C:\\Src\\A\\", "big.txt", 101));
  EXPECT_FALSE(takes("C:\\Src\\A\\", "hidden.txt", 10, platform::kAttrHidden));
  // A rejected file leaves the last destination as it was.
  EXPECT_EQ(filter.LastDestinationPath(), "D:\\Dst\\B\\excluded.txt");
}

TEST(FilterDecideFile, NewFileNotIncluded) {
  const CTestSandbox sandbox;
  CSettingsState settings = Settings();
  settings.includeNewFiles = 0;
  CFilter filter = MakeFilter(settings);
  EXPECT_FALSE(filter.DecideFile("C:\\Src\\", FileData("f.txt"), false));
  EXPECT_EQ(filter.LastDestinationPath(), "D:\\Dst\\f.txt");
}

// ---- The window's check in gather mode ----

class FilterGatherCheck : public ::testing::Test {
 protected:
  struct SAsked {
    std::string name;
    CDateTime modified;
  };

  // Runs DecideFile on a worker thread, as the preview does, and answers its questions on
  // this thread with `answer`.
  std::optional<CFilter::SFileDecision> Decide(CFilter& filter, const SFindData& file,
                                               int64_t answer) {
    auto decision = std::async(std::launch::async,
                               [&] { return filter.DecideFile("C:\\Src\\A\\", file, false); });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (decision.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready) {
      if (std::chrono::steady_clock::now() > deadline) {
        ADD_FAILURE() << "the decision did not finish";
        break;
      }
      m_queue.DispatchOne(
          [&](CMessage& message) -> int64_t {
            EXPECT_EQ(message.code, MessageCode(kMsgGatherCheck));
            const CDateTime* modified = message.Object<CDateTime>();
            m_asked.push_back(SAsked{message.text, modified ? *modified : CDateTime()});
            return answer;
          },
          std::chrono::milliseconds(20));
    }
    return decision.get();
  }

  CTestSandbox m_sandbox;
  platform_test::CTimeZoneGuard m_zone{"UTC"};
  CMessageQueue m_queue;
  std::vector<SAsked> m_asked;
};

TEST_F(FilterGatherCheck, TheAnswerDecides) {
  CFilter filter =
      MakeFilter(Settings(), SFilterOptions{.gather = true}, kSource, kDestination, &m_queue);
  const SFindData file =
      FileData("photo.jpg", 10, platform::kAttrArchive, At(2023, 8, 9, 14, 5, 6));
  EXPECT_FALSE(Decide(filter, file, 0));
  const auto taken = Decide(filter, file, 1);
  ASSERT_TRUE(taken);
  EXPECT_EQ(taken->destinationPath, "D:\\Dst\\photo.jpg");
  EXPECT_TRUE(Decide(filter, file, 7));

  ASSERT_EQ(m_asked.size(), 3u);
  EXPECT_EQ(m_asked[0].name, "photo.jpg");
  EXPECT_EQ(m_asked[0].modified, CDateTime::FromParts(2023, 8, 9, 14, 5, 6));
}

TEST_F(FilterGatherCheck, AskedOnlyInGatherModeAndOnlyForFilesThatPassTheRules) {
  CFilter intoFolders = MakeFilter(Settings(), {}, kSource, kDestination, &m_queue);
  EXPECT_TRUE(Decide(intoFolders, FileData("a.txt"), 0));

  CSettingsState settings = NameSettings({"1+*.jpg"});
  CFilter gathered =
      MakeFilter(settings, SFilterOptions{.gather = true}, kSource, kDestination, &m_queue);
  EXPECT_FALSE(Decide(gathered, FileData("a.txt"), 1));

  // A newer file already in the destination is not overwritten: no question either.
  BuildTree(m_sandbox.Root() + "/d/Dst", {{"b.jpg", "newer", At(2024, 1, 2)}});
  EXPECT_FALSE(Decide(gathered, FileData("b.jpg", 5, platform::kAttrArchive, At(2024, 1, 1)), 1));
  EXPECT_TRUE(m_asked.empty());
  EXPECT_EQ(m_queue.Pending(), 0u);
}

TEST_F(FilterGatherCheck, WithoutATargetEveryFileIsTaken) {
  CFilter filter = MakeFilter(Settings(), SFilterOptions{.gather = true});
  EXPECT_TRUE(filter.DecideFile("C:\\Src\\A\\", FileData("a.txt"), false));
}

}  // namespace
