// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <string>
#include <vector>

class CPrompter;

// The Debug Messages export: "Debug Messages", an empty line, then one line per message,
// every line ended by a carriage return and a line feed.
std::string DebugExportText(const std::vector<std::string>& lines);

// Writes an export file (replacing what the file held) and says how it went: "Finished
// writing the export file.", or why not. False when the file could not be written.
bool WriteExportFile(const std::string& path, const std::string& text, CPrompter& prompter);
