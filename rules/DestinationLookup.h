// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "core/CIStringMap.h"
#include "platform/FileFind.h"

// A destination folder as it stands on disk.
struct SDestinationFolder {
  // Existing names spelt as on disk, missing ones as asked; ends in a backslash.
  std::string path;
  // The first link to a folder on the way below the root (no trailing backslash), or empty.
  // Nothing below such a link is looked at, written or deleted: it leads out of the backup.
  std::string link;
  bool exists = false;  // the whole folder exists (and no link stands in the way)
};

// Finds existing destination folders and files whatever the letter case of their names, as
// the program compares names everywhere, also on a file system that tells spellings apart.
// The destination root is taken as it is (it may itself be a link); below it, a link to a
// folder is never passed through. Used by one thread.
class CDestinationLookup {
 public:
  // `root` ends in a backslash.
  explicit CDestinationLookup(std::string root);

  // `folder` is the root followed by names, ending in a backslash.
  const SDestinationFolder& Folder(const std::string& folder);

  // The entry of a name in a folder given as `Folder` spelt it, whatever the case of the
  // name on disk (its own spelling wins over others): its `name` is the one on disk.
  std::optional<platform::SFindData> Entry(const std::string& folder, std::string_view name);

  // Tells the lookup of changes the caller made in a folder, so that a listing it holds
  // stays true: a name taken (`name`) and a name given up (`gone`; either may be empty).
  void Changed(const std::string& folder, std::string_view name, std::string_view gone);
  // The caller has just made the folder (spelt as `Folder` spelt it): it holds nothing, and
  // lookups in it need not ask the disk.
  void Made(const std::string& folder);

  // How many folders were read from disk in full: each costs a look at every entry.
  size_t FoldersListed() const { return m_foldersListed; }

 private:
  using SListing = std::unordered_multimap<std::string, platform::SFindData,
                                           CMapCIStringToPtr::SHash, CMapCIStringToPtr::SEqual>;
  struct SHeld {
    SListing entries;
    std::list<std::string>::iterator use;  // its place in m_uses
  };
  const SListing& Listing(const std::string& folder);
  // Holds `listing` as the folder's, most recently used, dropping the least recently used
  // listings it needs room of.
  SListing& Hold(const std::string& folder, SListing listing);
  void Drop(const std::string& folder);
  void Add(SListing& listing, platform::SFindData entry);
  SDestinationFolder Resolve(const std::string& folder);

  std::string m_root;
  std::unordered_map<std::string, SDestinationFolder, CMapCIStringToPtr::SHash,
                     CMapCIStringToPtr::SEqual>
      m_folders;
  // The listings of folders whose names were looked up in full, kept true by the caller's
  // changes. Several are held, not just the last: a copy into an empty destination asks
  // for every new folder in its parent, and reading the parent again each time would make
  // a destination of many folders cost the square of their number.
  std::unordered_map<std::string, SHeld, CMapCIStringToPtr::SHash, CMapCIStringToPtr::SEqual>
      m_listings;
  std::list<std::string> m_uses;  // the held folders, the most recently used first
  size_t m_heldEntries = 0;
  size_t m_foldersListed = 0;
};

// The text of a copy, creation or deletion refused because its path leads through a link.
std::string LinkInTheWayText(const std::string& link);
