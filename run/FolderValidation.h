// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <string>

class CPrompter;
class CReporter;

// Drive states of a path's first letter.
constexpr int kDriveReady = 0;
constexpr int kDriveNotConnected = 1;  // not among the logical drives (or no drive letter)
constexpr int kDriveNoDisk = 2;        // its root cannot be read as a folder
int DriveState(const std::string& path);

// The window that lets the user wait for a drive or choose another one. It may change the
// drive letters of both paths.
class CDriveStatusWindow {
 public:
  virtual ~CDriveStatusWindow() = default;
  virtual void Show(int sourceState, int destinationState, std::string& sourcePath,
                    std::string& destinationPath) = 0;
};

struct SValidationContext {
  CPrompter& prompter;  // questions (the relative-path question)
  CReporter& reporter;  // failures: shown, or recorded during a queue run
  bool queueRun = false;
  CDriveStatusWindow* driveStatus = nullptr;  // none: a drive that is not ready fails
};

// Checks a folder text: trimmed, "X:" made "X:\", empty refused, a relative path offered
// as its full path ("source" or "destination" names it in the messages). The text is
// written back.
bool CheckFullPath(std::string& text, const char* which, SValidationContext& context);

// The source must be an existing folder; the destination an existing folder or nothing yet,
// and not a drive that cannot be written (a CD or DVD). An accepted path gets a trailing
// backslash.
bool CheckFolderPath(std::string& path, bool destination, SValidationContext& context);

// Everything the Preview and Copy commands check about the two folders before they start;
// both paths come back complete, each ending in a backslash.
bool ValidateFolders(std::string& sourcePath, std::string& destinationPath, bool mustDiffer,
                     SValidationContext& context);
