// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/FileOps.h"

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <vector>

#include "platform/FaultPoints.h"
#include "platform/File.h"
#include "platform/FileInfo.h"
#include "platform/TextUtil.h"
#include "platform/linux/Posix.h"

namespace platform {

namespace {

// Makes a file's name in its folder durable, so that a crash cannot take it back.
EError SyncFolderOf(std::string_view path) {
  EError error = EError::kNone;
  const auto posixPath = posix::Resolve(path, error);
  if (!posixPath) {
    return error;
  }
  const std::string folder = posixPath->substr(0, posixPath->find_last_of('/') + 1);
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    return posix::FromErrno(errno);
  }
  const int result = fsync(fd);
  const int saved = errno;
  close(fd);
  return result == 0 ? EError::kNone : posix::FromErrno(saved);
}

// Copies a file to a new name on another file system, then deletes the original: the move
// that a rename cannot do. The original goes only once the copy is complete and durable.
EError MoveAcrossFileSystems(std::string_view from, std::string_view to) {
  const auto info = GetFileInfo(from);
  if (!info || (info->attributes & kAttrDirectory) != 0) {
    return EError::kNotSameDevice;
  }
  CFile source;
  CFile target;
  EError error = source.Open(from, EAccess::kRead, EShare::kOthersMayRead);
  if (error != EError::kNone) {
    return error;
  }
  error = target.Open(to, EAccess::kWrite, EShare::kNoSharing, ECreate::kCreateNew);
  if (error != EError::kNone) {
    return error == EError::kFileExists ? EError::kAlreadyExists : error;
  }
  std::vector<char> buffer(1 << 20);
  while (true) {
    size_t done = 0;
    bool readFailed = false;
    error = target.CopyFrom(source, buffer.data(), buffer.size(), done, readFailed);
    if (error != EError::kNone || done == 0) {
      break;
    }
  }
  if (error == EError::kNone) {
    error = target.Flush();
  }
  target.Close();
  source.Close();
  if (error != EError::kNone) {
    DeleteFile(to);
    return error;
  }
  SetFileTimes(to, nullptr, &info->times.lastAccess, &info->times.lastWrite);
  SetFileAttributes(to, info->attributes & ~kAttrReadOnly);
  error = SyncFolderOf(to);
  if (error != EError::kNone) {
    return error;  // both copies stay rather than risk neither
  }
  error = DeleteFile(from);
  if (error == EError::kAccessDenied && (info->attributes & kAttrReadOnly) != 0) {
    SetFileAttributes(from, info->attributes & ~kAttrReadOnly);
    error = DeleteFile(from);
  }
  if (error != EError::kNone) {
    DeleteFile(to);  // keep one whole file, not two
    return error;
  }
  SetFileAttributes(to, info->attributes);
  return EError::kNone;
}

// Both paths of a move in POSIX form.
EError ResolveBoth(std::string_view from, std::string_view to, std::string& source,
                   std::string& target) {
  EError error = EError::kNone;
  auto resolvedSource = posix::Resolve(from, error);
  if (!resolvedSource) {
    return error;
  }
  auto resolvedTarget = posix::Resolve(to, error);
  if (!resolvedTarget) {
    return error;
  }
  source = std::move(*resolvedSource);
  target = std::move(*resolvedTarget);
  return EError::kNone;
}

}  // namespace

EError MoveFile(std::string_view from, std::string_view to) {
  if (const std::optional<EError> fault = fault_points::Take(testing::kMoveFile, to)) {
    return *fault;
  }
  std::string source;
  std::string target;
  if (const EError error = ResolveBoth(from, to, source, target); error != EError::kNone) {
    return error;
  }
  if (renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
    return EError::kNone;
  }
  if (errno == EINVAL || errno == ENOSYS) {
    // The file system does not offer the no-replace rename: check, then rename.
    struct stat info {};
    if (lstat(target.c_str(), &info) == 0) {
      return EError::kAlreadyExists;
    }
    if (rename(source.c_str(), target.c_str()) == 0) {
      return EError::kNone;
    }
  }
  if (errno == EXDEV) {
    return MoveAcrossFileSystems(from, to);
  }
  return posix::FromErrno(errno);
}

EError ReplaceFile(std::string_view from, std::string_view to) {
  std::string source;
  std::string target;
  if (const EError error = ResolveBoth(from, to, source, target); error != EError::kNone) {
    return error;
  }
  return rename(source.c_str(), target.c_str()) == 0 ? EError::kNone : posix::FromErrno(errno);
}

EError DeleteFile(std::string_view path) {
  EError error = EError::kNone;
  const auto posixPath = posix::Resolve(path, error);
  if (!posixPath) {
    return error;
  }
  struct stat info {};
  if (lstat(posixPath->c_str(), &info) != 0) {
    return posix::FromErrno(errno);
  }
  if (S_ISDIR(info.st_mode)) {
    return EError::kAccessDenied;
  }
  if (S_ISREG(info.st_mode) && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
    return EError::kAccessDenied;  // read-only files are kept, as on Windows
  }
  return unlink(posixPath->c_str()) == 0 ? EError::kNone : posix::FromErrno(errno);
}

EError CreateDirectory(std::string_view path) {
  EError error = EError::kNone;
  const auto posixPath = posix::Resolve(path, error);
  if (!posixPath) {
    return error;
  }
  if (mkdir(posixPath->c_str(), 0777) == 0) {
    return EError::kNone;
  }
  return errno == ENOENT ? EError::kPathNotFound : posix::FromErrno(errno);
}

EError RemoveDirectory(std::string_view path) {
  EError error = EError::kNone;
  const auto posixPath = posix::Resolve(path, error);
  if (!posixPath) {
    return error;
  }
  if (rmdir(posixPath->c_str()) == 0) {
    return EError::kNone;
  }
  return errno == EEXIST ? EError::kDirNotEmpty : posix::FromErrno(errno);
}

std::optional<std::string> GetTempFileName(std::string_view folder, std::string_view prefix,
                                           EError* error) {
  CFile file;  // closed again at once: only the name is wanted
  std::string path;
  const EError made = file.CreateTemporary(folder, prefix, path);
  if (error != nullptr) {
    *error = made;
  }
  if (made != EError::kNone) {
    return std::nullopt;
  }
  return path;
}

EError SyncFileSystem(std::string_view folder) {
  EError error = EError::kNone;
  const auto posixPath = posix::Resolve(folder, error);
  if (!posixPath) {
    return error;
  }
  const int fd = open(posixPath->c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    return posix::FromErrno(errno);
  }
  const int result = syncfs(fd);
  const int saved = errno;
  close(fd);
  return result == 0 ? EError::kNone : posix::FromErrno(saved);
}

}  // namespace platform
