// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/FormatItem.h"

#include <atomic>
#include <cstdio>

namespace {

std::atomic<bool> g_defaultGroup{true};
std::atomic<char> g_defaultSep{','};

// Decimal digits with `sep` in front of every third digit from the right.
std::string Grouped(uint64_t n, bool group, char sep) {
  const std::string digits = std::to_string(n);
  if (!group) {
    return digits;
  }
  std::string out;
  out.reserve(digits.size() + digits.size() / 3);
  for (size_t i = 0; i < digits.size(); ++i) {
    const size_t fromRight = digits.size() - i;
    if (i > 0 && fromRight % 3 == 0) {
      out.push_back(sep);
    }
    out.push_back(digits[i]);
  }
  return out;
}

}  // namespace

void SetDefaultNumberFormat(bool group, char sep) {
  g_defaultGroup = group;
  g_defaultSep = sep;
}

bool DefaultNumberGroup() {
  return g_defaultGroup;
}
char DefaultNumberSep() {
  return g_defaultSep;
}

const char* PluralSuffix(int64_t count) {
  return count == 1 ? "" : "s";
}

CFormatItem::CFormatItem() : CFormatItem(2, DefaultNumberGroup(), DefaultNumberSep()) {}

CFormatItem::CFormatItem(int32_t decimals, bool group, char sep)
    : m_decimals(decimals >= 0 && decimals <= 3 ? decimals : 2),
      m_group(group ? 1 : 0),
      m_sep(sep) {}

std::string CFormatItem::FormatCount(int32_t n) const {
  if (n <= 0) {
    return "0";
  }
  return Grouped(static_cast<uint64_t>(n), m_group != 0, m_sep);
}

std::string CFormatItem::FormatCount64(uint64_t n) const {
  return Grouped(n, m_group != 0, m_sep);
}

std::string CFormatItem::FormatSize(uint64_t bytes, bool decimals) const {
  const char* unit = "B";
  double value = static_cast<double>(bytes);
  if (bytes < 1024) {
    unit = "B";
  } else if (bytes < 1048576) {
    unit = "KB";
    value /= 1024.0;
  } else if (bytes < 1073741824) {
    unit = "MB";
    value /= 1048576.0;
  } else {
    unit = "GB";
    value /= 1073741824.0;
  }
  char buffer[64];
  if (decimals && bytes >= 1024 && m_decimals != 0) {
    std::snprintf(buffer, sizeof buffer, "%0.*f %s", m_decimals, value, unit);
  } else {
    std::snprintf(buffer, sizeof buffer, "%ld %s", static_cast<long>(value), unit);
  }
  std::string text = AdaptDecimal(buffer);
  if (m_group != 0) {
    size_t integerDigits = 0;
    while (integerDigits < text.size() && text[integerDigits] >= '0' &&
           text[integerDigits] <= '9') {
      ++integerDigits;
    }
    // Sizes in units rarely need more than one separator; only one is ever inserted.
    if (integerDigits >= 4) {
      text.insert(integerDigits - 3, 1, m_sep);
    }
  }
  return text;
}

std::string CFormatItem::AdaptDecimal(std::string_view text) const {
  std::string out(text);
  if (m_sep != ',') {
    for (char& c : out) {
      if (c == '.') {
        c = ',';
      }
    }
  }
  return out;
}
