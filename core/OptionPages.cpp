// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/OptionPages.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && IsBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

// The value of an optionally signed run of digits. Values too large for 32 bits are held at
// a bound beyond every field's range, so they read as out of range rather than as no number.
std::optional<int64_t> ParseInteger(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) {
    return std::nullopt;
  }
  constexpr int64_t kCap = int64_t{1} << 40;
  int64_t value = 0;
  for (const char c : text) {
    if (!IsDigit(c)) {
      return std::nullopt;
    }
    if (value < kCap) {
      value = value * 10 + (c - '0');
    }
  }
  return negative ? -value : value;
}

}  // namespace

SRenamesBox RenamesBoxFor(bool detectMoves, bool includeRenames) {
  return SRenamesBox{detectMoves, detectMoves && includeRenames};
}

EThousandsSepChoice ThousandsSepChoice(char separator) {
  switch (separator) {
    case ',':
      return EThousandsSepChoice::kComma;
    case '.':
      return EThousandsSepChoice::kPeriod;
    case ' ':
      return EThousandsSepChoice::kSpace;
    default:
      return EThousandsSepChoice::kOther;
  }
}

std::string OtherSepText(char separator) {
  if (ThousandsSepChoice(separator) != EThousandsSepChoice::kOther) {
    return {};
  }
  return std::string(1, separator);
}

SNumbersEnabling NumbersPageEnabling(bool useThousandsSep, EThousandsSepChoice choice) {
  return SNumbersEnabling{useThousandsSep,
                          useThousandsSep && choice == EThousandsSepChoice::kOther};
}

std::optional<int32_t> ReadIntegerField(std::string_view text, int32_t low, int32_t high,
                                        std::string& message) {
  const std::optional<int64_t> value = ParseInteger(Trimmed(text));
  if (!value) {
    message = "Please enter an integer.";
    return std::nullopt;
  }
  if (*value < low || *value > high) {
    message = "Please enter an integer between " + std::to_string(low) + " and " +
              std::to_string(high) + ".";
    return std::nullopt;
  }
  return static_cast<int32_t>(*value);
}

SFileTimesFields FileTimesFieldsFor(const SProgramOptions& options) {
  return SFileTimesFields{std::to_string(options.m_thresholdHours),
                          std::to_string(options.m_thresholdMinutes),
                          std::to_string(options.m_thresholdSeconds)};
}

bool ReadFileTimesFields(const SFileTimesFields& fields, SProgramOptions& options,
                         SFieldError& error) {
  struct SField {
    const std::string& text;
    int32_t high;
    EFileTimesField which;
  };
  const SField order[] = {{fields.hours, kMaxThresholdHours, EFileTimesField::kHours},
                          {fields.minutes, kMaxThresholdMinutes, EFileTimesField::kMinutes},
                          {fields.seconds, kMaxThresholdSeconds, EFileTimesField::kSeconds}};
  int32_t values[3] = {};
  for (size_t i = 0; i < std::size(order); ++i) {
    std::string message;
    const std::optional<int32_t> value = ReadIntegerField(order[i].text, 0, order[i].high, message);
    if (!value) {
      error = SFieldError{order[i].which, message};
      return false;
    }
    values[i] = *value;
  }
  options.m_thresholdHours = values[0];
  options.m_thresholdMinutes = values[1];
  options.m_thresholdSeconds = values[2];
  return true;
}

bool AcceptOptions(SProgramOptions& options, const SProgramOptions& edited,
                   platform::COptionStore& store) {
  options.m_restorePlacement = edited.m_restorePlacement;
  options.m_showDayTip = edited.m_showDayTip;
  options.m_recallColumnWidths = edited.m_recallColumnWidths;
  options.m_adjustColumnWidths = edited.m_adjustColumnWidths;
  options.m_confirmCopying = edited.m_confirmCopying;
  options.m_detectMoves = edited.m_detectMoves;
  options.m_includeRenames = edited.m_includeRenames;
  options.m_thresholdHours = edited.m_thresholdHours;
  options.m_thresholdMinutes = edited.m_thresholdMinutes;
  options.m_thresholdSeconds = edited.m_thresholdSeconds;
  options.m_hourDiff = edited.m_hourDiff;
  options.m_useThousandsSep = edited.m_useThousandsSep;
  options.m_thousandsSep = edited.m_thousandsSep;
  options.m_useTwoDigits = edited.m_useTwoDigits;
  options.m_previewFixedFont = edited.m_previewFixedFont;
  options.m_renameFixedFont = edited.m_renameFixedFont;
  options.m_settingsFixedFont = edited.m_settingsFixedFont;
  options.m_typoSeparation =
      std::clamp(edited.m_typoSeparation, kMinTypoSeparation, kMaxTypoSeparation);
  options.UpdateTolerance();
  options.ApplyProcessWide();
  return options.SaveOptions(store);
}
