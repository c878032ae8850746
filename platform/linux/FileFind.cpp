// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/FileFind.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/DebugMessages.h"
#include "platform/TextUtil.h"
#include "platform/linux/Posix.h"

namespace platform {

struct CFindFile::SState {
  DIR* folder = nullptr;
  std::string posixFolder;  // ends in '/'
  std::string pattern;      // the last part of the Windows pattern
  bool single = false;      // the pattern names one entry
  bool singleDone = false;
  ~SState() {
    if (folder != nullptr) {
      closedir(folder);
    }
  }
};

namespace {

bool HasWildcards(std::string_view name) {
  return name.find_first_of("*?") != std::string_view::npos;
}

bool MatchFrom(std::string_view pattern, std::string_view name) {
  // Iterative wildcard match with backtracking over the last '*', by code point.
  size_t p = 0;
  size_t n = 0;
  size_t starP = std::string_view::npos;
  size_t starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starP = ++p;
      starN = n;
      continue;
    }
    if (p < pattern.size()) {
      size_t pNext = p;
      size_t nNext = n;
      const char32_t pc = DecodeUtf8(pattern, pNext);
      const char32_t nc = DecodeUtf8(name, nNext);
      if (pc == '?' || UpperCodePoint(pc) == UpperCodePoint(nc)) {
        p = pNext;
        n = nNext;
        continue;
      }
    }
    if (starP == std::string_view::npos) {
      return false;
    }
    p = starP;
    DecodeUtf8(name, starN);
    n = starN;
  }
  while (p < pattern.size() && pattern[p] == '*') {
    ++p;
  }
  return p == pattern.size();
}

timespec FromStatx(const statx_timestamp& time) {
  return timespec{static_cast<time_t>(time.tv_sec), static_cast<long>(time.tv_nsec)};
}

// Fills `data` for one entry of an open folder; false when the entry is to be skipped. One
// status call per entry (two for a link).
bool Describe(int folderFd, const std::string& posixFolder, const char* name, SFindData& data,
              bool readFlags) {
  constexpr unsigned kWanted =
      STATX_TYPE | STATX_MODE | STATX_SIZE | STATX_MTIME | STATX_ATIME | STATX_BTIME;
  struct statx extended {};
  if (statx(folderFd, name, AT_SYMLINK_NOFOLLOW, kWanted, &extended) != 0) {
    return false;
  }
  const bool link = S_ISLNK(extended.stx_mode);
  if (link && statx(folderFd, name, 0, kWanted, &extended) != 0) {
    return false;  // a link that leads nowhere
  }
  if (!S_ISREG(extended.stx_mode) && !S_ISDIR(extended.stx_mode)) {
    return false;  // devices, sockets and pipes are not files to back up
  }
  struct stat info {};
  info.st_mode = extended.stx_mode;
  info.st_size = static_cast<off_t>(extended.stx_size);
  info.st_mtim = FromStatx(extended.stx_mtime);
  const std::string_view nameView(name);
  const bool dots = nameView == "." || nameView == "..";
  const posix::SStoredFlags flags =
      dots || !readFlags ? posix::SStoredFlags{}
                         : posix::ReadStoredFlagsAt(folderFd, name, posixFolder + name);
  data.name = name;
  data.attributes = posix::AttributesOf(info, nameView, flags);
  if (link && S_ISDIR(extended.stx_mode)) {
    data.attributes |= kAttrReparsePoint;
  }
  data.size = S_ISDIR(extended.stx_mode) ? 0 : extended.stx_size;
  data.lastWriteTime = posix::FromTimespec(info.st_mtim);
  data.lastAccessTime = posix::FromTimespec(FromStatx(extended.stx_atime));
  data.creationTime = (extended.stx_mask & STATX_BTIME) != 0
                          ? posix::FromTimespec(FromStatx(extended.stx_btime))
                          : data.lastWriteTime;
  return true;
}

}  // namespace

bool WildcardMatch(std::string_view pattern, std::string_view name) {
  if (pattern == "*.*" || pattern == "*") {
    return true;
  }
  return MatchFrom(pattern, name);
}

CFindFile::CFindFile() = default;
CFindFile::~CFindFile() = default;

void CFindFile::Close() {
  m_state.reset();
}

bool CFindFile::FindFirst(std::string_view pattern) {
  Close();
  const size_t separator = pattern.find_last_of("\\/");
  if (separator == std::string_view::npos) {
    m_error = EError::kPathNotFound;
    return false;
  }
  m_folder = std::string(pattern.substr(0, separator + 1));
  auto state = std::make_unique<SState>();
  state->pattern = std::string(pattern.substr(separator + 1));
  EError error = EError::kNone;
  const auto posixFolder = posix::Resolve(m_folder, error);
  if (!posixFolder || pattern.size() >= kMaxPath) {
    m_error = pattern.size() >= kMaxPath ? EError::kPathTooLong : error;
    return false;
  }
  state->posixFolder = *posixFolder;
  if (state->posixFolder.back() != '/') {
    state->posixFolder.push_back('/');
  }
  if (state->pattern.empty()) {
    m_error = EError::kFileNotFound;
    return false;
  }
  state->single = !HasWildcards(state->pattern);
  if (!state->single) {
    state->folder = opendir(state->posixFolder.c_str());
    if (state->folder == nullptr) {
      m_error = errno == ENOENT ? EError::kPathNotFound : posix::FromErrno(errno);
      return false;
    }
  }
  m_state = std::move(state);
  if (!FindNext()) {
    m_error = m_error == EError::kNone ? EError::kFileNotFound : m_error;
    return false;
  }
  return true;
}

bool CFindFile::FindNext() {
  if (!m_state) {
    m_error = EError::kFileNotFound;
    return false;
  }
  SState& state = *m_state;
  if (state.single) {
    if (state.singleDone) {
      m_error = EError::kNone;
      return false;
    }
    state.singleDone = true;
    const int folderFd = open(state.posixFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0) {
      m_error = errno == ENOENT ? EError::kPathNotFound : posix::FromErrno(errno);
      return false;
    }
    const bool found =
        Describe(folderFd, state.posixFolder, state.pattern.c_str(), m_data, m_readFlags);
    const int saved = errno;
    close(folderFd);
    m_error =
        found ? EError::kNone : (saved == ENOENT ? EError::kFileNotFound : posix::FromErrno(saved));
    return found;
  }
  const int folderFd = dirfd(state.folder);
  while (true) {
    errno = 0;
    const dirent* entry = readdir(state.folder);
    if (entry == nullptr) {
      m_error = posix::FromErrno(errno);
      return false;
    }
    const std::string_view name(entry->d_name);
    if (!WildcardMatch(state.pattern, name)) {
      continue;
    }
    if (name.find('\\') != std::string_view::npos) {
      AddDebugMessage("Skipped \"%s%s\": its name has a backslash.", state.posixFolder.c_str(),
                      entry->d_name);
      continue;
    }
    if (Describe(folderFd, state.posixFolder, entry->d_name, m_data, m_readFlags)) {
      m_error = EError::kNone;
      return true;
    }
  }
}

}  // namespace platform
