// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "rules/MatchPattern.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "core/TypoSeparation.h"

// Counts every allocation of this test program, so that a test can show that matching
// allocates nothing.
namespace {
std::atomic<long> g_allocations{0};
}  // namespace

void* operator new(std::size_t size) {
  ++g_allocations;
  if (void* block = std::malloc(size == 0 ? 1 : size)) {
    return block;
  }
  throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  ++g_allocations;
  return std::malloc(size == 0 ? 1 : size);
}
void operator delete(void* block) noexcept {
  std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
  std::free(block);
}
void operator delete(void* block, const std::nothrow_t&) noexcept {
  std::free(block);
}

namespace {

bool Typos(std::string_view name, std::string_view pattern, int separation) {
  return MatchPattern(pattern, name, true, separation);
}

TEST(MatchPattern, SpecialPatterns) {
  EXPECT_TRUE(MatchPattern("*.*", "README", false));
  EXPECT_TRUE(MatchPattern("*", "", false));
  EXPECT_TRUE(MatchPattern("*.", "readme", false));
  EXPECT_FALSE(MatchPattern("*.", "a.b", false));
  EXPECT_TRUE(MatchPattern("", "", false));
  EXPECT_FALSE(MatchPattern("", "a", false));
  EXPECT_FALSE(MatchPattern("a", "", false));
}

TEST(MatchPattern, WildcardsWithoutTypos) {
  EXPECT_TRUE(MatchPattern("*.jpg", "photo.JPG", false));
  EXPECT_TRUE(MatchPattern("*.JPG", "photo.jpg", false));
  EXPECT_TRUE(MatchPattern("a*b?.doc*", "aXXbY.docx", false));
  EXPECT_FALSE(MatchPattern("abc", "abcd", false));
  EXPECT_FALSE(MatchPattern("a*c", "abcbc", false));  // leftmost, no backtracking
  EXPECT_TRUE(MatchPattern("a*c*", "abcbc", false));
  EXPECT_TRUE(MatchPattern("file.txt", "FILE.TXT", false));
  EXPECT_TRUE(MatchPattern("?", "\xC3\xA9", false));  // one character, two bytes
  EXPECT_TRUE(MatchPattern("\xC3\x89T\xC3\x89.txt", "\xC3\xA9t\xC3\xA9.TXT", false));
  EXPECT_FALSE(MatchPattern("a?c", "ac", false));
}

TEST(MatchPattern, TyposKindsAtSeparationThree) {
  EXPECT_TRUE(Typos("reprot.txt", "report.txt", 3));   // swap
  EXPECT_TRUE(Typos("repot.txt", "report.txt", 3));    // missing
  EXPECT_TRUE(Typos("rxport.txt", "report.txt", 3));   // substituted
  EXPECT_TRUE(Typos("report.txtx", "report.txt", 3));  // extra at the very end
  EXPECT_TRUE(Typos("abcd", "abc", 3));
  EXPECT_TRUE(Typos("ab", "abc", 3));
  EXPECT_FALSE(Typos("reportt.txt", "report.txt", 3));  // taken for a swap, then too close
  EXPECT_FALSE(Typos("phto", "photo", 3));
  EXPECT_TRUE(Typos("a report", "*xeport*", 3));
  EXPECT_TRUE(Typos("recieve.doc", "receive.doc", 3));
  EXPECT_TRUE(Typos("receve.doc", "receive.doc", 3));
  EXPECT_TRUE(Typos("receivve.doc", "receive.doc", 3));
  EXPECT_TRUE(Typos("recxive.doc", "receive.doc", 3));
  EXPECT_FALSE(Typos("rexxive.doc", "receive.doc", 3));
}

TEST(MatchPattern, SeparationDecidesCloseTypos) {
  EXPECT_FALSE(Typos("rxpxrt.txt", "report.txt", 3));
  EXPECT_TRUE(Typos("rxpxrt.txt", "report.txt", 1));
  EXPECT_TRUE(Typos("rxporx.txt", "report.txt", 3));
  EXPECT_FALSE(Typos("rxporx.txt", "report.txt", 9));
  EXPECT_TRUE(Typos("xbcxefgh", "abcdefgh", 1));
  EXPECT_FALSE(Typos("xbcxefgh", "abcdefgh", 3));
}

TEST(MatchPattern, ReadsTheProcessWideSeparation) {
  SetTypoSeparation(1);
  EXPECT_TRUE(MatchPattern("report.txt", "rxpxrt.txt", true));
  SetTypoSeparation(3);
  EXPECT_FALSE(MatchPattern("report.txt", "rxpxrt.txt", true));
}

TEST(MatchPattern, AllocatesNothing) {
  const long before = g_allocations.load();
  bool any = false;
  for (int i = 0; i < 100; ++i) {
    any |= MatchPattern("a*b?.doc*", "aXXbY.docx", false);
    any |= MatchPattern("*xeport*", "a long report name.txt", true, 3);
    any |= MatchPattern("\xC3\x89T\xC3\x89*", "\xC3\xA9t\xC3\xA9 2025.txt", true, 2);
  }
  EXPECT_TRUE(any);
  EXPECT_EQ(g_allocations.load(), before);
}

}  // namespace
