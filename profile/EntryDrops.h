// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "profile/ListCommands.h"

// Files and folders dropped from the file manager onto the settings pages' text boxes and
// lists.

enum class EDropKind { kFolder, kFile, kNothing };

struct SDroppedItem {
  std::string path;  // a shortcut or link replaced by its target
  EDropKind kind = EDropKind::kNothing;
};

// What a dropped path is, after a shortcut (.lnk, .desktop) or symbolic link has been
// replaced by its target; a shortcut that cannot be resolved is taken as it is.
SDroppedItem ExamineDroppedPath(std::string_view path);
std::vector<SDroppedItem> ExamineDroppedPaths(const std::vector<std::string>& paths);

// A drop on a text box: the text to put into it, or the message that refuses the drop.
struct SBoxDrop {
  std::string text;
  std::string message;
};
// A folder-path box takes the first item, which must be a folder.
SBoxDrop DropOnFolderBox(const std::vector<SDroppedItem>& items);
// The name-pattern box takes the name of the first item, which must be a file (a folder in
// tree-only copy mode).
SBoxDrop DropOnNameBox(const std::vector<SDroppedItem>& items, bool treeOnly);

// What a drop on a list did.
struct SDropCounts {
  size_t added = 0;
  size_t unsuitable = 0;       // not folders (or not files) as the list needs
  size_t listed = 0;           // already in the list
  std::vector<size_t> select;  // the rows added, and listed paths checked again
};
// Subfolders: each folder not yet listed, with the chosen tag.
SDropCounts DropOnSubfolders(std::vector<SDisplayEntry>& entries,
                             const std::vector<SDroppedItem>& items, EEntryTag tag,
                             std::string_view sourcePath, const FEntryLess& order);
// File/Folder Names: the name of each file (each folder in tree-only copy mode) as a pattern
// with the chosen tag; names of 256 characters or more are left out.
SDropCounts DropOnNames(std::vector<SDisplayEntry>& entries, const std::vector<SDroppedItem>& items,
                        EEntryTag tag, bool treeOnly, const FEntryLess& order);
// Paths: every path, or, when it is listed, its entry checked.
SDropCounts DropOnPaths(std::vector<SDisplayEntry>& entries, const std::vector<SDroppedItem>& items,
                        const FEntryLess& order);

// The message about the refused items; empty when nothing was refused.
std::string DropRefusal(EListKind kind, bool treeOnly, const SDropCounts& counts);
// The Confirm Drop Type question for a number of dropped items.
std::string DropTypeQuestion(size_t count);
