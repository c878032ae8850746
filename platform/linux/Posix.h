// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <sys/stat.h>
#include <time.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Types.h"

// Helpers shared by the Linux implementation files.
namespace platform::posix {

EError FromErrno(int error);

// The POSIX path of a Windows-form path; fails with kPathTooLong beyond the Windows limit
// and with kPathNotFound when its drive is not mapped.
std::optional<std::string> Resolve(std::string_view windowsPath, EError& error);

FileTime FromTimespec(const timespec& time);
timespec ToTimespec(FileTime time);

// The last name of a POSIX or Windows path.
std::string_view LastName(std::string_view path);

// The names of a relative path split at either separator, with "." and ".." applied (never
// above the start) and empty names dropped.
std::vector<std::string_view> NamesWithoutDots(std::string_view path);

// The next number for a temporary name, shared by everything that makes one.
uint32_t NextTempNumber();

// The stored attribute record (extended attribute user.brevant.attrib).
struct SStoredFlags {
  bool hidden = false;
  bool system = false;
  bool archiveCleared = false;  // holds for the last-write time and size below
  FileTime clearedWriteTime = 0;
  uint64_t clearedSize = 0;
  bool supported = true;  // false where the file system keeps no user attributes
};
SStoredFlags ReadStoredFlags(const std::string& posixPath);
// The same through an open file.
SStoredFlags ReadStoredFlagsOf(int fd);
// The same for an entry of an open folder, without walking the whole path again where the
// kernel allows it (`posixPath` is the fallback).
SStoredFlags ReadStoredFlagsAt(int folderFd, const char* name, const std::string& posixPath);
// Writes the record (removes it when empty). Fails only for real errors, not where the file
// system keeps no user attributes.
EError WriteStoredFlags(const std::string& posixPath, const SStoredFlags& flags,
                        const struct stat& info);
// The same where the file's status has not been read: it is read only when the file turns
// out to be read-only.
EError WriteStoredFlags(const std::string& posixPath, const SStoredFlags& flags);

// The same through an open file that can be written.
EError WriteStoredFlagsOf(int fd, const SStoredFlags& flags);
// The record that gives a file (or folder) of this status and name the Windows attributes
// `attributes`, starting from the record it has.
SStoredFlags WantedFlags(const SStoredFlags& flags, uint32_t attributes, const struct stat& info,
                         bool dotName);
bool SameFlags(const SStoredFlags& a, const SStoredFlags& b);
// The permission bits that make a file of mode `mode` read-only or writable as `attributes`
// say, or empty when it already is.
std::optional<mode_t> ModeFor(mode_t mode, uint32_t attributes);

// Windows attributes of a file from its status, name and stored record.
uint32_t AttributesOf(const struct stat& info, std::string_view name, const SStoredFlags& flags);

// The status of the file a path names, links followed.
bool StatFollow(const std::string& posixPath, struct stat& info, EError& error);

}  // namespace platform::posix
