// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/Options.h"

#include <gtest/gtest.h>

#include "core/FormatItem.h"
#include "core/ProgramLists.h"
#include "core/TypoSeparation.h"
#include "platform/OptionStore.h"
#include "tests/support/TestSandbox.h"

namespace {

// Every value away from its default, so that a load which skips a value shows.
SProgramOptions Scrambled() {
  SProgramOptions o;
  o.m_restorePlacement = 0;
  o.m_showDayTip = 0;
  o.m_dayTipIndex = 5;
  o.m_recallColumnWidths = 1;
  o.m_adjustColumnWidths = 0;
  o.m_confirmCopying = 0;
  o.m_detectMoves = 1;
  o.m_includeRenames = 1;
  o.m_thresholdHours = 23;
  o.m_thresholdMinutes = 59;
  o.m_thresholdSeconds = 59;
  o.UpdateTolerance();
  o.m_hourDiff = -2;
  o.m_useThousandsSep = 0;
  o.m_thousandsSep = ';';
  o.m_useTwoDigits = 1;
  o.m_previewFixedFont = 1;
  o.m_renameFixedFont = 1;
  o.m_settingsFixedFont = 1;
  o.m_typoSeparation = 7;
  return o;
}

class Options : public ::testing::Test {
 protected:
  void TearDown() override {
    SetDefaultNumberFormat(true, ',');
    SetTypoSeparation(3);
  }
  SProgramOptions Load() {
    SProgramOptions o = Scrambled();
    o.LoadOptions(m_store);
    return o;
  }
  std::string StoreFile() const { return m_sandbox.Root() + "/options.conf"; }

  testing_support::CTestSandbox m_sandbox;
  platform::COptionStore m_store{StoreFile()};
};

TEST_F(Options, EmptyStoreGivesDefaultsAndSetsProcessWideCopies) {
  SetDefaultNumberFormat(false, '.');
  SetTypoSeparation(8);
  const SProgramOptions o = Load();
  EXPECT_EQ(o.m_restorePlacement, 1);
  EXPECT_EQ(o.m_showDayTip, 1);
  EXPECT_EQ(o.m_dayTipIndex, 0);
  EXPECT_EQ(o.m_recallColumnWidths, 0);
  EXPECT_EQ(o.m_adjustColumnWidths, 1);
  EXPECT_EQ(o.m_confirmCopying, 1);
  EXPECT_EQ(o.m_detectMoves, 0);
  EXPECT_EQ(o.m_includeRenames, 0);
  EXPECT_EQ(o.m_thresholdHours + o.m_thresholdMinutes + o.m_thresholdSeconds, 0);
  EXPECT_EQ(o.m_tolerance, 0);
  EXPECT_EQ(o.m_hourDiff, 0);
  EXPECT_EQ(o.m_useThousandsSep, 1);
  EXPECT_EQ(o.m_thousandsSep, ',');
  EXPECT_EQ(o.m_useTwoDigits, 0);  // this platform is a current system
  EXPECT_EQ(o.m_previewFixedFont + o.m_renameFixedFont + o.m_settingsFixedFont, 0);
  EXPECT_EQ(o.m_typoSeparation, 3);
  EXPECT_TRUE(DefaultNumberGroup());
  EXPECT_EQ(DefaultNumberSep(), ',');
  EXPECT_EQ(TypoSeparation(), 3);
}

TEST_F(Options, OutOfRangeValuesAreBroughtIntoRange) {
  m_store.SetInt("File Times", "Threshold Hours", 30);
  m_store.SetInt("File Times", "Threshold Minutes", 75);
  m_store.SetInt("File Times", "Threshold Seconds", -5);
  m_store.SetInt("Typos", "Separation", 0);
  SProgramOptions o = Load();
  EXPECT_EQ(o.m_thresholdHours, 23);
  EXPECT_EQ(o.m_thresholdMinutes, 59);
  EXPECT_EQ(o.m_thresholdSeconds, 0);
  EXPECT_EQ(o.m_tolerance, (23 * 3600 + 59 * 60) * int64_t{10'000'000});
  EXPECT_EQ(o.m_typoSeparation, 1);

  m_store.SetInt("File Times", "Threshold Hours", -5);
  m_store.SetInt("File Times", "Threshold Minutes", 2);
  m_store.SetInt("File Times", "Threshold Seconds", 3);
  m_store.SetInt("Typos", "Separation", 12);
  o = Load();
  EXPECT_EQ(o.m_thresholdHours, 0);
  EXPECT_EQ(o.m_typoSeparation, 9);
  EXPECT_EQ(TypoSeparation(), 9);
  EXPECT_EQ(ThresholdTolerance(1, 2, 3), 37'230'000'000);
}

TEST_F(Options, NotesOfAnOlderReleaseAreShownAgainFromTheStart) {
  struct SCase {
    int32_t major, minor;
    bool reset;
  };
  for (const SCase c : {SCase{1, 7, true}, SCase{0, 9, true}, SCase{1, 8, false},
                        SCase{1, 9, false}, SCase{2, 0, false}}) {
    m_store.SetInt("Start Up", "Show Day Tip", 0);
    m_store.SetInt("Start Up", "Day Tip Index", 4);
    m_store.SetInt("Start Up", "Day Tip Major Ver", c.major);
    m_store.SetInt("Start Up", "Day Tip Minor Ver", c.minor);
    const SProgramOptions o = Load();
    EXPECT_EQ(o.m_showDayTip, c.reset ? 1 : 0) << c.major << "." << c.minor;
    EXPECT_EQ(o.m_dayTipIndex, c.reset ? 0 : 4) << c.major << "." << c.minor;
  }
  m_store.SetInt("Start Up", "Day Tip Index", -3);
  EXPECT_EQ(Load().m_dayTipIndex, 0);
}

TEST_F(Options, OldPreviewFontIsMovedOnce) {
  m_store.SetInt("Preview", "Font Type", 1);
  m_store.SetInt("Fonts", "Rename", 5);
  m_store.SetInt("Fonts", "Settings", -2);
  SProgramOptions o = Load();
  EXPECT_EQ(o.m_previewFixedFont, 1);
  EXPECT_EQ(o.m_renameFixedFont, 1);
  EXPECT_EQ(o.m_settingsFixedFont, 0);

  // The next run, without the options having been saved in between.
  ASSERT_TRUE(m_store.Sync());
  platform::COptionStore reopened(StoreFile());
  EXPECT_EQ(reopened.GetInt("Preview", "Font Type", 0), -1);
  o.LoadOptions(reopened);
  EXPECT_EQ(o.m_previewFixedFont, 1);
  reopened.SetInt("Fonts", "Preview", 0);
  o.LoadOptions(reopened);
  EXPECT_EQ(o.m_previewFixedFont, 0);
}

TEST_F(Options, ThousandsSeparatorIsOneUsableCharacter) {
  const std::pair<const char*, char> cases[] = {{"ab", 'a'}, {"", ','},         {".", '.'},
                                                {" ", ' '},  {"\xC3\xA9", ','}, {"5", ','}};
  for (const auto& [stored, expected] : cases) {
    m_store.SetString("Numbers", "Thousands Separator", stored);
    m_store.SetInt("Numbers", "Use Thousands Sep", 0);
    EXPECT_EQ(Load().m_thousandsSep, expected) << '"' << stored << '"';
    EXPECT_EQ(DefaultNumberSep(), expected);
    EXPECT_FALSE(DefaultNumberGroup());
  }
}

TEST_F(Options, NumbersPageChoicesStoreTheirCharacter) {
  using E = EThousandsSepChoice;
  EXPECT_EQ(ThousandsSepFromChoice(E::kComma, "x"), ',');
  EXPECT_EQ(ThousandsSepFromChoice(E::kPeriod, ""), '.');
  EXPECT_EQ(ThousandsSepFromChoice(E::kSpace, ""), ' ');
  EXPECT_EQ(ThousandsSepFromChoice(E::kOther, "'"), '\'');
  for (const char* bad : {"", "ab", "\xC3\xA9", "7", "\t"}) {
    EXPECT_EQ(ThousandsSepFromChoice(E::kOther, bad), ',') << '"' << bad << '"';
  }
}

TEST_F(Options, SavedOptionsLoadBackUnchanged) {
  const SProgramOptions saved = Scrambled();
  ASSERT_TRUE(saved.SaveOptions(m_store));
  EXPECT_EQ(m_store.GetString("Numbers", "Thousands Separator", ""), ";");
  platform::COptionStore reopened(StoreFile());
  SProgramOptions loaded;
  loaded.LoadOptions(reopened);
  EXPECT_EQ(loaded, saved);
  EXPECT_EQ(loaded.m_tolerance, 863'990'000'000);  // 23:59:59 does not fit in 32 bits
}

TEST(ProgramLists, ListsLoadBackInOrder) {
  testing_support::CTestSandbox sandbox;
  platform::COptionStore store(sandbox.Root() + "/options.conf");
  EXPECT_TRUE(LoadComparePrograms(store).m_programs.empty());
  const SComparePrograms compare{{"C:\\bin\\diff.exe", "C:\\bin\\meld.exe"}, 1};
  SaveComparePrograms(store, compare);
  SaveOpenWithPrograms(store, {"C:\\a.exe", "C:\\b.exe", "C:\\c.exe"});
  EXPECT_EQ(LoadComparePrograms(store), compare);
  EXPECT_EQ(LoadOpenWithPrograms(store),
            (std::vector<std::string>{"C:\\a.exe", "C:\\b.exe", "C:\\c.exe"}));

  store.Remove("Open With", "Program 1");
  EXPECT_EQ(LoadOpenWithPrograms(store)[1], "(missing program)");
  store.SetInt("Compare", "Program Count", -4);
  EXPECT_TRUE(LoadComparePrograms(store).m_programs.empty());
  store.SetInt("Compare", "Program Count", 0x7FFFFFFF);
  EXPECT_EQ(LoadComparePrograms(store).m_programs.size(), size_t{kMaxPrograms});
}

TEST(ProgramLists, CompareIndexStaysInsideTheList) {
  EXPECT_EQ(CompareProgramIndex(7, 3), 2);
  EXPECT_EQ(CompareProgramIndex(1, 3), 1);
  EXPECT_EQ(CompareProgramIndex(-1, 3), 0);
  EXPECT_EQ(CompareProgramIndex(0, 0), -1);
}

}  // namespace
