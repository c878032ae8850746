// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/FolderCommands.h"

#include <algorithm>

#include "core/FolderPaths.h"
#include "core/PathText.h"
#include "platform/FileFind.h"
#include "platform/TextUtil.h"
#include "platform/Types.h"

namespace {

constexpr size_t kMaxPath = 259;

bool HasColonSecond(std::string_view path) {
  return path.size() >= 2 && path[1] == ':';
}

char Upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool OnDrive(std::string_view path, char drive) {
  return HasColonSecond(path) && Upper(path[0]) == Upper(drive);
}

bool NameLess(const std::string& a, const std::string& b) {
  return platform::CompareNoCase(a, b) < 0;
}

bool Listed(const std::vector<std::string>& list, std::string_view path) {
  return std::any_of(list.begin(), list.end(), [path](const std::string& listed) {
    return platform::EqualsNoCase(listed, path);
  });
}

}  // namespace

SAppendOutcome AppendToDestination(std::string_view source, std::string_view selected,
                                   std::string_view destination) {
  SAppendOutcome outcome;
  if (!HasColonSecond(source)) {
    outcome.message = "The source path must have a colon as its second character.";
    return outcome;
  }
  const std::string_view part = selected.empty() ? source.substr(2) : selected;
  if (part.find_first_not_of('\\') == std::string_view::npos) {
    outcome.message = "There is nothing to append to the destination path.";
    outcome.icon = EIcon::kInformation;
    return outcome;
  }
  if (!HasColonSecond(destination)) {
    outcome.message = "The destination path must have a colon as its second character.";
    return outcome;
  }
  std::string path(destination);
  const bool endsWithSeparator = path.back() == '\\';
  const bool startsWithSeparator = part.front() == '\\';
  if (endsWithSeparator && startsWithSeparator) {
    path.pop_back();
  } else if (!endsWithSeparator && !startsWithSeparator) {
    path += '\\';
  }
  path += part;
  if (path.size() > kMaxPath) {
    outcome.message =
        "The resulting destination path is too long.  It may not exceed 259 characters.";
    return outcome;
  }
  outcome.question = "Is the following destination path what you intend?\n" + path;
  outcome.path = std::move(path);
  return outcome;
}

std::string ChangeDrivesRefusal(std::string_view source, std::string_view destination) {
  for (const auto& [path, name] :
       {std::pair{source, "source"}, std::pair{destination, "destination"}}) {
    if (path.size() < 3 || path[1] != ':') {
      return platform::Format("Please enter a %s path.", name);
    }
  }
  return {};
}

std::string WithDriveLetter(std::string_view path, char letter) {
  std::string moved(path);
  if (!moved.empty()) {
    moved[0] = Upper(letter);
  }
  return moved;
}

bool MoveEntriesToDrive(std::vector<SDisplayEntry>& entries, char from, char to,
                        const FEntryLess& order) {
  if (Upper(from) == Upper(to)) {
    return false;
  }
  std::vector<SDisplayEntry> moved;
  for (auto entry = entries.begin(); entry != entries.end();) {
    // Only a drive path moves: an exclude such as "Cache" merely begins with the letter.
    if (!IsFixedEntry(*entry) && OnDrive(EntryText(*entry), from)) {
      moved.push_back(
          MakeEntry(EntryTag(*entry), WithDriveLetter(EntryText(*entry), to), entry->check));
      entry = entries.erase(entry);
    } else {
      ++entry;
    }
  }
  for (SDisplayEntry& entry : moved) {
    if (const std::optional<size_t> same = FindEntry(entries, EntryText(entry))) {
      entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(*same));
    }
    InsertEntry(entries, std::move(entry), order);
  }
  return !moved.empty();
}

SGathered GatherSubfolders(std::string_view typed) {
  SGathered gathered;
  const std::string_view text = platform::Trim(typed);
  if (text.empty()) {
    gathered.message = "Please enter a source or source-subfolder path.";
    return gathered;
  }
  const std::string folder = SubfolderAddText(text);
  if (!IsExistingFolder(folder)) {
    gathered.message =
        platform::Format("\"%.259s\" is not a folder path.  Please try again.", folder.c_str());
    return gathered;
  }
  const std::string prefix = WithBackslash(folder);
  platform::CFindFile find;
  find.SetReadStoredFlags(false);
  if (find.FindFirst(prefix + "*")) {
    do {
      const platform::SFindData& data = find.Data();
      if (find.IsDots() || !find.IsDirectory() ||
          (data.attributes & platform::kAttrReparsePoint) != 0) {
        continue;
      }
      const std::string path = prefix + data.name;
      if (path.size() <= kMaxPath) {
        gathered.folders.push_back(path);
      }
    } while (find.FindNext());
  }
  std::sort(gathered.folders.begin(), gathered.folders.end(), NameLess);
  return gathered;
}

void AppendGathered(std::vector<std::string>& list, const std::vector<std::string>& gathered) {
  for (const std::string& path : gathered) {
    if (!Listed(list, path)) {
      list.push_back(path);
    }
  }
}

SAddSetOutcome AddSetToSubfolders(std::vector<SDisplayEntry>& entries,
                                  const std::vector<std::string>& paths, EEntryTag tag,
                                  std::string_view sourcePath, const FEntryLess& order) {
  SAddSetOutcome outcome;
  const std::string source = SubfolderAddText(sourcePath);
  std::vector<std::string> added;
  bool selectSource = false;
  size_t listed = 0;
  for (const std::string& path : paths) {
    const std::string text = SubfolderAddText(path);
    if (!IsExistingFolder(text)) {
      continue;
    }
    if (!source.empty() && platform::EqualsNoCase(text, source)) {
      selectSource = true;
      continue;
    }
    if (FindEntry(entries, text)) {
      ++listed;
      continue;
    }
    InsertEntry(entries, MakeEntry(tag, text), order);
    added.push_back(text);
  }
  outcome.changed = !added.empty();
  for (const std::string& text : added) {
    if (const std::optional<size_t> row = FindEntry(entries, text)) {
      outcome.select.push_back(*row);
    }
  }
  if (selectSource) {
    if (const std::optional<size_t> row = FindFixedEntry(entries)) {
      outcome.select.push_back(*row);
    }
  }
  if (listed > 0) {
    outcome.message = platform::Format(
        "Certain items could not be accepted for the following reason:\nAlready in list: %zu",
        listed);
  }
  return outcome;
}

std::string SavedFolderEntry(std::string_view path, std::string_view label) {
  if (label.empty()) {
    return std::string(path);
  }
  return "<" + std::string(label) + "> " + std::string(path);
}

SSavedFolder SplitSavedFolder(std::string_view entry) {
  SSavedFolder folder;
  const size_t close = entry.find("> ");
  if (!entry.starts_with('<') || close == std::string_view::npos) {
    folder.path = std::string(entry);
    return folder;
  }
  folder.label = std::string(entry.substr(1, close - 1));
  folder.path = std::string(entry.substr(close + 2));
  return folder;
}
