// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/DriveMap.h"

#include <gtest/gtest.h>

#include "platform/Drives.h"
#include "tests/support/TestSandbox.h"

namespace {

using namespace platform;
using testing_support::CTestSandbox;

TEST(DriveMap, OverrideGivesTypesFiguresAndSkipsBadEntries) {
  std::string errors;
  const CDriveMap map = CDriveMap::Parse(
      "C=/tmp/t/c; d=/tmp/t/d//,removable ;E=/tmp/t/e,cdrom;F=/srv/nas/,remote,free=100,"
      "cluster=512;G=relative;H=/x,floppy;I=/y,free=lots;C=/again;J",
      &errors);
  ASSERT_EQ(map.Drives().size(), 4u);
  EXPECT_EQ(map.Find('C')->root, "/tmp/t/c");
  EXPECT_EQ(map.Find('C')->type, EDriveType::kFixed);
  ASSERT_NE(map.Find('D'), nullptr);  // a lower-case letter names the same drive
  EXPECT_EQ(map.Find('d')->root, "/tmp/t/d");
  EXPECT_EQ(map.Find('D')->type, EDriveType::kRemovable);
  EXPECT_EQ(map.Find('E')->type, EDriveType::kCdrom);
  const SDrive* nas = map.Find('F');
  EXPECT_EQ(nas->root, "/srv/nas");
  EXPECT_EQ(nas->type, EDriveType::kRemote);
  EXPECT_EQ(nas->freeBytes, 100u);
  EXPECT_EQ(nas->clusterBytes, 512u);
  EXPECT_FALSE(map.Find('C')->freeBytes.has_value());
  for (const char* bad : {"G=relative", "H=/x,floppy", "I=/y,free=lots", "C=/again", "\"J\""}) {
    EXPECT_NE(errors.find(bad), std::string::npos) << bad << " in: " << errors;
  }
  EXPECT_EQ(map.Find('G'), nullptr);
  EXPECT_EQ(map.Find('H'), nullptr);
}

TEST(DriveMap, EnvironmentMapIsTheOneInForce) {
  CTestSandbox sandbox("C={root}/c;D={root}/d,removable;F={root}/f,cdrom");
  const uint32_t drives = GetLogicalDrives();
  EXPECT_EQ(drives, (1u << 2) | (1u << 3) | (1u << 5));
  EXPECT_EQ(drives & (1u << 4), 0u);  // E: is not connected
  EXPECT_EQ(GetDriveType("C:\\"), EDriveType::kFixed);
  EXPECT_EQ(GetDriveType("d:\\"), EDriveType::kRemovable);
  EXPECT_EQ(GetDriveType("F:\\"), EDriveType::kCdrom);
  EXPECT_EQ(GetDriveType("E:\\"), EDriveType::kNoRootDir);
  EXPECT_EQ(GetDriveType("\\\\server\\share\\"), EDriveType::kNoRootDir);
  EXPECT_EQ(*ToPosixPath("C:\\a"), sandbox.Root() + "/c/a");

  sandbox.SetDrives("C={root}/other");
  EXPECT_EQ(*ToPosixPath("C:\\a"), sandbox.Root() + "/other/a");
  EXPECT_EQ(GetDriveType("D:\\"), EDriveType::kNoRootDir);
}

// A mountinfo text as the kernel writes it: the system volume, volumes under /media,
// /run/media and /mnt, and mounts that are no drives. Device numbers with major 0 keep the
// removable-flag lookup away from this machine's block devices.
constexpr const char* kMountInfo =
    "21 26 0:20 / /proc rw,relatime shared:12 - proc proc rw\n"
    "26 1 0:31 / / rw,relatime shared:1 - ext4 /dev/vda1 rw\n"
    "40 26 0:45 / /mnt/backup rw,relatime shared:20 - ext4 /dev/sdz1 rw\n"
    "41 26 0:46 / /media/ann/USB\\040STICK rw,nosuid,nodev shared:21 master:3 - vfat "
    "/dev/sdy1 rw,uid=1000\n"
    "42 26 11:0 / /media/cdrom0 ro,nosuid shared:22 - iso9660 /dev/sr0 ro\n"
    "43 26 0:47 / /run/media/ann/NAS rw shared:23 - nfs4 server:/export rw,vers=4.2\n"
    "44 26 0:48 / /mnt/share rw - cifs //server/share rw\n"
    "45 26 0:49 / /home rw - ext4 /dev/sdz2 rw\n"
    "46 40 0:50 / /mnt/backup rw - nfs server:/backup rw\n"
    "garbage line without the separator\n";

TEST(DriveMap, DefaultMapComesFromTheMountedVolumes) {
  const CDriveMap map = CDriveMap::FromMountInfo(kMountInfo);
  const std::vector<SDrive>& drives = map.Drives();
  ASSERT_EQ(drives.size(), 6u);
  EXPECT_EQ(drives[0].letter, 'C');
  EXPECT_EQ(drives[0].root, "/");
  EXPECT_EQ(drives[0].type, EDriveType::kFixed);
  // Sorted by mount point: /media/ann/USB STICK, /media/cdrom0, /mnt/backup, /mnt/share,
  // /run/media/ann/NAS.
  EXPECT_EQ(drives[1].letter, 'D');
  EXPECT_EQ(drives[1].root, "/media/ann/USB STICK");
  EXPECT_EQ(drives[1].type, EDriveType::kRemovable);
  EXPECT_EQ(drives[2].root, "/media/cdrom0");
  EXPECT_EQ(drives[2].type, EDriveType::kCdrom);
  EXPECT_EQ(drives[3].root, "/mnt/backup");
  EXPECT_EQ(drives[3].type, EDriveType::kRemote);  // the later mount hides the first
  EXPECT_EQ(drives[4].root, "/mnt/share");
  EXPECT_EQ(drives[4].type, EDriveType::kRemote);
  EXPECT_EQ(drives[5].letter, 'H');
  EXPECT_EQ(drives[5].root, "/run/media/ann/NAS");
  EXPECT_EQ(drives[5].type, EDriveType::kRemote);
  EXPECT_EQ(map.Find('I'), nullptr);
  EXPECT_EQ(*map.ToWindows("/media/ann/USB STICK/photos"), "D:\\photos");
  EXPECT_EQ(*map.ToWindows("/home/ann"), "C:\\home\\ann");
}

TEST(DriveMap, ConvertsBothWaysWithTheLongestRoot) {
  const CDriveMap map = CDriveMap::Parse("C=/srv/c;D=/srv/c/mnt/d;E=/");
  EXPECT_EQ(*map.ToPosix("C:\\a\\b.txt"), "/srv/c/a/b.txt");
  EXPECT_EQ(*map.ToPosix("c:\\a"), "/srv/c/a");
  EXPECT_EQ(*map.ToPosix("C:\\"), "/srv/c");
  EXPECT_EQ(*map.ToPosix("C:"), "/srv/c");
  EXPECT_EQ(*map.ToPosix("E:\\etc"), "/etc");
  EXPECT_EQ(*map.ToPosix("E:\\"), "/");
  EXPECT_FALSE(map.ToPosix("F:\\a").has_value());
  EXPECT_FALSE(map.ToPosix("\\a\\b").has_value());
  EXPECT_FALSE(map.ToPosix("").has_value());

  EXPECT_EQ(*map.ToWindows("/srv/c/mnt/d/x"), "D:\\x");
  EXPECT_EQ(*map.ToWindows("/srv/c/mnt/d"), "D:\\");
  EXPECT_EQ(*map.ToWindows("/srv/c/mnt/dx"), "C:\\mnt\\dx");  // a prefix, but no folder of D:
  EXPECT_EQ(*map.ToWindows("/srv/c"), "C:\\");
  EXPECT_EQ(*map.ToWindows("/srv/cc/a"), "E:\\srv\\cc\\a");
  EXPECT_EQ(*map.ToWindows("/srv/c/a//b/"), "C:\\a\\b\\");
  EXPECT_FALSE(map.ToWindows("relative/a").has_value());
  EXPECT_FALSE(map.ToWindows("/srv/c/back\\slash").has_value());

  const CDriveMap noSystem = CDriveMap::Parse("D=/data");
  EXPECT_FALSE(noSystem.ToWindows("/etc/passwd").has_value());
  EXPECT_EQ(*noSystem.ToWindows("/data/a"), "D:\\a");
}

TEST(DriveMap, DotNamesNeverLeaveTheDrive) {
  const CDriveMap map = CDriveMap::Parse("C=/srv/c;D=/media/usb");
  // As on Windows, ".." stops at the drive's root instead of reaching the folder above.
  EXPECT_EQ(*map.ToPosix("D:\\..\\..\\etc\\passwd"), "/media/usb/etc/passwd");
  EXPECT_EQ(*map.ToPosix("C:\\a\\.\\b\\..\\c"), "/srv/c/a/c");
  EXPECT_EQ(*map.ToPosix("C:\\a\\.."), "/srv/c");
  EXPECT_EQ(*map.ToPosix("C:\\a\\b\\"), "/srv/c/a/b/");
  EXPECT_EQ(*map.ToPosix("C:\\..a\\.b\\c"), "/srv/c/..a/.b/c");  // names, not steps
}

}  // namespace
