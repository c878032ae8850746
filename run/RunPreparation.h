// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <memory>
#include <string>

#include "preview/PreviewJob.h"
#include "profile/SettingsState.h"
#include "run/DrivePreparation.h"

class CMessageTarget;
class CReporter;
struct SProgramOptions;
struct SValidationContext;

// The steps that the Preview and Copy commands take before a job starts, shared by the main
// window and the command-line runner.

// At least one checked include entry on the Subfolders list and one checked match pattern
// on the File/Folder Names list; otherwise the failure is reported.
bool CheckIncludes(const CSettingsState& settings, CReporter& reporter);

// The profile as the settings pages hold it once it is loaded: the source-folder and
// all-names entries added where missing, and the date fields as the Dates page loads them (a
// date range without either bound has both). (Code fields of 0 already read as their first
// code.)
CSettingsState AsLoadedIntoPages(const CSettingsState& settings);

struct SPreparedFolders {
  std::string source;       // ends in a backslash
  std::string destination;  // ends in a backslash
  SDriveData drives;
};

// The settings' folder texts become the checked paths (`source` and `destination` end in a
// backslash, which a folder's text drops), and the Subfolders list's source-folder entry
// follows the source path's new text.
void TakeCheckedFolders(CSettingsState& settings, const std::string& source,
                        const std::string& destination);

// Validates both folders (they must differ) and prepares the drives. The settings' paths
// take what the validation wrote back (trimmed, made full, with a drive's backslash), and the
// Subfolders list's source-folder entry follows the source path's new text.
bool PrepareFolders(CSettingsState& settings, SValidationContext& context,
                    SPreparedFolders& prepared);

// The preview job's set-up: the walk, the rules compiled from the settings and options,
// and the totals it needs.
SPreviewSetup MakePreviewSetup(const CSettingsState& settings, const SProgramOptions& options,
                               const SPreparedFolders& prepared, CMessageTarget* target,
                               bool previewRun, CPrompter* prompter);
