// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <string>
#include <vector>

#include "profile/ListEntries.h"
#include "profile/SettingsState.h"

class CPrompter;

// The current settings as a text file that a person reads: page by page, in the words the
// pages show.

// What the pages show at the moment of the export.
struct SShownSettings {
  std::string profileName;
  CSettingsState settings;                // as read from the pages
  std::vector<SDisplayEntry> subfolders;  // the lists in the order shown
  std::vector<SDisplayEntry> names;
  std::vector<SDisplayEntry> paths;
  std::string recentCount;  // the texts of the number boxes
  std::string leastSize;
  std::string mostSize;
  std::string fromDate;  // the pickers' texts
  std::string fromTime;
  std::string throughDate;
  std::string throughTime;
  bool securityPage = false;  // the File Security page is there
};

// The whole file, every line ending in CR LF.
std::string SettingsExportText(const SShownSettings& shown);

// Writes the text to the file (replacing it) and says how it went.
bool WriteSettingsExport(const std::string& path, const std::string& text, CPrompter& prompter);
