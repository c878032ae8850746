// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "rules/DestinationLookup.h"

#include "platform/NameCase.h"
#include "platform/TextUtil.h"

namespace {

bool HasWildcards(std::string_view name) {
  return name.find_first_of("*?") != std::string_view::npos;
}

bool IsFolder(const platform::SFindData& entry) {
  return (entry.attributes & platform::kAttrDirectory) != 0;
}

bool IsFolderLink(const platform::SFindData& entry) {
  return IsFolder(entry) && (entry.attributes & platform::kAttrReparsePoint) != 0;
}

template <typename Listing>
bool Holds(const Listing& listing, std::string_view name) {
  const auto [begin, end] = listing.equal_range(name);
  for (auto it = begin; it != end; ++it) {
    if (it->second.name == name) {
      return true;
    }
  }
  return false;
}

}  // namespace

std::string LinkInTheWayText(const std::string& link) {
  return platform::Format("The destination path passes through a link to a folder: \"%.259s\"",
                          link.c_str());
}

CDestinationLookup::CDestinationLookup(std::string root) : m_root(std::move(root)) {}

const SDestinationFolder& CDestinationLookup::Folder(const std::string& folder) {
  const auto known = m_folders.find(folder);
  if (known != m_folders.end()) {
    return known->second;
  }
  SDestinationFolder resolved = Resolve(folder);
  return m_folders.emplace(folder, std::move(resolved)).first->second;
}

SDestinationFolder CDestinationLookup::Resolve(const std::string& folder) {
  if (folder.size() <= m_root.size() || !platform::StartsWithNoCase(folder, m_root)) {
    // The root itself, or a folder that is not below it: taken as it is.
    return SDestinationFolder{folder, {}, true};
  }
  // The parent first (so each folder costs one lookup when its parent is known), then this
  // folder's own name in it.
  const size_t cut = folder.find_last_of('\\', folder.size() - 2);
  const std::string parentText = folder.substr(0, cut + 1);
  const std::string name = folder.substr(cut + 1, folder.size() - cut - 2);
  const SDestinationFolder parent = Folder(parentText);
  SDestinationFolder resolved{parent.path + name + "\\", parent.link, false};
  if (!parent.exists) {
    return resolved;
  }
  const auto entry = Entry(parent.path, name);
  if (!entry || !IsFolder(*entry)) {
    return resolved;
  }
  resolved.path = parent.path + entry->name + "\\";
  if (IsFolderLink(*entry)) {
    resolved.link = parent.path + entry->name;
    return resolved;
  }
  resolved.exists = true;
  return resolved;
}

std::optional<platform::SFindData> CDestinationLookup::Entry(const std::string& folder,
                                                             std::string_view name) {
  std::optional<platform::SFindData> exact;
  if (!HasWildcards(name) && !m_listings.contains(folder)) {
    // The name as asked: where no other spelling answers, a hit is the name on disk.
    platform::CFindFile finder;
    finder.SetReadStoredFlags(false);
    const std::string path = folder + std::string(name);
    if (finder.FindFirst(path)) {
      exact = finder.Data();
      if (!platform::OtherSpellingFound(path)) {
        return exact;
      }
    } else if (finder.LastError() == platform::EError::kPathNotFound) {
      return std::nullopt;  // no such folder: nothing in it
    }
  }
  // Another spelling, or a file system that folds case: the listing knows the name on disk.
  const SListing& listing = Listing(folder);
  const platform::SFindData* found = nullptr;
  const auto [begin, end] = listing.equal_range(name);
  for (auto it = begin; it != end; ++it) {
    if (it->second.name == name) {
      return it->second;
    }
    if (found == nullptr || it->second.name < found->name) {
      found = &it->second;
    }
  }
  if (found != nullptr) {
    return *found;
  }
  return exact;
}

const CDestinationLookup::SListing& CDestinationLookup::Listing(const std::string& folder) {
  if (const auto held = m_listings.find(folder); held != m_listings.end()) {
    m_uses.splice(m_uses.begin(), m_uses, held->second.use);
    return held->second.entries;
  }
  SListing listing;
  platform::CFindFile finder;
  finder.SetReadStoredFlags(false);  // names and kinds are all a lookup needs
  if (finder.FindFirst(folder + "*.*")) {
    do {
      if (!finder.IsDots()) {
        listing.emplace(finder.Data().name, finder.Data());
      }
    } while (finder.FindNext());
  }
  ++m_foldersListed;
  return Hold(folder, std::move(listing));
}

CDestinationLookup::SListing& CDestinationLookup::Hold(const std::string& folder,
                                                       SListing listing) {
  Drop(folder);
  // Bounded by entries, each folder counting as one more, not by folders: a parent stays
  // held while its small subfolders come and go, and a huge folder does not keep many
  // others in memory with it.
  constexpr size_t kMostHeldEntries = 100'000;
  while (!m_uses.empty() && m_heldEntries + listing.size() + 1 > kMostHeldEntries) {
    Drop(m_uses.back());
  }
  m_heldEntries += listing.size() + 1;
  m_uses.push_front(folder);
  SHeld& held = m_listings[folder];
  held.entries = std::move(listing);
  held.use = m_uses.begin();
  return held.entries;
}

void CDestinationLookup::Drop(const std::string& folder) {
  const auto held = m_listings.find(folder);
  if (held == m_listings.end()) {
    return;
  }
  m_heldEntries -= held->second.entries.size() + 1;
  m_uses.erase(held->second.use);
  m_listings.erase(held);
}

void CDestinationLookup::Add(SListing& listing, platform::SFindData entry) {
  if (!Holds(listing, entry.name)) {
    listing.emplace(entry.name, std::move(entry));
    ++m_heldEntries;
  }
}

void CDestinationLookup::Made(const std::string& folder) {
  Hold(folder, {});
  // Its parent, if held, now has it: lookups there skip the disk too.
  const size_t cut = folder.find_last_of('\\', folder.size() - 2);
  const auto parent = cut == std::string::npos || folder.size() <= m_root.size()
                          ? m_listings.end()
                          : m_listings.find(folder.substr(0, cut + 1));
  if (parent != m_listings.end()) {
    platform::SFindData entry;
    entry.name = folder.substr(cut + 1, folder.size() - cut - 2);
    entry.attributes = platform::kAttrDirectory;
    Add(parent->second.entries, std::move(entry));
  }
}

void CDestinationLookup::Changed(const std::string& folder, std::string_view name,
                                 std::string_view gone) {
  const auto held = m_listings.find(folder);
  if (held == m_listings.end()) {
    return;  // not held: the next lookup lists it afresh
  }
  SListing& listing = held->second.entries;
  if (!gone.empty()) {
    const auto [begin, end] = listing.equal_range(gone);
    for (auto it = begin; it != end; ++it) {
      if (it->second.name == gone) {
        listing.erase(it);
        --m_heldEntries;
        break;
      }
    }
  }
  if (!name.empty()) {
    platform::SFindData entry;
    entry.name = std::string(name);
    Add(listing, std::move(entry));
  }
}
