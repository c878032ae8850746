// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/FileFind.h"
#include "platform/FileInfo.h"
#include "tests/support/TestSandbox.h"

namespace {

using namespace platform;
using testing_support::CTestSandbox;

constexpr FileTime kTicksPerSecond = 10'000'000;
// 2001-02-03 04:05:06.7891234 UTC and 1960-06-15 00:00:00.5 UTC (before the POSIX epoch).
constexpr FileTime kWrite2001 = 126256467060000000ull + 7'891'234;
constexpr FileTime kWrite1960 = 113431968000000000ull + 5'000'000;

// Whether the file system keeps times to the nanosecond; others round what is set.
bool KeepsNanoseconds(const std::string& posixPath) {
  struct statfs info {};
  if (statfs(posixPath.c_str(), &info) != 0) {
    return false;
  }
  switch (static_cast<unsigned long>(info.f_type)) {
    case EXT4_SUPER_MAGIC:
    case TMPFS_MAGIC:
    case XFS_SUPER_MAGIC:
    case BTRFS_SUPER_MAGIC:
      return true;
    default:
      return false;
  }
}

TEST(FileTimes, SetTimesReadBackExactly) {
  CTestSandbox sandbox;
  const std::string file = sandbox.CRoot() + "/t.txt";
  testing_support::WriteFile(file, "t");
  if (!KeepsNanoseconds(file)) {
    GTEST_SKIP() << "the file system of " << file << " does not keep 100 ns times";
  }
  const FileTime access = kWrite2001 + 3 * kTicksPerSecond + 1;
  ASSERT_EQ(SetFileTimes("C:\\t.txt", nullptr, &access, &kWrite2001), EError::kNone);
  auto times = GetFileTimes("C:\\t.txt");
  ASSERT_TRUE(times.has_value());
  EXPECT_EQ(times->lastWrite, kWrite2001);
  EXPECT_EQ(times->lastAccess, access);

  // A null time is left as it is.
  ASSERT_EQ(SetFileTimes("C:\\t.txt", nullptr, nullptr, &kWrite1960), EError::kNone);
  times = GetFileTimes("C:\\t.txt");
  EXPECT_EQ(times->lastWrite, kWrite1960);
  EXPECT_EQ(times->lastAccess, access);

  // The enumerator reports the same figures.
  CFindFile find;
  ASSERT_TRUE(find.FindFirst("C:\\*.txt"));
  EXPECT_EQ(find.Data().lastWriteTime, kWrite1960);
  EXPECT_EQ(find.Data().lastAccessTime, access);
  EXPECT_EQ(find.Data().creationTime, times->creation);

  // Folders take times too.
  testing_support::MakeFolders(sandbox.CRoot() + "/dir");
  ASSERT_EQ(SetFileTimes("C:\\dir", nullptr, nullptr, &kWrite2001), EError::kNone);
  EXPECT_EQ(GetFileTimes("C:\\dir")->lastWrite, kWrite2001);

  EError error = EError::kNone;
  EXPECT_FALSE(GetFileTimes("C:\\missing", &error).has_value());
  EXPECT_EQ(error, EError::kFileNotFound);
  EXPECT_EQ(SetFileTimes("C:\\missing", nullptr, nullptr, &kWrite2001), EError::kFileNotFound);
  EXPECT_EQ(SetFileTimes("E:\\x", nullptr, nullptr, &kWrite2001), EError::kPathNotFound);
}

TEST(FileTimes, CreationTimeIsReadButNeverSet) {
  CTestSandbox sandbox;
  const std::string file = sandbox.CRoot() + "/c.txt";
  testing_support::WriteFile(file, "c");
  struct statx extended {};
  ASSERT_EQ(statx(AT_FDCWD, file.c_str(), 0, STATX_BTIME, &extended), 0);
  const bool hasBirthTime = (extended.stx_mask & STATX_BTIME) != 0;

  const FileTime before = GetFileTimes("C:\\c.txt")->creation;
  const FileTime wanted = kWrite1960;
  ASSERT_EQ(SetFileTimes("C:\\c.txt", &wanted, nullptr, &kWrite2001), EError::kNone);
  const SFileTimes after = *GetFileTimes("C:\\c.txt");
  EXPECT_NE(after.creation, wanted);
  if (hasBirthTime) {
    EXPECT_EQ(after.creation, before);
    EXPECT_GT(after.creation, kWrite2001);  // the file was made now, not in 2001
  } else {
    EXPECT_EQ(after.creation, after.lastWrite);  // stands in where none is kept
  }
}

}  // namespace
