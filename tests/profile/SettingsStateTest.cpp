// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/SettingsState.h"

#include <gtest/gtest.h>

namespace {

using namespace settings_codes;

TEST(SettingsState, NewProfileCopiesEverythingIntoFoldersAndKeepsThreeVersions) {
  const CSettingsState settings;
  EXPECT_EQ(settings.copyMode, kCopyIntoFolders);
  EXPECT_EQ(settings.SubfolderMode(), kSubfoldersAll);
  EXPECT_EQ(settings.NameMode(), kNoFiltering);
  EXPECT_EQ(settings.DateMode(), kNoFiltering);
  EXPECT_EQ(settings.SizeMode(), kNoFiltering);
  EXPECT_EQ(settings.recentCount, 1);
  EXPECT_EQ(settings.recentUnit, kUnitDays);
  EXPECT_TRUE(settings.fromDateTime.IsValid());
  EXPECT_EQ(settings.fromDateTime.Days(), 0.0);
  EXPECT_TRUE(settings.throughDateTime.IsValid());
  // Attributes: read-only files are taken, hidden and system files are not.
  EXPECT_EQ(settings.includeReadOnly, 1);
  EXPECT_EQ(settings.includeHidden, 0);
  EXPECT_EQ(settings.includeSystem, 0);
  EXPECT_EQ(settings.clearArchive, 1);
  EXPECT_EQ(settings.copyHiddenAttribute, 1);
  EXPECT_EQ(settings.copySystemAttribute, 1);
  EXPECT_EQ(settings.copyReadOnlyAttribute, 0);
  EXPECT_EQ(settings.avoidStopping, 1);
  // Existing files.
  EXPECT_EQ(settings.overwriteMode, kOverwriteNewer);
  EXPECT_EQ(settings.disposeMode, kDisposeDelete);
  EXPECT_EQ(settings.versionLimit, 3);
  EXPECT_EQ(settings.versionSizeLimit, 0);
  EXPECT_EQ(settings.includeNewFiles, 1);
  EXPECT_EQ(settings.deleteStrayFiles, 0);
  EXPECT_EQ(settings.copySecurity, 0);
}

TEST(SettingsState, CodeFieldsOfZeroOrLessReadAsTheFirstCodeOfTheirSet) {
  CSettingsState settings;
  settings.subfolderMode = -7;
  settings.sizeMode = -1;
  EXPECT_EQ(settings.SubfolderMode(), kSubfoldersAll);
  EXPECT_EQ(settings.SizeMode(), kNoFiltering);
  settings.subfolderMode = kSubfoldersList;
  settings.nameMode = kNamesMatch;
  settings.dateMode = kDateRange;
  settings.sizeMode = kSizeLimits;
  EXPECT_EQ(settings.SubfolderMode(), kSubfoldersList);
  EXPECT_EQ(settings.NameMode(), kNamesMatch);
  EXPECT_EQ(settings.DateMode(), kDateRange);
  EXPECT_EQ(settings.SizeMode(), kSizeLimits);
}

TEST(SettingsState, RestoreRecordCopiesTheBackupBackWithoutItsOldVersions) {
  CSettingsState backup;
  backup.sourcePath = "C:\\Users\\ann\\Photos";
  backup.destinationPath = "E:\\Backup\\Photos";
  // None of the backup's own choices may leak into the restore.
  backup.subfolderMode = kSubfoldersList;
  backup.subfolderEntries = {"1*C:\\Users\\ann\\Photos", "0-Raw"};
  backup.nameMode = kNamesMatch;
  backup.nameEntries = {"1+*.jpg"};
  backup.dateMode = kDateRecent;
  backup.overwriteMode = kOverwriteAlways;
  backup.disposeMode = kDisposeVersions;
  backup.deleteStrayFiles = 1;
  backup.includeHidden = 1;

  const std::optional<CSettingsState> restore = backup.MakeRestoreRecord();
  ASSERT_TRUE(restore.has_value());
  CSettingsState expected;
  expected.sourcePath = "E:\\Backup\\Photos";
  expected.destinationPath = "C:\\Users\\ann\\Photos";
  expected.subfolderEntries = {"1-~Versions"};
  expected.overwriteMode = kOverwriteNewer;
  EXPECT_EQ(*restore, expected);
}

TEST(SettingsState, GatheringAndTreeOnlyProfilesHaveNoRestoreRecord) {
  CSettingsState settings;
  settings.sourcePath = "C:\\Src";
  settings.destinationPath = "D:\\Dst";
  for (const int32_t mode : {kCopyGather, kCopyTreeOnly}) {
    settings.copyMode = mode;
    EXPECT_FALSE(settings.MakeRestoreRecord().has_value()) << "copy mode " << mode;
  }
}

TEST(SettingsState, SizeBoundsAreCountedInSixtyFourBits) {
  EXPECT_EQ(SizeBytes(999999999, 0), 999999999u);
  EXPECT_EQ(SizeBytes(9999, 3), 9999ull * 1073741824ull);
  EXPECT_EQ(SizeBytes(3, 2), 3u * 1048576u);
}

}  // namespace
