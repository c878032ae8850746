// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "rules/StringOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

// Every pair of `texts`, both ways: each sorts before all that follow it.
void ExpectAscending(const CStringOrder& order, const std::vector<std::string>& texts) {
  for (size_t i = 0; i < texts.size(); ++i) {
    for (size_t j = i + 1; j < texts.size(); ++j) {
      EXPECT_LT(order.Compare(texts[i], texts[j]), 0) << '"' << texts[i] << "\" < \"" << texts[j];
      EXPECT_GT(order.Compare(texts[j], texts[i]), 0) << '"' << texts[j] << "\" > \"" << texts[i];
    }
  }
}

void ExpectEquivalent(const CStringOrder& order, std::string_view a, std::string_view b) {
  EXPECT_EQ(order.Compare(a, b), 0) << '"' << a << "\" ~ \"" << b << '"';
  EXPECT_EQ(order.Compare(b, a), 0) << '"' << b << "\" ~ \"" << a << '"';
}

// The four orders as the lists hold them: by value, through the base.
std::vector<CStringOrder> AllOrders() {
  return {CStringOrder(), CStringSANOrder(), CStringANOrder(), CStringANOrderTag()};
}

TEST(StringOrders, IgnoreLetterCaseBeyondAscii) {
  for (const CStringOrder& order : AllOrders()) {
    ExpectAscending(order, {"apple", "Banana", "cherry", "\xC3\xA9t\xC3\xA9 z"});
    ExpectEquivalent(order, "APPLE", "apple");
    ExpectEquivalent(order, "\xC3\x89T\xC3\x89.TXT", "\xC3\xA9t\xC3\xA9.txt");  // ÉTÉ, été
  }
}

TEST(StringOrders, ReduceTheirResultToMinusOneZeroOne) {
  const std::vector<std::string> texts = {"a", "z", "A", "Backup 9", "Backup 10", "(-1)", ""};
  for (const CStringOrder& order : AllOrders()) {
    for (const std::string& a : texts) {
      for (const std::string& b : texts) {
        const int full = order.Compare(a, b);
        EXPECT_EQ(order.Compare3(a, b), (full > 0) - (full < 0)) << a << " / " << b;
        EXPECT_EQ(order(a, b), full < 0);
      }
    }
  }
}

TEST(StringOrders, KeepTheirBehaviourWhenCopiedThroughTheBase) {
  const CStringSANOrder san;
  const CStringOrder& base = san;
  std::vector<std::string> names = {"Backup 10", "Backup 9", "Backup 100"};
  std::sort(names.begin(), names.end(), base);
  EXPECT_EQ(names, (std::vector<std::string>{"Backup 9", "Backup 10", "Backup 100"}));
  EXPECT_EQ(std::lower_bound(names.begin(), names.end(), "backup 10", base) - names.begin(), 1);

  const CStringANOrder decimalComma(',', '.');
  const CStringOrder copy = decimalComma;
  EXPECT_LT(copy.Compare("(1,25)", "(1,5)"), 0);
  EXPECT_GT(copy.Compare("1.000", "999"), 0);
}

TEST(SimpleAlphaNumericOrder, ComparesDigitRunsAsNumbers) {
  const CStringSANOrder order;
  ExpectAscending(order, {"Backup", "Backup 2", "Backup 9", "Backup 10", "backup 10 b",
                          "Backup 100", "Backup A"});
  // Equal numbers are skipped and the text after them decides.
  EXPECT_GT(order.Compare("Queue 10b", "queue 010a"), 0);
  ExpectEquivalent(order, "Backup 7", "backup 007");
  // A digit against a letter is an ordinary character.
  EXPECT_LT(order.Compare("Backup 1", "Backup A"), 0);
  EXPECT_GT(order.Compare("Backup 1", "Backup -"), 0);
}

TEST(SimpleAlphaNumericOrder, ComparesRunsBeyondSixtyFourBits) {
  const CStringSANOrder order;
  ExpectAscending(order, {"v18446744073709551615", "v18446744073709551616",
                          "v" + std::string(25, '9'), "v1" + std::string(25, '0')});
  ExpectEquivalent(order, "v000" + std::string(30, '8'), "v" + std::string(30, '8'));
}

TEST(AlphaNumericOrder, ComparesNumbersAtTheSamePlace) {
  const CStringANOrder order;
  ExpectAscending(order, {"Backup", "Backup 2", "Backup 9", "Backup 10", "Backup 100"});
  ExpectAscending(order, {"file 2.txt", "File 10.txt", "file 10.txt2", "file 10a.txt"});
  // The cursors move independently: after numbers of different widths the text goes on.
  EXPECT_LT(order.Compare("a1,000b", "A1000c"), 0);
  EXPECT_LT(order.Compare("a 12b", "a12c"), 0);
  EXPECT_GT(order.Compare("(7)x 3", "(007)x 2"), 0);
}

TEST(AlphaNumericOrder, ReadsUpToFiveBlanksBeforeANumber) {
  const CStringANOrder order;
  EXPECT_GT(order.Compare("a 10", "a9"), 0);
  EXPECT_GT(order.Compare("a\t10", "a9"), 0);
  EXPECT_GT(order.Compare("a     10", "a9"), 0);
  // Six blanks: the first is an ordinary character, against which 9 counts as "0".
  EXPECT_LT(order.Compare("a      10", "a9"), 0);
  EXPECT_GT(order.Compare("a (  5  )", "a(4)"), 0);
}

TEST(AlphaNumericOrder, CountsANumberAsZeroAgainstACharacter) {
  const CStringANOrder order;
  // Were the blank or "(" compared as itself, these would come out the other way.
  EXPECT_GT(order.Compare("a 5", "a!"), 0);
  EXPECT_GT(order.Compare("a(5)", "a*"), 0);
  EXPECT_LT(order.Compare("a99", "a_"), 0);
}

TEST(AlphaNumericOrder, OrdersSignedNumbers) {
  const CStringANOrder order;
  ExpectAscending(order, {"-10", "-5", "-3", "0", "3", "10"});
  ExpectAscending(order, {"-9", "-1", "(-9)", "(-1)", "(1)", "(9)", "1", "9"});
  // A minus zero is not negative, whether its zeros are integer digits or decimals.
  EXPECT_LT(order.Compare("(5)", "-0"), 0);
  EXPECT_LT(order.Compare("(-0.5)", "(0)"), 0);
  EXPECT_GT(order.Compare("(-0.0)", "(0)"), 0);
  ExpectAscending(order, {"5", "+5"});
  // A sign directly after a digit or a sign is a character; after anything else it is a sign.
  EXPECT_LT(order.Compare("1-2", "1-10"), 0);
  EXPECT_LT(order.Compare("a+-2", "a+-10"), 0);
  EXPECT_GT(order.Compare("1 -2", "1 -10"), 0);
  EXPECT_GT(order.Compare("a-2", "a-10"), 0);
}

TEST(AlphaNumericOrder, OrdersParenthesisedNumbersAndDecimals) {
  const CStringANOrder order;
  ExpectAscending(order, {"(1.25)", "(1.5)", "(1.50)", "(2)", "2"});
  EXPECT_LT(order.Compare("(9)", "1"), 0);
  ExpectAscending(order, {"(1.50)a", "(1.5)b", "(1.500)c"});
  EXPECT_LT(order.Compare("(5)", "(  5  )"), 0);
  // Without parentheses a decimal symbol is a character between two numbers.
  EXPECT_LT(order.Compare("1.5", "1.25"), 0);
}

TEST(AlphaNumericOrder, TakesAnUnclosedParenthesisForACharacter) {
  const CStringANOrder order;
  EXPECT_GT(order.Compare("(4)", "(5"), 0);
  EXPECT_LT(order.Compare("(5 x)", "(4)"), 0);
  EXPECT_LT(order.Compare("(1.)", "(0)"), 0);
  EXPECT_LT(order.Compare("(      5)", "(4)"), 0);
  ExpectAscending(order, {"(", "( ", "(-", "(1", "(1.", "(1.5"});
}

TEST(AlphaNumericOrder, IgnoresThousandsSeparatorsBetweenDigits) {
  const CStringANOrder order;
  ExpectAscending(order, {"999", "1000", "1,000", "1,001"});
  EXPECT_LT(order.Compare("2,500 x", "2500 y"), 0);
  EXPECT_GT(order.Compare("18,446,744,073,709,551,616", "18446744073709551615"), 0);
  // A separator not followed by a digit ends the number.
  EXPECT_LT(order.Compare("5,b", "5a"), 0);

  const CStringANOrder decimalComma(',', '.');
  EXPECT_GT(decimalComma.Compare("1.000", "999"), 0);
  EXPECT_LT(decimalComma.Compare("(1,25)", "(1,5)"), 0);
  // One character for both: it is the decimal symbol only.
  const CStringANOrder same(',', ',');
  EXPECT_LT(same.Compare("(1,25)", "(1,5)"), 0);
  EXPECT_LT(same.Compare("1,000", "999"), 0);
}

TEST(AlphaNumericOrder, BreaksTiesByLengthAfterLeadingZeros) {
  const CStringANOrder order;
  ExpectAscending(order, {"", "a", "a1", "a1b"});
  ExpectAscending(order, {"7", "07", "007"});
  EXPECT_GT(order.Compare("007b", "7a"), 0);
  EXPECT_LT(order.Compare("x5", "x 5"), 0);
  EXPECT_LT(order.Compare("7", "0,007"), 0);
  ExpectEquivalent(order, "Photo 07", "photo 07");
}

TEST(AlphaNumericTagOrder, PutsIncludesBeforeExcludesAndSpecialEntriesFirst) {
  const CStringANOrderTag order;
  ExpectAscending(order, {" <include only> <source folder>", " <include subs> C:\\Src\\A9",
                          " <include only> C:\\Src\\A10", " <include subs> C:\\Src\\B",
                          " <exclude> Cache", " <exclude> temp"});
  ExpectAscending(order, {" <match> <all names>", " <match> *.jpg", " <match> photo 2.jpg",
                          " <match> Photo 10.jpg", " <exclude> <all names>", " <exclude> *.tmp"});
  // The two include tags are one group: only the folders decide.
  ExpectEquivalent(order, " <include subs> C:\\Src", " <include only> c:\\src");
  ExpectEquivalent(order, " <include subs> <source folder>", " <include only> <source folder>");
}

TEST(AlphaNumericTagOrder, PutsTextsWithoutATagLast) {
  const CStringANOrderTag order;
  ExpectAscending(order, {" <match", " <match> a", " <exclude>", " <exclude> a", "", " <", " <excl",
                          " <other> a", "plain 2", "plain 10"});
  // A tag without its ">" or without a text after it leaves an empty text to compare.
  ExpectEquivalent(order, " <include", " <match> ");
}

// Texts built from pieces that meet every rule of the orders, including broken UTF-8.
std::vector<std::string> MixedSample(size_t count, size_t maxPieces, unsigned seed) {
  // Letters (the long s folds to S), blanks and number syntax, numbers, tag syntax, broken UTF-8.
  static const std::vector<std::string> pieces = {
      "a", "B",  "z",  "\xC3\xA9", "\xC3\x89", "\xC5\xBF",                                      //
      " ", "  ", "\t", "(",        ")",        "-",        "+",   ".",     ",",                 //
      "0", "00", "1",  "7",        "9",        "10",       "999", "1,000", "(0.50)", "(-1.5)",  //
      "<", ">",  "*",  "\xC3",     "\x80"};
  static const std::vector<std::string> tags = {" <include subs> ", " <include only> ", " <match> ",
                                                " <exclude> ",      " <exclude>",       ""};
  std::mt19937 random(seed);
  std::vector<std::string> texts;
  for (size_t n = 0; n < count; ++n) {
    std::string text = tags[random() % tags.size()];
    for (size_t k = random() % (maxPieces + 1); k > 0; --k) {
      text += pieces[random() % pieces.size()];
    }
    texts.push_back(std::move(text));
  }
  return texts;
}

TEST(StringOrders, AreStrictWeakOrdersOnAMixedSample) {
  std::vector<CStringOrder> orders = AllOrders();
  orders.push_back(CStringANOrder(',', '.'));
  for (size_t o = 0; o < orders.size(); ++o) {
    SCOPED_TRACE("order " + std::to_string(o));
    const CStringOrder& order = orders[o];

    std::vector<std::string> sorted = MixedSample(400, 8, 7);
    std::sort(sorted.begin(), sorted.end(), order);
    for (size_t i = 0; i < sorted.size(); ++i) {
      for (size_t j = i + 1; j < sorted.size(); ++j) {
        ASSERT_FALSE(order(sorted[j], sorted[i])) << '"' << sorted[j] << "\" < \"" << sorted[i];
      }
    }

    // Few pieces, so that equivalent texts turn up as well.
    const std::vector<std::string> texts = MixedSample(90, 4, 11 + o);
    const size_t n = texts.size();
    std::vector<int> result(n * n);
    for (size_t i = 0; i < n; ++i) {
      for (size_t j = 0; j < n; ++j) {
        result[i * n + j] = order.Compare3(texts[i], texts[j]);
      }
    }
    for (size_t i = 0; i < n; ++i) {
      ASSERT_EQ(result[i * n + i], 0) << texts[i];
      for (size_t j = 0; j < n; ++j) {
        ASSERT_EQ(result[i * n + j], -result[j * n + i]) << texts[i] << " / " << texts[j];
        if (result[i * n + j] > 0) {
          continue;
        }
        // a <= b and b <= c: a < c when either step is strict, else a ~ c.
        for (size_t k = 0; k < n; ++k) {
          if (result[j * n + k] <= 0) {
            ASSERT_EQ(result[i * n + k], std::min(result[i * n + j], result[j * n + k]))
                << '"' << texts[i] << "\", \"" << texts[j] << "\", \"" << texts[k] << '"';
          }
        }
      }
    }
  }
}

// A prefix may only settle what the whole comparison settles the same way; texts built from
// the characters that matter (digits, separators, signs, blanks, parentheses, case, letters
// beyond ASCII) try every rule the prefix shortcuts.
TEST(AlphaNumericOrder, PrefixesNeverContradictTheComparison) {
  const std::vector<std::string> pieces = {"a", "B", "_", ".", ",", "0",   "00", "7", "12", "1,000",
                                           "9", " ", "-", "(", ")", "(3)", "é",  "É", "x"};
  std::mt19937 random(5);
  std::vector<std::string> texts;
  for (int n = 0; n < 1500; ++n) {
    std::string text;
    const int count = static_cast<int>(random() % 6);
    for (int i = 0; i < count; ++i) {
      text += pieces[random() % pieces.size()];
    }
    texts.push_back(text);
  }
  texts.push_back(std::string(30, 'a'));
  texts.push_back(std::string(30, 'a') + "b");
  texts.push_back("n" + std::string(25, '9'));
  texts.push_back("n" + std::string(26, '9'));
  for (const CStringANOrder& order : {CStringANOrder(), CStringANOrder(',', '.')}) {
    std::vector<CStringOrder::SPrefix> prefixes;
    for (const std::string& text : texts) {
      prefixes.push_back(order.Prefix(text));
    }
    int settled = 0;
    for (size_t a = 0; a < texts.size(); ++a) {
      for (size_t b = 0; b < texts.size(); ++b) {
        const int byPrefix = CStringOrder::ComparePrefixes(prefixes[a], prefixes[b]);
        if (byPrefix != 0) {
          ++settled;
          ASSERT_EQ(byPrefix < 0 ? -1 : 1, order.Compare3(texts[a], texts[b]))
              << "\"" << texts[a] << "\" against \"" << texts[b] << "\"";
        }
      }
    }
    EXPECT_GT(settled, static_cast<int>(texts.size() * texts.size() / 3));
  }
  // Names as cameras number them are settled by their prefixes alone.
  const CStringANOrder order;
  EXPECT_LT(CStringOrder::ComparePrefixes(order.Prefix("IMG_9.JPG"), order.Prefix("img_10.jpg")),
            0);
  EXPECT_GT(CStringOrder::ComparePrefixes(order.Prefix("IMG_1,000.JPG"), order.Prefix("IMG_999")),
            0);
  // The other orders offer no prefix.
  EXPECT_EQ(CStringSANOrder().Prefix("abc").length, 0);
}

}  // namespace
