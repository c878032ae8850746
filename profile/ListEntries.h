// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The settings lists in their two forms. Stored: a check character ("0" unchecked, "1"
// checked, "2" indeterminate), a type character, then the text. Shown on the pages: a check
// state and a text that begins with one blank and a tag, such as " <include subs> C:\Src\A"
// or " <match> *.jpg".
enum class EListKind { kSubfolders, kNames, kPaths };

constexpr int kUnchecked = 0;
constexpr int kChecked = 1;
constexpr int kIndeterminate = 2;

struct SDisplayEntry {
  int check = kChecked;
  std::string text;
  bool operator==(const SDisplayEntry& other) const = default;
};

// The tags of the pages' lists.
inline constexpr std::string_view kTagIncludeSubs = "<include subs>";
inline constexpr std::string_view kTagIncludeOnly = "<include only>";
inline constexpr std::string_view kTagExclude = "<exclude>";
inline constexpr std::string_view kTagMatch = "<match>";
inline constexpr std::string_view kSourceFolderText = "<source folder>";
inline constexpr std::string_view kAllNamesText = "<all names>";

// The check state of a stored entry and the rest of it. A first character other than "0",
// "1" or "2" leaves the text whole and the entry checked.
int StoredCheck(std::string_view stored);
std::string_view StoredRest(std::string_view stored);

// One entry from stored to shown form and back. `sourcePath` names the source-folder entry
// of the Subfolders list.
SDisplayEntry StoredToDisplay(std::string_view stored, EListKind kind, std::string_view sourcePath);
std::string DisplayToStored(const SDisplayEntry& entry, EListKind kind,
                            std::string_view sourcePath);

// A list as the pages show it when a profile is loaded, with its invariants: the Subfolders
// list has exactly one source-folder entry, the File/Folder Names list exactly one
// all-names entry (each added at the front when missing).
std::vector<SDisplayEntry> LoadSubfolderEntries(const std::vector<std::string>& stored,
                                                std::string_view sourcePath);
std::vector<SDisplayEntry> LoadNameEntries(const std::vector<std::string>& stored);
std::vector<SDisplayEntry> LoadPathEntries(const std::vector<std::string>& stored);

// A shown list back to its stored form.
std::vector<std::string> StoreEntries(const std::vector<SDisplayEntry>& entries, EListKind kind,
                                      std::string_view sourcePath);

// Whether a shown entry is the source-folder entry or the all-names entry.
bool IsSourceFolderEntry(const SDisplayEntry& entry);
bool IsAllNamesEntry(const SDisplayEntry& entry);

// The order of a page's list over the shown texts: true when `a` sorts before `b`. The orders
// themselves belong to the rules; whoever builds the pages hands them in.
using FEntryLess = std::function<bool(std::string_view a, std::string_view b)>;
struct SPageListOrders {
  FEntryLess subfolders;
  FEntryLess names;
  FEntryLess paths;
};
// Sorts shown entries by their texts; entries that sort alike keep their order. Without an
// order the list stays as it is.
void SortEntries(std::vector<SDisplayEntry>& entries, const FEntryLess& less);

// Enters paths to exclude into the shown Paths list: for each, the entry " <path>" is checked
// when the list holds exactly that text, else added as a checked entry. Returns the text of
// the last path's entry (the list's caret entry afterwards); empty when no path was given.
std::string RememberPathEntries(std::vector<SDisplayEntry>& entries,
                                const std::vector<std::string>& paths);
