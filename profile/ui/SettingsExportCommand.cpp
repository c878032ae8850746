// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ui/SettingsExportCommand.h"

#include "profile/SettingsExport.h"
#include "profile/ui/FileDialogs.h"
#include "profile/ui/SettingsSheet.h"

void ExportCurrentSettings(const CSettingsSheet& sheet, const std::string& profileName,
                           const std::string& desktop, CPrompter& prompter, QWidget* parent) {
  const std::optional<std::string> path = AskTextFileToSave(parent, desktop);
  if (!path) {
    return;
  }
  WriteSettingsExport(*path, SettingsExportText(sheet.Shown(profileName)), prompter);
}
