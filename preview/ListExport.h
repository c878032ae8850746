// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <ctime>
#include <functional>
#include <string>
#include <string_view>

class CPreviewList;
class CPrompter;

// The preview list as a text file (columns aligned with tabs at 8-column stops) or as
// comma-separated values, as the list shows it.
enum class EExportForm { kText, kCsv };

// Text for a ".txt" file (any letter case), comma-separated values for anything else.
EExportForm ExportFormFor(std::string_view fileName);

// Writes the file's text piece by piece to `write` (a long list need not be held twice).
void StreamPreviewList(const CPreviewList& list, EExportForm form, std::string_view profileName,
                       std::string_view summary, std::time_t now,
                       const std::function<void(std::string_view)>& write);

// The whole file. The text form starts with the profile's name, the time of the export and
// the list's summary line.
std::string FormatPreviewList(const CPreviewList& list, EExportForm form,
                              std::string_view profileName, std::string_view summary,
                              std::time_t now);

// The header line and one row of the comma-separated form, each with its CR LF.
std::string CsvHeaderLine();
std::string CsvRowLine(const CPreviewList& list, size_t row);

// A cell of the comma-separated form: quotes doubled and the cell quoted when it holds a
// quote; quoted when it holds a comma; otherwise as it is.
std::string CsvCell(std::string_view cell);

// Writes the file with the program's messages: an empty list writes nothing.
bool ExportPreviewList(const CPreviewList& list, const std::string& path,
                       std::string_view profileName, std::string_view summary, CPrompter& prompter);
