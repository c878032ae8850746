// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/DriveMap.h"

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <sstream>

#include "platform/DebugMessages.h"
#include "platform/TextUtil.h"
#include "platform/Types.h"
#include "platform/linux/Posix.h"
#include "platform/linux/Sysfs.h"

namespace platform {

namespace {

char UpperLetter(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}
bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::string NormalizeRoot(std::string_view root) {
  std::string out;
  for (const char c : root) {
    if (c == '/' && !out.empty() && out.back() == '/') {
      continue;
    }
    out.push_back(c);
  }
  while (out.size() > 1 && out.back() == '/') {
    out.pop_back();
  }
  return out;
}

template <typename T>
bool ParseNumber(std::string_view text, T& value) {
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  while (true) {
    const size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) {
      return parts;
    }
    start = end + 1;
  }
}

bool ApplyOption(std::string_view option, SDrive& drive) {
  if (option == "fixed") {
    drive.type = EDriveType::kFixed;
  } else if (option == "removable") {
    drive.type = EDriveType::kRemovable;
  } else if (option == "cdrom") {
    drive.type = EDriveType::kCdrom;
  } else if (option == "remote") {
    drive.type = EDriveType::kRemote;
  } else if (option.starts_with("free=")) {
    uint64_t value = 0;
    if (!ParseNumber(option.substr(5), value)) {
      return false;
    }
    drive.freeBytes = value;
  } else if (option.starts_with("cluster=")) {
    uint32_t value = 0;
    if (!ParseNumber(option.substr(8), value)) {
      return false;
    }
    drive.clusterBytes = value;
  } else {
    return false;
  }
  return true;
}

// Decodes the octal escapes (\040 and the like) of a mountinfo field.
std::string UnescapeMountField(std::string_view field) {
  const auto isOctal = [](char c) { return c >= '0' && c <= '7'; };
  std::string out;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() && isOctal(field[i + 1]) &&
        isOctal(field[i + 2]) && isOctal(field[i + 3])) {
      out.push_back(static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                      (field[i + 3] - '0')));
      i += 3;
      continue;
    }
    out.push_back(field[i]);
  }
  return out;
}

bool IsPathSeparator(char c) {
  return c == '\\' || c == '/';
}

// Whether a relative Windows-form path has a "." or ".." name.
bool HasDotStep(std::string_view path) {
  for (size_t at = path.find('.'); at != std::string_view::npos; at = path.find('.', at + 1)) {
    const bool starts = at == 0 || IsPathSeparator(path[at - 1]);
    const size_t end = (at + 1 < path.size() && path[at + 1] == '.') ? at + 2 : at + 1;
    if (starts && (end == path.size() || IsPathSeparator(path[end]))) {
      return true;
    }
  }
  return false;
}

// The names of a relative path with "." and ".." applied (never above the start), joined
// with '/'; a trailing separator is kept.
std::string ApplyDotSteps(std::string_view path) {
  const std::vector<std::string_view> names = posix::NamesWithoutDots(path);
  std::string out;
  for (const std::string_view name : names) {
    if (!out.empty()) {
      out.push_back('/');
    }
    out += name;
  }
  if (!out.empty() && IsPathSeparator(path.back())) {
    out.push_back('/');
  }
  return out;
}

struct SMount {
  std::string point;
  std::string fsType;
  std::string source;
  unsigned major = 0;
  unsigned minor = 0;
};

std::vector<SMount> ParseMountInfo(std::string_view text) {
  std::vector<SMount> mounts;
  for (std::string_view line : Split(text, '\n')) {
    std::vector<std::string_view> fields;
    for (std::string_view field : Split(line, ' ')) {
      if (!field.empty()) {
        fields.push_back(field);
      }
    }
    const auto dash = std::find(fields.begin(), fields.end(), std::string_view("-"));
    if (fields.size() < 5 || dash == fields.end() || fields.end() - dash < 3) {
      continue;
    }
    SMount mount;
    mount.point = UnescapeMountField(fields[4]);
    mount.fsType = std::string(dash[1]);
    mount.source = UnescapeMountField(dash[2]);
    const std::string_view device = fields[2];
    const size_t colon = device.find(':');
    if (colon != std::string_view::npos) {
      ParseNumber(device.substr(0, colon), mount.major);
      ParseNumber(device.substr(colon + 1), mount.minor);
    }
    mounts.push_back(std::move(mount));
  }
  return mounts;
}

bool IsRemoteFileSystem(std::string_view type) {
  static constexpr std::string_view kRemote[] = {
      "nfs",         "nfs4",  "cifs",           "smb3",      "smbfs",      "ncpfs",
      "9p",          "afs",   "ceph",           "glusterfs", "fuse.sshfs", "fuse.rclone",
      "fuse.davfs2", "davfs", "fuse.glusterfs", "lustre"};
  return std::find(std::begin(kRemote), std::end(kRemote), type) != std::end(kRemote);
}

bool IsUnder(std::string_view path, std::string_view folder) {
  return path.size() > folder.size() && path.starts_with(folder) && path[folder.size()] == '/';
}

EDriveType TypeOfMount(const SMount& mount) {
  if (mount.source.starts_with("/dev/sr")) {
    return EDriveType::kCdrom;
  }
  if (IsRemoteFileSystem(mount.fsType)) {
    return EDriveType::kRemote;
  }
  if (BlockDeviceIsRemovable(mount.major, mount.minor) || IsUnder(mount.point, "/media") ||
      IsUnder(mount.point, "/run/media")) {
    return EDriveType::kRemovable;
  }
  return EDriveType::kFixed;
}

bool IsVolumeMountPoint(std::string_view point) {
  return IsUnder(point, "/media") || IsUnder(point, "/run/media") || IsUnder(point, "/mnt") ||
         point == "/mnt";
}

std::string ReadFile(const char* path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::shared_ptr<const CDriveMap> BuildCurrent() {
  if (const char* spec = std::getenv("BREVANT_DRIVES")) {
    std::string errors;
    auto map = std::make_shared<const CDriveMap>(CDriveMap::Parse(spec, &errors));
    if (!errors.empty()) {
      AddDebugMessage("BREVANT_DRIVES: %s", errors.c_str());
    }
    return map;
  }
  return std::make_shared<const CDriveMap>(
      CDriveMap::FromMountInfo(ReadFile("/proc/self/mountinfo")));
}

struct SCurrentMap {
  std::mutex mutex;
  std::shared_ptr<const CDriveMap> map;
};

SCurrentMap& CurrentMap() {
  static SCurrentMap current;
  return current;
}

}  // namespace

CDriveMap::CDriveMap(std::vector<SDrive> drives) : m_drives(std::move(drives)) {
  std::stable_sort(m_drives.begin(), m_drives.end(),
                   [](const SDrive& a, const SDrive& b) { return a.letter < b.letter; });
}

std::shared_ptr<const CDriveMap> CDriveMap::Current() {
  SCurrentMap& current = CurrentMap();
  std::lock_guard lock(current.mutex);
  if (!current.map) {
    current.map = BuildCurrent();
  }
  return current.map;
}

void CDriveMap::Reload() {
  auto map = BuildCurrent();
  SCurrentMap& current = CurrentMap();
  std::lock_guard lock(current.mutex);
  current.map = std::move(map);
}

CDriveMap CDriveMap::Parse(std::string_view spec, std::string* errors) {
  std::vector<SDrive> drives;
  const auto complain = [errors](std::string_view entry) {
    if (errors != nullptr) {
      if (!errors->empty()) {
        *errors += "; ";
      }
      *errors += "ignored \"" + std::string(entry) + "\"";
    }
  };
  for (std::string_view entry : Split(spec, ';')) {
    entry = Trim(entry);
    if (entry.empty()) {
      continue;
    }
    if (entry.size() < 3 || !IsLetter(entry[0]) || entry[1] != '=') {
      complain(entry);
      continue;
    }
    const std::vector<std::string_view> parts = Split(entry.substr(2), ',');
    const std::string_view root = Trim(parts[0]);
    if (root.empty() || root.front() != '/') {
      complain(entry);
      continue;
    }
    SDrive drive;
    drive.letter = UpperLetter(entry[0]);
    drive.root = NormalizeRoot(root);
    bool good = true;
    for (size_t i = 1; i < parts.size(); ++i) {
      good = ApplyOption(Trim(parts[i]), drive) && good;
    }
    if (!good) {
      complain(entry);
      continue;
    }
    const auto same = std::find_if(drives.begin(), drives.end(),
                                   [&](const SDrive& d) { return d.letter == drive.letter; });
    if (same != drives.end()) {
      complain(entry);
      continue;
    }
    drives.push_back(std::move(drive));
  }
  return CDriveMap(std::move(drives));
}

CDriveMap CDriveMap::FromMountInfo(std::string_view mountInfo) {
  const std::vector<SMount> mounts = ParseMountInfo(mountInfo);
  std::vector<SDrive> drives;
  SDrive system;
  system.letter = 'C';
  system.root = "/";
  std::vector<const SMount*> volumes;
  for (const SMount& mount : mounts) {
    if (mount.point == "/") {
      system.type = TypeOfMount(mount);
    } else if (IsVolumeMountPoint(mount.point)) {
      // A later mount on the same point hides the earlier one.
      const auto same = std::find_if(volumes.begin(), volumes.end(),
                                     [&](const SMount* m) { return m->point == mount.point; });
      if (same != volumes.end()) {
        *same = &mount;
      } else {
        volumes.push_back(&mount);
      }
    }
  }
  if (system.type == EDriveType::kRemovable) {
    system.type = EDriveType::kFixed;  // the system volume is never offered as removable
  }
  drives.push_back(system);
  std::sort(volumes.begin(), volumes.end(),
            [](const SMount* a, const SMount* b) { return a->point < b->point; });
  char letter = 'D';
  for (const SMount* mount : volumes) {
    if (letter > 'Z') {
      break;
    }
    SDrive drive;
    drive.letter = letter++;
    drive.root = NormalizeRoot(mount->point);
    drive.type = TypeOfMount(*mount);
    drives.push_back(std::move(drive));
  }
  return CDriveMap(std::move(drives));
}

const SDrive* CDriveMap::Find(char letter) const {
  letter = UpperLetter(letter);
  for (const SDrive& drive : m_drives) {
    if (drive.letter == letter) {
      return &drive;
    }
  }
  return nullptr;
}

std::optional<std::string> CDriveMap::ToPosix(std::string_view windowsPath) const {
  if (!HasDriveLetter(windowsPath)) {
    return std::nullopt;
  }
  const SDrive* drive = Find(windowsPath[0]);
  if (drive == nullptr) {
    return std::nullopt;
  }
  std::string_view rest = windowsPath.substr(2);
  while (!rest.empty() && (rest.front() == '\\' || rest.front() == '/')) {
    rest.remove_prefix(1);
  }
  std::string out = drive->root;
  if (rest.empty()) {
    return out;
  }
  if (out.back() != '/') {
    out.push_back('/');
  }
  if (HasDotStep(rest)) {
    // Windows applies "." and ".." to the text, and ".." stops at the drive's root; the
    // file system would instead climb out of the drive's folder.
    const std::string steps = ApplyDotSteps(rest);
    return steps.empty() ? drive->root : out + steps;
  }
  for (const char c : rest) {
    out.push_back(c == '\\' ? '/' : c);
  }
  return out;
}

std::optional<std::string> CDriveMap::ToWindows(std::string_view posixPath) const {
  if (posixPath.empty() || posixPath.front() != '/') {
    return std::nullopt;
  }
  const SDrive* best = nullptr;
  for (const SDrive& drive : m_drives) {
    const std::string_view root = drive.root;
    const bool holds = root == "/" || posixPath == root ||
                       (posixPath.starts_with(root) && posixPath[root.size()] == '/');
    if (holds && (best == nullptr || root.size() > best->root.size())) {
      best = &drive;
    }
  }
  if (best == nullptr) {
    return std::nullopt;
  }
  std::string_view rest = posixPath.substr(best->root == "/" ? 0 : best->root.size());
  if (rest.find('\\') != std::string_view::npos) {
    return std::nullopt;
  }
  std::string out{best->letter, ':', '\\'};
  for (const char c : rest) {
    if (c == '/') {
      if (out.back() != '\\') {
        out.push_back('\\');
      }
    } else {
      out.push_back(c);
    }
  }
  return out;
}

std::optional<std::string> ToPosixPath(std::string_view windowsPath) {
  return CDriveMap::Current()->ToPosix(windowsPath);
}

std::optional<std::string> ToWindowsPath(std::string_view posixPath) {
  return CDriveMap::Current()->ToWindows(posixPath);
}

bool HasDriveLetter(std::string_view path) {
  return path.size() >= 2 && IsLetter(path[0]) && path[1] == ':';
}

}  // namespace platform
