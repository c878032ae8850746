// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <functional>
#include <string>

class CDriveStatusWindow;
class CFormatItem;
class CPrompter;
class CSettingsState;

// The "Alter Version Filenames" tool: after a question and the folder checks a preview
// makes, every "~Versions" folder below the destination loses the leading zeros of its
// version numbers ("a - Ver (03).txt" becomes "a - Ver (3).txt"), and the counts are shown.
// Runs on the window thread; `busy` is told when the walk starts (true) and ends (false), so
// the window can show that it is working. The settings' folder texts come back as the
// checks corrected them.
void AlterVersionFilenamesCommand(CSettingsState& settings, CPrompter& prompter,
                                  CDriveStatusWindow* driveStatus, const CFormatItem& format,
                                  const std::function<void(bool)>& busy = {});

// "Files Renamed:\t1\nFiles Not Renamed:\t0\nTotal Files:\t1"
std::string AlterVersionsResultText(int32_t renamed, int32_t notRenamed, const CFormatItem& format);
