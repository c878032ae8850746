// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/FolderPaths.h"

#include "platform/FileFind.h"
#include "platform/FileInfo.h"
#include "platform/FileOps.h"

bool IsExistingFolder(std::string_view path) {
  if (path.size() > 3 && path.back() == '\\') {
    path.remove_suffix(1);
  }
  if (path.size() >= 260 || path.size() <= 2) {
    return false;
  }
  const uint32_t attributes = platform::GetFileAttributes(path);
  return attributes != platform::kInvalidAttributes && (attributes & platform::kAttrDirectory) != 0;
}

bool CreateFolderPath(std::string_view path, std::vector<std::string>* made) {
  if (path.size() <= 2 || path[1] != ':') {
    return false;  // network paths are not created
  }
  if (path.size() == 3) {
    return true;
  }
  if (path.size() >= 256) {
    return false;
  }
  if (IsExistingFolder(path)) {
    return true;
  }
  const auto makeSure = [made](std::string_view folder) {
    if (IsExistingFolder(folder)) {
      return true;
    }
    if (platform::CreateDirectory(folder) != platform::EError::kNone) {
      return false;
    }
    if (made != nullptr) {
      made->emplace_back(folder);
    }
    return true;
  };
  for (size_t i = 3; i < path.size(); ++i) {
    if (path[i] == '\\' && !makeSure(path.substr(0, i))) {
      return false;
    }
  }
  return makeSure(path);
}

bool PathExists(std::string_view path) {
  platform::CFindFile finder;
  return finder.FindFirst(path);
}
