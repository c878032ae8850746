// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "rules/StringOrder.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "platform/TextUtil.h"

namespace {

// Blanks that may precede a number, and follow "(" or precede ")" in a parenthesised one. The
// limit also keeps "is there a number here?" a short look ahead at every blank.
constexpr int kMaxBlanks = 5;

constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
constexpr bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
constexpr bool IsSign(char c) {
  return c == '-' || c == '+';
}

int FoldAscii(unsigned char c) {
  return (c >= 'a' && c <= 'z') ? c - ('a' - 'A') : c;
}

// The upper-case code point at `pos`, advancing `pos` past the character.
char32_t UpperAt(std::string_view text, size_t& pos) {
  const auto c = static_cast<unsigned char>(text[pos]);
  if (c < 0x80) {
    ++pos;
    return static_cast<char32_t>(FoldAscii(c));
  }
  return platform::UpperCodePoint(platform::DecodeUtf8(text, pos));
}

// Compares the characters at `i` and `j` ignoring case and advances both cursors past them.
int CompareCharAt(std::string_view a, size_t& i, std::string_view b, size_t& j) {
  const auto ca = static_cast<unsigned char>(a[i]);
  const auto cb = static_cast<unsigned char>(b[j]);
  if ((ca | cb) < 0x80) {
    ++i;
    ++j;
    return FoldAscii(ca) - FoldAscii(cb);
  }
  const char32_t ua = UpperAt(a, i);
  const char32_t ub = UpperAt(b, j);
  return static_cast<int>(ua) - static_cast<int>(ub);
}

// Continuation bytes belong to the character before them. A stray one is not counted either,
// which keeps the count a property of the text alone.
size_t CountChars(std::string_view text) {
  size_t count = 0;
  for (const char c : text) {
    count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  }
  return count;
}

// ---- the simple alphanumeric order

size_t SkipZeros(std::string_view text, size_t pos, size_t end) {
  while (pos < end && text[pos] == '0') {
    ++pos;
  }
  return pos;
}

size_t DigitRunEnd(std::string_view text, size_t pos) {
  while (pos < text.size() && IsDigit(text[pos])) {
    ++pos;
  }
  return pos;
}

// Compares the digit runs at `i` and `j` by value and advances both cursors past them.
int CompareDigitRuns(std::string_view a, size_t& i, std::string_view b, size_t& j) {
  const size_t endA = DigitRunEnd(a, i);
  const size_t endB = DigitRunEnd(b, j);
  const size_t firstA = SkipZeros(a, i, endA);
  const size_t firstB = SkipZeros(b, j, endB);
  i = endA;
  j = endB;
  if (endA - firstA != endB - firstB) {
    return endA - firstA < endB - firstB ? -1 : 1;
  }
  return a.substr(firstA, endA - firstA).compare(b.substr(firstB, endB - firstB));
}

int CompareSimpleAlphaNumeric(std::string_view a, std::string_view b) {
  size_t i = 0;
  size_t j = 0;
  while (i < a.size() && j < b.size()) {
    const int result =
        (IsDigit(a[i]) && IsDigit(b[j])) ? CompareDigitRuns(a, i, b, j) : CompareCharAt(a, i, b, j);
    if (result != 0) {
      return result;
    }
  }
  return (i < a.size()) - (j < b.size());
}

// ---- the alphanumeric order

struct SNumberSymbols {
  char decimal;
  char thousands;
  bool hasThousands;
};

// A number found in a text; the spans are byte ranges of that text.
struct SNumber {
  size_t end = 0;  // just past the number, closing parenthesis included
  size_t intBegin = 0;
  size_t intEnd = 0;          // the integer digits, separators included
  size_t intSignificant = 0;  // integer digits without separators and leading zeros
  size_t decBegin = 0;
  size_t decEnd = 0;  // the decimal digits (parenthesised numbers only)
  bool negative = false;
  bool parenthesised = false;
};

// What the byte at a cursor can begin: an ASCII character that starts no number (most bytes of
// a path), perhaps a number, or a character beyond ASCII.
enum EByteClass : uint8_t { kOrdinaryAscii = 0, kNumberStart = 1, kBeyondAscii = 2 };

constexpr std::array<uint8_t, 256> kByteClass = [] {
  std::array<uint8_t, 256> classes{};
  for (int c = 0; c < 256; ++c) {
    const char ch = static_cast<char>(c);
    if (c >= 0x80) {
      classes[c] = kBeyondAscii;
    } else if (IsDigit(ch) || IsBlank(ch) || ch == '(' || IsSign(ch)) {
      classes[c] = kNumberStart;
    }
  }
  return classes;
}();

size_t SkipBlanks(std::string_view text, size_t pos, bool& tooMany) {
  int blanks = 0;
  while (pos < text.size() && IsBlank(text[pos])) {
    if (++blanks > kMaxBlanks) {
      tooMany = true;
      return pos;
    }
    ++pos;
  }
  return pos;
}

// Reads the number at `pos`, if there is one.
bool ParseNumber(std::string_view text, size_t pos, const SNumberSymbols& symbols,
                 SNumber& number) {
  bool tooMany = false;
  size_t p = SkipBlanks(text, pos, tooMany);
  if (tooMany || p >= text.size()) {
    return false;
  }
  number.parenthesised = text[p] == '(';
  if (number.parenthesised) {
    p = SkipBlanks(text, p + 1, tooMany);
    if (tooMany || p >= text.size()) {
      return false;
    }
  }
  char sign = 0;
  if (IsSign(text[p])) {
    if (p > 0 && (IsDigit(text[p - 1]) || IsSign(text[p - 1]))) {
      return false;
    }
    sign = text[p++];
  }
  if (p >= text.size() || !IsDigit(text[p])) {
    return false;
  }

  bool nonZero = false;
  number.intBegin = p;
  number.intSignificant = 0;
  while (p < text.size()) {
    const char c = text[p];
    if (IsDigit(c)) {
      nonZero = nonZero || c != '0';
      number.intSignificant += nonZero ? 1 : 0;
      ++p;
    } else if (symbols.hasThousands && c == symbols.thousands && p + 1 < text.size() &&
               IsDigit(text[p + 1])) {
      ++p;
    } else {
      break;
    }
  }
  number.intEnd = p;
  number.decBegin = number.decEnd = p;

  if (number.parenthesised) {
    if (p + 1 < text.size() && text[p] == symbols.decimal && IsDigit(text[p + 1])) {
      number.decBegin = ++p;
      while (p < text.size() && IsDigit(text[p])) {
        nonZero = nonZero || text[p] != '0';
        ++p;
      }
      number.decEnd = p;
    }
    p = SkipBlanks(text, p, tooMany);
    if (tooMany || p >= text.size() || text[p] != ')') {
      return false;
    }
    ++p;
  }
  number.end = p;
  number.negative = sign == '-' && nonZero;
  return true;
}

// The next digit of an integer part at or after `pos` and before `end`, separators skipped.
char NextDigit(std::string_view text, size_t& pos, size_t end) {
  while (pos < end && !IsDigit(text[pos])) {
    ++pos;
  }
  return pos < end ? text[pos++] : '0';
}

int CompareIntegerParts(std::string_view a, const SNumber& na, std::string_view b,
                        const SNumber& nb) {
  if (na.intSignificant != nb.intSignificant) {
    return na.intSignificant < nb.intSignificant ? -1 : 1;
  }
  // As many significant digits on both sides: compare them from the first non-zero one.
  size_t i = na.intBegin;
  size_t j = nb.intBegin;
  const auto skipLeading = [](std::string_view text, size_t& pos, size_t end) {
    while (pos < end && !(IsDigit(text[pos]) && text[pos] != '0')) {
      ++pos;
    }
  };
  skipLeading(a, i, na.intEnd);
  skipLeading(b, j, nb.intEnd);
  for (size_t count = na.intSignificant; count > 0; --count) {
    const char da = NextDigit(a, i, na.intEnd);
    const char db = NextDigit(b, j, nb.intEnd);
    if (da != db) {
      return da - db;
    }
  }
  return 0;
}

int CompareDecimalParts(std::string_view a, const SNumber& na, std::string_view b,
                        const SNumber& nb) {
  size_t i = na.decBegin;
  size_t j = nb.decBegin;
  while (i < na.decEnd || j < nb.decEnd) {
    const char da = i < na.decEnd ? a[i++] : '0';
    const char db = j < nb.decEnd ? b[j++] : '0';
    if (da != db) {
      return da - db;
    }
  }
  return 0;
}

int CompareNumbers(std::string_view a, const SNumber& na, std::string_view b, const SNumber& nb) {
  if (na.negative != nb.negative) {
    return na.negative ? -1 : 1;
  }
  int result = 0;
  if (na.parenthesised != nb.parenthesised) {
    result = na.parenthesised ? -1 : 1;
  } else {
    result = CompareIntegerParts(a, na, b, nb);
    if (result == 0 && na.parenthesised) {
      result = CompareDecimalParts(a, na, b, nb);
    }
  }
  return na.negative ? -result : result;
}

// A number against a character: the number counts as "0". Advances the number's cursor past the
// number and the other cursor past the character.
int CompareNumberWithChar(const SNumber& number, size_t& numberPos, std::string_view text,
                          size_t& charPos) {
  const char32_t c = UpperAt(text, charPos);
  numberPos = number.end;
  return static_cast<int>(U'0') - static_cast<int>(c);
}

int CompareAlphaNumeric(std::string_view a, std::string_view b, const SNumberSymbols& symbols) {
  size_t i = 0;
  size_t j = 0;
  SNumber na;
  SNumber nb;
  while (i < a.size() && j < b.size()) {
    const auto ca = static_cast<unsigned char>(a[i]);
    const auto cb = static_cast<unsigned char>(b[j]);
    const uint8_t classA = kByteClass[ca];
    const uint8_t classB = kByteClass[cb];
    int result = 0;
    if ((classA | classB) == kOrdinaryAscii) {
      // The common case, kept free of calls.
      result = FoldAscii(ca) - FoldAscii(cb);
      ++i;
      ++j;
    } else if (((classA | classB) & kNumberStart) == 0) {
      result = CompareCharAt(a, i, b, j);
    } else {
      const bool numA = classA == kNumberStart && ParseNumber(a, i, symbols, na);
      const bool numB = classB == kNumberStart && ParseNumber(b, j, symbols, nb);
      if (numA && numB) {
        result = CompareNumbers(a, na, b, nb);
        i = na.end;
        j = nb.end;
      } else if (numA) {
        result = CompareNumberWithChar(na, i, b, j);
      } else if (numB) {
        result = -CompareNumberWithChar(nb, j, a, i);
      } else {
        result = CompareCharAt(a, i, b, j);
      }
    }
    if (result != 0) {
      return result;
    }
  }
  if (i < a.size() || j < b.size()) {
    return (i < a.size()) - (j < b.size());
  }
  const size_t charsA = CountChars(a);
  const size_t charsB = CountChars(b);
  return (charsA > charsB) - (charsA < charsB);
}

// ---- the tagged order of the settings pages' lists

struct STagged {
  int group;  // 0: include and match, 1: exclude, 2: no tag
  std::string_view rest;
};

STagged SplitTag(std::string_view text) {
  int group = 2;
  if (text.starts_with(" <include") || text.starts_with(" <match")) {
    group = 0;
  } else if (text.starts_with(" <exclude>")) {
    group = 1;
  } else {
    return {group, text};
  }
  const size_t close = text.find('>', 2);
  if (close == std::string_view::npos) {
    return {group, {}};
  }
  std::string_view rest = text.substr(close + 1);
  if (!rest.empty() && rest.front() == ' ') {
    rest.remove_prefix(1);
  }
  return {group, rest};
}

int CompareTagged(std::string_view a, std::string_view b, const SNumberSymbols& symbols) {
  const STagged ta = SplitTag(a);
  const STagged tb = SplitTag(b);
  if (ta.group != tb.group) {
    return ta.group - tb.group;
  }
  // "<source folder>" and "<all names>" head their group.
  const bool specialA = ta.group != 2 && ta.rest.starts_with('<');
  const bool specialB = tb.group != 2 && tb.rest.starts_with('<');
  if (specialA != specialB) {
    return specialA ? -1 : 1;
  }
  return CompareAlphaNumeric(ta.rest, tb.rest, symbols);
}

}  // namespace

CStringOrder::CStringOrder(EKind kind, char decimalSymbol, char thousandsSeparator)
    : m_kind(kind), m_decimalSymbol(decimalSymbol), m_thousandsSeparator(thousandsSeparator) {}

int CStringOrder::Compare(std::string_view a, std::string_view b) const {
  switch (m_kind) {
    case EKind::kPlain:
      return platform::CompareNoCase(a, b);
    case EKind::kSimpleAlphaNumeric:
      return CompareSimpleAlphaNumeric(a, b);
    case EKind::kAlphaNumeric:
    case EKind::kAlphaNumericTag: {
      const SNumberSymbols symbols{m_decimalSymbol, m_thousandsSeparator,
                                   m_thousandsSeparator != m_decimalSymbol};
      return m_kind == EKind::kAlphaNumeric ? CompareAlphaNumeric(a, b, symbols)
                                            : CompareTagged(a, b, symbols);
    }
  }
  return platform::CompareNoCase(a, b);
}

CStringOrder::SPrefix CStringOrder::Prefix(std::string_view text) const {
  SPrefix prefix;
  if (m_kind != EKind::kAlphaNumeric) {
    return prefix;
  }
  const bool thousands = m_thousandsSeparator != m_decimalSymbol;
  const size_t room = prefix.bytes.size();
  size_t pos = 0;
  while (pos < text.size()) {
    const auto c = static_cast<unsigned char>(text[pos]);
    if (kByteClass[c] == kOrdinaryAscii) {
      if (prefix.length + 1u > room) {
        return prefix;
      }
      prefix.bytes[prefix.length++] = static_cast<uint8_t>(FoldAscii(c));
      ++pos;
      continue;
    }
    if (!IsDigit(text[pos])) {
      return prefix;  // what follows needs the whole comparison
    }
    // A number starting with a digit: its digits and the separators between digits, as the
    // comparison reads it. It stands against a character as "0" would, and against another
    // number by its count of significant digits and then those digits.
    size_t end = pos;
    std::array<uint8_t, 20> digits{};
    size_t significant = 0;
    while (end < text.size()) {
      const char d = text[end];
      if (IsDigit(d)) {
        if (significant > 0 || d != '0') {
          if (significant == digits.size()) {
            return prefix;  // a number this long does not fit: the texts decide
          }
          digits[significant++] = static_cast<uint8_t>(d);
        }
        ++end;
      } else if (thousands && d == m_thousandsSeparator && end + 1 < text.size() &&
                 IsDigit(text[end + 1])) {
        ++end;
      } else {
        break;
      }
    }
    if (prefix.length + 2 + significant > room) {
      return prefix;
    }
    prefix.bytes[prefix.length++] = static_cast<uint8_t>('0');
    prefix.bytes[prefix.length++] = static_cast<uint8_t>(significant);
    for (size_t i = 0; i < significant; ++i) {
      prefix.bytes[prefix.length++] = digits[i];
    }
    pos = end;
  }
  prefix.complete = true;
  return prefix;
}

int CStringOrder::ComparePrefixes(const SPrefix& a, const SPrefix& b) {
  const size_t common = std::min(a.length, b.length);
  for (size_t i = 0; i < common; ++i) {
    if (a.bytes[i] != b.bytes[i]) {
      return a.bytes[i] < b.bytes[i] ? -1 : 1;
    }
  }
  if (a.length == b.length) {
    return 0;  // equal so far: the rest, or the texts' lengths, decide
  }
  // A text that has ended sorts before one that goes on.
  if (a.length < b.length) {
    return a.complete ? -1 : 0;
  }
  return b.complete ? 1 : 0;
}
