// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/File.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <string>
#include <utility>

#include "platform/FaultPoints.h"
#include "platform/TextUtil.h"
#include "platform/linux/Posix.h"

namespace platform {

namespace {

int OpenFlags(EAccess access, ECreate create) {
  int flags = O_CLOEXEC | O_NONBLOCK;  // non-blocking only until the file proves regular
  switch (access) {
    case EAccess::kRead:
      flags |= O_RDONLY;
      break;
    case EAccess::kWrite:
      flags |= O_WRONLY;
      break;
    case EAccess::kReadWrite:
      flags |= O_RDWR;
      break;
  }
  switch (create) {
    case ECreate::kOpenExisting:
      break;
    case ECreate::kCreateAlways:
    case ECreate::kOpenAlways:
      flags |= O_CREAT;
      break;
    case ECreate::kCreateNew:
      flags |= O_CREAT | O_EXCL;
      break;
  }
  return flags;
}

// Takes the sharing lock: writers exclude everybody, readers exclude writers. A read-only
// handle cannot hold an exclusive lock, so "no sharing" there keeps writers out only.
EError Lock(int fd, EAccess access) {
  struct flock lock {};
  lock.l_type = access == EAccess::kRead ? F_RDLCK : F_WRLCK;
  lock.l_whence = SEEK_SET;
  if (fcntl(fd, F_OFD_SETLK, &lock) == 0) {
    return EError::kNone;
  }
  if (errno == EAGAIN || errno == EACCES) {
    return EError::kSharingViolation;
  }
  return EError::kNone;  // a file system without locks: nothing to keep
}

ssize_t WriteAll(int fd, const char* data, size_t size, size_t& done) {
  done = 0;
  while (done < size) {
    const ssize_t written = write(fd, data + done, size - done);
    if (written < 0) {
      if (errno == EINTR) {
        continue;
      }
      return -1;
    }
    if (written == 0) {
      errno = ENOSPC;
      return -1;
    }
    done += static_cast<size_t>(written);
  }
  return static_cast<ssize_t>(done);
}

FileTime FromStatx(const statx_timestamp& time) {
  return posix::FromTimespec(
      timespec{static_cast<time_t>(time.tv_sec), static_cast<long>(time.tv_nsec)});
}

EError WriteError(int error) {
  return (error == ENOSPC || error == EDQUOT) ? EError::kDiskFull : posix::FromErrno(error);
}

}  // namespace

CFile::~CFile() {
  Close();
}

CFile::CFile(CFile&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)),
      m_info(other.m_info),
      m_mode(other.m_mode),
      m_name(std::move(other.m_name)),
      m_attributesKnown(other.m_attributesKnown),
      m_kernelCopy(other.m_kernelCopy),
      m_kernelCopyEmpty(other.m_kernelCopyEmpty),
      m_noStoredFlags(other.m_noStoredFlags) {
  other.Forget();
}

CFile& CFile::operator=(CFile&& other) noexcept {
  if (this != &other) {
    Close();
    m_fd = std::exchange(other.m_fd, -1);
    m_info = other.m_info;
    m_mode = other.m_mode;
    m_name = std::move(other.m_name);
    m_attributesKnown = other.m_attributesKnown;
    m_kernelCopy = other.m_kernelCopy;
    m_kernelCopyEmpty = other.m_kernelCopyEmpty;
    m_noStoredFlags = other.m_noStoredFlags;
    other.Forget();
  }
  return *this;
}

void CFile::Close() {
  if (m_fd >= 0) {
    close(m_fd);
    m_fd = -1;
  }
  Forget();
}

void CFile::Forget() {
  m_info = SFileInfo{};
  m_mode = 0;
  m_name.clear();
  m_attributesKnown = false;
  m_noStoredFlags = false;
}

EError CFile::Open(std::string_view path, EAccess access, EShare share, ECreate create) {
  Close();
  EError error = EError::kNone;
  const auto posixPath = posix::Resolve(path, error);
  if (!posixPath) {
    return error;
  }
  const bool writing = access != EAccess::kRead;
  if (writing && create != ECreate::kCreateNew) {
    // A read-only file refuses writers, whoever runs the program. (A new file cannot be
    // read-only yet; for an existing one the exclusive create below reports it exists.)
    struct stat info {};
    if (stat(posixPath->c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
        (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
      return EError::kAccessDenied;
    }
  }
  const int fd = open(posixPath->c_str(), OpenFlags(access, create), 0666);
  if (fd < 0) {
    if (errno == ENOENT) {
      // Tell a missing file from a missing folder, as the callers' messages do.
      const std::string_view folder =
          std::string_view(*posixPath).substr(0, posixPath->find_last_of('/') + 1);
      struct stat info {};
      return stat(std::string(folder).c_str(), &info) == 0 ? EError::kFileNotFound
                                                           : EError::kPathNotFound;
    }
    if (errno == EEXIST) {
      return EError::kFileExists;  // a new file was asked for, as Windows reports it
    }
    return posix::FromErrno(errno);
  }
  // One status call tells a regular file and gives everything a copy needs of it.
  struct statx status {};
  if (statx(fd, "", AT_EMPTY_PATH, STATX_BASIC_STATS | STATX_BTIME, &status) != 0 ||
      !S_ISREG(status.stx_mode)) {
    close(fd);
    return EError::kAccessDenied;  // folders, devices and pipes are not opened as files
  }
  // O_NONBLOCK only kept a pipe from blocking the open; a regular file ignores it.
  const EError locked = Lock(fd, share == EShare::kNoSharing || writing ? access : EAccess::kRead);
  if (locked != EError::kNone) {
    close(fd);
    return locked;
  }
  // Truncate only once the lock is ours, so that a file in use elsewhere keeps its data.
  const bool truncated = create == ECreate::kCreateAlways;
  if (truncated && ftruncate(fd, 0) != 0) {
    const EError failure = posix::FromErrno(errno);
    close(fd);
    return failure;
  }
  m_fd = fd;
  Remember(status, truncated);
  m_name = std::string(posix::LastName(*posixPath));
  m_kernelCopy = true;
  m_kernelCopyEmpty = fault_points::Take(testing::kKernelCopy, path).has_value();
  return EError::kNone;
}

EError CFile::CreateTemporary(std::string_view folder, std::string_view prefix, std::string& path) {
  Close();
  std::string base(folder);
  if (base.empty() || base.back() != '\\') {
    base.push_back('\\');
  }
  base += CutUtf8(prefix, 3);
  for (uint32_t attempt = 0; attempt < 0xFFFF; ++attempt) {
    const uint32_t number = posix::NextTempNumber();
    if (number == 0) {
      continue;
    }
    std::string candidate = base + Format("%04X.tmp", number);
    EError error = EError::kNone;
    const auto posixPath = posix::Resolve(candidate, error);
    if (!posixPath) {
      return error;
    }
    const int fd = open(posixPath->c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0) {
      if (errno == EEXIST) {
        continue;
      }
      return errno == ENOENT ? EError::kPathNotFound : posix::FromErrno(errno);
    }
    // No lock: nobody else knows the name yet, and the exclusive create kept it ours.
    m_fd = fd;
    m_kernelCopy = true;
    path = std::move(candidate);
    return EError::kNone;
  }
  return EError::kFileExists;
}

EError CFile::CreateUnnamed(std::string_view folder) {
  Close();
  // Naming it later goes through its entry under /proc; without that it could never be
  // named, so it is not made.
  static const bool kNameable = access("/proc/self/fd", X_OK) == 0;
  if (!kNameable) {
    return EError::kNotSupported;
  }
  EError error = EError::kNone;
  const auto posixFolder = posix::Resolve(folder, error);
  if (!posixFolder) {
    return error;
  }
  const int fd = open(posixFolder->c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  if (fd < 0) {
    return errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL ? EError::kNotSupported
                                                                     : posix::FromErrno(errno);
  }
  m_fd = fd;
  m_kernelCopy = true;
  m_noStoredFlags = true;  // a new file has no user attributes: no need to read them
  return EError::kNone;
}

EError CFile::LinkAs(std::string_view path) {
  if (const std::optional<EError> fault = fault_points::Take(testing::kMoveFile, path)) {
    return *fault;
  }
  if (m_fd < 0) {
    return EError::kGeneric;
  }
  EError error = EError::kNone;
  const auto posixPath = posix::Resolve(path, error);
  if (!posixPath) {
    return error;
  }
  // Linking the descriptor itself skips the walk through /proc, which costs about as much as
  // the link, but the kernel allows it only to a process that may search any folder. Without
  // that right it answers as if the name were missing, so /proc decides: if the link succeeds
  // there, the descriptor is not tried again.
  static std::atomic<bool> linkDescriptor{true};
  const bool triedDescriptor = linkDescriptor.load(std::memory_order_relaxed);
  if (triedDescriptor) {
    if (linkat(m_fd, "", AT_FDCWD, posixPath->c_str(), AT_EMPTY_PATH) == 0) {
      return EError::kNone;
    }
    if (errno != ENOENT && errno != EPERM) {
      return posix::FromErrno(errno);
    }
  }
  const std::string self = "/proc/self/fd/" + std::to_string(m_fd);
  if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, posixPath->c_str(), AT_SYMLINK_FOLLOW) != 0) {
    return posix::FromErrno(errno);
  }
  if (triedDescriptor) {
    linkDescriptor.store(false, std::memory_order_relaxed);
  }
  return EError::kNone;
}

EError CFile::Unlink(std::string_view path) {
  EError error = EError::kNone;
  const auto posixPath = posix::Resolve(path, error);
  if (!posixPath) {
    return error;
  }
  struct stat mine {};
  struct stat named {};
  if (m_fd < 0 || fstat(m_fd, &mine) != 0) {
    return m_fd < 0 ? EError::kGeneric : posix::FromErrno(errno);
  }
  if (lstat(posixPath->c_str(), &named) != 0) {
    return posix::FromErrno(errno);
  }
  if (named.st_dev != mine.st_dev || named.st_ino != mine.st_ino) {
    return EError::kFileNotFound;
  }
  return unlink(posixPath->c_str()) == 0 ? EError::kNone : posix::FromErrno(errno);
}

EError CFile::SetAttributes(uint32_t attributes, std::string_view name) {
  struct stat info {};
  if (m_fd < 0 || fstat(m_fd, &info) != 0) {
    return m_fd < 0 ? EError::kGeneric : posix::FromErrno(errno);
  }
  const posix::SStoredFlags flags =
      m_noStoredFlags ? posix::SStoredFlags{} : posix::ReadStoredFlagsOf(m_fd);
  m_noStoredFlags = false;
  const posix::SStoredFlags wanted =
      posix::WantedFlags(flags, attributes, info, name.starts_with('.'));
  if (flags.supported && !posix::SameFlags(wanted, flags)) {
    // Stored before the permissions change, while the file can still be written.
    if (const EError error = posix::WriteStoredFlagsOf(m_fd, wanted); error != EError::kNone) {
      return error;
    }
  }
  if (const auto mode = posix::ModeFor(info.st_mode, attributes)) {
    if (fchmod(m_fd, *mode) != 0) {
      return posix::FromErrno(errno);
    }
  }
  return EError::kNone;
}

void CFile::Remember(const struct statx& status, bool truncated) {
  m_info = SFileInfo{};
  m_info.size = truncated ? 0 : status.stx_size;
  m_info.times.lastAccess = FromStatx(status.stx_atime);
  m_info.times.lastWrite = FromStatx(status.stx_mtime);
  m_info.times.creation =
      (status.stx_mask & STATX_BTIME) != 0 ? FromStatx(status.stx_btime) : m_info.times.lastWrite;
  m_mode = status.stx_mode;
  m_attributesKnown = false;
}

const SFileInfo& CFile::Info() {
  if (m_fd >= 0 && !m_attributesKnown && !m_name.empty()) {
    struct stat info {};
    info.st_mode = m_mode;
    info.st_size = static_cast<off_t>(m_info.size);
    info.st_mtim = posix::ToTimespec(m_info.times.lastWrite);
    m_info.attributes = posix::AttributesOf(info, m_name, posix::ReadStoredFlagsOf(m_fd));
    m_attributesKnown = true;
  }
  return m_info;
}

EError CFile::SetTimes(const FileTime* lastAccess, const FileTime* lastWrite) {
  if (m_fd < 0) {
    return EError::kGeneric;
  }
  timespec times[2];
  times[0] = lastAccess != nullptr ? posix::ToTimespec(*lastAccess) : timespec{0, UTIME_OMIT};
  times[1] = lastWrite != nullptr ? posix::ToTimespec(*lastWrite) : timespec{0, UTIME_OMIT};
  return futimens(m_fd, times) == 0 ? EError::kNone : posix::FromErrno(errno);
}

EError CFile::Read(void* buffer, size_t size, size_t& done) {
  done = 0;
  if (m_fd < 0) {
    return EError::kGeneric;
  }
  while (true) {
    const ssize_t got = read(m_fd, buffer, size);
    if (got < 0) {
      if (errno == EINTR) {
        continue;
      }
      return posix::FromErrno(errno);
    }
    done = static_cast<size_t>(got);
    return EError::kNone;
  }
}

EError CFile::Write(const void* buffer, size_t size, size_t& done) {
  done = 0;
  if (m_fd < 0) {
    return EError::kGeneric;
  }
  if (WriteAll(m_fd, static_cast<const char*>(buffer), size, done) < 0) {
    return WriteError(errno);
  }
  return EError::kNone;
}

EError CFile::CopyFrom(CFile& source, void* buffer, size_t size, size_t& done, bool& readFailed) {
  done = 0;
  readFailed = false;
  if (m_fd < 0 || source.m_fd < 0) {
    return EError::kGeneric;
  }
  if (m_kernelCopy) {
    while (true) {
      const ssize_t copied = source.m_kernelCopyEmpty
                                 ? 0
                                 : copy_file_range(source.m_fd, nullptr, m_fd, nullptr, size, 0);
      if (copied > 0) {
        done = static_cast<size_t>(copied);
        return EError::kNone;
      }
      if (copied == 0) {
        // Nothing copied is not always the end: some file systems and kernels give 0 where a
        // plain read still has data. The read below tells.
        break;
      }
      if (errno == EINTR) {
        continue;
      }
      if (errno == ENOSPC || errno == EDQUOT) {
        return EError::kDiskFull;
      }
      // Not offered here, or an error that the plain route below can attribute to the
      // reading or the writing side.
      m_kernelCopy = false;
      break;
    }
  }
  size_t got = 0;
  const EError readError = source.Read(buffer, size, got);
  if (readError != EError::kNone) {
    readFailed = true;
    return readError;
  }
  const EError writeError = Write(buffer, got, done);
  return writeError;
}

std::optional<uint64_t> CFile::Size() const {
  struct stat info {};
  if (m_fd < 0 || fstat(m_fd, &info) != 0) {
    return std::nullopt;
  }
  return static_cast<uint64_t>(info.st_size);
}

EError CFile::Seek(uint64_t position) {
  if (m_fd < 0) {
    return EError::kGeneric;
  }
  return lseek(m_fd, static_cast<off_t>(position), SEEK_SET) < 0 ? posix::FromErrno(errno)
                                                                 : EError::kNone;
}

void CFile::StartWriteback() {
  if (m_fd >= 0) {
    sync_file_range(m_fd, 0, 0, SYNC_FILE_RANGE_WRITE);
  }
}

EError CFile::Flush() {
  if (m_fd < 0) {
    return EError::kGeneric;
  }
  return fdatasync(m_fd) == 0 ? EError::kNone : WriteError(errno);
}

}  // namespace platform
