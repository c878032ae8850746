// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "run/CopyBuffer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr uint64_t kMiB = 1048576;

TEST(CopyBuffer, ALargeFileGetsTheClustersItNeedsUpToTheCeiling) {
  // 3 MiB in 4,096-byte clusters: 768 of the 1,024 that 4 MiB allows.
  EXPECT_EQ(CopyBufferClusters(3 * kMiB, 4096, 100 * kMiB), 768u);
  // Larger files are held to 4 MiB...
  EXPECT_EQ(CopyBufferClusters(50 * kMiB, 4096, 100 * kMiB), 1024u);
  // ...or to a tenth of the free memory...
  EXPECT_EQ(CopyBufferClusters(50 * kMiB, 4096, 20 * kMiB), 512u);
  // ...but never to fewer than 8 clusters.
  EXPECT_EQ(CopyBufferClusters(50 * kMiB, 4096, 100000), 8u);
}

TEST(CopyBuffer, SmallFilesGetNoMoreThanTheLargestNeeds) {
  EXPECT_EQ(CopyBufferClusters(10000, 4096, 100 * kMiB), 3u);
  EXPECT_EQ(CopyBufferClusters(kMiB, 4096, 100 * kMiB), 256u);
  EXPECT_EQ(CopyBufferClusters(0, 4096, 100 * kMiB), 1u);
  EXPECT_EQ(CopyBufferClusters(1, 512, 100 * kMiB), 1u);
}

TEST(CopyBuffer, TheLargerClusterSizeIsTheUnit) {
  const auto buffer = AllocateCopyBuffer(10000, 512, 4096, 100 * kMiB);
  ASSERT_TRUE(buffer);
  EXPECT_EQ(buffer->size(), 12288u);
  const auto unknown = AllocateCopyBuffer(10000, 0, 0, 100 * kMiB);
  ASSERT_TRUE(unknown);
  EXPECT_EQ(unknown->size(), 12288u);  // clusters of 4,096 bytes are assumed
}

TEST(CopyBuffer, HalvesTheBufferWhileMemoryCannotBeHad) {
  std::vector<uint64_t> asked;
  const BufferAllocator allocator = [&](std::vector<char>& buffer, uint64_t bytes) {
    asked.push_back(bytes);
    if (bytes > 1000000) {
      return false;
    }
    buffer.resize(bytes);
    return true;
  };
  const auto buffer = AllocateCopyBuffer(3 * kMiB, 4096, 4096, 100 * kMiB, allocator);
  ASSERT_TRUE(buffer);
  EXPECT_EQ(asked, (std::vector<uint64_t>{768 * 4096, 384 * 4096, 192 * 4096}));
  EXPECT_EQ(buffer->size(), 192u * 4096);
}

TEST(CopyBuffer, NothingWhenNotEvenOneClusterCanBeHad) {
  int calls = 0;
  const BufferAllocator never = [&](std::vector<char>&, uint64_t) {
    ++calls;
    return false;
  };
  EXPECT_FALSE(AllocateCopyBuffer(3 * kMiB, 4096, 4096, 100 * kMiB, never));
  EXPECT_EQ(calls, 10);  // 768, 384, ..., 3, 1 clusters
}

}  // namespace
