// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/PathText.h"

namespace {

bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::string_view TrimTrailingBackslashes(std::string_view path) {
  while (path.size() > 3 && path.back() == '\\') {
    path.remove_suffix(1);
  }
  return path;
}

}  // namespace

std::string WithBackslash(std::string_view path) {
  std::string out(path);
  if (out.empty() || out.back() != '\\') {
    out.push_back('\\');
  }
  return out;
}

std::string DisplayFolder(std::string_view folder) {
  if (folder.size() > 3 && folder.back() == '\\') {
    folder.remove_suffix(1);
  }
  return std::string(folder);
}

std::string_view LastName(std::string_view path) {
  path = TrimTrailingBackslashes(path);
  const size_t slash = path.find_last_of('\\');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string ParentFolder(std::string_view path) {
  path = TrimTrailingBackslashes(path);
  const size_t slash = path.find_last_of('\\');
  // A drive root ("C:\") has no last name and so no parent.
  if (slash == std::string_view::npos || slash + 1 == path.size()) {
    return {};
  }
  return std::string(path.substr(0, slash + 1));
}

std::string DriveRoot(std::string_view path) {
  if (path.size() < 2 || !IsLetter(path[0]) || path[1] != ':') {
    return {};
  }
  const char letter = path[0] >= 'a' ? static_cast<char>(path[0] - 32) : path[0];
  return std::string{letter, ':', '\\'};
}

uint64_t RoundUpToCluster(uint64_t size, uint32_t clusterSize) {
  if (clusterSize == 0 || size == 0) {
    return size;
  }
  return (size + clusterSize - 1) / clusterSize * clusterSize;
}
