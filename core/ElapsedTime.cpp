// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/ElapsedTime.h"

#include "core/FormatItem.h"
#include "platform/System.h"
#include "platform/TextUtil.h"

CElapsedTime::CElapsedTime() : m_start(platform::GetTickCountMs()) {}

void CElapsedTime::Restart() {
  m_start = platform::GetTickCountMs();
}

uint64_t CElapsedTime::Milliseconds() const {
  return platform::GetTickCountMs() - m_start;
}

std::string CElapsedTime::Text(bool comma) const {
  return TextFor(Milliseconds(), comma);
}

std::string CElapsedTime::TextFor(uint64_t milliseconds, bool comma) {
  double t = static_cast<double>(milliseconds) * 0.001;
  const int hours = static_cast<int>(t / 3600);
  t -= hours * 3600.0;
  const int minutes = static_cast<int>(t / 60);
  t -= minutes * 60.0;
  // The seconds are rounded for display only; 59.996 seconds read "60.00".
  std::string seconds = platform::Format("%4.2f", t);
  if (seconds == "1.00") {
    seconds = "1";
  }
  const char* secondsPlural = seconds == "1" ? "" : "s";
  std::string text;
  if (hours > 0) {
    text = platform::Format("%d hour%s, %d minute%s, %s second%s", hours, PluralSuffix(hours),
                            minutes, PluralSuffix(minutes), seconds.c_str(), secondsPlural);
  } else if (minutes > 0) {
    text = platform::Format("%d minute%s, %s second%s", minutes, PluralSuffix(minutes),
                            seconds.c_str(), secondsPlural);
  } else {
    text = platform::Format("%s second%s", seconds.c_str(), secondsPlural);
  }
  if (comma) {
    for (char& c : text) {
      if (c == '.') {
        c = ',';
      }
    }
  }
  return text;
}
