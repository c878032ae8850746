// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/AlterVersionsCommand.h"

#include <new>

#include "copy/FileVersions.h"
#include "core/AppText.h"
#include "core/BusySpell.h"
#include "core/FormatItem.h"
#include "core/Prompter.h"
#include "core/Reporter.h"
#include "platform/TextUtil.h"
#include "profile/SettingsState.h"
#include "run/FolderValidation.h"

namespace {

constexpr const char* kQuestion =
    "Do you want to remove leading zeros from version numbers\nin filenames that are in "
    "~Version subfolders?";

// The field keeps the path as typed, less what the checks corrected; a folder keeps no
// trailing backslash there (a drive's root does).
std::string FieldText(const std::string& checked) {
  return checked.size() > 3 ? checked.substr(0, checked.size() - 1) : checked;
}

}  // namespace

std::string AlterVersionsResultText(int32_t renamed, int32_t notRenamed,
                                    const CFormatItem& format) {
  const int64_t total = static_cast<int64_t>(renamed) + notRenamed;
  return platform::Format("Files Renamed:\t%s\nFiles Not Renamed:\t%s\nTotal Files:\t%s",
                          format.FormatCount(renamed).c_str(),
                          format.FormatCount(notRenamed).c_str(),
                          format.FormatCount64(static_cast<uint64_t>(total)).c_str());
}

void AlterVersionFilenamesCommand(CSettingsState& settings, CPrompter& prompter,
                                  CDriveStatusWindow* driveStatus, const CFormatItem& format,
                                  const std::function<void(bool)>& busy) {
  if (!prompter.AskYesNo(kQuestion, EAnswer::kYes)) {
    return;
  }
  CPrompterReporter reporter(prompter);
  SValidationContext context{prompter, reporter, false, driveStatus};
  std::string source = settings.sourcePath;
  std::string destination = settings.destinationPath;
  if (!ValidateFolders(source, destination, true, context)) {
    return;
  }
  settings.sourcePath = FieldText(source);
  settings.destinationPath = FieldText(destination);
  SAlterCounts counts;
  try {
    const CBusySpell working(busy);
    counts = AlterVersionFilenames(destination);
  } catch (const std::bad_alloc&) {
    prompter.Show(kOutOfMemoryText, EIcon::kStop);
    return;
  }
  prompter.Show(AlterVersionsResultText(counts.renamed, counts.notRenamed, format),
                EIcon::kInformation);
}
