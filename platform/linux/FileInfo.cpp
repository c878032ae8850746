// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/FileInfo.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>

#include "platform/linux/Posix.h"

namespace platform {

namespace {

struct SStatus {
  std::string posixPath;
  struct stat info {};
  FileTime creation = 0;
};

std::optional<SStatus> Status(std::string_view path, EError& error) {
  auto posixPath = posix::Resolve(path, error);
  if (!posixPath) {
    return std::nullopt;
  }
  SStatus status;
  status.posixPath = std::move(*posixPath);
  struct statx extended {};
  constexpr unsigned kWanted = STATX_BASIC_STATS | STATX_BTIME;
  if (statx(AT_FDCWD, status.posixPath.c_str(), 0, kWanted, &extended) != 0) {
    error = posix::FromErrno(errno);
    return std::nullopt;
  }
  const auto toTimespec = [](const statx_timestamp& t) {
    return timespec{static_cast<time_t>(t.tv_sec), static_cast<long>(t.tv_nsec)};
  };
  status.info.st_mode = extended.stx_mode;
  status.info.st_uid = extended.stx_uid;
  status.info.st_size = static_cast<off_t>(extended.stx_size);
  status.info.st_atim = toTimespec(extended.stx_atime);
  status.info.st_mtim = toTimespec(extended.stx_mtime);
  status.creation =
      posix::FromTimespec((extended.stx_mask & STATX_BTIME) != 0 ? toTimespec(extended.stx_btime)
                                                                 : status.info.st_mtim);
  return status;
}

}  // namespace

std::optional<SFileInfo> GetFileInfo(std::string_view path, EError* error) {
  EError failure = EError::kNone;
  const auto status = Status(path, failure);
  if (error != nullptr) {
    *error = failure;
  }
  if (!status) {
    return std::nullopt;
  }
  SFileInfo info;
  info.attributes = posix::AttributesOf(status->info, posix::LastName(status->posixPath),
                                        posix::ReadStoredFlags(status->posixPath));
  info.size = S_ISDIR(status->info.st_mode) ? 0 : static_cast<uint64_t>(status->info.st_size);
  info.times.creation = status->creation;
  info.times.lastAccess = posix::FromTimespec(status->info.st_atim);
  info.times.lastWrite = posix::FromTimespec(status->info.st_mtim);
  return info;
}

bool FileExists(std::string_view path) {
  EError error = EError::kNone;
  const auto posixPath = posix::Resolve(path, error);
  struct stat info {};
  return posixPath && stat(posixPath->c_str(), &info) == 0;
}

uint32_t GetFileAttributes(std::string_view path, EError* error) {
  EError failure = EError::kNone;
  auto posixPath = posix::Resolve(path, failure);
  struct stat info {};
  if (posixPath && posix::StatFollow(*posixPath, info, failure)) {
    if (error != nullptr) {
      *error = EError::kNone;
    }
    return posix::AttributesOf(info, posix::LastName(*posixPath),
                               posix::ReadStoredFlags(*posixPath));
  }
  if (error != nullptr) {
    *error = failure;
  }
  return kInvalidAttributes;
}

EError SetFileAttributes(std::string_view path, uint32_t attributes) {
  EError error = EError::kNone;
  auto posixPath = posix::Resolve(path, error);
  struct stat info {};
  if (!posixPath || !posix::StatFollow(*posixPath, info, error)) {
    return error;
  }
  const bool dotName = posix::LastName(*posixPath).starts_with('.');
  const posix::SStoredFlags flags = posix::ReadStoredFlags(*posixPath);
  const posix::SStoredFlags wanted = posix::WantedFlags(flags, attributes, info, dotName);
  const bool flagsChange = flags.supported && !posix::SameFlags(wanted, flags);
  // Store the flags while the file can still be written, then change the permissions.
  if (flagsChange) {
    error = posix::WriteStoredFlags(*posixPath, wanted, info);
    if (error != EError::kNone) {
      return error;
    }
  }
  if (const auto mode = posix::ModeFor(info.st_mode, attributes)) {
    if (chmod(posixPath->c_str(), *mode) != 0) {
      return posix::FromErrno(errno);
    }
  }
  return EError::kNone;
}

EError ClearArchiveMark(std::string_view path, FileTime lastWrite, uint64_t size) {
  EError error = EError::kNone;
  const auto posixPath = posix::Resolve(path, error);
  if (!posixPath) {
    return error;
  }
  posix::SStoredFlags flags = posix::ReadStoredFlags(*posixPath);
  if (!flags.supported) {
    return EError::kNone;
  }
  if (flags.archiveCleared && flags.clearedWriteTime == lastWrite && flags.clearedSize == size) {
    return EError::kNone;
  }
  // No look at the file's status: a record that holds an older time or size than the file
  // has now leaves the file archive-marked, which is what a file written since should be.
  flags.archiveCleared = true;
  flags.clearedWriteTime = lastWrite;
  flags.clearedSize = size;
  return posix::WriteStoredFlags(*posixPath, flags);
}

std::optional<SFileTimes> GetFileTimes(std::string_view path, EError* error) {
  EError failure = EError::kNone;
  const auto status = Status(path, failure);  // times need no stored flags
  if (error != nullptr) {
    *error = failure;
  }
  if (!status) {
    return std::nullopt;
  }
  SFileTimes times;
  times.creation = status->creation;
  times.lastAccess = posix::FromTimespec(status->info.st_atim);
  times.lastWrite = posix::FromTimespec(status->info.st_mtim);
  return times;
}

EError SetFileTimes(std::string_view path, const FileTime* creation, const FileTime* lastAccess,
                    const FileTime* lastWrite) {
  EError error = EError::kNone;
  auto posixPath = posix::Resolve(path, error);
  struct stat info {};
  if (!posixPath || !posix::StatFollow(*posixPath, info, error)) {
    return error;
  }
  if (lastAccess == nullptr && lastWrite == nullptr) {
    return EError::kNone;
  }
  timespec times[2];
  times[0] = lastAccess != nullptr ? posix::ToTimespec(*lastAccess) : timespec{0, UTIME_OMIT};
  times[1] = lastWrite != nullptr ? posix::ToTimespec(*lastWrite) : timespec{0, UTIME_OMIT};
  const posix::SStoredFlags flags = posix::ReadStoredFlags(*posixPath);
  const bool cleared = flags.archiveCleared &&
                       flags.clearedWriteTime == posix::FromTimespec(info.st_mtim) &&
                       flags.clearedSize == static_cast<uint64_t>(info.st_size);
  if (utimensat(AT_FDCWD, posixPath->c_str(), times, 0) != 0) {
    return posix::FromErrno(errno);
  }
  if (cleared && lastWrite != nullptr) {
    // Setting times is no new content: a cleared archive mark stays cleared.
    struct stat after {};
    if (posix::StatFollow(*posixPath, after, error)) {
      posix::SStoredFlags moved = flags;
      moved.clearedWriteTime = posix::FromTimespec(after.st_mtim);
      posix::WriteStoredFlags(*posixPath, moved, after);
    }
  }
  return EError::kNone;
}

}  // namespace platform
