// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ListEntries.h"

#include <algorithm>
#include <unordered_map>

#include "platform/TextUtil.h"

namespace {

std::string Shown(std::string_view tag, std::string_view text) {
  std::string out = " ";
  out += tag;
  out += ' ';
  out += text;
  return out;
}

char CheckChar(int check) {
  return check == kUnchecked ? '0' : (check == kIndeterminate ? '2' : '1');
}

// The text after " <tag> " when the shown text begins with it.
bool AfterTag(std::string_view shown, std::string_view tag, std::string_view& rest) {
  std::string prefix = " ";
  prefix += tag;
  if (!shown.starts_with(prefix)) {
    return false;
  }
  rest = shown.substr(prefix.size());
  if (!rest.empty() && rest.front() == ' ') {
    rest.remove_prefix(1);
  }
  return true;
}

bool IsIncludeType(char type) {
  return type == '+' || type == '*';
}

}  // namespace

int StoredCheck(std::string_view stored) {
  if (stored.empty()) {
    return kChecked;
  }
  switch (stored.front()) {
    case '0':
      return kUnchecked;
    case '2':
      return kIndeterminate;
    default:
      return kChecked;
  }
}

std::string_view StoredRest(std::string_view stored) {
  if (!stored.empty() &&
      (stored.front() == '0' || stored.front() == '1' || stored.front() == '2')) {
    return stored.substr(1);
  }
  return stored;
}

SDisplayEntry StoredToDisplay(std::string_view stored, EListKind kind,
                              std::string_view sourcePath) {
  SDisplayEntry entry;
  entry.check = StoredCheck(stored);
  const std::string_view rest = StoredRest(stored);
  if (kind == EListKind::kPaths) {
    entry.text = " " + std::string(rest);
    return entry;
  }
  if (rest.empty()) {
    entry.text = std::string(rest);
    return entry;
  }
  const char type = rest.front();
  const std::string_view text = rest.substr(1);
  if (kind == EListKind::kSubfolders) {
    const bool source = IsIncludeType(type) && platform::EqualsNoCase(text, sourcePath);
    const std::string_view tag =
        type == '+' ? kTagIncludeSubs : (type == '*' ? kTagIncludeOnly : kTagExclude);
    entry.text = Shown(tag, source ? kSourceFolderText : text);
    return entry;
  }
  if (type == '+' && text == "*.*") {
    entry.text = Shown(kTagMatch, kAllNamesText);
  } else {
    entry.text = Shown(type == '+' ? kTagMatch : kTagExclude, text);
  }
  return entry;
}

std::string DisplayToStored(const SDisplayEntry& entry, EListKind kind,
                            std::string_view sourcePath) {
  std::string stored(1, CheckChar(entry.check));
  std::string_view rest;
  if (kind == EListKind::kPaths) {
    std::string_view text = entry.text;
    if (!text.empty() && text.front() == ' ') {
      text.remove_prefix(1);
    }
    return stored + std::string(text);
  }
  if (kind == EListKind::kSubfolders) {
    if (platform::EqualsNoCase(entry.text, Shown(kTagIncludeSubs, kSourceFolderText))) {
      return stored + '+' + std::string(sourcePath);
    }
    if (platform::EqualsNoCase(entry.text, Shown(kTagIncludeOnly, kSourceFolderText))) {
      return stored + '*' + std::string(sourcePath);
    }
    if (AfterTag(entry.text, kTagIncludeSubs, rest)) {
      return stored + '+' + std::string(rest);
    }
    if (AfterTag(entry.text, kTagIncludeOnly, rest)) {
      return stored + '*' + std::string(rest);
    }
    if (AfterTag(entry.text, kTagExclude, rest)) {
      return stored + '-' + std::string(rest);
    }
    return stored + entry.text;
  }
  if (entry.text == Shown(kTagMatch, kAllNamesText)) {
    return stored + "+*.*";
  }
  if (AfterTag(entry.text, kTagMatch, rest)) {
    return stored + '+' + std::string(rest);
  }
  if (AfterTag(entry.text, kTagExclude, rest)) {
    return stored + '-' + std::string(rest);
  }
  return stored + entry.text;
}

bool IsSourceFolderEntry(const SDisplayEntry& entry) {
  return platform::EqualsNoCase(entry.text, Shown(kTagIncludeSubs, kSourceFolderText)) ||
         platform::EqualsNoCase(entry.text, Shown(kTagIncludeOnly, kSourceFolderText));
}

bool IsAllNamesEntry(const SDisplayEntry& entry) {
  return entry.text == Shown(kTagMatch, kAllNamesText);
}

std::vector<SDisplayEntry> LoadSubfolderEntries(const std::vector<std::string>& stored,
                                                std::string_view sourcePath) {
  std::vector<SDisplayEntry> entries;
  bool haveSource = false;
  bool otherCheckedInclude = false;
  for (const std::string& item : stored) {
    if (item.size() < 3) {
      continue;
    }
    SDisplayEntry entry = StoredToDisplay(item, EListKind::kSubfolders, sourcePath);
    const std::string_view rest = StoredRest(item);
    const bool matchesSource = !rest.empty() && platform::EqualsNoCase(rest.substr(1), sourcePath);
    if (matchesSource) {
      if (haveSource) {
        continue;  // one source-folder entry only
      }
      if (!IsSourceFolderEntry(entry)) {
        // An exclude of the source folder itself can only mean the folder: keep it as the
        // source-folder entry with its subfolders.
        entry.text = Shown(kTagIncludeSubs, kSourceFolderText);
      }
      haveSource = true;
    } else if (entry.check == kChecked && !rest.empty() && IsIncludeType(rest.front())) {
      otherCheckedInclude = true;
    }
    entries.push_back(std::move(entry));
  }
  if (!haveSource) {
    entries.insert(entries.begin(), SDisplayEntry{otherCheckedInclude ? kUnchecked : kChecked,
                                                  Shown(kTagIncludeSubs, kSourceFolderText)});
  }
  return entries;
}

std::vector<SDisplayEntry> LoadNameEntries(const std::vector<std::string>& stored) {
  std::vector<SDisplayEntry> entries;
  bool haveAllNames = false;
  bool checkedMatch = false;
  for (const std::string& item : stored) {
    if (item.size() <= 2) {
      // Too short to carry a type: listed as it is.
      entries.push_back(SDisplayEntry{StoredCheck(item), std::string(StoredRest(item))});
      continue;
    }
    SDisplayEntry entry = StoredToDisplay(item, EListKind::kNames, {});
    if (IsAllNamesEntry(entry)) {
      if (haveAllNames) {
        continue;  // one all-names entry only
      }
      haveAllNames = true;
    } else if (entry.check == kChecked && StoredRest(item).front() == '+') {
      checkedMatch = true;
    }
    entries.push_back(std::move(entry));
  }
  if (!haveAllNames) {
    entries.insert(entries.begin(), SDisplayEntry{checkedMatch ? kUnchecked : kChecked,
                                                  Shown(kTagMatch, kAllNamesText)});
  }
  return entries;
}

std::vector<SDisplayEntry> LoadPathEntries(const std::vector<std::string>& stored) {
  std::vector<SDisplayEntry> entries;
  entries.reserve(stored.size());
  for (const std::string& item : stored) {
    entries.push_back(StoredToDisplay(item, EListKind::kPaths, {}));
  }
  return entries;
}

std::vector<std::string> StoreEntries(const std::vector<SDisplayEntry>& entries, EListKind kind,
                                      std::string_view sourcePath) {
  std::vector<std::string> stored;
  stored.reserve(entries.size());
  for (const SDisplayEntry& entry : entries) {
    stored.push_back(DisplayToStored(entry, kind, sourcePath));
  }
  return stored;
}

void SortEntries(std::vector<SDisplayEntry>& entries, const FEntryLess& less) {
  if (!less) {
    return;
  }
  std::stable_sort(
      entries.begin(), entries.end(),
      [&less](const SDisplayEntry& a, const SDisplayEntry& b) { return less(a.text, b.text); });
}

std::string RememberPathEntries(std::vector<SDisplayEntry>& entries,
                                const std::vector<std::string>& paths) {
  // Thousands of rows may be excluded at once: the texts are looked up, not searched for.
  std::unordered_map<std::string, size_t> positions;
  for (size_t i = 0; i < entries.size(); ++i) {
    positions.emplace(entries[i].text, i);
  }
  std::string text;
  for (const std::string& path : paths) {
    text = " " + path;
    const auto [at, added] = positions.emplace(text, entries.size());
    if (added) {
      entries.push_back({kChecked, text});
    } else {
      entries[at->second].check = kChecked;
    }
  }
  return text;
}
