// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/TextUtil.h"

#include <sys/types.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>
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

namespace {

// printf with its own buffer handling: `format` and `args` as vsnprintf takes them.
std::string PlainFormatV(const char* format, va_list args) {
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

// One conversion of a format: "%", flags, width, precision, length and the conversion letter.
struct SConversion {
  std::string flags;
  bool starWidth = false;
  std::string width;
  bool hasPrecision = false;
  bool starPrecision = false;
  std::string precision;
  std::string length;
  char letter = 0;
  size_t end = 0;  // just past the letter
};

// Parses the conversion that starts at the '%' at `pos`; false for a form this formatter
// does not take apart (positional arguments, an unknown letter).
bool ParseConversion(std::string_view format, size_t pos, SConversion& conversion) {
  size_t i = pos + 1;
  const auto at = [&](size_t k) { return k < format.size() ? format[k] : '\0'; };
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  while (std::string_view("-+ #0'").find(at(i)) != std::string_view::npos && at(i) != '\0') {
    conversion.flags.push_back(format[i++]);
  }
  if (at(i) == '*') {
    conversion.starWidth = true;
    ++i;
  }
  while (isDigit(at(i))) {
    conversion.width.push_back(format[i++]);
  }
  if (at(i) == '$') {
    return false;
  }
  if (at(i) == '.') {
    conversion.hasPrecision = true;
    ++i;
    if (at(i) == '*') {
      conversion.starPrecision = true;
      ++i;
    }
    while (isDigit(at(i))) {
      conversion.precision.push_back(format[i++]);
    }
  }
  while (std::string_view("hlLjzt").find(at(i)) != std::string_view::npos && at(i) != '\0') {
    conversion.length.push_back(format[i++]);
  }
  conversion.letter = at(i);
  if (std::string_view("diouxXcspfFeEgGaA%").find(conversion.letter) == std::string_view::npos ||
      conversion.letter == '\0') {
    return false;
  }
  conversion.end = i + 1;
  return true;
}

// Whether the format cuts a text argument ("%.259s"): only then is it taken apart.
bool CutsText(std::string_view format) {
  for (size_t pos = format.find('%'); pos != std::string_view::npos; pos = format.find('%', pos)) {
    SConversion conversion;
    if (!ParseConversion(format, pos, conversion)) {
      return false;
    }
    if (conversion.letter == 's' && conversion.hasPrecision && conversion.length.empty()) {
      return true;
    }
    pos = conversion.end;
  }
  return false;
}

template <typename T>
void AppendFormatted(std::string& out, const std::string& form, T value) {
  const int needed = std::snprintf(nullptr, 0, form.c_str(), value);
  if (needed <= 0) {
    return;
  }
  const size_t start = out.size();
  out.resize(start + static_cast<size_t>(needed) + 1);
  std::snprintf(out.data() + start, static_cast<size_t>(needed) + 1, form.c_str(), value);
  out.resize(start + static_cast<size_t>(needed));
}

// At most `limit` bytes of a text that may not be terminated within them, never ending in a
// part of a UTF-8 sequence.
std::string CutArgument(const char* text, size_t limit) {
  const std::string_view view(text, strnlen(text, limit));
  if (view.size() < limit) {
    return std::string(view);
  }
  // Only the bytes within the limit may be read: a sequence they hold only the start of is
  // taken as split.
  size_t start = view.size();
  while (start > 0 && view.size() - start < 3 &&
         IsContinuation(static_cast<unsigned char>(view[start - 1]))) {
    --start;
  }
  if (start == 0) {
    return std::string(view);
  }
  const size_t lead = start - 1;
  const auto c = static_cast<unsigned char>(view[lead]);
  size_t length = 1;
  if ((c & 0xE0) == 0xC0) {
    length = 2;
  } else if ((c & 0xF0) == 0xE0) {
    length = 3;
  } else if ((c & 0xF8) == 0xF0) {
    length = 4;
  }
  return std::string(view.substr(0, lead + length > view.size() ? lead : view.size()));
}

// Formats one conversion, taking its arguments from `args`.
void AppendConversion(std::string& out, SConversion conversion, va_list& args) {
  if (conversion.letter == '%') {
    out.push_back('%');
    return;
  }
  if (conversion.starWidth) {
    const int width = va_arg(args, int);
    if (width < 0) {
      conversion.flags.push_back('-');
    }
    conversion.width = std::to_string(width < 0 ? -static_cast<long>(width) : width);
  }
  int precision = conversion.precision.empty() ? 0 : std::stoi(conversion.precision);
  if (conversion.starPrecision) {
    precision = va_arg(args, int);
    conversion.hasPrecision = precision >= 0;
  }
  std::string form = "%" + conversion.flags + conversion.width;
  if (conversion.hasPrecision) {
    form += "." + std::to_string(precision);
  }
  const std::string& length = conversion.length;
  switch (conversion.letter) {
    case 's':
      if (length == "l") {
        AppendFormatted(out, form + "ls", va_arg(args, const wchar_t*));
        return;
      }
      if (const char* text = va_arg(args, const char*);
          text != nullptr && conversion.hasPrecision) {
        // Cut here rather than by printf, which counts bytes and may split a character.
        const std::string cut = CutArgument(text, static_cast<size_t>(precision));
        AppendFormatted(out, "%" + conversion.flags + conversion.width + "s", cut.c_str());
      } else {
        AppendFormatted(out, form + "s", text);
      }
      return;
    case 'c':
      if (length == "l") {
        AppendFormatted(out, form + "lc", va_arg(args, wint_t));
      } else {
        AppendFormatted(out, form + "c", va_arg(args, int));
      }
      return;
    case 'p':
      AppendFormatted(out, form + "p", va_arg(args, void*));
      return;
    case 'd':
    case 'i':
    case 'o':
    case 'u':
    case 'x':
    case 'X': {
      const bool isSigned = conversion.letter == 'd' || conversion.letter == 'i';
      const std::string tail = std::string(1, conversion.letter);
      if (length == "l") {
        isSigned ? AppendFormatted(out, form + "l" + tail, va_arg(args, long))
                 : AppendFormatted(out, form + "l" + tail, va_arg(args, unsigned long));
      } else if (length == "ll" || length == "j") {
        isSigned ? AppendFormatted(out, form + "ll" + tail, va_arg(args, long long))
                 : AppendFormatted(out, form + "ll" + tail, va_arg(args, unsigned long long));
      } else if (length == "z" || length == "t") {
        isSigned ? AppendFormatted(out, form + "zd", va_arg(args, ssize_t))
                 : AppendFormatted(out, form + "z" + tail, va_arg(args, size_t));
      } else {
        // hh and h arguments arrive as int; printf narrows them itself.
        isSigned ? AppendFormatted(out, form + length + tail, va_arg(args, int))
                 : AppendFormatted(out, form + length + tail, va_arg(args, unsigned int));
      }
      return;
    }
    default:  // the floating-point letters
      if (length == "L") {
        AppendFormatted(out, form + "L" + conversion.letter, va_arg(args, long double));
      } else {
        AppendFormatted(out, form + conversion.letter, va_arg(args, double));
      }
      return;
  }
}

}  // namespace

std::string FormatV(const char* format, va_list args) {
  const std::string_view text(format);
  if (!CutsText(text)) {
    return PlainFormatV(format, args);
  }
  std::string out;
  va_list rest;
  va_copy(rest, args);
  size_t literal = 0;
  for (size_t pos = text.find('%'); pos != std::string_view::npos; pos = text.find('%', pos)) {
    out.append(text.substr(literal, pos - literal));
    SConversion conversion;
    ParseConversion(text, pos, conversion);  // CutsText has parsed every one
    AppendConversion(out, conversion, rest);
    pos = conversion.end;
    literal = pos;
  }
  out.append(text.substr(literal));
  va_end(rest);
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
