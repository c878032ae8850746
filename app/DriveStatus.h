// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <string>

// The texts and the waiting of the Drive Status window, which opens when the source or
// destination drive is not ready: the user may wait for the drive or choose another.

// "ready", "not connected or detected" or "no disk in drive".
const char* DriveStateText(int state);
// "C: ready": the path's drive letter and its state.
std::string DriveFieldText(const std::string& path, int state);
// The path's drive letter (upper case); '?' for an empty path.
char DriveLetterOf(const std::string& path);
// Puts `letter` in place of the path's first character (its drive letter).
void ApplyDriveLetter(std::string& path, char letter);

// The one-second steps of Wait: the window polls the drives until both are ready, then
// counts 3, 2, 1 and closes at the next step.
class CDriveWait {
 public:
  enum class EStep {
    kWaiting,       // poll the drives again at the next step
    kCountingDown,  // show CountdownText()
    kClose,         // the countdown is over
  };
  // One step of the timer; `bothReady` tells whether both drives are ready now (it no
  // longer matters once the countdown runs).
  EStep Tick(bool bothReady);
  // "This window will close in 3 seconds." while counting down, else empty.
  std::string CountdownText() const;
  bool CountingDown() const { return m_count > 0; }
  void Reset() { m_count = 0; }

 private:
  static constexpr int kCountFrom = 3;
  int m_count = 0;  // the seconds left; 0 while not counting
};
