// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Counts, byte totals and sizes as text, under the user's number options: whether digits
// are grouped and with which character. The decimal symbol follows the grouping character:
// '.' with ',' and ',' with anything else.
class CFormatItem {
 public:
  // Takes 2 decimals and the process-wide default grouping.
  CFormatItem();
  // `decimals` outside 0..3 becomes 2.
  CFormatItem(int32_t decimals, bool group, char sep);
  virtual ~CFormatItem() = default;

  // A count; 0 or less gives "0".
  std::string FormatCount(int32_t n) const;
  std::string FormatCount64(uint64_t n) const;
  // A byte count with a unit (B, KB, MB, GB); with `decimals`, sizes in units show
  // m_decimals decimals.
  std::string FormatSize(uint64_t bytes, bool decimals) const;
  // The text with its decimal symbol suited to the grouping character.
  std::string AdaptDecimal(std::string_view text) const;

  int32_t Decimals() const { return m_decimals; }
  bool Group() const { return m_group != 0; }
  char Sep() const { return m_sep; }

 private:
  int32_t m_decimals;
  int32_t m_group;
  char m_sep;
};

// The process-wide default number format, set from the program options.
void SetDefaultNumberFormat(bool group, char sep);
bool DefaultNumberGroup();
char DefaultNumberSep();

// The plural convention: "" when the count is exactly 1, else "s".
const char* PluralSuffix(int64_t count);
