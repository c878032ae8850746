// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "profile/DataFile.h"

class CBrevantDlg;
class CPrompter;

// Starting the real desktop program in a window test, on a sandbox (the sandbox must exist
// before these are called).
namespace gui_testing {

// A profile that copies `source` into `destination` (Windows-form paths).
SProfileRecord Profile(const std::string& name, const std::string& source,
                       const std::string& destination);

// Writes the data file the program reads at its start; false when it could not be written.
bool WriteDataFile(const SDataFileContents& contents);
bool WriteDataFile(std::vector<SProfileRecord> profiles, int32_t selected = 0);

// Starts the program and runs `script` on its main window once it shows. Should the script
// stop early (a failed check), the window is closed anyway after any run has ended, so the
// test ends instead of waiting. False when the program did not run the script.
bool RunProgram(CPrompter& prompter, const std::function<void(CBrevantDlg*)>& script);

}  // namespace gui_testing
