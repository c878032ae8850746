// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/FileInfo.h"
#include "platform/Types.h"

struct statx;

namespace platform {

enum class EAccess { kRead, kWrite, kReadWrite };
// kOthersMayRead: others may open the file to read but not to write; kNoSharing: nobody else
// may open it. Kept among the program's own handles (and other programs that lock), so a
// file locked elsewhere counts as in use.
enum class EShare { kOthersMayRead, kNoSharing };
enum class ECreate {
  kOpenExisting,  // fail when missing
  kCreateAlways,  // create or truncate
  kCreateNew,     // fail when it exists
  kOpenAlways,    // open or create
};

// An open file. Reads and writes work at the current position.
class CFile {
 public:
  CFile() = default;
  ~CFile();
  CFile(const CFile&) = delete;
  CFile& operator=(const CFile&) = delete;
  CFile(CFile&& other) noexcept;
  CFile& operator=(CFile&& other) noexcept;

  EError Open(std::string_view path, EAccess access, EShare share,
              ECreate create = ECreate::kOpenExisting);
  // Creates and opens "<prefix><4 hex digits>.tmp" (prefix cut to 3 characters), a name that
  // did not exist in `folder`, for writing; `path` names it. Nobody else can know the name,
  // so it needs no sharing lock.
  EError CreateTemporary(std::string_view folder, std::string_view prefix, std::string& path);
  // Creates and opens a file that has no name yet in `folder`, for writing, where the file
  // system offers that (kNotSupported where it does not). Nothing of it can be seen until
  // `LinkAs` names it, and closed unnamed it is gone, also when the program is killed.
  EError CreateUnnamed(std::string_view folder);
  // Gives a file made by CreateUnnamed the name `path`; fails when that name is taken.
  EError LinkAs(std::string_view path);
  // Takes the name `path` away from the open file again, but only while it still names this
  // very file (kFileNotFound when it no longer does).
  EError Unlink(std::string_view path);
  // Gives the open file the attributes, as SetFileAttributes does by path; `name` is the
  // name it has or will have (a dot-name is hidden by its name alone).
  EError SetAttributes(uint32_t attributes, std::string_view name);
  bool IsOpen() const { return m_fd >= 0; }
  void Close();

  // Reads up to `size` bytes; `done` is 0 at the end of the file.
  EError Read(void* buffer, size_t size, size_t& done);
  // Writes all `size` bytes unless it fails; `done` tells how many were written.
  EError Write(const void* buffer, size_t size, size_t& done);
  // Moves up to `size` bytes from `source`'s position to this file's position, inside the
  // kernel where it can, else through `buffer` (which must hold `size` bytes). `done` is 0
  // at the end of the source. A failed write reports kDiskFull or kIoError, a failed read
  // kIoError with `readFailed` set.
  EError CopyFrom(CFile& source, void* buffer, size_t size, size_t& done, bool& readFailed);

  std::optional<uint64_t> Size() const;
  // The file as it stood when it was opened: its size and times come from the one status
  // call that the open makes, and its attributes (with the stored flags read through the
  // open handle) on the first call. A copy needs no further look at its source. Empty for a
  // file made by CreateTemporary.
  const SFileInfo& Info();
  // Sets the open file's times (null: leave as it is).
  EError SetTimes(const FileTime* lastAccess, const FileTime* lastWrite);
  EError Seek(uint64_t position);
  EError Flush();  // makes the written data durable
  // Starts writing the file's data so far to the disk without waiting for it, so that a
  // later flush finds little left to do.
  void StartWriteback();

 private:
  void Remember(const struct statx& status, bool truncated);
  void Forget();

  int m_fd = -1;
  SFileInfo m_info;     // as opened
  uint32_t m_mode = 0;  // the permission and type bits, as opened
  std::string m_name;   // the last name of the path it was opened at
  bool m_attributesKnown = false;
  bool m_kernelCopy = true;        // cleared when the kernel copy is not available
  bool m_kernelCopyEmpty = false;  // a test's fault: a kernel copy from here copies nothing
  bool m_noStoredFlags = false;    // made unnamed by this file, with no flags stored yet
};

}  // namespace platform
