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

bool CreateFolderPath(std::string_view path) {
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
  const auto makeSure = [](std::string_view folder) {
    return IsExistingFolder(folder) || platform::CreateDirectory(folder) == platform::EError::kNone;
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
