// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/CompareFiles.h"

#include <cstring>

#include "platform/File.h"

namespace {

constexpr size_t kBlock = 4096;

// Fills the block as far as the file allows, so that the two sides compare equal blocks
// even when a read returns less than asked.
bool ReadBlock(platform::CFile& file, char* block, size_t& length) {
  length = 0;
  while (length < kBlock) {
    size_t done = 0;
    if (file.Read(block + length, kBlock - length, done) != platform::EError::kNone) {
      return false;
    }
    if (done == 0) {
      break;
    }
    length += done;
  }
  return true;
}

}  // namespace

std::string CompareFileContents(std::string_view sourcePath, std::string_view destinationPath) {
  platform::CFile source;
  if (source.Open(sourcePath, platform::EAccess::kRead, platform::EShare::kOthersMayRead) !=
      platform::EError::kNone) {
    return "Could not open the source file.";
  }
  platform::CFile destination;
  if (destination.Open(destinationPath, platform::EAccess::kRead,
                       platform::EShare::kOthersMayRead) != platform::EError::kNone) {
    return "Could not open the destination file.";
  }
  const auto sourceSize = source.Size();
  const auto destinationSize = destination.Size();
  if (sourceSize && destinationSize && *sourceSize != *destinationSize) {
    return "Files differ.";
  }
  char a[kBlock];
  char b[kBlock];
  size_t lengthA = 0;
  size_t lengthB = 0;
  if (!ReadBlock(source, a, lengthA)) {
    return "Could not read the source file.";
  }
  if (!ReadBlock(destination, b, lengthB)) {
    return "Could not read the destination file.";
  }
  while (true) {
    // Equal only when both end together: a file whose size was not told, or that grew while
    // it was compared, must not pass as equal to a shorter one.
    if (lengthA == 0 && lengthB == 0) {
      return {};
    }
    if (lengthA != lengthB || std::memcmp(a, b, lengthA) != 0) {
      return "Files differ.";
    }
    // A read that fails part way is no proof of equal contents.
    if (!ReadBlock(source, a, lengthA)) {
      return "Could not read the source file.";
    }
    if (!ReadBlock(destination, b, lengthB)) {
      return "Could not read the destination file.";
    }
  }
}
