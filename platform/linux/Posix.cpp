// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/linux/Posix.h"

#include <errno.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <sys/syscall.h>

#include <atomic>
#include <chrono>
#include <charconv>
#include <cstring>

#include "platform/DriveMap.h"

namespace platform::posix {

namespace {

constexpr int64_t kUnixEpochInFileTimeSeconds = 11644473600LL;
constexpr int64_t kTicksPerSecond = 10000000LL;
constexpr const char* kFlagsName = "user.brevant.attrib";

bool NoUserAttributes(int error) {
  return error == ENOTSUP || error == EOPNOTSUPP;
}

}  // namespace

uint32_t NextTempNumber() {
  static std::atomic<uint32_t> counter{static_cast<uint32_t>(
      (std::chrono::steady_clock::now().time_since_epoch().count() ^ getpid()) & 0xFFFF)};
  return counter.fetch_add(1) & 0xFFFF;
}

EError FromErrno(int error) {
  switch (error) {
    case 0:
      return EError::kNone;
    case ENOENT:
      return EError::kFileNotFound;
    case ENOTDIR:
      return EError::kPathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return EError::kAccessDenied;
    case ENOMEM:
      return EError::kOutOfMemory;
    case EEXIST:
      return EError::kAlreadyExists;
    case ENOSPC:
    case EDQUOT:
      return EError::kDiskFull;
    case ENOTEMPTY:
      return EError::kDirNotEmpty;
    case ENAMETOOLONG:
      return EError::kPathTooLong;
    case EBUSY:
    case ETXTBSY:
    case EAGAIN:
      return EError::kSharingViolation;
    case EXDEV:
      return EError::kNotSameDevice;
    case ENOTSUP:
      return EError::kNotSupported;
    case EINVAL:
    case EILSEQ:
      return EError::kInvalidName;
    case EIO:
      return EError::kIoError;
    default:
      return EError::kGeneric;
  }
}

std::optional<std::string> Resolve(std::string_view windowsPath, EError& error) {
  if (windowsPath.size() >= kMaxPath) {
    error = EError::kPathTooLong;
    return std::nullopt;
  }
  std::optional<std::string> path = ToPosixPath(windowsPath);
  error = path ? EError::kNone : EError::kPathNotFound;
  return path;
}

FileTime FromTimespec(const timespec& time) {
  const int64_t seconds = static_cast<int64_t>(time.tv_sec) + kUnixEpochInFileTimeSeconds;
  if (seconds < 0) {
    return 0;
  }
  return static_cast<FileTime>(seconds) * kTicksPerSecond +
         static_cast<FileTime>(time.tv_nsec / 100);
}

timespec ToTimespec(FileTime time) {
  timespec out{};
  out.tv_sec = static_cast<time_t>(static_cast<int64_t>(time / kTicksPerSecond) -
                                   kUnixEpochInFileTimeSeconds);
  out.tv_nsec = static_cast<long>((time % kTicksPerSecond) * 100);
  return out;
}

std::string_view LastName(std::string_view path) {
  while (path.size() > 1 && (path.back() == '/' || path.back() == '\\')) {
    path.remove_suffix(1);
  }
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::vector<std::string_view> NamesWithoutDots(std::string_view path) {
  std::vector<std::string_view> names;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find_first_of("\\/", start);
    if (end == std::string_view::npos) {
      end = path.size();
    }
    const std::string_view name = path.substr(start, end - start);
    if (name == "..") {
      if (!names.empty()) {
        names.pop_back();
      }
    } else if (!name.empty() && name != ".") {
      names.push_back(name);
    }
    start = end + 1;
  }
  return names;
}

// The record is text: the letters H and S for the stored flags, then, when the archive mark
// was cleared, "|" with the last-write time and "|" with the size it was cleared at.
namespace {

// getxattrat() came with Linux 6.13; its number is the same on every architecture.
constexpr long kSysGetxattrat = 464;
std::atomic<bool> g_noGetxattrat{false};

struct SXattrArgs {
  uint64_t value;
  uint32_t size;
  uint32_t flags;
};

SStoredFlags ParseStoredFlags(const char* buffer, ssize_t length);

}  // namespace

SStoredFlags ReadStoredFlagsAt(int folderFd, const char* name, const std::string& posixPath) {
  if (!g_noGetxattrat.load(std::memory_order_relaxed)) {
    char buffer[128];
    SXattrArgs args{reinterpret_cast<uint64_t>(buffer), sizeof buffer, 0};
    const long length = syscall(kSysGetxattrat, folderFd, name, 0, kFlagsName, &args, sizeof args);
    if (length >= 0 || (errno != ENOSYS && errno != EPERM)) {
      return ParseStoredFlags(buffer, length);
    }
    // A sandbox may refuse a call it does not know with EPERM: ask by path instead, this
    // once (a file can give EPERM too).
    if (errno == ENOSYS) {
      g_noGetxattrat = true;
    }
  }
  return ReadStoredFlags(posixPath);
}

SStoredFlags ReadStoredFlags(const std::string& posixPath) {
  char buffer[128];
  const ssize_t length = getxattr(posixPath.c_str(), kFlagsName, buffer, sizeof buffer);
  return ParseStoredFlags(buffer, length);
}

SStoredFlags ReadStoredFlagsOf(int fd) {
  char buffer[128];
  const ssize_t length = fgetxattr(fd, kFlagsName, buffer, sizeof buffer);
  return ParseStoredFlags(buffer, length);
}

namespace {

SStoredFlags ParseStoredFlags(const char* buffer, ssize_t length) {
  SStoredFlags flags;
  if (length < 0) {
    flags.supported = !NoUserAttributes(errno);
    return flags;
  }
  const std::string_view text(buffer, static_cast<size_t>(length));
  const size_t bar = text.find('|');
  const std::string_view letters = text.substr(0, bar);
  flags.hidden = letters.find('H') != std::string_view::npos;
  flags.system = letters.find('S') != std::string_view::npos;
  if (bar != std::string_view::npos) {
    const std::string_view rest = text.substr(bar + 1);
    const size_t second = rest.find('|');
    if (second != std::string_view::npos) {
      const auto a = std::from_chars(rest.data(), rest.data() + second, flags.clearedWriteTime);
      const auto b =
          std::from_chars(rest.data() + second + 1, rest.data() + rest.size(), flags.clearedSize);
      flags.archiveCleared = a.ec == std::errc() && b.ec == std::errc();
    }
  }
  return flags;
}

}  // namespace

namespace {

std::string StoredFlagsText(const SStoredFlags& flags) {
  std::string text;
  if (flags.hidden) {
    text += 'H';
  }
  if (flags.system) {
    text += 'S';
  }
  if (flags.archiveCleared) {
    text += '|' + std::to_string(flags.clearedWriteTime) + '|' + std::to_string(flags.clearedSize);
  }
  return text;
}

int WriteFlagsText(const std::string& posixPath, const std::string& text) {
  if (text.empty()) {
    const int result = removexattr(posixPath.c_str(), kFlagsName);
    return (result != 0 && errno == ENODATA) ? 0 : result;
  }
  return setxattr(posixPath.c_str(), kFlagsName, text.data(), text.size(), 0);
}

}  // namespace

EError WriteStoredFlags(const std::string& posixPath, const SStoredFlags& flags) {
  const std::string text = StoredFlagsText(flags);
  if (WriteFlagsText(posixPath, text) == 0) {
    return EError::kNone;
  }
  if (errno != EACCES && errno != EPERM) {
    return NoUserAttributes(errno) ? EError::kNone : FromErrno(errno);
  }
  struct stat info {};
  EError error = EError::kNone;
  if (!StatFollow(posixPath, info, error)) {
    return error;
  }
  return WriteStoredFlags(posixPath, flags, info);
}

EError WriteStoredFlags(const std::string& posixPath, const SStoredFlags& flags,
                        const struct stat& info) {
  const std::string text = StoredFlagsText(flags);
  const auto write = [&]() -> int { return WriteFlagsText(posixPath, text); };
  int result = write();
  if (result != 0 && (errno == EACCES || errno == EPERM) && (info.st_mode & S_IWUSR) == 0 &&
      info.st_uid == geteuid()) {
    // User attributes need write permission; a read-only file of our own is opened up for
    // the moment it takes to store them.
    if (chmod(posixPath.c_str(), (info.st_mode & 07777) | S_IWUSR) == 0) {
      result = write();
      const int saved = errno;
      chmod(posixPath.c_str(), info.st_mode & 07777);
      errno = saved;
    }
  }
  if (result != 0) {
    return NoUserAttributes(errno) ? EError::kNone : FromErrno(errno);
  }
  return EError::kNone;
}

EError WriteStoredFlagsOf(int fd, const SStoredFlags& flags) {
  const std::string text = StoredFlagsText(flags);
  int result = 0;
  if (text.empty()) {
    result = fremovexattr(fd, kFlagsName);
    if (result != 0 && errno == ENODATA) {
      result = 0;
    }
  } else {
    result = fsetxattr(fd, kFlagsName, text.data(), text.size(), 0);
  }
  if (result != 0) {
    return NoUserAttributes(errno) ? EError::kNone : FromErrno(errno);
  }
  return EError::kNone;
}

SStoredFlags WantedFlags(const SStoredFlags& flags, uint32_t attributes, const struct stat& info,
                         bool dotName) {
  SStoredFlags wanted = flags;
  wanted.hidden = (attributes & kAttrHidden) != 0 && !dotName;
  wanted.system = (attributes & kAttrSystem) != 0;
  wanted.archiveCleared = !S_ISDIR(info.st_mode) && (attributes & kAttrArchive) == 0;
  wanted.clearedWriteTime = wanted.archiveCleared ? FromTimespec(info.st_mtim) : 0;
  wanted.clearedSize = wanted.archiveCleared ? static_cast<uint64_t>(info.st_size) : 0;
  return wanted;
}

bool SameFlags(const SStoredFlags& a, const SStoredFlags& b) {
  return a.hidden == b.hidden && a.system == b.system && a.archiveCleared == b.archiveCleared &&
         a.clearedWriteTime == b.clearedWriteTime && a.clearedSize == b.clearedSize;
}

std::optional<mode_t> ModeFor(mode_t mode, uint32_t attributes) {
  mode &= 07777;
  const bool readOnly = (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
  const bool wantReadOnly = (attributes & kAttrReadOnly) != 0;
  if (wantReadOnly == readOnly) {
    return std::nullopt;
  }
  return wantReadOnly ? (mode & ~static_cast<mode_t>(S_IWUSR | S_IWGRP | S_IWOTH))
                      : (mode | S_IWUSR);
}

uint32_t AttributesOf(const struct stat& info, std::string_view name, const SStoredFlags& flags) {
  uint32_t attributes = 0;
  const bool folder = S_ISDIR(info.st_mode);
  if (folder) {
    attributes |= kAttrDirectory;
  }
  if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
    attributes |= kAttrReadOnly;
  }
  const bool dotName = name.size() > 1 && name.front() == '.' && name != "..";
  if (dotName || flags.hidden) {
    attributes |= kAttrHidden;
  }
  if (flags.system) {
    attributes |= kAttrSystem;
  }
  if (!folder) {
    const bool cleared = flags.archiveCleared &&
                         flags.clearedWriteTime == FromTimespec(info.st_mtim) &&
                         flags.clearedSize == static_cast<uint64_t>(info.st_size);
    if (!cleared) {
      attributes |= kAttrArchive;
    }
    if (attributes == 0) {
      attributes = kAttrNormal;
    }
  }
  return attributes;
}

bool StatFollow(const std::string& posixPath, struct stat& info, EError& error) {
  if (stat(posixPath.c_str(), &info) != 0) {
    error = FromErrno(errno);
    return false;
  }
  error = EError::kNone;
  return true;
}

}  // namespace platform::posix
