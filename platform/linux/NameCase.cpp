// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/NameCase.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>

#include <string>

#include "platform/TextUtil.h"
#include "platform/linux/Posix.h"

namespace platform {

namespace {

// Whether a folder holds an entry of exactly this name. Asking for the name itself cannot
// tell: a disk that folds case answers for every spelling (and, through FUSE, may even give
// each spelling an inode number of its own).
bool HoldsExactName(const std::string& posixPath) {
  const size_t slash = posixPath.find_last_of('/');
  const std::string folder = posixPath.substr(0, slash + 1);
  const std::string_view name = std::string_view(posixPath).substr(slash + 1);
  DIR* listing = opendir(folder.c_str());
  if (listing == nullptr) {
    return true;  // unknown: taken as another file, so that nothing is renamed over it
  }
  bool found = false;
  while (const dirent* entry = readdir(listing)) {
    if (name == entry->d_name) {
      found = true;
      break;
    }
  }
  closedir(listing);
  return found;
}

// Renames without replacing; where the file system lacks that rename, checks first.
int RenameNoReplace(const std::string& from, const std::string& to) {
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
    return 0;
  }
  if (errno != EINVAL && errno != ENOSYS) {
    return -1;
  }
  struct stat info {};
  if (lstat(to.c_str(), &info) == 0) {
    errno = EEXIST;
    return -1;
  }
  return rename(from.c_str(), to.c_str());
}

// The two-step rename of a file system that folds case: through a fresh name beside it.
EError RenameThroughTemporary(const std::string& from, const std::string& to) {
  const std::string folder = from.substr(0, from.find_last_of('/') + 1);
  for (int attempt = 0; attempt < 0x10000; ++attempt) {
    const std::string between = folder + Format("REN%04X.tmp", posix::NextTempNumber());
    if (RenameNoReplace(from, between) != 0) {
      if (errno == EEXIST) {
        continue;
      }
      return posix::FromErrno(errno);
    }
    if (RenameNoReplace(between, to) == 0) {
      return EError::kNone;
    }
    const int saved = errno;
    rename(between.c_str(), from.c_str());  // back under its old name
    return posix::FromErrno(saved);
  }
  return EError::kAlreadyExists;
}

}  // namespace

bool OtherSpellingFound(std::string_view path) {
  const std::string_view name = posix::LastName(path);
  std::string other = ToUpper(name);
  if (other == name) {
    other = ToLower(name);
    if (other == name) {
      return false;  // no letters: every spelling is the same
    }
  }
  EError error = EError::kNone;
  const auto posixOther =
      posix::Resolve(std::string(path.substr(0, path.size() - name.size())) + other, error);
  struct stat info {};
  return posixOther && lstat(posixOther->c_str(), &info) == 0;
}

EError ChangeNameCase(std::string_view from, std::string_view to) {
  EError error = EError::kNone;
  const auto source = posix::Resolve(from, error);
  if (!source) {
    return error;
  }
  const auto target = posix::Resolve(to, error);
  if (!target) {
    return error;
  }
  if (RenameNoReplace(*source, *target) == 0) {
    return EError::kNone;  // the spellings are two names here
  }
  if (errno != EEXIST) {
    return posix::FromErrno(errno);
  }
  if (HoldsExactName(*target)) {
    return EError::kAlreadyExists;  // another file holds that spelling
  }
  return RenameThroughTemporary(*source, *target);
}

}  // namespace platform
