// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "rules/MatchPattern.h"

#include <optional>

#include "core/TypoSeparation.h"
#include "platform/TextUtil.h"

namespace {

// Positions are byte offsets into UTF-8 texts; counts and distances are in characters, so
// that "?" and the typo rules treat a letter such as "é" as one character.
constexpr char32_t kNone = 0xFFFFFFFF;

inline size_t Step(std::string_view text, size_t pos) {
  if (pos >= text.size()) {
    return pos;
  }
  if (static_cast<unsigned char>(text[pos]) < 0x80) {
    return pos + 1;
  }
  platform::DecodeUtf8(text, pos);
  return pos;
}

inline char32_t At(std::string_view text, size_t pos) {
  if (pos >= text.size()) {
    return kNone;
  }
  const auto c = static_cast<unsigned char>(text[pos]);
  if (c < 0x80) {
    return (c >= 'a' && c <= 'z') ? c - 32 : c;
  }
  return platform::UpperCodePoint(platform::DecodeUtf8(text, pos));
}

inline size_t Advance(std::string_view text, size_t pos, int count) {
  for (int k = 0; k < count && pos < text.size(); ++k) {
    pos = Step(text, pos);
  }
  return pos;
}

size_t CountChars(std::string_view text, size_t from, size_t to) {
  size_t count = 0;
  while (from < to) {
    from = Step(text, from);
    ++count;
  }
  return count;
}

// One piece of the pattern between asterisks: bytes [begin, end) of the pattern.
struct SSegment {
  std::string_view pattern;
  size_t begin;
  size_t end;
  int length;  // in characters
  bool last;   // the pattern ends right after it
};

// Exact search: the first offset (in characters from `q`) at which the segment matches.
std::optional<int> FindExact(const SSegment& segment, std::string_view name, size_t q,
                             bool floating) {
  size_t remaining = floating ? CountChars(name, q, name.size()) : 0;
  size_t start = q;
  for (int n = 0;; ++n) {
    if (floating && (start >= name.size() || remaining < static_cast<size_t>(segment.length))) {
      return std::nullopt;
    }
    size_t g = segment.begin;
    size_t r = start;
    bool matched = true;
    for (int k = 0; k < segment.length; ++k) {
      if (r >= name.size()) {
        matched = false;
        break;
      }
      const char32_t pc = At(segment.pattern, g);
      if (pc != '?' && pc != At(name, r)) {
        matched = false;
        break;
      }
      g = Step(segment.pattern, g);
      r = Step(name, r);
    }
    if (matched) {
      return n;
    }
    if (!floating) {
      return std::nullopt;
    }
    start = Step(name, start);
    --remaining;
  }
}

// Typo search: like the exact search, but each attempt walks the segment and the name side
// by side and lets typing errors pass that lie more than `separation` characters apart.
std::optional<int> FindWithTypos(const SSegment& segment, std::string_view name, size_t q,
                                 bool floating, int separation) {
  const std::string_view pattern = segment.pattern;
  size_t start = q;
  for (int n = 0;; ++n) {
    int i = 0;
    size_t g = segment.begin;
    size_t r = start;
    int adj = 0;
    int t = -10;
    while (i < segment.length) {
      if (g >= segment.end || r >= name.size()) {
        break;
      }
      const char32_t gc = At(pattern, g);
      const char32_t nc = At(name, r);
      if (gc != '?' && gc != nc) {
        if (i - t <= separation) {
          break;
        }
        t = i;
        // The character after the segment's last one is the "*" or the end that follows it.
        const char32_t gNext = At(pattern, Step(pattern, g));
        const char32_t nNext = At(name, Step(name, r));
        if (nNext != kNone && gc == nNext && gNext != kNone && gNext == nc) {
          // Two neighbours swapped: both are taken now.
          ++i;
          g = Step(pattern, g);
          r = Step(name, r);
          t = i;
        } else if (nNext != kNone && gc == nNext) {
          // An extra character in the name.
          r = Step(name, r);
          ++adj;
          t = i - 1;
        } else if (gNext != kNone && gNext == nc) {
          // A character missing from the name.
          ++i;
          g = Step(pattern, g);
          --adj;
        }
        // Otherwise a substituted character.
      }
      ++i;
      g = Step(pattern, g);
      r = Step(name, r);
    }
    if (i - t > separation) {
      if (i == segment.length && segment.last && r < name.size() && Step(name, r) == name.size()) {
        return adj + n + 1;  // one extra character at the very end of the name
      }
      if (i == segment.length - 1 && r >= name.size()) {
        return adj + n - 1;  // the segment's last character is missing
      }
    }
    if (i == segment.length) {
      return adj + n;
    }
    if (!floating) {
      return std::nullopt;
    }
    start = Step(name, start);
    if (start >= name.size()) {
      return std::nullopt;
    }
  }
}

}  // namespace

bool MatchPattern(std::string_view pattern, std::string_view name, bool allowTypos) {
  return MatchPattern(pattern, name, allowTypos, allowTypos ? TypoSeparation() : 0);
}

bool MatchPattern(std::string_view pattern, std::string_view name, bool allowTypos,
                  int separation) {
  if (pattern == "*.*" || pattern == "*") {
    return true;
  }
  if (pattern == "*.") {
    return name.find('.') == std::string_view::npos;
  }
  size_t p = 0;
  size_t q = 0;
  bool floating = !pattern.empty() && pattern.front() == '*';
  if (!pattern.empty()) {
    while (q < name.size()) {
      while (p < pattern.size() && pattern[p] == '*') {
        ++p;
      }
      if (p == pattern.size()) {
        return true;  // a final "*" takes the rest of the name
      }
      SSegment segment{pattern, p, pattern.find('*', p), 0, false};
      if (segment.end == std::string_view::npos) {
        segment.end = pattern.size();
      }
      segment.last = segment.end == pattern.size();
      segment.length = static_cast<int>(CountChars(pattern, segment.begin, segment.end));
      const std::optional<int> offset = allowTypos
                                            ? FindWithTypos(segment, name, q, floating, separation)
                                            : FindExact(segment, name, q, floating);
      if (!offset) {
        return false;
      }
      p = segment.end;
      q = Advance(name, q, segment.length + *offset);
      floating = true;
      if (p == pattern.size()) {
        break;
      }
    }
  }
  while (p < pattern.size() && pattern[p] == '*') {
    ++p;
  }
  return p == pattern.size() && q >= name.size();
}
