// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/Options.h"

#include <algorithm>
#include <string>

#include "core/FormatItem.h"
#include "core/SystemInfo.h"
#include "core/TypoSeparation.h"
#include "core/Version.h"
#include "platform/OptionStore.h"

namespace {

constexpr const char* kStartUp = "Start Up";
constexpr const char* kPreview = "Preview";
constexpr const char* kFileTimes = "File Times";
constexpr const char* kNumbers = "Numbers";
constexpr const char* kFonts = "Fonts";
constexpr const char* kTypos = "Typos";

// The release whose Program Notes the stored topic index refers to. A store written by an
// older release gets the notes shown again from the first topic.
constexpr int32_t kDayTipMajor = kVersionMajor;
constexpr int32_t kDayTipMinor = kVersionMinor;

// "Preview" / "Font Type" is where older releases kept the preview list's font; this value
// marks it as already moved to "Fonts" / "Preview".
constexpr int32_t kFontTypeMoved = -1;

constexpr char kDefaultThousandsSep = ',';

int32_t Boolean(int32_t value) {
  return value > 0 ? 1 : 0;
}

// A grouping character must be one byte and must not be mistaken for part of a number:
// printable ASCII other than a digit. A non-ASCII character cannot be held in one byte.
bool IsUsableThousandsSep(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u >= 0x20 && u < 0x7F && !(c >= '0' && c <= '9');
}

}  // namespace

int32_t DefaultUseTwoDigits() {
  return OsIsXpOrLater() ? 0 : 1;
}

int64_t ThresholdTolerance(int32_t hours, int32_t minutes, int32_t seconds) {
  const int64_t totalSeconds = (int64_t{hours} * 60 + minutes) * 60 + seconds;
  return totalSeconds * 10'000'000;
}

char ThousandsSepFromChoice(EThousandsSepChoice choice, std::string_view otherText) {
  switch (choice) {
    case EThousandsSepChoice::kComma:
      return ',';
    case EThousandsSepChoice::kPeriod:
      return '.';
    case EThousandsSepChoice::kSpace:
      return ' ';
    case EThousandsSepChoice::kOther:
      break;
  }
  if (otherText.size() == 1 && IsUsableThousandsSep(otherText[0])) {
    return otherText[0];
  }
  return kDefaultThousandsSep;
}

void SProgramOptions::UpdateTolerance() {
  m_tolerance = ThresholdTolerance(m_thresholdHours, m_thresholdMinutes, m_thresholdSeconds);
}

void SProgramOptions::ApplyProcessWide() const {
  SetDefaultNumberFormat(m_useThousandsSep != 0, m_thousandsSep);
  SetTypoSeparation(m_typoSeparation);
}

void SProgramOptions::LoadOptions(platform::COptionStore& store) {
  m_restorePlacement = store.GetInt(kStartUp, "Restore Wnd Placement", 1);
  m_showDayTip = store.GetInt(kStartUp, "Show Day Tip", 1);
  m_dayTipIndex = std::max(store.GetInt(kStartUp, "Day Tip Index", 0), 0);
  const int32_t tipMajor = store.GetInt(kStartUp, "Day Tip Major Ver", 0);
  const int32_t tipMinor = store.GetInt(kStartUp, "Day Tip Minor Ver", 0);
  // Compared as a version pair, so that a store written by a later release (2.0, say) is
  // not taken for an older one.
  if (tipMajor < kDayTipMajor || (tipMajor == kDayTipMajor && tipMinor < kDayTipMinor)) {
    m_showDayTip = 1;
    m_dayTipIndex = 0;
  }

  m_recallColumnWidths = store.GetInt(kPreview, "Recall Column Widths", 0);
  m_adjustColumnWidths = store.GetInt(kPreview, "Adjust Column Widths", 1);
  m_confirmCopying = store.GetInt(kPreview, "Confirm Copying", 1);
  m_detectMoves = store.GetInt(kPreview, "Detect Moves", 0);
  m_includeRenames = store.GetInt(kPreview, "Include Renames", 0);

  m_thresholdHours =
      std::clamp(store.GetInt(kFileTimes, "Threshold Hours", 0), 0, kMaxThresholdHours);
  m_thresholdMinutes =
      std::clamp(store.GetInt(kFileTimes, "Threshold Minutes", 0), 0, kMaxThresholdMinutes);
  m_thresholdSeconds =
      std::clamp(store.GetInt(kFileTimes, "Threshold Seconds", 0), 0, kMaxThresholdSeconds);
  UpdateTolerance();
  m_hourDiff = store.GetInt(kFileTimes, "Hour Diff", 0);

  m_useThousandsSep = store.GetInt(kNumbers, "Use Thousands Sep", 1);
  const std::string sep = store.GetString(kNumbers, "Thousands Separator", ",");
  m_thousandsSep = !sep.empty() && IsUsableThousandsSep(sep[0]) ? sep[0] : kDefaultThousandsSep;
  m_useTwoDigits = store.GetInt(kNumbers, "Use Two Digits", DefaultUseTwoDigits());

  const int32_t oldFontType = store.GetInt(kPreview, "Font Type", kFontTypeMoved);
  if (oldFontType != kFontTypeMoved) {
    m_previewFixedFont = Boolean(oldFontType);
    // Written to its new place at once: the older value is gone after this load, and the
    // options may not be saved before the program ends.
    store.SetInt(kFonts, "Preview", m_previewFixedFont);
    store.SetInt(kPreview, "Font Type", kFontTypeMoved);
  } else {
    m_previewFixedFont = Boolean(store.GetInt(kFonts, "Preview", 0));
  }
  m_renameFixedFont = Boolean(store.GetInt(kFonts, "Rename", 0));
  m_settingsFixedFont = Boolean(store.GetInt(kFonts, "Settings", 0));

  m_typoSeparation =
      std::clamp(store.GetInt(kTypos, "Separation", 3), kMinTypoSeparation, kMaxTypoSeparation);

  ApplyProcessWide();
}

bool SProgramOptions::SaveOptions(platform::COptionStore& store) const {
  store.SetInt(kStartUp, "Restore Wnd Placement", m_restorePlacement);
  store.SetInt(kStartUp, "Show Day Tip", m_showDayTip);
  store.SetInt(kStartUp, "Day Tip Index", m_dayTipIndex);
  store.SetInt(kStartUp, "Day Tip Major Ver", kDayTipMajor);
  store.SetInt(kStartUp, "Day Tip Minor Ver", kDayTipMinor);

  store.SetInt(kPreview, "Recall Column Widths", m_recallColumnWidths);
  store.SetInt(kPreview, "Adjust Column Widths", m_adjustColumnWidths);
  store.SetInt(kPreview, "Confirm Copying", m_confirmCopying);
  store.SetInt(kPreview, "Detect Moves", m_detectMoves);
  store.SetInt(kPreview, "Include Renames", m_includeRenames);

  store.SetInt(kFileTimes, "Threshold Hours", m_thresholdHours);
  store.SetInt(kFileTimes, "Threshold Minutes", m_thresholdMinutes);
  store.SetInt(kFileTimes, "Threshold Seconds", m_thresholdSeconds);
  store.SetInt(kFileTimes, "Hour Diff", m_hourDiff);

  store.SetInt(kNumbers, "Use Thousands Sep", m_useThousandsSep);
  store.SetString(kNumbers, "Thousands Separator", std::string(1, m_thousandsSep));
  store.SetInt(kNumbers, "Use Two Digits", m_useTwoDigits);

  store.SetInt(kFonts, "Preview", m_previewFixedFont);
  store.SetInt(kFonts, "Rename", m_renameFixedFont);
  store.SetInt(kFonts, "Settings", m_settingsFixedFont);

  store.SetInt(kTypos, "Separation", m_typoSeparation);
  return store.Sync();
}
