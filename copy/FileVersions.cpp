// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "copy/FileVersions.h"

#include <algorithm>

#include "platform/FileFind.h"
#include "platform/FileInfo.h"
#include "platform/FileOps.h"
#include "platform/TextUtil.h"
#include "preview/FolderTree.h"
#include "profile/SettingsState.h"
#include "rules/StringOrder.h"

namespace {

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// Whether a name found by the version pattern really is "<base> - Ver (<1 or 2 digits>)<ext>".
// The pattern alone cannot tell: "*" and "?" may stand in names here, and "?" takes any
// character, so another file's versions, or a user's own file, could match.
bool IsVersionName(std::string_view name, std::string_view base, std::string_view extension) {
  const std::string head = std::string(base) + " - Ver (";
  const std::string tail = ")" + std::string(extension);
  if (name.size() < head.size() + tail.size() + 1 || name.size() > head.size() + tail.size() + 2) {
    return false;
  }
  if (!platform::EqualsNoCase(name.substr(0, head.size()), head) ||
      !platform::EqualsNoCase(name.substr(name.size() - tail.size()), tail)) {
    return false;
  }
  const std::string_view digits = name.substr(head.size(), name.size() - head.size() - tail.size());
  return std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

bool VersionsApply(const CSettingsState& settings, uint64_t fileSize) {
  if (settings.disposeMode != kDisposeVersions) {
    return false;
  }
  const uint64_t limit = VersionSizeLimitBytes(settings.versionSizeLimit);
  return limit == 0 || fileSize <= limit;
}

uint64_t VersionSizeLimitBytes(int32_t choice) {
  constexpr uint64_t kMegabyte = 1048576;
  if (choice <= 0) {
    return 0;
  }
  if (choice == 1) {
    return kMegabyte;
  }
  return static_cast<uint64_t>(5 * choice - 5) * kMegabyte;
}

void CFileVersions::SetFolder(std::string_view versionsFolder) {
  m_folder = std::string(versionsFolder);
  if (m_folder.empty() || m_folder.back() != '\\') {
    m_folder.push_back('\\');
  }
}

void CFileVersions::Insert(SVersion version) {
  // Oldest first; equal times by name, numbers by value.
  const CStringANOrder order;
  const auto before = [&](const SVersion& a, const SVersion& b) {
    if (a.written.LinearDays() != b.written.LinearDays()) {
      return a.written.LinearDays() < b.written.LinearDays();
    }
    return order.Compare(a.name, b.name) < 0;
  };
  const auto place = std::upper_bound(m_versions.begin(), m_versions.end(), version, before);
  m_versions.insert(place, std::move(version));
}

void CFileVersions::Collect(std::string_view fileName) {
  m_versions.clear();
  m_ok = true;
  const size_t dot = fileName.find_last_of('.');
  m_base = std::string(dot == std::string_view::npos ? fileName : fileName.substr(0, dot));
  m_extension =
      std::string(dot == std::string_view::npos ? std::string_view() : fileName.substr(dot));
  // One search: the name test keeps the one- and two-digit numbers only.
  platform::CFindFile finder;
  if (!finder.FindFirst(m_folder + m_base + " - Ver (*)" + m_extension)) {
    return;
  }
  do {
    if (!finder.IsDirectory() && IsVersionName(finder.Data().name, m_base, m_extension)) {
      Insert(SVersion{finder.Data().name,
                      {},
                      platform::CDateTime::FromFileTime(finder.Data().lastWriteTime),
                      0});
    }
  } while (finder.FindNext());
}

void CFileVersions::Prune(int32_t limit) {
  if (limit < 1) {
    limit = 1;  // the page keeps the limit at 1 or more; never go below
  }
  if (static_cast<int32_t>(m_versions.size()) < limit) {
    return;
  }
  const size_t excess = m_versions.size() - static_cast<size_t>(limit) + 1;
  size_t deleted = 0;
  for (; deleted < excess; ++deleted) {
    const std::string path = m_folder + m_versions[deleted].name;
    platform::SetFileAttributes(path, platform::kAttrNormal);
    if (platform::DeleteFile(path) != platform::EError::kNone) {
      m_ok = false;
      break;
    }
  }
  m_versions.erase(m_versions.begin(), m_versions.begin() + static_cast<ptrdiff_t>(deleted));
}

std::string CFileVersions::Name(int number) const {
  return m_base + platform::Format(m_twoDigitFormat ? " - Ver (%02d)" : " - Ver (%d)", number) +
         m_extension;
}

void CFileVersions::Renumber() {
  m_twoDigitFormat = m_useTwoDigits && m_versions.size() >= 10;
  int number = 1;
  bool movedAside = false;
  for (SVersion& version : m_versions) {
    version.newName = Name(number++);
    if (platform::EqualsNoCase(version.newName, version.name)) {
      version.state = 1;
      continue;
    }
    const std::string from = m_folder + version.name;
    platform::SetFileAttributes(from, platform::kAttrNormal);
    if (platform::MoveFile(from, m_folder + version.newName) == platform::EError::kNone) {
      version.state = 1;
      continue;
    }
    // The new name still belongs to a later version: park this one under a temporary name.
    const auto temporary = platform::GetTempFileName(m_folder, "REN");
    if (!temporary || platform::DeleteFile(*temporary) != platform::EError::kNone ||
        platform::MoveFile(from, *temporary) != platform::EError::kNone) {
      m_ok = false;
      continue;
    }
    version.name = temporary->substr(m_folder.size());
    version.state = 2;
    movedAside = true;
  }
  m_result = Name(number);
  if (!movedAside) {
    return;
  }
  for (SVersion& version : m_versions) {
    if (version.state != 2) {
      continue;
    }
    if (platform::MoveFile(m_folder + version.name, m_folder + version.newName) !=
        platform::EError::kNone) {
      m_ok = false;
      return;
    }
    version.name = version.newName;
    version.state = 1;
  }
}

std::string CFileVersions::RenameToPath(std::string_view versionsFolder, std::string_view fileName,
                                        int32_t limit) {
  if (versionsFolder.empty()) {
    return {};
  }
  SetFolder(versionsFolder);
  Collect(fileName);
  Prune(limit);
  Renumber();
  return m_ok ? m_folder + m_result : std::string();
}

SAlterCounts AlterVersionFilenames(std::string_view destinationRoot, const bool* abort) {
  SAlterCounts counts;
  CFileSearch search(destinationRoot);
  std::string folder = search.Tree().RootPath();
  while (true) {
    std::vector<std::string> subfolders;
    if (search.FindInFolder(folder)) {
      do {
        CFileFindFixed& finder = search.Finder();
        // Links to folders are not followed: they may lead out of the destination or in a
        // circle.
        if (finder.IsDirectory() && !finder.IsDots() &&
            (finder.GetAttributes() & platform::kAttrReparsePoint) == 0) {
          search.Tree().AddChild(finder.GetFileName(), 1);
          if (platform::EqualsNoCase(finder.GetFileName(), "~Versions")) {
            subfolders.push_back(folder + finder.GetFileName() + "\\");
          }
        }
      } while (search.Finder().FindNextFile());
      search.Finder().Close();
    }
    for (const std::string& versions : subfolders) {
      platform::CFindFile finder;
      if (!finder.FindFirst(versions + "*Ver (0*")) {
        continue;
      }
      std::vector<std::string> names;
      do {
        if (!finder.IsDirectory()) {
          names.push_back(finder.Data().name);
        }
      } while (finder.FindNext());
      for (const std::string& name : names) {
        const std::string renamed = ReplaceAll(name, "Ver (0", "Ver (");
        const std::string path = versions + name;
        const uint32_t attributes = platform::GetFileAttributes(path);
        platform::SetFileAttributes(path, platform::kAttrNormal);
        if (renamed != name &&
            platform::MoveFile(path, versions + renamed) == platform::EError::kNone) {
          ++counts.renamed;
        } else {
          // A file that keeps its name keeps its flags too.
          if (attributes != platform::kInvalidAttributes) {
            platform::SetFileAttributes(path, attributes);
          }
          ++counts.notRenamed;
        }
      }
    }
    if ((abort != nullptr && *abort) || search.Tree().NextFolder(folder) == 0) {
      break;
    }
  }
  return counts;
}
