// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/Types.h"

// Attributes, sizes and times of single files and folders, by Windows-form path.
//
// Attributes on this platform: R is the absence of every write permission bit; H is a name
// beginning with "." or a stored hidden flag; S is a stored flag; A is set unless a stored
// "archive cleared" record matches the file's current last-write time and size, so that a
// file written again is archive-marked again.
namespace platform {

struct SFileTimes {
  FileTime creation = 0;  // the last-write time where the file system keeps no creation time
  FileTime lastAccess = 0;
  FileTime lastWrite = 0;
};

struct SFileInfo {
  uint32_t attributes = 0;
  uint64_t size = 0;
  SFileTimes times;
};

std::optional<SFileInfo> GetFileInfo(std::string_view path, EError* error = nullptr);

// Whether something stands at the path (a file or a folder); cheaper than the attributes.
bool FileExists(std::string_view path);

// kInvalidAttributes when the path cannot be read.
uint32_t GetFileAttributes(std::string_view path, EError* error = nullptr);
// Sets R, H, S and A (other bits are ignored). Where the file system keeps no flags, H, S
// and A cannot change and that is not a failure; a dot-name stays hidden.
EError SetFileAttributes(std::string_view path, uint32_t attributes);

// Clears a file's archive mark as of the last-write time and size it had when it was read
// (for a copy), so that a file written since then keeps its mark. The stored hidden and
// system flags stay as they are. Where the file system keeps no flags, nothing changes.
EError ClearArchiveMark(std::string_view path, FileTime lastWrite, uint64_t size);

std::optional<SFileTimes> GetFileTimes(std::string_view path, EError* error = nullptr);
// Sets the given times (null: leave unchanged). The creation time cannot be set on this
// platform and is ignored. A file whose archive mark was cleared keeps it cleared.
EError SetFileTimes(std::string_view path, const FileTime* creation, const FileTime* lastAccess,
                    const FileTime* lastWrite);

}  // namespace platform
