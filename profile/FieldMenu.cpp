// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/FieldMenu.h"

#include "core/FolderPaths.h"
#include "platform/TextUtil.h"

SFieldMenuEnables FieldMenuEnables(const SFieldState& field) {
  SFieldMenuEnables enables;
  enables.undo = field.canUndo && !field.readOnly;
  enables.copy = field.hasSelection;
  enables.cut = field.hasSelection && !field.readOnly;
  enables.erase = enables.cut;
  enables.paste = field.clipboardHasText && !field.readOnly;
  enables.selectAll = !field.empty && !field.allSelected;
  return enables;
}

std::string FolderToOpen(std::string_view text) {
  const std::string_view folder = platform::Trim(text);
  if (IsExistingFolder(folder)) {
    return std::string(folder);
  }
  return "C:\\";
}
