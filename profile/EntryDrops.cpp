// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/EntryDrops.h"

#include "core/PathText.h"
#include "platform/FileInfo.h"
#include "platform/Shell.h"
#include "platform/TextUtil.h"
#include "platform/Types.h"

namespace {

// Names this long do not fit the pattern box.
constexpr size_t kMaxDroppedName = 255;

// The rows of the texts just added (or checked), once every insertion is done.
std::vector<size_t> RowsOf(const std::vector<SDisplayEntry>& entries,
                           const std::vector<std::string>& texts) {
  std::vector<size_t> rows;
  for (const std::string& text : texts) {
    if (const std::optional<size_t> row = FindEntry(entries, text)) {
      rows.push_back(*row);
    }
  }
  return rows;
}

std::string Refused(std::string_view reasons, size_t refused) {
  const char* s = refused == 1 ? "" : "s";
  return platform::Format("Dragged item%s could not be accepted for the following reason%s:\n", s,
                          s) +
         std::string(reasons);
}

}  // namespace

SDroppedItem ExamineDroppedPath(std::string_view path) {
  SDroppedItem item;
  item.path = std::string(path);
  if (const std::optional<std::string> target = platform::ResolveShortcut(path)) {
    item.path = *target;
  }
  const uint32_t attributes = platform::GetFileAttributes(item.path);
  if (attributes == platform::kInvalidAttributes) {
    item.kind = EDropKind::kNothing;
  } else if ((attributes & platform::kAttrDirectory) != 0) {
    item.kind = EDropKind::kFolder;
  } else {
    item.kind = EDropKind::kFile;
  }
  return item;
}

std::vector<SDroppedItem> ExamineDroppedPaths(const std::vector<std::string>& paths) {
  std::vector<SDroppedItem> items;
  items.reserve(paths.size());
  for (const std::string& path : paths) {
    items.push_back(ExamineDroppedPath(path));
  }
  return items;
}

SBoxDrop DropOnFolderBox(const std::vector<SDroppedItem>& items) {
  SBoxDrop drop;
  if (items.empty()) {
    return drop;
  }
  const SDroppedItem& first = items.front();
  if (first.kind == EDropKind::kFolder) {
    drop.text = first.path;
  } else {
    drop.message = platform::Format("\"%.259s\" is not a folder path.", first.path.c_str());
  }
  return drop;
}

SBoxDrop DropOnNameBox(const std::vector<SDroppedItem>& items, bool treeOnly) {
  SBoxDrop drop;
  if (items.empty()) {
    return drop;
  }
  const SDroppedItem& first = items.front();
  if (first.kind == (treeOnly ? EDropKind::kFolder : EDropKind::kFile)) {
    drop.text = std::string(LastName(first.path));
  } else {
    drop.message = platform::Format(
        treeOnly ? "\"%.259s\" is not a folder." : "\"%.259s\" is not a file.", first.path.c_str());
  }
  return drop;
}

SDropCounts DropOnSubfolders(std::vector<SDisplayEntry>& entries,
                             const std::vector<SDroppedItem>& items, EEntryTag tag,
                             std::string_view sourcePath, const FEntryLess& order) {
  SDropCounts counts;
  const std::string source = SubfolderAddText(sourcePath);
  std::vector<std::string> added;
  for (const SDroppedItem& item : items) {
    if (item.kind != EDropKind::kFolder) {
      ++counts.unsuitable;
      continue;
    }
    const std::string text = SubfolderAddText(item.path);
    if ((!source.empty() && platform::EqualsNoCase(text, source)) || FindEntry(entries, text)) {
      ++counts.listed;
      continue;
    }
    InsertEntry(entries, MakeEntry(tag, text), order);
    added.push_back(text);
    ++counts.added;
  }
  counts.select = RowsOf(entries, added);
  return counts;
}

SDropCounts DropOnNames(std::vector<SDisplayEntry>& entries, const std::vector<SDroppedItem>& items,
                        EEntryTag tag, bool treeOnly, const FEntryLess& order) {
  SDropCounts counts;
  const EDropKind wanted = treeOnly ? EDropKind::kFolder : EDropKind::kFile;
  std::vector<std::string> added;
  for (const SDroppedItem& item : items) {
    if (item.kind != wanted) {
      ++counts.unsuitable;
      continue;
    }
    const std::string_view name = LastName(item.path);
    if (name.empty() || name.size() > kMaxDroppedName) {
      continue;
    }
    // "*" and "*.*" are what the all-names entry stands for.
    if (name == "*" || name == "*.*" || FindEntry(entries, name)) {
      ++counts.listed;
      continue;
    }
    InsertEntry(entries, MakeEntry(tag, name), order);
    added.emplace_back(name);
    ++counts.added;
  }
  counts.select = RowsOf(entries, added);
  return counts;
}

SDropCounts DropOnPaths(std::vector<SDisplayEntry>& entries, const std::vector<SDroppedItem>& items,
                        const FEntryLess& order) {
  SDropCounts counts;
  std::vector<std::string> touched;
  for (const SDroppedItem& item : items) {
    if (item.path.empty()) {
      continue;
    }
    if (const std::optional<size_t> row = FindEntry(entries, item.path)) {
      entries[*row].check = kChecked;
      ++counts.listed;
    } else {
      InsertEntry(entries, MakeEntry(EEntryTag::kNone, item.path), order);
      ++counts.added;
    }
    touched.push_back(item.path);
  }
  counts.select = RowsOf(entries, touched);
  return counts;
}

std::string DropRefusal(EListKind kind, bool treeOnly, const SDropCounts& counts) {
  const size_t refused = counts.unsuitable + counts.listed;
  if (refused == 0) {
    return {};
  }
  std::string reasons;
  switch (kind) {
    case EListKind::kSubfolders:
      reasons = platform::Format("Not folders:\t%zu\nAlready in list:\t%zu", counts.unsuitable,
                                 counts.listed);
      break;
    case EListKind::kNames:
      reasons = platform::Format(treeOnly ? "Not folders:\t%zu\nAlready in list:\t%zu"
                                          : "Not files:\t\t%zu\nAlready in list:\t%zu",
                                 counts.unsuitable, counts.listed);
      break;
    case EListKind::kPaths:
      reasons = platform::Format("Already in list:\t%zu", counts.listed);
      break;
  }
  return Refused(reasons, refused);
}

std::string DropTypeQuestion(size_t count) {
  return count == 1 ? "How do you want dropped item to be placed into the list?"
                    : "How do you want dropped items to be placed into the list?";
}
