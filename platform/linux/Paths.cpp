// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <dirent.h>
#include <errno.h>
#include <unistd.h>

#include <vector>

#include "platform/DriveMap.h"
#include "platform/FileOps.h"
#include "platform/linux/Posix.h"

namespace platform {

namespace {

// Applies "." and ".." to the names after a prefix ("C:\" or "\\server\share\") and joins
// them with single backslashes; a trailing separator is kept.
std::string Normalize(std::string_view prefix, std::string_view rest) {
  const std::vector<std::string_view> names = posix::NamesWithoutDots(rest);
  std::string out(prefix);
  for (size_t i = 0; i < names.size(); ++i) {
    if (i > 0) {
      out.push_back('\\');
    }
    out += names[i];
  }
  const bool trailing = !rest.empty() && (rest.back() == '\\' || rest.back() == '/');
  const bool endsWithDots =
      rest.ends_with("\\.") || rest.ends_with("/.") || rest == "." || rest.ends_with("..");
  if (trailing && !names.empty() && !endsWithDots) {
    out.push_back('\\');
  }
  return out;
}

std::optional<std::string> Fitting(std::string path) {
  if (path.size() >= kMaxPath) {
    return std::nullopt;
  }
  return path;
}

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

}  // namespace

std::optional<std::string> GetCurrentDirectory() {
  std::vector<char> buffer(4096);
  if (getcwd(buffer.data(), buffer.size()) == nullptr) {
    return std::nullopt;
  }
  return ToWindowsPath(buffer.data());
}

EError SetCurrentDirectory(std::string_view path) {
  EError error = EError::kNone;
  const auto posixPath = posix::Resolve(path, error);
  if (!posixPath) {
    return error;
  }
  return chdir(posixPath->c_str()) == 0 ? EError::kNone : posix::FromErrno(errno);
}

std::optional<std::string> GetFullPathName(std::string_view text) {
  if (text.empty()) {
    return std::nullopt;
  }
  if (text.front() == '/' && !(text.size() > 1 && text[1] == '/')) {
    // A POSIX path: resolve it as such, then name it by its drive.
    std::string posixPath = Normalize("", text.substr(1));
    for (char& c : posixPath) {
      if (c == '\\') {
        c = '/';
      }
    }
    auto windowsPath = ToWindowsPath("/" + posixPath);
    if (!windowsPath) {
      return std::nullopt;
    }
    return Fitting(std::move(*windowsPath));
  }
  if (IsSeparator(text[0]) && text.size() > 1 && IsSeparator(text[1])) {
    // A network path: \\server\share\...
    const std::string_view rest = text.substr(2);
    const size_t server = rest.find_first_of("\\/");
    if (server == std::string_view::npos) {
      return Fitting("\\\\" + std::string(rest));
    }
    const size_t share = rest.find_first_of("\\/", server + 1);
    std::string prefix = "\\\\" + std::string(rest.substr(0, server)) + "\\";
    if (share == std::string_view::npos) {
      return Fitting(prefix + std::string(rest.substr(server + 1)));
    }
    prefix += std::string(rest.substr(server + 1, share - server - 1)) + "\\";
    return Fitting(Normalize(prefix, rest.substr(share + 1)));
  }
  const std::optional<std::string> current = GetCurrentDirectory();
  if (HasDriveLetter(text)) {
    const std::string prefix = std::string(text.substr(0, 2)) + "\\";
    std::string_view rest = text.substr(2);
    if (!rest.empty() && IsSeparator(rest.front())) {
      return Fitting(Normalize(prefix, rest.substr(1)));
    }
    // "X:name" is relative to the current folder when that lies on drive X.
    if (current && (current->front() & ~0x20) == (text[0] & ~0x20)) {
      // A bare "X:" is that folder itself, without a trailing separator.
      const std::string relative =
          rest.empty() ? current->substr(3) : current->substr(3) + "\\" + std::string(rest);
      return Fitting(Normalize(prefix, relative));
    }
    return Fitting(Normalize(prefix, rest));
  }
  if (!current) {
    return std::nullopt;
  }
  const std::string prefix = current->substr(0, 3);
  if (IsSeparator(text.front())) {
    return Fitting(Normalize(prefix, text.substr(1)));  // the current drive's root
  }
  return Fitting(Normalize(prefix, current->substr(3) + "\\" + std::string(text)));
}

bool CanListFolder(std::string_view path) {
  EError error = EError::kNone;
  const auto posixPath = posix::Resolve(path, error);
  if (!posixPath) {
    return false;
  }
  DIR* folder = opendir(posixPath->c_str());
  if (folder == nullptr) {
    return false;
  }
  closedir(folder);
  return true;
}

}  // namespace platform
