// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Types.h"

namespace platform {

struct SFindData {
  std::string name;  // the entry's own name
  uint32_t attributes = 0;
  uint64_t size = 0;  // whole 64-bit size; 0 for folders
  FileTime creationTime = 0;
  FileTime lastAccessTime = 0;
  FileTime lastWriteTime = 0;
};

// Find-first/find-next enumeration. The pattern is a Windows-form path whose last part may
// hold the wildcards * and ?, matched without regard to case ("C:\a\*.*" lists the folder
// C:\a). A last part without wildcards looks that single entry up.
//
// Entries that cannot be named in Windows form (a backslash in the name) are skipped with a
// debug line; so are devices, sockets, pipes and links that lead nowhere. Links are
// followed; a link to a folder carries kAttrReparsePoint beside kAttrDirectory.
class CFindFile {
 public:
  CFindFile();
  ~CFindFile();
  CFindFile(const CFindFile&) = delete;
  CFindFile& operator=(const CFindFile&) = delete;

  // Starts an enumeration; false (with `LastError`) when nothing matches.
  bool FindFirst(std::string_view pattern);
  // The next matching entry; false at the end.
  bool FindNext();
  void Close();

  const SFindData& Data() const { return m_data; }
  // The folder part of the pattern, ending in a backslash.
  const std::string& Folder() const { return m_folder; }
  bool IsDots() const { return m_data.name == "." || m_data.name == ".."; }
  bool IsDirectory() const { return (m_data.attributes & kAttrDirectory) != 0; }
  EError LastError() const { return m_error; }
  // Without the stored flags an entry's hidden, system and archive marks are not read (a
  // dot-name is still hidden, and every file counts as archive-marked): a listing that needs
  // only names, sizes, times and kinds saves a file-system call per entry.
  void SetReadStoredFlags(bool read) { m_readFlags = read; }

 private:
  struct SState;
  std::unique_ptr<SState> m_state;
  SFindData m_data;
  std::string m_folder;
  EError m_error = EError::kNone;
  bool m_readFlags = true;
};

// Windows wildcard match (* and ?), ignoring case; "*.*" matches every name.
bool WildcardMatch(std::string_view pattern, std::string_view name);

}  // namespace platform
