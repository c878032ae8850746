// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Drive types, with the Windows values.
enum class EDriveType : uint32_t {
  kUnknown = 0,
  kNoRootDir = 1,
  kRemovable = 2,
  kFixed = 3,
  kRemote = 4,
  kCdrom = 5,
};

struct SDrive {
  char letter = 'C';  // upper case
  std::string root;   // POSIX folder, without a trailing slash unless it is "/"
  EDriveType type = EDriveType::kFixed;
  std::optional<uint64_t> freeBytes;     // overrides the file system's figure
  std::optional<uint32_t> clusterBytes;  // likewise
};

// Which POSIX folder each drive letter stands for. Inside the program every path has the
// Windows form (C:\a\b); this map translates at the boundary.
class CDriveMap {
 public:
  CDriveMap() = default;
  explicit CDriveMap(std::vector<SDrive> drives);

  // The map in force: from BREVANT_DRIVES when it is set, else from the mounted volumes.
  static std::shared_ptr<const CDriveMap> Current();
  // Builds the map in force again (after BREVANT_DRIVES changed).
  static void Reload();

  // "C=/tmp/t/c;D=/tmp/t/d,removable,free=100" -> drives. Bad entries are skipped and
  // described in `errors`.
  static CDriveMap Parse(std::string_view spec, std::string* errors = nullptr);
  // The default map: C: is "/", then D: onwards the volumes mounted under /media,
  // /run/media and /mnt in sorted order of mount point. `mountInfo` has the form of
  // /proc/self/mountinfo.
  static CDriveMap FromMountInfo(std::string_view mountInfo);

  const std::vector<SDrive>& Drives() const { return m_drives; }
  const SDrive* Find(char letter) const;

  // "X:\a\b" -> root(X) + "/a/b"; nothing for a path without a mapped drive letter.
  std::optional<std::string> ToPosix(std::string_view windowsPath) const;
  // A POSIX absolute path -> the drive whose root is its longest prefix, with backslashes;
  // nothing when no root holds it or a name in it contains a backslash.
  std::optional<std::string> ToWindows(std::string_view posixPath) const;

 private:
  std::vector<SDrive> m_drives;  // sorted by letter
};

// Conversions through the map in force.
std::optional<std::string> ToPosixPath(std::string_view windowsPath);
std::optional<std::string> ToWindowsPath(std::string_view posixPath);

// Resolves a path text to a full Windows-form path: "." and ".." are applied, separators
// are made single backslashes, a relative text is taken from the current folder, a text
// beginning with "/" is a POSIX path taken through the map. Nothing when the result would
// not fit in kMaxPath - 1 bytes or cannot be expressed.
std::optional<std::string> GetFullPathName(std::string_view text);

// Whether a Windows-form path names a mapped drive letter: the first character is a letter
// and the second a colon.
bool HasDriveLetter(std::string_view path);

}  // namespace platform
