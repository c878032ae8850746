// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "rules/Filter.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/FileFind.h"
#include "platform/FileInfo.h"
#include "tests/rules/FilterTestSupport.h"
#include "tests/support/TestSandbox.h"

// What happens at the destination: whether an existing file is replaced and how much space
// that gives back, and what the copy inherits from its source (attributes, times), on real
// files. D: is a removable drive and C: a fixed one.
namespace {

using namespace filter_test;
using platform::FileTime;
using platform::kAttrArchive;
using platform::kAttrHidden;
using platform::kAttrReadOnly;
using platform::kAttrSystem;
using testing_support::BuildTree;
using testing_support::CTestSandbox;

constexpr uint32_t kFlags = kAttrReadOnly | kAttrHidden | kAttrSystem | kAttrArchive;
constexpr FileTime kSecond = 10000000;
// 2001-02-03 04:05:06 UTC.
constexpr FileTime kBase = 126256467060000000ULL;

class FilterDestination : public ::testing::Test {
 protected:
  FilterDestination() : m_sandbox("C={root}/c;D={root}/d,removable") {}

  // Writes a file on C: or D: ("C:/Src/a.txt") with a last-write time.
  void Make(const std::string& path, const std::string& content, FileTime lastWrite = kBase) {
    const std::string windows = Win(path);
    const std::string posix = CTestSandbox::Posix(windows);
    testing_support::MakeFolders(posix.substr(0, posix.find_last_of('/')));
    testing_support::WriteFile(posix, content);
    ASSERT_EQ(platform::SetFileTimes(windows, nullptr, nullptr, &lastWrite),
              platform::EError::kNone);
  }

  static platform::SFindData Find(const std::string& path) {
    platform::CFindFile finder;
    EXPECT_TRUE(finder.FindFirst(Win(path))) << path;
    return finder.Data();
  }

  static uint32_t Attributes(const std::string& path) {
    return platform::GetFileAttributes(Win(path)) & kFlags;
  }

  CFilter::SExisting Existing(const CSettingsState& settings, const std::string& source,
                              const std::string& destination, bool exactCase = false,
                              const SFilterOptions& options = {}) {
    const CFilter filter = MakeFilter(settings, options);
    return filter.DecideExistingDestination(Find(source), Win(destination), exactCase);
  }

  CTestSandbox m_sandbox;
};

CSettingsState Overwrite(int32_t mode, int32_t includeNew = 1) {
  CSettingsState settings = Settings();
  settings.overwriteMode = mode;
  settings.includeNewFiles = includeNew;
  return settings;
}

// ---- Existing destination ----

TEST_F(FilterDestination, MissingDestinationIsCopiedExactlyWhenNewFilesAreIncluded) {
  Make("C:/Src/a.txt", "source");
  const auto included = Existing(Overwrite(kOverwriteNever, 1), "C:/Src/a.txt", "D:/Dst/a.txt");
  EXPECT_TRUE(included.copy);
  EXPECT_EQ(included.freed, 0u);
  EXPECT_FALSE(Existing(Overwrite(kOverwriteAlways, 0), "C:/Src/a.txt", "D:/Dst/a.txt").copy);
  // A folder of that name is no file to replace.
  testing_support::MakeFolders(m_sandbox.Root() + "/d/Dst/a.txt");
  EXPECT_FALSE(Existing(Overwrite(kOverwriteAlways, 0), "C:/Src/a.txt", "D:/Dst/a.txt").copy);
}

TEST_F(FilterDestination, NameDifferingInCaseCountsAsAbsentOnlyWithExactCase) {
  Make("C:/Src/report.txt", "source");
  Make("D:/Dst/Report.TXT", "other case");
  const CSettingsState settings = Overwrite(kOverwriteAlways, 0);
  EXPECT_FALSE(Existing(settings, "C:/Src/report.txt", "D:/Dst/report.txt", true).copy);
  // Otherwise names compare without regard to case, as everywhere in the program, even
  // though this file system's own lookup is exact.
  const auto anyCase = Existing(settings, "C:/Src/report.txt", "D:/Dst/report.txt", false);
  EXPECT_TRUE(anyCase.copy);
  EXPECT_EQ(anyCase.freed, 10u);
  // The same spelling is present either way.
  EXPECT_TRUE(Existing(settings, "C:/Src/report.txt", "D:/Dst/Report.TXT", true).copy);
  Make("D:/Dst/report.txt", "exact");
  const auto exact = Existing(settings, "C:/Src/report.txt", "D:/Dst/report.txt", true);
  EXPECT_TRUE(exact.copy);
  EXPECT_EQ(exact.freed, 5u);
}

TEST_F(FilterDestination, NameWithWildcardCharactersIsLookedUpAsItIs) {
  // '?' and '*' are ordinary characters in names here; a lookup must not take them as a
  // pattern and find some other file.
  Make("C:/Src/a?.txt", "source");
  Make("D:/Dst/ab.txt", "a different file");
  const CSettingsState settings = Overwrite(kOverwriteAlways, 0);
  EXPECT_FALSE(Existing(settings, "C:/Src/a?.txt", "D:/Dst/a?.txt").copy);
  EXPECT_FALSE(Existing(settings, "C:/Src/a?.txt", "D:/Dst/a?.txt", true).copy);

  Make("D:/Dst/a?.txt", "123");
  const auto present = Existing(settings, "C:/Src/a?.txt", "D:/Dst/a?.txt", true);
  EXPECT_TRUE(present.copy);
  EXPECT_EQ(present.freed, 3u);
}

TEST_F(FilterDestination, OverwriteChoiceByTimes) {
  struct SCase {
    int32_t mode;
    bool newer, same, older;  // whether a source newer / as old / older is copied
  };
  const SCase cases[] = {{kOverwriteAlways, true, true, true},
                         {kOverwriteNewer, true, false, false},
                         {kOverwriteOlder, false, false, true},
                         {kOverwriteNewerOrOlder, true, false, true},
                         {kOverwriteNever, false, false, false}};
  Make("D:/Dst/f.txt", "destination");
  Make("C:/Src/newer.txt", "source", kBase + kSecond);
  Make("C:/Src/same.txt", "source", kBase);
  Make("C:/Src/older.txt", "source", kBase - kSecond);
  for (const SCase& c : cases) {
    SCOPED_TRACE(c.mode);
    const CSettingsState settings = Overwrite(c.mode);
    const auto newer = Existing(settings, "C:/Src/newer.txt", "D:/Dst/f.txt");
    EXPECT_EQ(newer.copy, c.newer);
    EXPECT_EQ(newer.freed, c.newer ? 11u : 0u);
    EXPECT_EQ(Existing(settings, "C:/Src/same.txt", "D:/Dst/f.txt").copy, c.same);
    EXPECT_EQ(Existing(settings, "C:/Src/older.txt", "D:/Dst/f.txt").copy, c.older);
  }
}

TEST_F(FilterDestination, ToleranceAndHourAllowanceMakeTimesEqual) {
  Make("D:/Dst/f.txt", "destination");
  Make("C:/Src/two.txt", "source", kBase + 2 * kSecond);
  Make("C:/Src/three.txt", "source", kBase + 3 * kSecond);
  Make("C:/Src/hour.txt", "source", kBase + 3600 * kSecond);
  const CSettingsState newer = Overwrite(kOverwriteNewer);
  const SFilterOptions tolerant{.tolerance = 2 * static_cast<int64_t>(kSecond)};
  EXPECT_FALSE(Existing(newer, "C:/Src/two.txt", "D:/Dst/f.txt", false, tolerant).copy);
  EXPECT_TRUE(Existing(newer, "C:/Src/three.txt", "D:/Dst/f.txt", false, tolerant).copy);
  EXPECT_TRUE(Existing(newer, "C:/Src/hour.txt", "D:/Dst/f.txt").copy);
  const SFilterOptions hour{.hourDiff = true};
  EXPECT_FALSE(Existing(newer, "C:/Src/hour.txt", "D:/Dst/f.txt", false, hour).copy);
  EXPECT_FALSE(
      Existing(Overwrite(kOverwriteNewerOrOlder), "C:/Src/hour.txt", "D:/Dst/f.txt", false, hour)
          .copy);
}

TEST_F(FilterDestination, SizeOrArchiveTestCopiesWhatTheTimesWouldKeep) {
  Make("D:/Dst/f.txt", "destination");  // 11 bytes, as new as the sources
  Make("C:/Src/longer.txt", "source, longer");
  Make("C:/Src/equal.txt", "same length");
  for (const int32_t mode : {kOverwriteNewer, kOverwriteNever}) {
    SCOPED_TRACE(mode);
    CSettingsState settings = Overwrite(mode);
    EXPECT_FALSE(Existing(settings, "C:/Src/longer.txt", "D:/Dst/f.txt").copy);
    settings.testSize = 1;
    const auto longer = Existing(settings, "C:/Src/longer.txt", "D:/Dst/f.txt");
    EXPECT_TRUE(longer.copy);
    EXPECT_EQ(longer.freed, 0u);  // the estimate errs towards needing more space
    EXPECT_FALSE(Existing(settings, "C:/Src/equal.txt", "D:/Dst/f.txt").copy);
  }

  CSettingsState archive = Overwrite(kOverwriteNewer);
  archive.testArchive = 1;
  EXPECT_TRUE(Existing(archive, "C:/Src/equal.txt", "D:/Dst/f.txt").copy);
  ASSERT_EQ(platform::SetFileAttributes("C:\\Src\\equal.txt", 0), platform::EError::kNone);
  EXPECT_FALSE(Existing(archive, "C:/Src/equal.txt", "D:/Dst/f.txt").copy);
}

TEST_F(FilterDestination, ReplacedSpaceIsFreedUnlessTheOldFileSurvives) {
  Make("C:/Src/f.txt", "new", kBase + kSecond);
  Make("D:/Dst/f.txt", "0123456789");
  Make("C:/Bak/f.txt", "0123456789");
  struct SCase {
    int32_t dispose;
    const char* destinationRoot;
    bool kept;
  };
  const SCase cases[] = {{kDisposeDelete, "D:\\Dst\\", false},
                         {kDisposeDelete, "C:\\Bak\\", false},
                         {kDisposeVersions, "D:\\Dst\\", true},
                         {kDisposeRecycle, "D:\\Dst\\", false},  // removable: no recycle bin
                         {kDisposeRecycle, "C:\\Bak\\", true}};
  for (const SCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.dispose) + " " + c.destinationRoot);
    CSettingsState settings = Overwrite(kOverwriteNewer);
    settings.disposeMode = c.dispose;
    const CFilter filter = MakeFilter(settings, {}, kSource, c.destinationRoot);
    EXPECT_EQ(filter.OldFilesKept(), c.kept);
    const auto existing = filter.DecideExistingDestination(
        Find("C:/Src/f.txt"), std::string(c.destinationRoot) + "f.txt", false);
    EXPECT_TRUE(existing.copy);
    EXPECT_EQ(existing.freed, c.kept ? 0u : 10u);
  }
}

TEST_F(FilterDestination, DecideFileCarriesTheFreedSpace) {
  Make("C:/Src/A/f.txt", "new", kBase + kSecond);
  Make("D:/Dst/A/f.txt", "0123456789");
  CFilter filter = MakeFilter(Overwrite(kOverwriteNewer));
  const auto decision = filter.DecideFile("C:\\Src\\A\\", Find("C:/Src/A/f.txt"), false);
  ASSERT_TRUE(decision);
  EXPECT_EQ(decision->destinationPath, "D:\\Dst\\A\\f.txt");
  EXPECT_EQ(decision->freed, 10u);
  Make("D:/Dst/A/f.txt", "0123456789", kBase + 2 * kSecond);
  EXPECT_FALSE(filter.DecideFile("C:\\Src\\A\\", Find("C:/Src/A/f.txt"), false));
}

// ---- After a copy ----

TEST_F(FilterDestination, AttributesGivenToTheCopy) {
  Make("C:/Src/all.txt", "s");
  Make("D:/Dst/all.txt", "s");
  ASSERT_EQ(platform::SetFileAttributes("C:\\Src\\all.txt", kFlags), platform::EError::kNone);

  // The defaults: the source's archive mark is cleared, R is not copied, H and S are.
  const CFilter defaults = MakeFilter(Settings());
  defaults.ApplyAttributes("C:\\Src\\all.txt", "D:\\Dst\\all.txt");
  EXPECT_EQ(Attributes("C:/Src/all.txt"), kAttrReadOnly | kAttrHidden | kAttrSystem);
  EXPECT_EQ(Attributes("D:/Dst/all.txt"), kAttrHidden | kAttrSystem | kAttrArchive);

  // Now without its archive mark, the source gives the copy none either.
  CSettingsState everything = Settings();
  everything.copyReadOnlyAttribute = 1;
  MakeFilter(everything).ApplyAttributes("C:\\Src\\all.txt", "D:\\Dst\\all.txt");
  EXPECT_EQ(Attributes("D:/Dst/all.txt"), kAttrReadOnly | kAttrHidden | kAttrSystem);
}

TEST_F(FilterDestination, HiddenSourceWithoutItsHiddenAttribute) {
  Make("C:/Src/h.txt", "s");
  Make("D:/Dst/h.txt", "s");
  ASSERT_EQ(platform::SetFileAttributes("C:\\Src\\h.txt", kAttrHidden | kAttrArchive),
            platform::EError::kNone);
  CSettingsState settings = Settings();
  settings.copyHiddenAttribute = 0;
  settings.copySystemAttribute = 0;
  MakeFilter(settings).ApplyAttributes("C:\\Src\\h.txt", "D:\\Dst\\h.txt");
  EXPECT_EQ(Attributes("D:/Dst/h.txt"), kAttrArchive);
  EXPECT_EQ(Attributes("C:/Src/h.txt"), kAttrHidden);
}

TEST_F(FilterDestination, ArchiveMarkKeptWhenNotAskedToClear) {
  Make("C:/Src/a.txt", "s");
  Make("D:/Dst/a.txt", "s");
  CSettingsState settings = Settings();
  settings.clearArchive = 0;
  MakeFilter(settings).ApplyAttributes("C:\\Src\\a.txt", "D:\\Dst\\a.txt");
  EXPECT_EQ(Attributes("C:/Src/a.txt"), kAttrArchive);
  EXPECT_EQ(Attributes("D:/Dst/a.txt"), kAttrArchive);
  // A source that cannot be read changes nothing.
  MakeFilter(Settings()).ApplyAttributes("C:\\Src\\missing.txt", "D:\\Dst\\a.txt");
  EXPECT_EQ(Attributes("D:/Dst/a.txt"), kAttrArchive);
}

TEST_F(FilterDestination, TimesCopiedToTheHundredNanoseconds) {
  const FileTime lastWrite = kBase + 1234567;
  const FileTime lastAccess = kBase + 7 * kSecond + 89;
  Make("C:/Src/t.txt", "s", lastWrite);
  ASSERT_EQ(platform::SetFileTimes("C:\\Src\\t.txt", nullptr, &lastAccess, nullptr),
            platform::EError::kNone);
  Make("D:/Dst/t.txt", "s", kBase + 99 * kSecond);
  const CFilter filter = MakeFilter(Settings());
  filter.CopyTimes("C:\\Src\\t.txt", "D:\\Dst\\t.txt");
  const auto times = platform::GetFileTimes("D:\\Dst\\t.txt");
  ASSERT_TRUE(times);
  EXPECT_EQ(times->lastWrite, lastWrite);
  EXPECT_EQ(times->lastAccess, lastAccess);

  filter.CopyTimes("C:\\Src\\missing.txt", "D:\\Dst\\t.txt");
  EXPECT_EQ(platform::GetFileTimes("D:\\Dst\\t.txt")->lastWrite, lastWrite);
}

TEST_F(FilterDestination, ProtectedDestinationsAndTheirReasons) {
  BuildTree(m_sandbox.Root() + "/d/Dst", {{"plain.txt", "p"},
                                          {"ro.txt", "r"},
                                          {"rs.txt", "r"},
                                          {"rhs.txt", "r"},
                                          {".dot", "d"},
                                          {"h.txt", "h"}});
  const auto set = [](const char* name, uint32_t attributes) {
    ASSERT_EQ(platform::SetFileAttributes(std::string("D:\\Dst\\") + name, attributes),
              platform::EError::kNone);
  };
  set("ro.txt", kAttrReadOnly);
  set("rs.txt", kAttrReadOnly | kAttrSystem);
  set("rhs.txt", kAttrReadOnly | kAttrHidden | kAttrSystem);
  set(".dot", kAttrReadOnly | kAttrSystem);
  set("h.txt", kAttrHidden | kAttrReadOnly);

  std::string reason = "stale";
  const CFilter unprotected = MakeFilter(Settings());
  EXPECT_FALSE(unprotected.IsProtectedDestination("D:\\Dst\\rhs.txt", reason));
  EXPECT_EQ(reason, "");

  CSettingsState settings = Settings();
  settings.keepReadOnlyDestination = 1;
  settings.keepHiddenDestination = 1;
  settings.keepSystemDestination = 1;
  const CFilter keepAll = MakeFilter(settings);
  EXPECT_FALSE(keepAll.IsProtectedDestination("D:\\Dst\\plain.txt", reason));
  EXPECT_TRUE(keepAll.IsProtectedDestination("D:\\Dst\\ro.txt", reason));
  EXPECT_EQ(reason, "read-only");
  EXPECT_TRUE(keepAll.IsProtectedDestination("D:\\Dst\\rs.txt", reason));
  EXPECT_EQ(reason, "read-only & system");
  EXPECT_TRUE(keepAll.IsProtectedDestination("D:\\Dst\\rhs.txt", reason));
  EXPECT_EQ(reason, "read-only, hidden & system");
  EXPECT_TRUE(keepAll.IsProtectedDestination("D:\\Dst\\.dot", reason));
  EXPECT_EQ(reason, "read-only, hidden & system");
  reason = "stale";
  EXPECT_FALSE(keepAll.IsProtectedDestination("D:\\Dst\\missing.txt", reason));
  EXPECT_EQ(reason, "");

  settings.keepReadOnlyDestination = 0;
  settings.keepSystemDestination = 0;
  const CFilter keepHidden = MakeFilter(settings);
  EXPECT_TRUE(keepHidden.IsProtectedDestination("D:\\Dst\\h.txt", reason));
  EXPECT_EQ(reason, "hidden");
  EXPECT_FALSE(keepHidden.IsProtectedDestination("D:\\Dst\\ro.txt", reason));
}

TEST(FilterChoices, StopVerifyAndReasonWords) {
  CSettingsState settings = Settings();
  settings.avoidStopping = 0;
  settings.verifyCopies = 1;
  EXPECT_TRUE(MakeFilter(settings).StopOnError());
  EXPECT_TRUE(MakeFilter(settings).VerifyCopies());
  settings.avoidStopping = 1;
  settings.verifyCopies = 0;
  EXPECT_FALSE(MakeFilter(settings).StopOnError());
  EXPECT_FALSE(MakeFilter(settings).VerifyCopies());

  EXPECT_EQ(JoinReasons({}), "");
  EXPECT_EQ(JoinReasons({"hidden"}), "hidden");
  EXPECT_EQ(JoinReasons({"hidden", "system"}), "hidden & system");
}

}  // namespace
