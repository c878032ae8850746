// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <string>
#include <string_view>

// Shortens a folder path to fit a one-line label: the characters just before the last
// backslash give way to "...", so that the last folder name stays whole.
class CLimitPath {
 public:
  static constexpr int kStatusLabel = 0;    // the main window's status line: 76 characters
  static constexpr int kProgressLabel = 1;  // the copy-progress window's folder line: 57

  std::string Limit(int index, std::string_view path) const;
  // A maximum of 0 is worked out by the window from its label's width.
  void SetMaximum(int index, int maximum) { m_maximum[index] = maximum; }
  int Maximum(int index) const { return m_maximum[index]; }

 private:
  int m_maximum[2] = {76, 57};
};
