// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <string>

// A stopwatch for the Preview and Copy commands, with the time as text.
class CElapsedTime {
 public:
  CElapsedTime();  // starts the clock
  void Restart();
  uint64_t Milliseconds() const;
  // The time since the last start, as "1 hour, 2 minutes, 5.50 seconds"; with `comma` every
  // '.' becomes ','.
  std::string Text(bool comma) const;
  // The text for a given span.
  static std::string TextFor(uint64_t milliseconds, bool comma);

 private:
  uint64_t m_start;
};
