// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdarg>
#include <cstdint>
#include <string>
#include <string_view>

// Text helpers shared by every layer. Strings are UTF-8; the program's comparisons of
// names and paths ignore letter case, non-ASCII letters included.
namespace platform {

// Compares two texts by their upper-case code points: < 0, 0 or > 0.
int CompareNoCase(std::string_view a, std::string_view b);
bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
// Finds `needle` in `haystack` ignoring case; returns npos when absent.
size_t FindNoCase(std::string_view haystack, std::string_view needle);

std::string ToUpper(std::string_view text);
std::string ToLower(std::string_view text);
// The upper-case form of one code point (the folding the comparisons use).
char32_t UpperCodePoint(char32_t c);
char32_t LowerCodePoint(char32_t c);

// Decodes the code point at `pos` and advances `pos`; an invalid byte decodes as itself
// (so Windows-1252 bytes never stop a walk through a text).
char32_t DecodeUtf8(std::string_view text, size_t& pos);
void AppendUtf8(std::string& out, char32_t c);

bool IsValidUtf8(std::string_view text);
// At most `maxBytes` bytes of `text`, never splitting a UTF-8 sequence.
std::string_view CutUtf8(std::string_view text, size_t maxBytes);
std::string Windows1252ToUtf8(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);
std::u16string Utf8ToUtf16(std::string_view text);

// printf-style formatting into a string. A text cut by a precision ("%.259s") is never cut
// inside a UTF-8 character; as with printf, no more of it is read than the precision allows.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string FormatV(const char* format, va_list args);

// Removes blanks (spaces and tabs) at both ends.
std::string_view Trim(std::string_view text);

}  // namespace platform
