// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class CPreviewList;

// The copy buffer: a whole number of clusters of the larger cluster size, never more than the
// largest listed file needs; at most 1 MiB when no listed file exceeds 1 MiB, otherwise at
// most a tenth of free physical memory and at most 4 MiB, but at least 8 clusters.
uint64_t CopyBufferClusters(uint64_t largestFile, uint32_t unit, uint64_t availableMemory);

// The largest file size among the list's rows.
uint64_t LargestListedFile(const CPreviewList& list);

// Allocates the buffer, halving the cluster count while memory cannot be had; nothing when
// even one cluster cannot be had. `allocate` stands in for the allocation in tests.
using BufferAllocator = std::function<bool(std::vector<char>& buffer, uint64_t bytes)>;
std::optional<std::vector<char>> AllocateCopyBuffer(uint64_t largestFile, uint32_t sourceCluster,
                                                    uint32_t destinationCluster,
                                                    uint64_t availableMemory,
                                                    const BufferAllocator& allocate = {});
