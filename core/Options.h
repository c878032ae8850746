// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <string_view>

namespace platform {
class COptionStore;
}

// The ranges of the file-time threshold and of the typo separation.
inline constexpr int32_t kMaxThresholdHours = 23;
inline constexpr int32_t kMaxThresholdMinutes = 59;
inline constexpr int32_t kMaxThresholdSeconds = 59;
inline constexpr int32_t kMinTypoSeparation = 1;
inline constexpr int32_t kMaxTypoSeparation = 9;

// The default of "Use Two Digits": off on current systems, on for older ones.
int32_t DefaultUseTwoDigits();

// The program options that the Options window edits, as kept in the option store. The
// integers other than the counts are booleans (0 or 1).
struct SProgramOptions {
  // Start Up
  int32_t m_restorePlacement = 1;
  int32_t m_showDayTip = 1;  // Program Notes at start
  int32_t m_dayTipIndex = 0;
  // Preview
  int32_t m_recallColumnWidths = 0;
  int32_t m_adjustColumnWidths = 1;
  int32_t m_confirmCopying = 1;
  int32_t m_detectMoves = 0;
  int32_t m_includeRenames = 0;
  // File Times: the difference below which two write times count as equal.
  int32_t m_thresholdHours = 0;    // 0..23
  int32_t m_thresholdMinutes = 0;  // 0..59
  int32_t m_thresholdSeconds = 0;  // 0..59
  int64_t m_tolerance = 0;         // the threshold in 100-ns units; derived, not stored
  int32_t m_hourDiff = 0;
  // Numbers
  int32_t m_useThousandsSep = 1;
  char m_thousandsSep = ',';
  int32_t m_useTwoDigits = DefaultUseTwoDigits();
  // Fonts: 1 for the fixed-pitch font, 0 for the proportional one.
  int32_t m_previewFixedFont = 0;
  int32_t m_renameFixedFont = 0;
  int32_t m_settingsFixedFont = 0;
  // Typos
  int32_t m_typoSeparation = 3;  // 1..9

  // Reads every option, brings values from older releases up to date (writing back what a
  // migration consumed) and applies the process-wide copies.
  void LoadOptions(platform::COptionStore& store);
  // Writes every stored option; false when the store could not be written.
  bool SaveOptions(platform::COptionStore& store) const;
  // Sets the process-wide number format and typo separation from these options.
  void ApplyProcessWide() const;
  // Recomputes m_tolerance from the three threshold values.
  void UpdateTolerance();

  bool operator==(const SProgramOptions&) const = default;
};

// The threshold as a count of 100-ns units.
int64_t ThresholdTolerance(int32_t hours, int32_t minutes, int32_t seconds);

// The choices of the Numbers page for the grouping character.
enum class EThousandsSepChoice { kComma, kPeriod, kSpace, kOther };

// The grouping character that a choice stores. Other takes the field's text when it holds
// exactly one usable character, else ','.
char ThousandsSepFromChoice(EThousandsSepChoice choice, std::string_view otherText);
