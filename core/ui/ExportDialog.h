// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <string>

class CPrompter;
class QWidget;

// The save window of a text export, opened in the desktop folder. A file that exists is asked
// about through the program's own question, whose No returns to the window. The chosen file
// as a drive-letter path; as chosen when no drive holds it (opening it then fails and says
// so); empty when the user cancels.
std::string AskExportPath(QWidget* parent, const std::string& desktopFolder, CPrompter& prompter);
