// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The orders of the program's lists. Texts are UTF-8; letters compare without regard to case
// (non-ASCII letters included) by their upper-case code points.
//
// Every order is a small value: which order it is and its number symbols live in this base,
// and the methods are not virtual. A copy taken through a `const CStringOrder&` therefore keeps
// the behaviour of the order it was taken from; that matters because std::sort and
// std::lower_bound take their comparator by value, and a sliced copy of a virtual hierarchy
// would sort silently by the plain order instead.
//
// Each order is a strict weak order: Compare(a, b) == 0 means "equivalent", which for all but
// the plain order is coarser than "equal ignoring case".
class CStringOrder {
 public:
  // The plain order: character by character, ignoring case.
  CStringOrder() = default;

  // < 0 when `a` sorts before `b`, 0 when they are equivalent, > 0 when `a` sorts after `b`.
  // The size of a non-zero result carries no meaning.
  int Compare(std::string_view a, std::string_view b) const;
  // Compare, reduced to -1, 0 or 1.
  int Compare3(std::string_view a, std::string_view b) const {
    const int result = Compare(a, b);
    return (result > 0) - (result < 0);
  }
  // "a sorts before b": a comparator for std::sort, std::lower_bound and sorted containers.
  bool operator()(std::string_view a, std::string_view b) const { return Compare(a, b) < 0; }

  // The start of a text in bytes that compare as the alphanumeric orders compare texts:
  // ordinary ASCII characters folded, and each number of plain digits (right after such a
  // character, or at the start) as its value. It ends before anything else (a blank, a sign,
  // a parenthesis, a character beyond ASCII) and when it is full. Sorting many texts, two
  // prefixes settle most comparisons without reading the texts again. Empty for the other
  // orders.
  struct SPrefix {
    std::array<uint8_t, 22> bytes{};
    uint8_t length = 0;
    bool complete = false;  // the whole text is in the prefix
  };
  SPrefix Prefix(std::string_view text) const;
  // < 0 or > 0 when the prefixes settle the order of their texts; 0 when only the texts can.
  static int ComparePrefixes(const SPrefix& a, const SPrefix& b);

 protected:
  enum class EKind : uint8_t { kPlain, kSimpleAlphaNumeric, kAlphaNumeric, kAlphaNumericTag };
  CStringOrder(EKind kind, char decimalSymbol, char thousandsSeparator);

 private:
  EKind m_kind = EKind::kPlain;
  char m_decimalSymbol = '.';
  char m_thousandsSeparator = ',';
};

// Profile names and queue names. Characters compare ignoring case, except that where both
// texts have an ASCII digit the whole digit runs compare as whole numbers, so "Backup 9" sorts
// before "Backup 10". Equal numbers are skipped and the comparison goes on after both runs;
// "Backup 7" and "Backup 007" are therefore equivalent. Runs of any length compare exactly
// (by significant length, then digit by digit); nothing is converted to a machine integer.
class CStringSANOrder final : public CStringOrder {
 public:
  CStringSANOrder() : CStringOrder(EKind::kSimpleAlphaNumeric, '.', ',') {}
};

// Lists of names and paths with numbers in them (the Paths list among them).
//
// Two cursors walk the texts independently. At each step each cursor looks for a number at its
// own position; "the same place" means the current step, not the same byte offset, since
// earlier numbers may have taken different numbers of characters on the two sides.
//
// A number at a position is: up to 5 blanks (space or tab); an optional "(" followed by up to 5
// blanks; an optional "-" or "+"; then at least one ASCII digit. A sign directly after a digit
// or another sign starts no number ("1-2" is 1, "-", 2), except at the very start of the text.
// The digits may contain the thousands separator, one at a time between two digits ("1,000"
// is 1000; in "5,x" the separator is an ordinary character). Only a parenthesised number may
// have a decimal part: the decimal symbol followed by at least one digit. A parenthesised
// number must end with up to 5 blanks and ")"; if it does not, there is no number at that
// position (the "(" is then an ordinary character). A number with "-" is negative unless all
// of its digits, decimals included, are zeros.
//
// One step:
// - Both cursors at a number: a negative number sorts before a non-negative one; two negative
//   numbers compare in reverse order, the parenthesis rule included; a parenthesised number
//   sorts before an unparenthesised one; then the integer parts compare by value, separators
//   ignored, and for parenthesised numbers the decimal parts digit by digit, a missing digit
//   counting as 0. So -9 < -1 < (-9) < (-1) < (1) < (9) < 1 < 9. Equal numbers are skipped.
// - One cursor at a number: that number counts as the character "0" against the other text's
//   character (which, having no number there, is never a digit).
// - Otherwise the two characters compare ignoring case.
// The text that ends first sorts first. When both end at the same step, the text with fewer
// characters sorts first; with as many characters they are equivalent.
//
// Leading zeros: integer parts compare by value, so 007 and 7 are equal at their place and the
// comparison goes on with the rest of the texts; "007b" sorts after "7a", and only when nothing
// else differs does the length decide, so "7" sorts before "007". Trailing decimal zeros are
// treated alike: (1.5) and (1.50) are equal at their place, and "(1.5)" sorts before "(1.50)".
class CStringANOrder final : public CStringOrder {
 public:
  // When the two symbols are the same character it is taken as the decimal symbol only.
  explicit CStringANOrder(char decimalSymbol = '.', char thousandsSeparator = ',')
      : CStringOrder(EKind::kAlphaNumeric, decimalSymbol, thousandsSeparator) {}
};

// The Subfolders and File/Folder Names lists of the settings pages, whose display texts carry
// a tag: " <include subs> C:\Src\A", " <include only> <source folder>", " <match> *.jpg",
// " <exclude> temp".
//
// Texts beginning " <include" or " <match" sort before texts beginning " <exclude>" (the two
// include tags are one group). Within a group the texts after the tag's ">" and one following
// blank compare: one beginning with "<" ("<source folder>", "<all names>") sorts first,
// otherwise they compare by CStringANOrder with this order's number symbols. A tagged text
// without ">" has an empty remainder. Texts without one of these tags sort after all tagged
// texts and compare whole, by CStringANOrder.
class CStringANOrderTag final : public CStringOrder {
 public:
  explicit CStringANOrderTag(char decimalSymbol = '.', char thousandsSeparator = ',')
      : CStringOrder(EKind::kAlphaNumericTag, decimalSymbol, thousandsSeparator) {}
};
