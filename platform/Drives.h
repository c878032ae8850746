// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/DriveMap.h"
#include "platform/Types.h"

// Logical drives and their geometry. Roots have the form "C:\".
namespace platform {

// Space and cluster figures are those of the volume that holds the given folder (or its
// nearest existing parent on the same drive), as the Windows calls report for mounted
// folders: on this platform one drive letter can span several file systems.

// Bit 0 is A:, bit 2 is C: and so on: the letters of the drive map.
uint32_t GetLogicalDrives();
// kNoRootDir for a letter that is not mapped.
EDriveType GetDriveType(std::string_view root);

struct SDiskSpace {
  uint64_t freeToCaller = 0;
  uint64_t total = 0;
  uint64_t totalFree = 0;
};
// Fails with kNotReady when the drive's root cannot be read as a folder and with
// kPathNotFound when the letter is not mapped.
std::optional<SDiskSpace> GetDiskFreeSpace(std::string_view folder, EError* error = nullptr);
// Bytes per allocation unit; 0 when not determined.
uint32_t GetClusterSize(std::string_view folder);
// Whether two folders lie on the same volume (same drive letter and same file system).
bool OnSameVolume(std::string_view folderA, std::string_view folderB);

}  // namespace platform
