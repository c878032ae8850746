// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/TextUtil.h"

#include <cstdio>
#include <vector>

namespace platform {

namespace {

bool IsContinuation(unsigned char c) {
  return (c & 0xC0) == 0x80;
}

// Length of a valid UTF-8 sequence at `pos`, or 0 when the bytes there are not one.
size_t SequenceLength(std::string_view text, size_t pos) {
  const auto c = static_cast<unsigned char>(text[pos]);
  if (c < 0x80) {
    return 1;
  }
  size_t length = 0;
  char32_t min = 0;
  if ((c & 0xE0) == 0xC0) {
    length = 2;
    min = 0x80;
  } else if ((c & 0xF0) == 0xE0) {
    length = 3;
    min = 0x800;
  } else if ((c & 0xF8) == 0xF0) {
    length = 4;
    min = 0x10000;
  } else {
    return 0;
  }
  if (pos + length > text.size()) {
    return 0;
  }
  char32_t value = c & (0x7F >> length);
  for (size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[pos + i]);
    if (!IsContinuation(next)) {
      return 0;
    }
    value = (value << 6) | (next & 0x3F);
  }
  if (value < min || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    return 0;
  }
  return length;
}

// Windows-1252 bytes 0x80..0x9F; 0 marks the five unassigned ones.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

char32_t DecodeUtf8(std::string_view text, size_t& pos) {
  const auto c = static_cast<unsigned char>(text[pos]);
  if (c < 0x80) {
    ++pos;
    return c;
  }
  const size_t length = SequenceLength(text, pos);
  if (length == 0) {
    ++pos;
    return c;
  }
  char32_t value = c & (0x7F >> length);
  for (size_t i = 1; i < length; ++i) {
    value = (value << 6) | (static_cast<unsigned char>(text[pos + i]) & 0x3F);
  }
  pos += length;
  return value;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

int CompareNoCase(std::string_view a, std::string_view b) {
  size_t i = 0;
  size_t j = 0;
  while (i < a.size() && j < b.size()) {
    const auto ca = static_cast<unsigned char>(a[i]);
    const auto cb = static_cast<unsigned char>(b[j]);
    if (ca < 0x80 && cb < 0x80) {
      // The common case: plain ASCII needs no decoding.
      const int ua = (ca >= 'a' && ca <= 'z') ? ca - 32 : ca;
      const int ub = (cb >= 'a' && cb <= 'z') ? cb - 32 : cb;
      if (ua != ub) {
        return ua < ub ? -1 : 1;
      }
      ++i;
      ++j;
      continue;
    }
    const char32_t ua = UpperCodePoint(DecodeUtf8(a, i));
    const char32_t ub = UpperCodePoint(DecodeUtf8(b, j));
    if (ua != ub) {
      return ua < ub ? -1 : 1;
    }
  }
  if (i < a.size()) {
    return 1;
  }
  if (j < b.size()) {
    return -1;
  }
  return 0;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return CompareNoCase(a, b) == 0;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  size_t i = 0;
  size_t j = 0;
  while (j < prefix.size()) {
    if (i >= text.size()) {
      return false;
    }
    if (UpperCodePoint(DecodeUtf8(text, i)) != UpperCodePoint(DecodeUtf8(prefix, j))) {
      return false;
    }
  }
  return true;
}

size_t FindNoCase(std::string_view haystack, std::string_view needle) {
  if (needle.empty()) {
    return 0;
  }
  for (size_t start = 0; start < haystack.size();) {
    if (StartsWithNoCase(haystack.substr(start), needle)) {
      return start;
    }
    DecodeUtf8(haystack, start);
  }
  return std::string_view::npos;
}

namespace {

template <typename Map>
std::string MapCase(std::string_view text, Map map) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const size_t start = i;
    const char32_t c = DecodeUtf8(text, i);
    if (i - start == 1 && c >= 0x80) {
      out.push_back(text[start]);  // keep a stray byte as it was
    } else {
      AppendUtf8(out, map(c));
    }
  }
  return out;
}

}  // namespace

std::string ToUpper(std::string_view text) {
  return MapCase(text, UpperCodePoint);
}

std::string ToLower(std::string_view text) {
  return MapCase(text, [](char32_t c) { return LowerCodePoint(c); });
}

bool IsValidUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const size_t length = SequenceLength(text, i);
    if (length == 0) {
      return false;
    }
    i += length;
  }
  return true;
}

std::string_view CutUtf8(std::string_view text, size_t maxBytes) {
  if (text.size() <= maxBytes) {
    return text;
  }
  size_t end = maxBytes;
  // Step back over continuation bytes to the start of the sequence that does not fit.
  while (end > 0 && IsContinuation(static_cast<unsigned char>(text[end]))) {
    --end;
  }
  // Cut there only when a valid sequence really crosses the limit; stray continuation
  // bytes belong to nothing and may be cut anywhere.
  if (end < maxBytes) {
    const size_t length = SequenceLength(text, end);
    if (length == 0 || end + length <= maxBytes) {
      end = maxBytes;
    }
  }
  return text.substr(0, end);
}

std::string Windows1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out.push_back(ch);
    } else if (c < 0xA0) {
      const char16_t mapped = kCp1252High[c - 0x80];
      AppendUtf8(out, mapped != 0 ? mapped : c);
    } else {
      AppendUtf8(out, c);
    }
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;  // an unpaired surrogate
    }
    AppendUtf8(out, c);
  }
  return out;
}

std::u16string Utf8ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const char32_t c = DecodeUtf8(text, i);
    if (c >= 0x10000) {
      out.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(c));
    }
  }
  return out;
}

std::string FormatV(const char* format, va_list args) {
  char small[256];
  va_list copy;
  va_copy(copy, args);
  const int needed = std::vsnprintf(small, sizeof small, format, copy);
  va_end(copy);
  if (needed < 0) {
    return {};
  }
  if (static_cast<size_t>(needed) < sizeof small) {
    return std::string(small, static_cast<size_t>(needed));
  }
  std::string out(static_cast<size_t>(needed) + 1, '\0');
  std::vsnprintf(out.data(), out.size(), format, args);
  out.resize(static_cast<size_t>(needed));
  return out;
}

std::string Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string out = FormatV(format, args);
  va_end(args);
  return out;
}

std::string_view Trim(std::string_view text) {
  const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && isBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && isBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

}  // namespace platform
