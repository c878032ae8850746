// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <string>

class CPreviewList;
class CPrompter;
class QWidget;

// Export Preview List: asks where to save the list (a text file or comma-separated values,
// by the name's extension) and writes it, with the program's messages. An empty list is only
// reported. `desktopFolder` (drive-letter form, may be empty) is where the dialog starts.
void ExportPreviewListCommand(const CPreviewList& list, const std::string& profileName,
                              const std::string& summary, const std::string& desktopFolder,
                              CPrompter& prompter, QWidget* parent);
