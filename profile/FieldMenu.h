// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <string>
#include <string_view>

// The right-click menu of the settings' text fields: which of its items can act on the field
// as it stands.
struct SFieldState {
  bool readOnly = false;
  bool canUndo = false;
  bool hasSelection = false;
  bool clipboardHasText = false;
  bool empty = true;
  bool allSelected = false;
};

struct SFieldMenuEnables {
  bool undo = false;
  bool cut = false;
  bool copy = false;
  bool paste = false;
  bool erase = false;  // "&Delete"
  bool selectAll = false;
};

SFieldMenuEnables FieldMenuEnables(const SFieldState& field);

// The folder that "&Open Folder" shows: the field's text trimmed of blanks when it names an
// existing folder, otherwise "C:\".
std::string FolderToOpen(std::string_view text);
