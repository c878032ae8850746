// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ListCommands.h"

#include <algorithm>
#include <array>

#include "core/FormatItem.h"
#include "platform/TextUtil.h"

namespace {

struct STagForm {
  EEntryTag tag;
  std::string_view text;
};

constexpr std::array<STagForm, 4> kTags = {{
    {EEntryTag::kIncludeSubs, kTagIncludeSubs},
    {EEntryTag::kIncludeOnly, kTagIncludeOnly},
    {EEntryTag::kMatch, kTagMatch},
    {EEntryTag::kExclude, kTagExclude},
}};

std::string_view TagText(EEntryTag tag) {
  for (const STagForm& form : kTags) {
    if (form.tag == tag) {
      return form.text;
    }
  }
  return {};
}

// " <tag>" followed by the end or a blank.
bool HasTag(std::string_view shown, std::string_view tag) {
  if (shown.size() < tag.size() + 1 || shown.front() != ' ' || shown.substr(1, tag.size()) != tag) {
    return false;
  }
  return shown.size() == tag.size() + 1 || shown[tag.size() + 1] == ' ';
}

bool IsBareDrive(std::string_view text) {
  return text.size() == 2 && text[1] == ':' &&
         ((text[0] >= 'A' && text[0] <= 'Z') || (text[0] >= 'a' && text[0] <= 'z'));
}

bool Contains(const std::vector<size_t>& rows, size_t row) {
  return std::find(rows.begin(), rows.end(), row) != rows.end();
}

SListOutcome Refusal(std::string message, EIcon icon = EIcon::kExclamation) {
  SListOutcome outcome;
  outcome.message = std::move(message);
  outcome.icon = icon;
  return outcome;
}

// Puts the new entry in, in place of one with the same text whatever its tag.
SListOutcome Replace(std::vector<SDisplayEntry>& entries, EEntryTag tag, std::string_view text,
                     const FEntryLess& order) {
  if (const std::optional<size_t> same = FindEntry(entries, text)) {
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(*same));
  }
  SListOutcome outcome;
  outcome.changed = true;
  outcome.select.push_back(InsertEntry(entries, MakeEntry(tag, text), order));
  return outcome;
}

const char* PluralS(size_t count) {
  return PluralSuffix(static_cast<int64_t>(count));
}

}  // namespace

EEntryTag EntryTag(const SDisplayEntry& entry) {
  for (const STagForm& form : kTags) {
    if (HasTag(entry.text, form.text)) {
      return form.tag;
    }
  }
  return EEntryTag::kNone;
}

std::string_view EntryText(const SDisplayEntry& entry) {
  std::string_view text = entry.text;
  const std::string_view tag = TagText(EntryTag(entry));
  if (!tag.empty()) {
    text.remove_prefix(std::min(text.size(), tag.size() + 2));
  } else if (!text.empty() && text.front() == ' ') {
    text.remove_prefix(1);
  }
  return text;
}

SDisplayEntry MakeEntry(EEntryTag tag, std::string_view text, int check) {
  SDisplayEntry entry;
  entry.check = check;
  entry.text = " ";
  if (tag != EEntryTag::kNone) {
    entry.text += TagText(tag);
    entry.text += ' ';
  }
  entry.text += text;
  return entry;
}

bool IsFixedEntry(const SDisplayEntry& entry) {
  return IsSourceFolderEntry(entry) || IsAllNamesEntry(entry);
}

bool IsIncludeTag(EEntryTag tag) {
  return tag == EEntryTag::kIncludeSubs || tag == EEntryTag::kIncludeOnly;
}

std::string SubfolderAddText(std::string_view typed) {
  std::string_view text = platform::Trim(typed);
  while (!text.empty() && text.back() == '\\') {
    text.remove_suffix(1);
  }
  std::string result(text);
  if (IsBareDrive(result)) {
    result += '\\';
  }
  return result;
}

SListOutcome AddSubfolderEntry(std::vector<SDisplayEntry>& entries, std::string_view typed,
                               EEntryTag tag, std::string_view sourcePath,
                               const FEntryLess& order) {
  const bool include = IsIncludeTag(tag);
  const std::string text = SubfolderAddText(typed);
  if (text.empty()) {
    return Refusal(include ? "Please enter a folder path."
                           : "Please enter a folder path, name or pattern.");
  }
  if (include && (text.size() < 2 || (text[1] != ':' && text[1] != '\\'))) {
    return Refusal("When including subfolders, enter a folder path.");
  }
  if (include && text.find_first_of("?*") != std::string::npos) {
    return Refusal(
        "When including subfolders, enter a path that does not include wildcards (\"?\" or "
        "\"*\").");
  }
  const std::string source = SubfolderAddText(sourcePath);
  if (!source.empty() && platform::EqualsNoCase(text, source)) {
    return Refusal(
        "You may not add the source folder.  This folder is covered by the \"<source folder>\" "
        "entry.");
  }
  return Replace(entries, tag, text, order);
}

SListOutcome AddNameEntry(std::vector<SDisplayEntry>& entries, std::string_view typed,
                          EEntryTag tag, const FEntryLess& order) {
  const std::string_view text = platform::Trim(typed);
  if (text.empty()) {
    return Refusal("Please enter a name pattern.");
  }
  if (text == "*.*" || text == "*") {
    return Refusal(
        "You may not add \"*.*\" or \"*\".  These patterns are covered by the \"<match> <all "
        "names>\" entry.");
  }
  return Replace(entries, tag, text, order);
}

SListOutcome AddPathEntry(std::vector<SDisplayEntry>& entries, std::string_view typed,
                          const FEntryLess& order) {
  const std::string_view text = platform::Trim(typed);
  if (text.empty()) {
    return Refusal("Please enter a file or folder path.", EIcon::kStop);
  }
  SListOutcome outcome;
  outcome.changed = true;
  if (const std::optional<size_t> same = FindEntry(entries, text)) {
    outcome.changed = entries[*same].check != kChecked;
    entries[*same].check = kChecked;
    outcome.select.push_back(*same);
    return outcome;
  }
  outcome.select.push_back(InsertEntry(entries, MakeEntry(EEntryTag::kNone, text), order));
  return outcome;
}

SEditStart EditEntry(std::vector<SDisplayEntry>& entries, const std::vector<size_t>& selected,
                     EListKind kind) {
  SEditStart start;
  if (selected.size() != 1 || selected.front() >= entries.size()) {
    start.message = kind == EListKind::kSubfolders ? "Please select a single folder entry."
                    : kind == EListKind::kNames
                        ? "Please select a single file or folder name pattern."
                        : "Please select a single path.";
    return start;
  }
  const size_t row = selected.front();
  const SDisplayEntry& entry = entries[row];
  if (kind == EListKind::kSubfolders && IsSourceFolderEntry(entry)) {
    const bool withSubfolders = EntryTag(entry) == EEntryTag::kIncludeSubs;
    start.question = platform::Format("Do you want to turn %s including subfolders?",
                                      withSubfolders ? "off" : "on");
    return start;
  }
  if (kind == EListKind::kNames && IsAllNamesEntry(entry)) {
    start.message = "You may not edit the \"<match> <all names>\" entry.";
    return start;
  }
  start.taken = STakenEntry{std::string(EntryText(entry)), EntryTag(entry)};
  entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(row));
  return start;
}

size_t SwitchSourceEntry(std::vector<SDisplayEntry>& entries, const FEntryLess& order) {
  const std::optional<size_t> row = FindFixedEntry(entries);
  if (!row) {
    return 0;
  }
  const SDisplayEntry old = entries[*row];
  const EEntryTag tag =
      EntryTag(old) == EEntryTag::kIncludeSubs ? EEntryTag::kIncludeOnly : EEntryTag::kIncludeSubs;
  entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(*row));
  return InsertEntry(entries, MakeEntry(tag, kSourceFolderText, old.check), order);
}

SListOutcome RemoveEntries(std::vector<SDisplayEntry>& entries, const std::vector<size_t>& selected,
                           EListKind kind, std::vector<SDisplayEntry>& undo) {
  std::vector<size_t> rows;
  for (const size_t row : selected) {
    if (row < entries.size() && !Contains(rows, row)) {
      rows.push_back(row);
    }
  }
  if (rows.empty()) {
    return {};
  }
  for (const size_t row : rows) {
    if (IsFixedEntry(entries[row])) {
      return Refusal(kind == EListKind::kNames
                         ? "You may not remove the \"<match> <all names>\" entry."
                         : "You may not remove the \"<source folder>\" entry.");
    }
  }
  std::sort(rows.begin(), rows.end());
  std::vector<SDisplayEntry> removed;
  removed.reserve(rows.size());
  for (const size_t row : rows) {
    removed.push_back(entries[row]);
  }
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(*row));
  }
  undo = std::move(removed);
  SListOutcome outcome;
  outcome.changed = true;
  return outcome;
}

SListOutcome UndoRemove(std::vector<SDisplayEntry>& entries, std::vector<SDisplayEntry>& undo,
                        const FEntryLess& order) {
  std::vector<std::string> restored;
  for (SDisplayEntry& entry : undo) {
    if (IsFixedEntry(entry) || FindEntry(entries, EntryText(entry))) {
      continue;
    }
    restored.emplace_back(EntryText(entry));
    InsertEntry(entries, std::move(entry), order);
  }
  undo.clear();
  SListOutcome outcome;
  outcome.changed = !restored.empty();
  for (const std::string& text : restored) {
    if (const std::optional<size_t> row = FindEntry(entries, text)) {
      outcome.select.push_back(*row);
    }
  }
  return outcome;
}

std::vector<std::string_view> CheckTypeTexts(EListKind kind) {
  switch (kind) {
    case EListKind::kSubfolders:
      return {"All", "Includes", "Excludes", "Selected"};
    case EListKind::kNames:
      return {"All", "Matches", "Excludes", "Selected"};
    case EListKind::kPaths:
      break;
  }
  return {"All", "Selected"};
}

ECheckType CheckTypeAt(EListKind kind, int position) {
  if (kind == EListKind::kPaths) {
    return position == 1 ? ECheckType::kSelected : ECheckType::kAll;
  }
  switch (position) {
    case 1:
      return ECheckType::kIncludes;
    case 2:
      return ECheckType::kExcludes;
    case 3:
      return ECheckType::kSelected;
    default:
      return ECheckType::kAll;
  }
}

bool SetChecks(std::vector<SDisplayEntry>& entries, ECheckType type,
               const std::vector<size_t>& selected, bool check) {
  bool changed = false;
  const int state = check ? kChecked : kUnchecked;
  for (size_t row = 0; row < entries.size(); ++row) {
    SDisplayEntry& entry = entries[row];
    const EEntryTag tag = EntryTag(entry);
    bool chosen = false;
    switch (type) {
      case ECheckType::kAll:
        chosen = true;
        break;
      case ECheckType::kIncludes:
        chosen = IsIncludeTag(tag) || tag == EEntryTag::kMatch;
        break;
      case ECheckType::kExcludes:
        chosen = tag == EEntryTag::kExclude;
        break;
      case ECheckType::kSelected:
        chosen = Contains(selected, row);
        break;
    }
    if (chosen && entry.check != state) {
      entry.check = state;
      changed = true;
    }
  }
  return changed;
}

std::string RemoveTooltip(size_t count) {
  return platform::Format("Remove %zu item%s.", count, PluralS(count));
}

std::string UndoTooltip(size_t count) {
  return platform::Format("Undo remove of %zu item%s.", count, PluralS(count));
}

size_t InsertEntry(std::vector<SDisplayEntry>& entries, SDisplayEntry entry,
                   const FEntryLess& order) {
  if (!order) {
    entries.push_back(std::move(entry));
    return entries.size() - 1;
  }
  const auto place = std::upper_bound(
      entries.begin(), entries.end(), entry,
      [&order](const SDisplayEntry& a, const SDisplayEntry& b) { return order(a.text, b.text); });
  const auto row = place - entries.begin();
  entries.insert(place, std::move(entry));
  return static_cast<size_t>(row);
}

std::optional<size_t> FindEntry(const std::vector<SDisplayEntry>& entries, std::string_view text) {
  for (size_t row = 0; row < entries.size(); ++row) {
    if (!IsFixedEntry(entries[row]) && platform::EqualsNoCase(EntryText(entries[row]), text)) {
      return row;
    }
  }
  return std::nullopt;
}

std::optional<size_t> FindFixedEntry(const std::vector<SDisplayEntry>& entries) {
  for (size_t row = 0; row < entries.size(); ++row) {
    if (IsFixedEntry(entries[row])) {
      return row;
    }
  }
  return std::nullopt;
}
