// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "copy/CopyMsgs.h"
#include "platform/FileInfo.h"
#include "preview/ListData.h"
#include "tests/support/CopyTestSupport.h"
#include "tests/support/TestSandbox.h"

// Copies into destinations whose names are spelt in another letter case, or that hold links
// to folders that lead out of the backup.
namespace {

using copy_test::kNewTime;
using copy_test::kOldTime;
using copy_test::Names;
using copy_test::OfKind;
using copy_test::Profile;
using testing_support::BuildTree;
using testing_support::Exists;
using testing_support::ReadFile;

// A row of a list as the preview makes it.
void AddRow(CPreviewList& list, const std::string& folder, const std::string& name, int32_t action,
            uint64_t size = 0) {
  auto row = std::make_shared<CFilesListCtrlData>();
  row->name = name;
  row->folder = std::make_shared<const std::string>(folder);
  row->size = size;
  row->action = action;
  ASSERT_TRUE(list.Add(std::move(row)));
}

std::vector<std::string> Reasons(const CCopyMsgs& messages, int32_t kind) {
  std::vector<std::string> reasons;
  for (const SCopyMsg& message : OfKind(messages, kind)) {
    reasons.push_back(message.reason + " | " + message.path);
  }
  return reasons;
}

class CopyCaseTest : public copy_test::CopyTreeTest {};

TEST_F(CopyCaseTest, AFileSpeltOtherwiseIsReplacedAndTheCopyTakesTheSourcesSpelling) {
  BuildTree(Src(), {{"report.txt", "new", kNewTime}, {"Photos/x.jpg", "x", kNewTime}});
  BuildTree(Dst(), {{"Report.TXT", "old", kOldTime}, {"photos/X.JPG", "old x", kOldTime}});
  ASSERT_TRUE(m_copy.Copy(Profile()));
  EXPECT_EQ(m_copy.run.Messages().Total(), 0);
  EXPECT_EQ(Names(Dst()), (std::vector<std::string>{"photos", "report.txt"}));
  EXPECT_EQ(ReadFile(Dst("report.txt")), "new");
  EXPECT_EQ(Names(Dst("photos")), (std::vector<std::string>{"x.jpg"}));
  EXPECT_EQ(ReadFile(Dst("photos/x.jpg")), "x");
}

TEST_F(CopyCaseTest, AFileSpeltOtherwiseIsRecycledUnderItsOwnName) {
  BuildTree(Src(), {{"report.txt", "new", kNewTime}});
  BuildTree(Dst(), {{"Report.TXT", "old", kOldTime}});
  CSettingsState settings = Profile();
  settings.disposeMode = kDisposeRecycle;
  ASSERT_TRUE(m_copy.Copy(settings));
  EXPECT_EQ(m_copy.run.Messages().Total(), 0);
  EXPECT_EQ(Names(Dst()), (std::vector<std::string>{"report.txt"}));
  const std::string trash = m_sandbox.Home() + "/.local/share/Trash/files";
  EXPECT_EQ(Names(trash), (std::vector<std::string>{"Report.TXT"}));
  EXPECT_EQ(ReadFile(trash + "/Report.TXT"), "old");
}

TEST_F(CopyCaseTest, WithExactNamesTheListedDeletionNeverTakesTheNewCopy) {
  // "Include Renames" lists the renamed file as new and its old spelling as a stray.
  BuildTree(Src(), {{"report.txt", "new"}});
  BuildTree(Dst(), {{"Report.TXT", "old"}});
  AddRow(m_copy.list, "C:\\src", "report.txt", kActionCopy, 3);
  AddRow(m_copy.list, "D:\\dst", "Report.TXT", kActionDelete, 3);
  ASSERT_TRUE(m_copy.Copy(Profile(), true));
  EXPECT_EQ(m_copy.run.Messages().Total(), 0);
  EXPECT_EQ(Names(Dst()), (std::vector<std::string>{"report.txt"}));
  EXPECT_EQ(ReadFile(Dst("report.txt")), "new");
}

TEST_F(CopyCaseTest, WhereBothSpellingsExistEachIsItsOwnFile) {
  BuildTree(Src(), {{"a.txt", "new", kNewTime}});
  BuildTree(Dst(), {{"A.txt", "other", kOldTime}, {"a.txt", "old", kOldTime}});
  AddRow(m_copy.list, "C:\\src", "a.txt", kActionCopy, 3);
  AddRow(m_copy.list, "D:\\dst", "A.txt", kActionDelete, 5);
  ASSERT_TRUE(m_copy.Copy(Profile(), true));
  EXPECT_EQ(Names(Dst()), (std::vector<std::string>{"a.txt"}));
  EXPECT_EQ(ReadFile(Dst("a.txt")), "new");
}

class CopyLinkTest : public copy_test::CopyTreeTest {
 protected:
  std::string Outside(const std::string& relative = {}) const {
    return m_sandbox.Root() + "/d/outside" + (relative.empty() ? "" : "/" + relative);
  }
  void LinkOutside(const std::string& destinationRelative) {
    testing_support::MakeFolders(Outside());
    ASSERT_EQ(symlink(Outside().c_str(), Dst(destinationRelative).c_str()), 0);
  }
  static std::string LinkText(const std::string& link) {
    return "The destination path passes through a link to a folder: \"" + link + "\"";
  }
};

TEST_F(CopyLinkTest, NothingIsCopiedThroughAFolderLinkBelowTheRoot) {
  BuildTree(Src(), {{"a.txt", "a"}, {"photos/deep/p.jpg", "p"}});
  BuildTree(Dst(), {{"keep.txt", "k"}});
  LinkOutside("photos");
  ASSERT_TRUE(m_copy.Copy(Profile()));
  EXPECT_EQ(
      Reasons(m_copy.run.Messages(), kMsgNotCopied),
      (std::vector<std::string>{LinkText("D:\\dst\\photos") + " | C:\\src\\photos\\deep\\p.jpg"}));
  EXPECT_EQ(Names(Outside()), std::vector<std::string>{});
  EXPECT_EQ(ReadFile(Dst("a.txt")), "a");
}

TEST_F(CopyLinkTest, TheRootItselfMayBeALink) {
  BuildTree(Src(), {{"sub/a.txt", "a"}});
  testing_support::MakeFolders(Outside());
  ASSERT_EQ(symlink(Outside().c_str(), Dst().c_str()), 0);
  ASSERT_TRUE(m_copy.Copy(Profile()));
  EXPECT_EQ(m_copy.run.Messages().Total(), 0);
  EXPECT_EQ(ReadFile(Outside("sub/a.txt")), "a");
}

TEST_F(CopyLinkTest, AVersionsFolderLinkKeepsTheOldFileAndWritesNothingThrough) {
  BuildTree(Src(), {{"a.txt", "new", kNewTime}});
  BuildTree(Dst(), {{"a.txt", "old", kOldTime}});
  BuildTree(Outside(), {{"a - Ver (1).txt", "1"}, {"a - Ver (2).txt", "2"}});
  ASSERT_EQ(symlink(Outside().c_str(), Dst("~Versions").c_str()), 0);
  CSettingsState settings = Profile();
  settings.disposeMode = kDisposeVersions;
  settings.versionLimit = 1;  // would prune every version found there
  ASSERT_TRUE(m_copy.Copy(settings));
  EXPECT_EQ(Reasons(m_copy.run.Messages(), kMsgNotCopied),
            (std::vector<std::string>{LinkText("D:\\dst\\~Versions") + " | C:\\src\\a.txt"}));
  EXPECT_EQ(ReadFile(Dst("a.txt")), "old");
  EXPECT_EQ(Names(Outside()), (std::vector<std::string>{"a - Ver (1).txt", "a - Ver (2).txt"}));
}

TEST_F(CopyLinkTest, ListedItemsBehindALinkMadeAfterThePreviewAreRefused) {
  BuildTree(Outside(), {{"x.txt", "outside"}});
  testing_support::MakeFolders(Src());
  testing_support::MakeFolders(Dst());
  ASSERT_EQ(symlink(Outside().c_str(), Dst("lnk").c_str()), 0);
  AddRow(m_copy.list, "D:\\dst\\lnk", "x.txt", kActionDelete, 7);
  AddRow(m_copy.list, "D:\\dst\\lnk", "made", kActionCreate);
  CSettingsState settings = Profile();
  settings.deleteStrayFiles = 1;
  ASSERT_TRUE(m_copy.Copy(settings, true));
  EXPECT_EQ(Reasons(m_copy.run.Messages(), kMsgNotCopied),
            (std::vector<std::string>{LinkText("D:\\dst\\lnk") + " | D:\\dst\\lnk\\x.txt"}));
  EXPECT_EQ(Reasons(m_copy.run.Messages(), kMsgFolderFailed),
            (std::vector<std::string>{LinkText("D:\\dst\\lnk") + " | D:\\dst\\lnk\\made"}));
  EXPECT_EQ(Names(Outside()), (std::vector<std::string>{"x.txt"}));
}

// A destination on a file system that takes two spellings for one name: vfat from a loop
// device, or else exFAT through FUSE. Both need root and their tools.
class CaseFoldingDiskTest : public copy_test::CopyTreeTest {
 protected:
  void SetUp() override {
    if (geteuid() != 0) {
      GTEST_SKIP() << "mounting a case-folding disk image needs root";
    }
    const std::string image = m_sandbox.Root() + "/disk.img";
    m_mount = m_sandbox.Root() + "/fold";
    testing_support::MakeFolders(m_mount);
    const std::string quiet = " >/dev/null 2>&1";
    if (Shell("truncate -s 16M " + image + quiet) && Shell("mkfs.vfat " + image + quiet) &&
        Shell("mount -o loop " + image + " " + m_mount + quiet)) {
      m_mounted = true;
    } else if (Shell("mkfs.exfat " + image + quiet) &&
               Shell("losetup -f --show " + image + " > " + m_sandbox.Root() + "/loop" +
                     " 2>/dev/null")) {
      m_loop = ReadFile(m_sandbox.Root() + "/loop");
      while (!m_loop.empty() && m_loop.back() == '\n') {
        m_loop.pop_back();
      }
      m_mounted = Shell("mount.exfat-fuse " + m_loop + " " + m_mount + quiet);
    }
    if (!m_mounted) {
      GTEST_SKIP() << "neither vfat (mkfs.vfat, mount -o loop) nor exFAT (mkfs.exfat, "
                      "mount.exfat-fuse) could be mounted here";
    }
    m_sandbox.SetDrives("C={root}/c;D={root}/fold");
    testing_support::MakeFolders(m_mount + "/dst");
  }
  void TearDown() override {
    if (m_mounted) {
      EXPECT_EQ(umount(m_mount.c_str()), 0);
    }
    if (!m_loop.empty()) {
      Shell("losetup -d " + m_loop);
    }
  }
  static bool Shell(const std::string& command) { return std::system(command.c_str()) == 0; }
  std::string Fold(const std::string& relative) const { return m_mount + "/dst/" + relative; }

  std::string m_mount;
  std::string m_loop;
  bool m_mounted = false;
};

TEST_F(CaseFoldingDiskTest, ARenamedFileIsCopiedUnderItsNewSpellingAndNotDeletedAfter) {
  BuildTree(Src(), {{"report.txt", "new"}});
  testing_support::WriteFile(Fold("Report.TXT"), "old");
  AddRow(m_copy.list, "C:\\src", "report.txt", kActionCopy, 3);
  AddRow(m_copy.list, "D:\\dst", "Report.TXT", kActionDelete, 3);
  ASSERT_TRUE(m_copy.Copy(Profile(), true));
  EXPECT_EQ(m_copy.run.Messages().Total(), 0);
  EXPECT_EQ(Names(m_mount + "/dst"), (std::vector<std::string>{"report.txt"}));
  EXPECT_EQ(ReadFile(Fold("report.txt")), "new");
}

TEST_F(CaseFoldingDiskTest, AnOlderFileSpeltOtherwiseIsKeptAsAVersion) {
  BuildTree(Src(), {{"report.txt", "new", kNewTime}});
  testing_support::WriteFile(Fold("Report.TXT"), "old");
  // Through FUSE a late flush of the write would set the time again, and a time given alone
  // may not be taken.
  sync();
  ASSERT_EQ(platform::SetFileTimes("D:\\dst\\Report.TXT", nullptr, &kOldTime, &kOldTime),
            platform::EError::kNone);
  CSettingsState settings = Profile();
  settings.disposeMode = kDisposeVersions;
  ASSERT_TRUE(m_copy.Copy(settings));
  EXPECT_EQ(m_copy.run.Messages().Total(), 0);
  EXPECT_EQ(Names(m_mount + "/dst"), (std::vector<std::string>{"report.txt", "~Versions"}));
  EXPECT_EQ(ReadFile(Fold("report.txt")), "new");
  EXPECT_EQ(ReadFile(Fold("~Versions/report - Ver (1).txt")), "old");
}

}  // namespace
