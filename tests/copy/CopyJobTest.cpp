// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "copy/CopyJob.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/FileInfo.h"
#include "tests/support/CopyTestSupport.h"
#include "tests/support/TestSandbox.h"

namespace {

using copy_test::HasTemporaryName;
using copy_test::kNewTime;
using copy_test::kOldTime;
using copy_test::Names;
using copy_test::OfKind;
using copy_test::Pattern;
using copy_test::Profile;
using copy_test::SCopyHarness;
using copy_test::WriteTime;
using testing_support::BuildTree;
using testing_support::CTestSandbox;
using testing_support::Exists;
using testing_support::ReadFile;

class CopyJobTest : public copy_test::CopyTreeTest {
 protected:
  uint32_t Attributes(const std::string& windowsPath) const {
    return platform::GetFileAttributes(windowsPath);
  }
};

TEST_F(CopyJobTest, CopiesATreeAndCountsWhatItDid) {
  BuildTree(Src(), {{"a.txt", "alpha"},
                    {"empty", ""},
                    {"sub/b.bin", Pattern(70000, 'b')},
                    {"sub/deeper/c.txt", "gamma"}});
  ASSERT_TRUE(m_copy.Copy(Profile()));
  EXPECT_TRUE(m_copy.run.HasResults());
  EXPECT_FALSE(m_copy.run.Stopped());
  EXPECT_EQ(m_copy.run.Messages().Total(), 0);
  EXPECT_EQ(ReadFile(Dst("a.txt")), "alpha");
  EXPECT_TRUE(Exists(Dst("empty")));
  EXPECT_EQ(ReadFile(Dst("empty")), "");
  EXPECT_EQ(ReadFile(Dst("sub/b.bin")), Pattern(70000, 'b'));
  EXPECT_EQ(ReadFile(Dst("sub/deeper/c.txt")), "gamma");
  EXPECT_EQ(m_copy.run.Files(), 4);
  EXPECT_EQ(m_copy.run.Folders(), 3);  // the destination folders that received files
  EXPECT_EQ(Names(Dst()), (std::vector<std::string>{"a.txt", "empty", "sub"}));
  EXPECT_EQ(Names(Dst("sub")), (std::vector<std::string>{"b.bin", "deeper"}));
  EXPECT_EQ(m_copy.statusTexts, (std::vector<std::string>{"Status: Copying files..."}));
}

TEST_F(CopyJobTest, CopiesThatCannotBeMadeDurableAtTheEndAreReported) {
  BuildTree(Src(), {{"a.txt", "alpha"}});
  // The destination goes away once the file is in place: the closing sync cannot reach it.
  m_copy.target.onPost = [&](const CMessage& message) {
    if (message.Offset() == kMsgItemDone) {
      std::filesystem::remove_all(Dst());
    }
  };
  ASSERT_TRUE(m_copy.Copy(Profile()));
  const auto failed = OfKind(m_copy.run.Messages(), kMsgNotCopied);
  ASSERT_EQ(failed.size(), 1u);
  EXPECT_EQ(failed[0].path, "D:\\dst");
  EXPECT_EQ(failed[0].reason, "Could not write the copied files to the disk.");
}

TEST_F(CopyJobTest, AnUnexpectedFailureEndsTheCopyAsStoppedWithAMessage) {
  BuildTree(Src(), {{"a.txt", "a"}, {"b.txt", "b"}});
  // The hook runs on the copy's worker: what it throws escapes the copy's own steps.
  m_copy.target.onPost = [](const CMessage& message) {
    if (message.Offset() == kMsgItemDone) {
      throw std::runtime_error("test failure");
    }
  };
  ASSERT_TRUE(m_copy.Copy(Profile()));  // it ends, rather than leaving the run waiting
  EXPECT_TRUE(m_copy.run.Stopped());
  const auto failed = OfKind(m_copy.run.Messages(), kMsgNotCopied);
  ASSERT_EQ(failed.size(), 1u);
  EXPECT_EQ(failed[0].reason, "The copy stopped: test failure");
  EXPECT_EQ(failed[0].path, "D:\\dst");
}

TEST_F(CopyJobTest, DataGoesIntoATemporaryFileThatIsRenamedOnlyWhenComplete) {
  BuildTree(Src(), {{"new.bin", Pattern(200000, 'n'), kNewTime},
                    {"old.bin", Pattern(200000, 'o'), kNewTime}});
  BuildTree(Dst(), {{"old.bin", "the old copy", kOldTime}});
  // What the destination folder holds while each file's data is being written. Copied in
  // turn, the writes are told of as they happen, so the hook sees the middle of each file;
  // beside other files, a worker tells of them only once the file is through.
  m_copy.run.SetWorkers(1);
  std::string current;
  std::vector<std::string> seenFor;
  std::vector<std::vector<std::string>> during;
  std::string oldContentDuring;
  m_copy.target.onPost = [&](const CMessage& message) {
    if (message.Offset() == kMsgCurrentItem) {
      current = message.Object<CItemInfo>()->name;
    } else if (message.Offset() == kMsgBytesWritten && !current.empty()) {
      seenFor.push_back(current);
      during.push_back(Names(Dst()));
      if (current == "old.bin") {
        oldContentDuring = ReadFile(Dst("old.bin"));
      }
      current.clear();
    }
  };
  ASSERT_TRUE(m_copy.Preview(Profile()));
  ASSERT_TRUE(m_copy.Copy(Profile(), true));
  ASSERT_EQ(during.size(), 2u);
  for (size_t i = 0; i < during.size(); ++i) {
    // A new file has no name at all until it is complete; a file that replaces another is
    // written under a temporary name while the old copy stays.
    if (seenFor[i] == "new.bin") {
      EXPECT_EQ(std::count(during[i].begin(), during[i].end(), "new.bin"), 0);
    } else {
      EXPECT_TRUE(HasTemporaryName(during[i])) << seenFor[i];
    }
  }
  EXPECT_EQ(oldContentDuring, "the old copy");
  EXPECT_EQ(Names(Dst()), (std::vector<std::string>{"new.bin", "old.bin"}));
  EXPECT_EQ(ReadFile(Dst("old.bin")), Pattern(200000, 'o'));
  EXPECT_EQ(ReadFile(Dst("new.bin")), Pattern(200000, 'n'));
}

TEST_F(CopyJobTest, TheLastWriteTimeIsCopiedExactly) {
  // A time with a fraction of a second: 123.4567 ms after a whole second.
  const platform::FileTime precise = kNewTime + 1234567;
  BuildTree(Src(), {{"a.txt", "alpha", precise}});
  ASSERT_TRUE(m_copy.Copy(Profile()));
  EXPECT_EQ(WriteTime(Dst("a.txt")), precise);
}

TEST_F(CopyJobTest, AttributesFollowTheProfile) {
  BuildTree(Src(), {{"h.txt", "hidden"}, {"r.txt", "read-only"}, {"plain.txt", "plain"}});
  ASSERT_EQ(platform::SetFileAttributes("C:\\src\\h.txt", platform::kAttrHidden),
            platform::EError::kNone);
  ASSERT_EQ(platform::SetFileAttributes("C:\\src\\r.txt", platform::kAttrReadOnly),
            platform::EError::kNone);
  ASSERT_NE(Attributes("C:\\src\\plain.txt") & platform::kAttrArchive, 0u);

  // First without the hidden and read-only attributes and without clearing the archive mark.
  CSettingsState settings = Profile("C:\\src", "D:\\first");
  settings.includeHidden = 1;
  settings.copyHiddenAttribute = 0;
  settings.copyReadOnlyAttribute = 0;
  settings.clearArchive = 0;
  ASSERT_TRUE(m_copy.Copy(settings));
  EXPECT_EQ(m_copy.run.Files(), 3);
  EXPECT_EQ(Attributes("D:\\first\\h.txt") & platform::kAttrHidden, 0u);
  EXPECT_EQ(Attributes("D:\\first\\r.txt") & platform::kAttrReadOnly, 0u);
  EXPECT_NE(Attributes("D:\\first\\plain.txt") & platform::kAttrArchive, 0u);
  EXPECT_NE(Attributes("C:\\src\\plain.txt") & platform::kAttrArchive, 0u);

  // Then with them, clearing the source's archive mark: the copy still carries the mark the
  // source had.
  settings = Profile("C:\\src", "D:\\second");
  settings.includeHidden = 1;
  settings.copyHiddenAttribute = 1;
  settings.copyReadOnlyAttribute = 1;
  settings.clearArchive = 1;
  ASSERT_TRUE(m_copy.Copy(settings));
  EXPECT_NE(Attributes("D:\\second\\h.txt") & platform::kAttrHidden, 0u);
  EXPECT_NE(Attributes("D:\\second\\r.txt") & platform::kAttrReadOnly, 0u);
  EXPECT_NE(Attributes("D:\\second\\plain.txt") & platform::kAttrArchive, 0u);
  EXPECT_EQ(Attributes("C:\\src\\plain.txt") & platform::kAttrArchive, 0u);
}

TEST_F(CopyJobTest, AFolderTreeCopyMakesAndCountsFoldersWithoutComparing) {
  BuildTree(Src(), {{"a/b/file.txt", "x"}, {"c/file.txt", "y"}, {"top.txt", "z"}});
  BuildTree(Dst(), {{"c/", ""}});
  CSettingsState settings = Profile();
  settings.copyMode = kCopyTreeOnly;
  settings.verifyCopies = 1;  // nothing to compare in a folder tree
  ASSERT_TRUE(m_copy.Copy(settings));
  EXPECT_EQ(m_copy.run.Messages().Total(), 0);
  EXPECT_EQ(Names(Dst()), (std::vector<std::string>{"a", "c"}));
  EXPECT_EQ(Names(Dst("a")), (std::vector<std::string>{"b"}));
  EXPECT_TRUE(Names(Dst("a/b")).empty());
  EXPECT_TRUE(Names(Dst("c")).empty());
  EXPECT_EQ(m_copy.run.Folders(), 2);  // a and a\b; c was there
  EXPECT_EQ(m_copy.run.Files(), 0);
  EXPECT_EQ(m_copy.statusTexts, (std::vector<std::string>{"Status: Copying files..."}));
}

TEST_F(CopyJobTest, StrayFilesAreDeletedExceptThoseThatCannotBe) {
  BuildTree(Src(), {{"keep.txt", "k", kOldTime}, {"sub/s.txt", "s", kOldTime}});
  BuildTree(Dst(), {{"keep.txt", "k", kOldTime},
                    {"stray.txt", "stray"},
                    {"locked.txt", "read-only stray"},
                    {"sub/s.txt", "s", kOldTime},
                    {"sub/stray2.txt", "stray"}});
  ASSERT_EQ(platform::SetFileAttributes("D:\\dst\\locked.txt", platform::kAttrReadOnly),
            platform::EError::kNone);
  CSettingsState settings = Profile();
  settings.deleteStrayFiles = 1;
  ASSERT_TRUE(m_copy.Copy(settings));
  EXPECT_EQ(Names(Dst()), (std::vector<std::string>{"keep.txt", "locked.txt", "sub"}));
  EXPECT_EQ(Names(Dst("sub")), (std::vector<std::string>{"s.txt"}));
  EXPECT_EQ(m_copy.run.Messages().Total(), 0);
  EXPECT_EQ(m_copy.run.Files(), 2);
  EXPECT_EQ(m_copy.run.Folders(), 2);
}

TEST_F(CopyJobTest, GatherModeCopiesEveryFileIntoTheDestinationRoot) {
  BuildTree(Src(), {{"a.txt", "a"}, {"one/b.txt", "b"}, {"one/two/c.txt", "c"}});
  CSettingsState settings = Profile();
  settings.copyMode = kCopyGather;
  ASSERT_TRUE(m_copy.Copy(settings));
  EXPECT_EQ(Names(Dst()), (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));
  EXPECT_EQ(ReadFile(Dst("c.txt")), "c");
  EXPECT_EQ(m_copy.run.Files(), 3);
}

TEST_F(CopyJobTest, VerifyingPassesGoodCopiesAndCatchesADifference) {
  BuildTree(Src(), {{"good.txt", Pattern(9000, 'g')}, {"sub/bad.txt", Pattern(9000, 'b')}});
  CSettingsState settings = Profile();
  settings.verifyCopies = 1;
  // The copy of bad.txt is changed the moment it is in place, before it is compared.
  m_copy.target.onPost = [&](const CMessage& message) {
    if (message.Offset() == kMsgItemDone && Exists(Dst("sub/bad.txt")) &&
        ReadFile(Dst("sub/bad.txt")) == Pattern(9000, 'b')) {
      testing_support::WriteFile(Dst("sub/bad.txt"), Pattern(9000, 'x'));
    }
  };
  // Copied from a list that stands, so that each file's messages come as it is finished.
  ASSERT_TRUE(m_copy.Preview(settings));
  ASSERT_TRUE(m_copy.Copy(settings, true));
  EXPECT_EQ(m_copy.statusTexts,
            (std::vector<std::string>{"Status: Copying and comparing files..."}));
  const auto compared = OfKind(m_copy.run.Messages(), kMsgCompareFailed);
  ASSERT_EQ(compared.size(), 1u);
  EXPECT_EQ(compared[0].path, "C:\\src\\sub\\bad.txt");
  EXPECT_EQ(compared[0].reason, "Files differ.");
  EXPECT_EQ(m_copy.run.Messages().Total(), 1);
  EXPECT_EQ(ReadFile(Dst("good.txt")), Pattern(9000, 'g'));
  // Only the good copy counts as backed up: the bad one's source stays archive-marked.
  EXPECT_EQ(Attributes("C:\\src\\good.txt") & platform::kAttrArchive, 0u);
  EXPECT_NE(Attributes("C:\\src\\sub\\bad.txt") & platform::kAttrArchive, 0u);
}

TEST_F(CopyJobTest, TheReplacedFileIsKeptAsTheNextVersion) {
  BuildTree(Src(), {{"a.txt", "new a", kNewTime},
                    {"fresh/b.txt", "b", kNewTime},
                    {"kept/c.txt", "c", kNewTime}});
  BuildTree(Dst(), {{"a.txt", "old a", kOldTime}, {"kept/~Versions/", ""}});
  CSettingsState settings = Profile();
  settings.disposeMode = kDisposeVersions;
  ASSERT_TRUE(m_copy.Copy(settings));
  EXPECT_EQ(m_copy.run.Messages().Total(), 0);
  EXPECT_EQ(ReadFile(Dst("a.txt")), "new a");
  EXPECT_EQ(Names(Dst("~Versions")), (std::vector<std::string>{"a - Ver (1).txt"}));
  EXPECT_EQ(ReadFile(Dst("~Versions/a - Ver (1).txt")), "old a");
  // A versions folder this copy made and left empty goes; one that was there stays.
  EXPECT_EQ(Names(Dst("fresh")), (std::vector<std::string>{"b.txt"}));
  EXPECT_EQ(Names(Dst("kept")), (std::vector<std::string>{"c.txt", "~Versions"}));

  // Copied again, the versions number on.
  testing_support::WriteFile(Src("a.txt"), "newer a");
  copy_test::SetWriteTime(Src("a.txt"), kNewTime + 10000000);
  ASSERT_TRUE(m_copy.Copy(settings));
  EXPECT_EQ(Names(Dst("~Versions")),
            (std::vector<std::string>{"a - Ver (1).txt", "a - Ver (2).txt"}));
  EXPECT_EQ(ReadFile(Dst("~Versions/a - Ver (2).txt")), "new a");
}

TEST_F(CopyJobTest, FilesAboveTheVersionsSizeLimitKeepNoVersion) {
  BuildTree(Src(), {{"big.bin", Pattern(1048577, 'n'), kNewTime}});
  BuildTree(Dst(), {{"big.bin", "old", kOldTime}});
  CSettingsState settings = Profile();
  settings.disposeMode = kDisposeVersions;
  settings.versionSizeLimit = 1;  // 1 MB
  ASSERT_TRUE(m_copy.Copy(settings));
  EXPECT_EQ(Names(Dst()), (std::vector<std::string>{"big.bin"}));
  EXPECT_EQ(ReadFile(Dst("big.bin")), Pattern(1048577, 'n'));
}

TEST_F(CopyJobTest, RecyclingOnAFixedDriveMovesTheOldFileToTheTrash) {
  BuildTree(Src(), {{"a.txt", "new a", kNewTime}});
  BuildTree(Dst(), {{"a.txt", "old a", kOldTime}});
  CSettingsState settings = Profile();
  settings.disposeMode = kDisposeRecycle;
  ASSERT_TRUE(m_copy.Copy(settings));
  EXPECT_EQ(m_copy.run.Messages().Total(), 0);
  EXPECT_EQ(ReadFile(Dst("a.txt")), "new a");
  const std::string trash = m_sandbox.Home() + "/.local/share/Trash/files";
  EXPECT_EQ(Names(trash), (std::vector<std::string>{"a.txt"}));
  EXPECT_EQ(ReadFile(trash + "/a.txt"), "old a");
  EXPECT_EQ(Names(Dst()), (std::vector<std::string>{"a.txt"}));
}

TEST_F(CopyJobTest, RecyclingOnARemovableDriveDeletesTheOldFile) {
  m_sandbox.SetDrives("C={root}/c;D={root}/d,removable");
  BuildTree(Src(), {{"a.txt", "new a", kNewTime}});
  BuildTree(Dst(), {{"a.txt", "old a", kOldTime}});
  CSettingsState settings = Profile();
  settings.disposeMode = kDisposeRecycle;
  ASSERT_TRUE(m_copy.Copy(settings));
  EXPECT_EQ(ReadFile(Dst("a.txt")), "new a");
  EXPECT_TRUE(Names(m_sandbox.Home() + "/.local/share/Trash/files").empty());
}

TEST_F(CopyJobTest, AFolderThatCannotBeMadeIsReportedOnce) {
  BuildTree(Src(), {{"sub/x.txt", "x"}, {"sub/y.txt", "y"}, {"ok.txt", "ok"}});
  BuildTree(Dst(), {{"sub", "a file where the folder should be"}});
  ASSERT_TRUE(m_copy.Copy(Profile()));
  const auto failed = OfKind(m_copy.run.Messages(), kMsgFolderFailed);
  ASSERT_EQ(failed.size(), 1u);
  EXPECT_EQ(failed[0].path, "D:\\dst\\sub");
  EXPECT_EQ(failed[0].reason, "");
  EXPECT_EQ(m_copy.run.Messages().Total(), 1);
  EXPECT_EQ(ReadFile(Dst("sub")), "a file where the folder should be");
  EXPECT_EQ(ReadFile(Dst("ok.txt")), "ok");
  EXPECT_EQ(m_copy.run.Files(), 1);
}

TEST_F(CopyJobTest, SecuritySettingsAreCopiedWhenAsked) {
  BuildTree(Src(), {{"private.txt", "secret"}});
  ASSERT_EQ(chmod(Src("private.txt").c_str(), 0600), 0);
  CSettingsState settings = Profile();
  settings.copySecurity = 1;
  ASSERT_TRUE(m_copy.Copy(settings));
  struct stat info {};
  ASSERT_EQ(stat(Dst("private.txt").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  EXPECT_EQ(m_copy.run.Messages().Total(), 0);
}

TEST_F(CopyJobTest, TheErrorWindowIsAskedAndItsAnswerObeyed) {
  BuildTree(Src(), {{"a.txt", "a"}, {"b.txt", "b"}, {"c.txt", "c"}});
  CSettingsState settings = Profile();
  settings.avoidStopping = 0;
  // Every source goes missing once the list stands.
  ASSERT_TRUE(m_copy.Preview(settings));
  std::filesystem::remove_all(Src());
  testing_support::MakeFolders(Src());
  m_copy.errors.SetAnswer(false);
  ASSERT_TRUE(m_copy.Copy(settings, true));
  ASSERT_EQ(m_copy.errors.Asked().size(), 1u);
  EXPECT_EQ(m_copy.errors.Asked()[0].reason,
            "Could not copy a file. / This source file is missing.");
  EXPECT_TRUE(m_copy.run.Stopped());
  EXPECT_TRUE(m_copy.run.HasResults());
  EXPECT_EQ(m_copy.run.Messages().Total(), 1);  // the copy stopped at the first
}

TEST_F(CopyJobTest, AClearedErrorWindowBoxHoldsForOneCopyOnly) {
  CSettingsState settings = Profile();
  settings.avoidStopping = 0;
  // Every source goes missing once the list stands.
  const auto copyVanished = [&] {
    if (!m_copy.Preview(settings)) {
      return false;
    }
    std::filesystem::remove_all(Src());
    testing_support::MakeFolders(Src());
    return m_copy.Copy(settings, true);
  };
  m_copy.errors.SetAnswer(true);
  m_copy.errors.SetClearBox(true);
  BuildTree(Src(), {{"a.txt", "a"}, {"b.txt", "b"}});
  ASSERT_TRUE(copyVanished());
  EXPECT_EQ(m_copy.run.Messages().Total(), 2);
  EXPECT_EQ(m_copy.errors.Asked().size(), 1u);
  // The next copy shows its window again.
  BuildTree(Src(), {{"c.txt", "c"}});
  ASSERT_TRUE(copyVanished());
  EXPECT_EQ(m_copy.run.Messages().Total(), 1);
  EXPECT_EQ(m_copy.errors.Asked().size(), 2u);
}

}  // namespace
