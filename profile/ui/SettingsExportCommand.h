// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <string>

class CPrompter;
class CSettingsSheet;
class QWidget;

// "Export Settings": asks for a text file, starting in the desktop folder (when it is known),
// and writes the current profile's settings into it as the pages show them.
void ExportCurrentSettings(const CSettingsSheet& sheet, const std::string& profileName,
                           const std::string& desktop, CPrompter& prompter, QWidget* parent);
