// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

// Windows file time: 100-nanosecond intervals since 1601-01-01 00:00 UTC.
using FileTime = uint64_t;

// Failures of platform calls. The numbers are the Windows error codes of the same meaning,
// so that a Windows implementation can pass its codes through unchanged.
enum class EError : uint32_t {
  kNone = 0,
  kFileNotFound = 2,
  kPathNotFound = 3,
  kAccessDenied = 5,
  kOutOfMemory = 8,
  kNotReady = 21,
  kNotSameDevice = 17,
  kSharingViolation = 32,
  kNotSupported = 50,
  kFileExists = 80,
  kDiskFull = 112,
  kInvalidName = 123,
  kDirNotEmpty = 145,
  kAlreadyExists = 183,
  kPathTooLong = 206,
  kIoError = 1117,
  kNoAssociation = 1155,
  kGeneric = 0xFFFF,
};

// File attribute bits, with the Windows values.
constexpr uint32_t kAttrReadOnly = 0x01;
constexpr uint32_t kAttrHidden = 0x02;
constexpr uint32_t kAttrSystem = 0x04;
constexpr uint32_t kAttrDirectory = 0x10;
constexpr uint32_t kAttrArchive = 0x20;
constexpr uint32_t kAttrNormal = 0x80;
constexpr uint32_t kAttrReparsePoint = 0x400;
constexpr uint32_t kInvalidAttributes = 0xFFFFFFFF;

// A Windows-form path holds at most kMaxPath - 1 bytes.
constexpr size_t kMaxPath = 260;

}  // namespace platform
