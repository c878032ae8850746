// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Prompter.h"
#include "profile/ListEntries.h"

// The commands of the Subfolders, File/Folder Names and Paths lists (Add, Edit, Remove, Undo,
// Check and Uncheck), as functions over the entries as the pages show them. A list is kept
// in its page's order; `selected` names rows of it.

// The tag an entry carries on its page.
enum class EEntryTag { kNone, kIncludeSubs, kIncludeOnly, kMatch, kExclude };

EEntryTag EntryTag(const SDisplayEntry& entry);
// The entry's own text: the path, name or pattern after its blank and tag.
std::string_view EntryText(const SDisplayEntry& entry);
// An entry as its page shows it (a Paths entry has no tag).
SDisplayEntry MakeEntry(EEntryTag tag, std::string_view text, int check = kChecked);
// Whether the entry stands for the source folder or for all names: such an entry is part of
// its list for good.
bool IsFixedEntry(const SDisplayEntry& entry);
bool IsIncludeTag(EEntryTag tag);

// What a command did: the message that refused it, or the rows to select afterwards (the
// first one becomes the caret).
struct SListOutcome {
  std::string message;
  EIcon icon = EIcon::kExclamation;
  bool changed = false;
  std::vector<size_t> select;

  bool Refused() const { return !message.empty(); }
};

// The Subfolders text as Add takes it: blanks trimmed at both ends, trailing backslashes
// dropped, and a bare drive ("C:") made its root ("C:\").
std::string SubfolderAddText(std::string_view typed);

// Add: the text box's entry, checked, replacing an entry of the same text whatever its tag
// (letter case ignored). The Paths list checks an equal entry instead of adding another.
SListOutcome AddSubfolderEntry(std::vector<SDisplayEntry>& entries, std::string_view typed,
                               EEntryTag tag, std::string_view sourcePath, const FEntryLess& order);
SListOutcome AddNameEntry(std::vector<SDisplayEntry>& entries, std::string_view typed,
                          EEntryTag tag, const FEntryLess& order);
SListOutcome AddPathEntry(std::vector<SDisplayEntry>& entries, std::string_view typed,
                          const FEntryLess& order);

// Edit: one selected entry leaves the list, and its text and tag go back into the text box.
struct STakenEntry {
  std::string text;
  EEntryTag tag = EEntryTag::kNone;
};
struct SEditStart {
  std::string message;               // the edit is refused
  std::string question;              // the source-folder entry: ask before switching it
  std::optional<STakenEntry> taken;  // removed from the list
};
SEditStart EditEntry(std::vector<SDisplayEntry>& entries, const std::vector<size_t>& selected,
                     EListKind kind);
// The source-folder entry switches between including its subfolders and not, keeping its
// check state. Returns its row.
size_t SwitchSourceEntry(std::vector<SDisplayEntry>& entries, const FEntryLess& order);

// Remove: the selected entries go into `undo`, replacing what it held. Nothing is removed
// when the source-folder or all-names entry is among them.
SListOutcome RemoveEntries(std::vector<SDisplayEntry>& entries, const std::vector<size_t>& selected,
                           EListKind kind, std::vector<SDisplayEntry>& undo);
// Undo: the removed entries come back with their check states, and the store empties. An
// entry whose text was listed again meanwhile stays as it is now.
SListOutcome UndoRemove(std::vector<SDisplayEntry>& entries, std::vector<SDisplayEntry>& undo,
                        const FEntryLess& order);

// The "Type:" choices of Check and Uncheck.
enum class ECheckType { kAll, kIncludes, kExcludes, kSelected };
std::vector<std::string_view> CheckTypeTexts(EListKind kind);
ECheckType CheckTypeAt(EListKind kind, int position);
// Checks or unchecks the entries the type chooses; true when a check state changed.
bool SetChecks(std::vector<SDisplayEntry>& entries, ECheckType type,
               const std::vector<size_t>& selected, bool check);

// The tooltips of Remove (the selected entries) and Undo (the entries it would restore).
std::string RemoveTooltip(size_t count);
std::string UndoTooltip(size_t count);

// Inserts an entry at its place in the list's order (at the end without an order); returns
// its row.
size_t InsertEntry(std::vector<SDisplayEntry>& entries, SDisplayEntry entry,
                   const FEntryLess& order);
// The row of the entry whose own text equals `text` (letter case ignored), leaving out the
// source-folder and all-names entries.
std::optional<size_t> FindEntry(const std::vector<SDisplayEntry>& entries, std::string_view text);
// The row of the source-folder or all-names entry.
std::optional<size_t> FindFixedEntry(const std::vector<SDisplayEntry>& entries);
