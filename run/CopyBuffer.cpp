// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "run/CopyBuffer.h"

#include <algorithm>
#include <new>

#include "preview/PreviewList.h"

namespace {

constexpr uint64_t kMegabyte = 1048576;

bool AllocateReally(std::vector<char>& buffer, uint64_t bytes) {
  try {
    buffer.resize(static_cast<size_t>(bytes));
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  } catch (const std::length_error&) {
    return false;
  }
}

}  // namespace

uint64_t CopyBufferClusters(uint64_t largestFile, uint32_t unit, uint64_t availableMemory) {
  if (unit == 0) {
    unit = 4096;
  }
  const uint64_t needed = (largestFile + unit - 1) / unit;
  uint64_t count = 0;
  if (largestFile <= kMegabyte) {
    count = kMegabyte / unit;
  } else {
    count = std::max<uint64_t>(std::min<uint64_t>(availableMemory / 10, 4 * kMegabyte) / unit, 8);
  }
  if (needed <= count) {
    count = std::max<uint64_t>(needed, 1);
  }
  return count;
}

uint64_t LargestListedFile(const CPreviewList& list) {
  uint64_t largest = 0;
  for (size_t i = 0; i < list.Count(); ++i) {
    largest = std::max(largest, list.Row(i).size);
  }
  return largest;
}

std::optional<std::vector<char>> AllocateCopyBuffer(uint64_t largestFile, uint32_t sourceCluster,
                                                    uint32_t destinationCluster,
                                                    uint64_t availableMemory,
                                                    const BufferAllocator& allocate) {
  uint32_t unit = std::max(sourceCluster, destinationCluster);
  if (unit == 0) {
    unit = 4096;
  }
  uint64_t count = CopyBufferClusters(largestFile, unit, availableMemory);
  std::vector<char> buffer;
  while (count > 0) {
    const bool got =
        allocate ? allocate(buffer, count * unit) : AllocateReally(buffer, count * unit);
    if (got) {
      return buffer;
    }
    count /= 2;
  }
  return std::nullopt;
}
