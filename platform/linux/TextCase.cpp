// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <locale.h>
#include <wctype.h>

#include "platform/TextUtil.h"

namespace platform {

namespace {

// The C library's Unicode case tables, without touching the process's global locale.
locale_t UnicodeLocale() {
  static const locale_t locale = [] {
    locale_t l = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    if (l == static_cast<locale_t>(nullptr)) {
      l = newlocale(LC_CTYPE_MASK, "en_US.UTF-8", static_cast<locale_t>(nullptr));
    }
    return l;
  }();
  return locale;
}

}  // namespace

char32_t UpperCodePoint(char32_t c) {
  if (c < 0x80) {
    return (c >= 'a' && c <= 'z') ? c - 32 : c;
  }
  const locale_t locale = UnicodeLocale();
  if (locale == static_cast<locale_t>(nullptr)) {
    return c;
  }
  return static_cast<char32_t>(towupper_l(static_cast<wint_t>(c), locale));
}

char32_t LowerCodePoint(char32_t c) {
  if (c < 0x80) {
    return (c >= 'A' && c <= 'Z') ? c + 32 : c;
  }
  const locale_t locale = UnicodeLocale();
  if (locale == static_cast<locale_t>(nullptr)) {
    return c;
  }
  return static_cast<char32_t>(towlower_l(static_cast<wint_t>(c), locale));
}

}  // namespace platform
