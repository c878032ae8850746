// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/OptionPages.h"

#include <gtest/gtest.h>

#include "core/FormatItem.h"
#include "core/TypoSeparation.h"
#include "platform/OptionStore.h"
#include "tests/support/TestSandbox.h"

namespace {

TEST(OptionPages, RenamesAreOnlyIncludedWhileMovesAreDetected) {
  struct SCase {
    bool detect, include;
    bool enabled, checked;
  };
  for (const SCase c : {SCase{true, true, true, true}, SCase{true, false, true, false},
                        SCase{false, true, false, false}, SCase{false, false, false, false}}) {
    const SRenamesBox box = RenamesBoxFor(c.detect, c.include);
    EXPECT_EQ(box.enabled, c.enabled) << c.detect << c.include;
    EXPECT_EQ(box.checked, c.checked) << c.detect << c.include;
  }
}

TEST(OptionPages, EverySeparatorShowsAsTheChoiceThatStoresItAgain) {
  using E = EThousandsSepChoice;
  EXPECT_EQ(ThousandsSepChoice(','), E::kComma);
  EXPECT_EQ(ThousandsSepChoice('.'), E::kPeriod);
  EXPECT_EQ(ThousandsSepChoice(' '), E::kSpace);
  EXPECT_EQ(ThousandsSepChoice('\''), E::kOther);
  EXPECT_EQ(OtherSepText(','), "");
  EXPECT_EQ(OtherSepText('\''), "'");
  // Every character a load can give comes back unchanged through the page.
  for (int c = 0x20; c < 0x7F; ++c) {
    const char sep = static_cast<char>(c);
    if (sep >= '0' && sep <= '9') {
      continue;
    }
    EXPECT_EQ(ThousandsSepFromChoice(ThousandsSepChoice(sep), OtherSepText(sep)), sep) << sep;
  }
}

TEST(OptionPages, NumbersChoicesFollowTheInsertBox) {
  using E = EThousandsSepChoice;
  for (const E choice : {E::kComma, E::kPeriod, E::kSpace, E::kOther}) {
    const SNumbersEnabling off = NumbersPageEnabling(false, choice);
    EXPECT_FALSE(off.choices);
    EXPECT_FALSE(off.otherField);
    const SNumbersEnabling on = NumbersPageEnabling(true, choice);
    EXPECT_TRUE(on.choices);
    EXPECT_EQ(on.otherField, choice == E::kOther);
  }
}

TEST(OptionPages, IntegerFieldsTakeOnlyWholeNumbersInRange) {
  struct SCase {
    const char* text;
    int32_t value;  // -1: refused with `message`
    const char* message;
  };
  const char* const kNotInteger = "Please enter an integer.";
  const char* const kOutOfRange = "Please enter an integer between 0 and 23.";
  const SCase cases[] = {{"0", 0, ""},
                         {"23", 23, ""},
                         {" 7\t", 7, ""},
                         {"+5", 5, ""},
                         {"-0", 0, ""},
                         {"007", 7, ""},
                         {"", -1, kNotInteger},
                         {"  ", -1, kNotInteger},
                         {"x", -1, kNotInteger},
                         {"1x", -1, kNotInteger},
                         {"1 2", -1, kNotInteger},
                         {"-", -1, kNotInteger},
                         {"2.5", -1, kNotInteger},
                         {"24", -1, kOutOfRange},
                         {"-1", -1, kOutOfRange},
                         {"99999999999999999999", -1, kOutOfRange},
                         {"-4294967296", -1, kOutOfRange}};
  for (const SCase& c : cases) {
    std::string message;
    const std::optional<int32_t> value = ReadIntegerField(c.text, 0, 23, message);
    if (c.value >= 0) {
      EXPECT_EQ(value, c.value) << '"' << c.text << '"';
    } else {
      EXPECT_FALSE(value.has_value()) << '"' << c.text << '"';
      EXPECT_EQ(message, c.message) << '"' << c.text << '"';
    }
  }
  std::string message;
  EXPECT_FALSE(ReadIntegerField("60", 0, 59, message));
  EXPECT_EQ(message, "Please enter an integer between 0 and 59.");
}

TEST(OptionPages, FileTimesFieldsAreReadInOrderAndAllOrNothing) {
  SProgramOptions options;
  options.m_thresholdHours = 1;
  options.m_thresholdMinutes = 2;
  options.m_thresholdSeconds = 3;
  const SFileTimesFields shown = FileTimesFieldsFor(options);
  EXPECT_EQ(shown.hours, "1");
  EXPECT_EQ(shown.seconds, "3");

  SFieldError error;
  // The minutes are wrong and so are the seconds: the first in the page's order is named,
  // and the valid hours are not taken either.
  EXPECT_FALSE(ReadFileTimesFields({"5", "60", "x"}, options, error));
  EXPECT_EQ(error.field, EFileTimesField::kMinutes);
  EXPECT_EQ(error.message, "Please enter an integer between 0 and 59.");
  EXPECT_EQ(options.m_thresholdHours, 1);
  EXPECT_FALSE(ReadFileTimesFields({"5", "0", "x"}, options, error));
  EXPECT_EQ(error.field, EFileTimesField::kSeconds);
  EXPECT_EQ(error.message, "Please enter an integer.");
  EXPECT_FALSE(ReadFileTimesFields({"24", "0", "0"}, options, error));
  EXPECT_EQ(error.field, EFileTimesField::kHours);

  EXPECT_TRUE(ReadFileTimesFields({"23", " 59", "0"}, options, error));
  EXPECT_EQ(options.m_thresholdHours, 23);
  EXPECT_EQ(options.m_thresholdMinutes, 59);
  EXPECT_EQ(options.m_thresholdSeconds, 0);
}

class AcceptedOptions : public ::testing::Test {
 protected:
  void TearDown() override {
    SetDefaultNumberFormat(true, ',');
    SetTypoSeparation(3);
  }
  testing_support::CTestSandbox m_sandbox;
};

TEST_F(AcceptedOptions, TakeEffectAndAreSavedAtOnce) {
  const std::string file = m_sandbox.Root() + "/options.conf";
  platform::COptionStore store(file);
  SProgramOptions options;
  options.m_dayTipIndex = 4;
  SProgramOptions edited = options;
  edited.m_dayTipIndex = 0;  // no page shows it, so the window's copy is not taken
  edited.m_showDayTip = 0;
  edited.m_includeRenames = 1;
  edited.m_thresholdMinutes = 2;
  edited.m_thresholdSeconds = 5;
  edited.m_useThousandsSep = 0;
  edited.m_thousandsSep = '.';
  edited.m_settingsFixedFont = 1;
  edited.m_typoSeparation = 6;

  ASSERT_TRUE(AcceptOptions(options, edited, store));
  EXPECT_EQ(options.m_dayTipIndex, 4);
  EXPECT_EQ(options.m_showDayTip, 0);
  EXPECT_EQ(options.m_includeRenames, 1);
  EXPECT_EQ(options.m_settingsFixedFont, 1);
  EXPECT_EQ(options.m_tolerance, ThresholdTolerance(0, 2, 5));
  EXPECT_FALSE(DefaultNumberGroup());
  EXPECT_EQ(DefaultNumberSep(), '.');
  EXPECT_EQ(TypoSeparation(), 6);

  platform::COptionStore reopened(file);
  SProgramOptions loaded;
  loaded.LoadOptions(reopened);
  EXPECT_EQ(loaded, options);
}

TEST_F(AcceptedOptions, SayWhenTheyCouldNotBeSaved) {
  // The store's folder is a plain file, so the store cannot be written.
  testing_support::WriteFile(m_sandbox.Root() + "/plain", "x");
  platform::COptionStore store(m_sandbox.Root() + "/plain/options.conf");
  SProgramOptions options;
  SProgramOptions edited;
  edited.m_typoSeparation = 8;
  EXPECT_FALSE(AcceptOptions(options, edited, store));
  EXPECT_EQ(options.m_typoSeparation, 8);  // in effect for this run all the same
  EXPECT_EQ(TypoSeparation(), 8);
}

}  // namespace
