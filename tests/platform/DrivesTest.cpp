// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/Drives.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/TestSandbox.h"

namespace {

using namespace platform;
using testing_support::CTestSandbox;

TEST(Drives, SpaceAndClustersComeFromTheVolumeOrTheOverride) {
  CTestSandbox sandbox("C={root}/c;D={root}/d,free=12345,cluster=65536");
  struct statvfs real {};
  ASSERT_EQ(statvfs(sandbox.CRoot().c_str(), &real), 0);

  EError error = EError::kGeneric;
  const auto c = GetDiskFreeSpace("C:\\", &error);
  ASSERT_TRUE(c.has_value());
  EXPECT_EQ(error, EError::kNone);
  EXPECT_EQ(c->total, static_cast<uint64_t>(real.f_blocks) * real.f_frsize);
  EXPECT_LE(c->freeToCaller, c->totalFree);
  EXPECT_LE(c->totalFree, c->total);
  EXPECT_EQ(GetClusterSize("C:\\"), real.f_frsize);
  // A folder that does not exist yet is measured on the volume that will hold it.
  EXPECT_EQ(GetDiskFreeSpace("C:\\not\\made\\yet")->total, c->total);
  EXPECT_EQ(GetClusterSize("C:\\not\\made\\yet"), real.f_frsize);

  const auto d = GetDiskFreeSpace("D:\\some\\folder");
  ASSERT_TRUE(d.has_value());
  EXPECT_EQ(d->freeToCaller, 12345u);
  EXPECT_EQ(d->totalFree, 12345u);
  EXPECT_EQ(GetClusterSize("D:\\"), 65536u);

  EXPECT_FALSE(GetDiskFreeSpace("E:\\", &error).has_value());
  EXPECT_EQ(error, EError::kPathNotFound);
  EXPECT_EQ(GetClusterSize("E:\\"), 0u);
  EXPECT_FALSE(GetDiskFreeSpace("\\\\server\\share\\", &error).has_value());
}

TEST(Drives, UnreadableRootIsNoDiskInDrive) {
  CTestSandbox sandbox("C={root}/c;D={root}/gone;F={root}/plain,free=1");
  testing_support::WriteFile(sandbox.Root() + "/plain", "a file, not a folder");
  EXPECT_EQ(GetDriveType("D:\\"), EDriveType::kFixed);  // mapped, so connected
  EXPECT_NE(GetLogicalDrives() & (1u << 3), 0u);
  for (const char* folder : {"D:\\", "D:\\x", "F:\\"}) {
    EError error = EError::kNone;
    EXPECT_FALSE(GetDiskFreeSpace(folder, &error).has_value()) << folder;
    EXPECT_EQ(error, EError::kNotReady) << folder;
    EXPECT_EQ(GetClusterSize(folder), 0u) << folder;
  }
  // The media arrives: the same drive is ready now.
  testing_support::MakeFolders(sandbox.Root() + "/gone");
  EXPECT_TRUE(GetDiskFreeSpace("D:\\").has_value());
}

TEST(Drives, SameVolumeNeedsTheSameLetterAndFileSystem) {
  CTestSandbox sandbox("C={root}/c;D={root}/d;E={root}/c/e");
  testing_support::MakeFolders(sandbox.CRoot() + "/a");
  testing_support::MakeFolders(sandbox.CRoot() + "/e");
  EXPECT_TRUE(OnSameVolume("C:\\a", "c:\\b\\not\\made"));
  EXPECT_TRUE(OnSameVolume("C:\\", "C:\\a"));
  EXPECT_FALSE(OnSameVolume("C:\\a", "D:\\"));  // another letter, even on one disk
  EXPECT_FALSE(OnSameVolume("C:\\e", "E:\\"));  // the same folder under two letters
  EXPECT_FALSE(OnSameVolume("C:\\a", "\\\\server\\share"));

  struct stat shm {};
  struct stat dev {};
  if (stat("/dev/shm", &shm) == 0 && stat("/dev", &dev) == 0 && shm.st_dev != dev.st_dev) {
    // One letter spanning two file systems: its folders are on different volumes.
    sandbox.SetDrives("C=/dev");
    EXPECT_FALSE(OnSameVolume("C:\\shm", "C:\\"));
    EXPECT_TRUE(OnSameVolume("C:\\shm", "C:\\shm\\x"));
  }
}

}  // namespace
