// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/Drives.h"

#include <dirent.h>
#include <sys/stat.h>
#include <sys/statvfs.h>

#include <limits>

#include "platform/linux/Posix.h"

namespace platform {

namespace {

bool RootReadable(const SDrive& drive) {
  DIR* folder = opendir(drive.root.c_str());
  if (folder == nullptr) {
    return false;
  }
  closedir(folder);
  return true;
}

// The POSIX folder whose file system holds `path`: the path itself or its nearest existing
// parent, never above the drive's root.
std::optional<std::string> ExistingFolder(const SDrive& drive, const std::string& posixPath) {
  std::string folder = posixPath;
  while (folder.size() > drive.root.size()) {
    struct stat info {};
    if (stat(folder.c_str(), &info) == 0) {
      return folder;
    }
    const size_t slash = folder.find_last_of('/');
    if (slash == std::string::npos || slash == 0) {
      break;
    }
    folder.resize(slash);
  }
  return drive.root;
}

struct SVolume {
  const SDrive* drive = nullptr;
  std::string folder;
};

std::optional<SVolume> VolumeOf(std::string_view path, EError& error) {
  const auto map = CDriveMap::Current();
  const SDrive* drive = HasDriveLetter(path) ? map->Find(path[0]) : nullptr;
  if (drive == nullptr) {
    error = EError::kPathNotFound;
    return std::nullopt;
  }
  if (!RootReadable(*drive)) {
    error = EError::kNotReady;
    return std::nullopt;
  }
  const auto posixPath = map->ToPosix(path.size() >= kMaxPath ? path.substr(0, 3) : path);
  SVolume volume;
  volume.drive = drive;
  volume.folder = posixPath ? *ExistingFolder(*drive, *posixPath) : drive->root;
  error = EError::kNone;
  return volume;
}

}  // namespace

uint32_t GetLogicalDrives() {
  uint32_t mask = 0;
  for (const SDrive& drive : CDriveMap::Current()->Drives()) {
    mask |= 1u << (drive.letter - 'A');
  }
  return mask;
}

EDriveType GetDriveType(std::string_view root) {
  if (!HasDriveLetter(root)) {
    return EDriveType::kNoRootDir;
  }
  const auto map = CDriveMap::Current();
  const SDrive* drive = map->Find(root[0]);
  return drive == nullptr ? EDriveType::kNoRootDir : drive->type;
}

std::optional<SDiskSpace> GetDiskFreeSpace(std::string_view folder, EError* error) {
  EError failure = EError::kNone;
  const auto volume = VolumeOf(folder, failure);
  struct statvfs stats {};
  if (volume && statvfs(volume->folder.c_str(), &stats) != 0) {
    failure = EError::kNotReady;
  }
  if (error != nullptr) {
    *error = failure;
  }
  if (failure != EError::kNone) {
    return std::nullopt;
  }
  SDiskSpace space;
  space.freeToCaller = static_cast<uint64_t>(stats.f_bavail) * stats.f_frsize;
  space.total = static_cast<uint64_t>(stats.f_blocks) * stats.f_frsize;
  space.totalFree = static_cast<uint64_t>(stats.f_bfree) * stats.f_frsize;
  if (volume->drive->freeBytes) {
    space.freeToCaller = *volume->drive->freeBytes;
    space.totalFree = *volume->drive->freeBytes;
  }
  return space;
}

uint32_t GetClusterSize(std::string_view folder) {
  EError failure = EError::kNone;
  const auto volume = VolumeOf(folder, failure);
  if (!volume) {
    return 0;
  }
  if (volume->drive->clusterBytes) {
    return *volume->drive->clusterBytes;
  }
  struct statvfs stats {};
  if (statvfs(volume->folder.c_str(), &stats) != 0 ||
      stats.f_frsize > std::numeric_limits<uint32_t>::max()) {
    return 0;
  }
  return static_cast<uint32_t>(stats.f_frsize);
}

bool OnSameVolume(std::string_view folderA, std::string_view folderB) {
  if (!HasDriveLetter(folderA) || !HasDriveLetter(folderB) ||
      (folderA[0] & ~0x20) != (folderB[0] & ~0x20)) {
    return false;
  }
  EError error = EError::kNone;
  const auto a = VolumeOf(folderA, error);
  const auto b = VolumeOf(folderB, error);
  if (!a || !b) {
    return true;  // the same letter, and nothing more to tell them apart
  }
  struct stat infoA {};
  struct stat infoB {};
  if (stat(a->folder.c_str(), &infoA) != 0 || stat(b->folder.c_str(), &infoB) != 0) {
    return true;
  }
  return infoA.st_dev == infoB.st_dev;
}

}  // namespace platform
