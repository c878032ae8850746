// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <errno.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "copy/CopyJob.h"
#include "platform/File.h"
#include "platform/FileInfo.h"
#include "preview/ListData.h"
#include "rules/Filter.h"
#include "run/RunPreparation.h"
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
using testing_support::BuildTree;
using testing_support::CTestSandbox;
using testing_support::Exists;
using testing_support::ReadFile;

constexpr uint64_t kMiB = 1048576;

class CopyFaults : public copy_test::CopyTreeTest {
 protected:
  // Three old versions of a.txt, oldest first.
  void ThreeVersions() {
    for (int i = 1; i <= 3; ++i) {
      const std::string name = "~Versions/a - Ver (" + std::to_string(i) + ").txt";
      BuildTree(Dst(), {{name, "version " + std::to_string(i), kOldTime - 100000000ULL * (4 - i)}});
    }
  }
  void ExpectThreeVersionsUntouched() {
    EXPECT_EQ(Names(Dst("~Versions")),
              (std::vector<std::string>{"a - Ver (1).txt", "a - Ver (2).txt", "a - Ver (3).txt"}));
    for (int i = 1; i <= 3; ++i) {
      EXPECT_EQ(ReadFile(Dst("~Versions/a - Ver (" + std::to_string(i) + ").txt")),
                "version " + std::to_string(i));
    }
  }
};

TEST_F(CopyFaults, ALockedDestinationIsInUseAndKeepsItsDataAndVersions) {
  BuildTree(Src(), {{"a.txt", "new", kNewTime}});
  BuildTree(Dst(), {{"a.txt", "old", kOldTime}});
  ThreeVersions();
  platform::CFile holder;
  ASSERT_EQ(holder.Open("D:\\dst\\a.txt", platform::EAccess::kWrite, platform::EShare::kNoSharing),
            platform::EError::kNone);
  CSettingsState settings = Profile();
  settings.disposeMode = kDisposeVersions;
  ASSERT_TRUE(m_copy.Copy(settings));
  const auto failed = OfKind(m_copy.run.Messages(), kMsgNotCopied);
  ASSERT_EQ(failed.size(), 1u);
  EXPECT_EQ(failed[0].reason, "The destination file is in use: \"D:\\dst\\a.txt\"");
  EXPECT_EQ(failed[0].path, "C:\\src\\a.txt");
  holder.Close();
  EXPECT_EQ(ReadFile(Dst("a.txt")), "old");
  EXPECT_FALSE(HasTemporaryName(Names(Dst())));
  ExpectThreeVersionsUntouched();
  EXPECT_EQ(m_copy.run.Files(), 0);
}

TEST_F(CopyFaults, ASourceThatDisappearsAfterThePreviewIsMissing) {
  BuildTree(Src(), {{"a.txt", "new", kNewTime}, {"b.txt", "b", kNewTime}});
  BuildTree(Dst(), {{"a.txt", "old", kOldTime}});
  ASSERT_TRUE(m_copy.Preview(Profile()));
  std::filesystem::remove(Src("a.txt"));
  ASSERT_TRUE(m_copy.Copy(Profile(), true));
  const auto failed = OfKind(m_copy.run.Messages(), kMsgNotCopied);
  ASSERT_EQ(failed.size(), 1u);
  EXPECT_EQ(failed[0].reason, "This source file is missing.");
  EXPECT_EQ(failed[0].path, "C:\\src\\a.txt");
  EXPECT_EQ(ReadFile(Dst("a.txt")), "old");
  EXPECT_EQ(ReadFile(Dst("b.txt")), "b");
  EXPECT_EQ(Names(Dst()), (std::vector<std::string>{"a.txt", "b.txt"}));
}

TEST_F(CopyFaults, AProtectedReadOnlyDestinationIsSkippedUntouched) {
  BuildTree(Src(), {{"a.txt", "new", kNewTime}});
  BuildTree(Dst(), {{"a.txt", "old", kOldTime}});
  ThreeVersions();
  ASSERT_EQ(platform::SetFileAttributes("D:\\dst\\a.txt", platform::kAttrReadOnly),
            platform::EError::kNone);
  CSettingsState settings = Profile();
  settings.keepReadOnlyDestination = 1;
  settings.disposeMode = kDisposeVersions;
  ASSERT_TRUE(m_copy.Copy(settings));
  const auto skipped = OfKind(m_copy.run.Messages(), kMsgSkipped);
  ASSERT_EQ(skipped.size(), 1u);
  EXPECT_EQ(skipped[0].reason, "read-only");
  EXPECT_EQ(skipped[0].path, "D:\\dst\\a.txt");
  EXPECT_EQ(m_copy.run.Messages().Total(), 1);
  EXPECT_EQ(ReadFile(Dst("a.txt")), "old");
  // A file that is not replaced costs none of its old versions.
  ExpectThreeVersionsUntouched();
}

TEST_F(CopyFaults, AnUnprotectedReadOnlyDestinationIsReplaced) {
  BuildTree(Src(), {{"a.txt", "new", kNewTime}});
  BuildTree(Dst(), {{"a.txt", "old", kOldTime}});
  ASSERT_EQ(platform::SetFileAttributes("D:\\dst\\a.txt", platform::kAttrReadOnly),
            platform::EError::kNone);
  ASSERT_TRUE(m_copy.Copy(Profile()));
  EXPECT_EQ(m_copy.run.Messages().Total(), 0);
  EXPECT_EQ(ReadFile(Dst("a.txt")), "new");
}

TEST_F(CopyFaults, NotEnoughSpaceEvenInTheOldCopysPlace) {
  m_sandbox.SetDrives("C={root}/c;D={root}/d,fixed,free=1000");
  BuildTree(Src(), {{"a.bin", Pattern(10000, 'a'), kNewTime}, {"b.bin", "", kNewTime}});
  BuildTree(Dst(), {{"a.bin", "old", kOldTime}});
  // Nothing may be written for a file that cannot fit: watch for any data.
  std::atomic<int> bytesMessages{0};
  m_copy.target.onPost = [&](const CMessage& message) {
    if (message.Offset() == kMsgBytesWritten) {
      ++bytesMessages;
    }
  };
  ASSERT_TRUE(m_copy.Copy(Profile()));
  const auto full = OfKind(m_copy.run.Messages(), kMsgDriveFull);
  ASSERT_EQ(full.size(), 1u);
  EXPECT_EQ(full[0].path, "C:\\src\\a.bin");
  EXPECT_EQ(full[0].reason, "");
  EXPECT_EQ(bytesMessages, 0);
  EXPECT_EQ(ReadFile(Dst("a.bin")), "old");
  // An empty file needs no space.
  EXPECT_TRUE(Exists(Dst("b.bin")));
  EXPECT_EQ(m_copy.run.Files(), 1);
}

TEST_F(CopyFaults, AFileThatFitsOnlyInTheOldCopysPlaceIsCopied) {
  // 12,288 bytes needed, 10,000 free, 8,192 held by the old copy.
  m_sandbox.SetDrives("C={root}/c;D={root}/d,fixed,free=10000");
  BuildTree(Src(), {{"a.bin", Pattern(10000, 'a'), kNewTime}});
  BuildTree(Dst(), {{"a.bin", Pattern(8000, 'o'), kOldTime}});
  ASSERT_TRUE(m_copy.Copy(Profile()));
  EXPECT_EQ(m_copy.run.Messages().Total(), 0);
  EXPECT_EQ(ReadFile(Dst("a.bin")), Pattern(10000, 'a'));
}

TEST_F(CopyFaults, AnUnreadableSourceIsReportedAndLeavesNoTrace) {
  // P: shows the process's own files; its memory file fails to read at offset 0.
  m_sandbox.SetDrives("C={root}/c;D={root}/d;P=/proc");
  BuildTree(Dst(), {{"mem", "old"}});
  CSettingsState settings = AsLoadedIntoPages(Profile("P:\\self", "D:\\dst"));
  auto row = std::make_shared<CFilesListCtrlData>();
  row->name = "mem";
  row->folder = std::make_shared<const std::string>("P:\\self");
  row->size = 0;
  CPreviewList list;
  list.Add(row);
  CMessageQueue queue;
  CScriptedPrompter prompter;
  CScriptedErrorWindow errors;
  CCopyJob job;
  SCopySetup setup;
  setup.list = &list;
  setup.sourceRoot = "P:\\self\\";
  setup.destinationRoot = "D:\\dst\\";
  setup.clusterSize = 4096;
  setup.filter =
      std::make_unique<CFilter>(settings, SFilterOptions{}, setup.sourceRoot, setup.destinationRoot,
                                nullptr, platform::CDateTime::Now());
  setup.buffer.resize(65536);
  setup.freeSpace = 1LL << 40;
  setup.prompter = &prompter;
  setup.errorWindow = &errors;
  job.SetUp(std::move(setup));
  ASSERT_TRUE(job.Start(&queue, 0));
  ASSERT_TRUE(queue.DispatchUntil([](CMessage&) -> int64_t { return 0; },
                                  [](const CMessage& m) { return m.Offset() == kMsgCopyDone; },
                                  std::chrono::seconds(60)));
  job.WaitForRuns();
  const auto failed = OfKind(job.Messages(), kMsgNotCopied);
  ASSERT_EQ(failed.size(), 1u);
  EXPECT_EQ(failed[0].reason, "Could not read from this source file.");
  EXPECT_EQ(failed[0].path, "P:\\self\\mem");
  EXPECT_EQ(Names(Dst()), (std::vector<std::string>{"mem"}));
  EXPECT_EQ(ReadFile(Dst("mem")), "old");
}

// Stopping in the middle of a large file: the stop is asked for from inside the copy, at
// its first step, so that the question always comes with part of the file written.
class StopMidFile : public CopyFaults {
 protected:
  void SetUp() override {
    BuildTree(Src(), {{"big.bin", Pattern(8 * kMiB, 'n'), kNewTime},
                      {"later/x.txt", "x", kNewTime},
                      {"later/y.txt", "y", kNewTime}});
    BuildTree(Dst(), {{"big.bin", "the old copy", kOldTime}});
    m_copy.target.onPost = [this](const CMessage& message) {
      if (message.Offset() == kMsgBytesWritten && !m_stopped.exchange(true)) {
        m_copy.run.Stop();
      }
    };
  }
  void ExpectTheQuestion() {
    const auto prompts = m_copy.prompter.Prompts();
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_EQ(prompts[0].text,
              "Do you want to finish copying \"C:\\src\\big.bin\" to \"D:\\dst\\big.bin\"?\n\n"
              "Click Cancel to resume copying files.");
    EXPECT_EQ(prompts[0].buttons, EButtons::kYesNoCancel);
  }

  std::atomic<bool> m_stopped{false};
};

TEST_F(StopMidFile, YesFinishesTheFileAndThenStops) {
  m_copy.prompter.AddAnswer(EAnswer::kYes);
  ASSERT_TRUE(m_copy.Copy(Profile()));
  ExpectTheQuestion();
  EXPECT_TRUE(m_copy.run.Stopped());
  EXPECT_TRUE(m_copy.run.HasResults());
  EXPECT_EQ(ReadFile(Dst("big.bin")), Pattern(8 * kMiB, 'n'));
  EXPECT_EQ(Names(Dst()), (std::vector<std::string>{"big.bin"}));
  EXPECT_EQ(m_copy.run.Files(), 1);
  EXPECT_EQ(m_copy.run.Messages().Total(), 0);
}

TEST_F(StopMidFile, NoAbandonsTheFileAndStops) {
  m_copy.prompter.AddAnswer(EAnswer::kNo);
  ASSERT_TRUE(m_copy.Copy(Profile()));
  ExpectTheQuestion();
  EXPECT_TRUE(m_copy.run.Stopped());
  EXPECT_EQ(ReadFile(Dst("big.bin")), "the old copy");
  EXPECT_EQ(Names(Dst()), (std::vector<std::string>{"big.bin"}));
  EXPECT_EQ(m_copy.run.Files(), 0);
  EXPECT_EQ(m_copy.run.Messages().Total(), 0);  // abandoning is no failure
}

TEST_F(StopMidFile, CancelResumesCopying) {
  m_copy.prompter.AddAnswer(EAnswer::kCancel);
  ASSERT_TRUE(m_copy.Copy(Profile()));
  ExpectTheQuestion();
  EXPECT_FALSE(m_copy.run.Stopped());
  EXPECT_EQ(ReadFile(Dst("big.bin")), Pattern(8 * kMiB, 'n'));
  EXPECT_EQ(ReadFile(Dst("later/x.txt")), "x");
  EXPECT_EQ(ReadFile(Dst("later/y.txt")), "y");
  EXPECT_EQ(m_copy.run.Files(), 3);
}

TEST_F(StopMidFile, AFileToFinishThatFailsStillEndsTheCopy) {
  BuildTree(Src(), {{"big2.bin", Pattern(8 * kMiB, 'm'), kNewTime}});
  std::filesystem::remove(Src("big.bin"));
  std::filesystem::remove(Dst("big.bin"));
  // While big2.bin is copied something else takes its name, so it cannot be put in place.
  m_copy.target.onPost = [this](const CMessage& message) {
    if (message.Offset() == kMsgBytesWritten && !m_stopped.exchange(true)) {
      testing_support::WriteFile(Dst("big2.bin"), "in the way");
      m_copy.run.Stop();
    }
  };
  m_copy.prompter.AddAnswer(EAnswer::kYes);
  ASSERT_TRUE(m_copy.Copy(Profile()));
  const auto failed = OfKind(m_copy.run.Messages(), kMsgNotCopied);
  ASSERT_EQ(failed.size(), 1u);
  EXPECT_EQ(failed[0].path, "C:\\src\\big2.bin");
  EXPECT_EQ(failed[0].reason,
            "Could not rename the temporary file to the destination filename: "
            "\"D:\\dst\\big2.bin\"");
  EXPECT_TRUE(m_copy.run.Stopped());
  // The user asked to stop after this file: the later files are not copied.
  EXPECT_FALSE(Exists(Dst("later")));
  EXPECT_FALSE(HasTemporaryName(Names(Dst())));
}

TEST_F(StopMidFile, TheFinishedFileGetsItsSecuritySettings) {
  ASSERT_EQ(chmod(Src("big.bin").c_str(), 0600), 0);
  CSettingsState settings = Profile();
  settings.copySecurity = 1;
  m_copy.prompter.AddAnswer(EAnswer::kYes);
  ASSERT_TRUE(m_copy.Copy(settings));
  struct stat info {};
  ASSERT_EQ(stat(Dst("big.bin").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
}

// A destination drive that really fills up: a small memory file system mounted in the
// sandbox as drive E:, whose free-space figure is overridden so that the space test lets
// the file through.
class FullDestination : public ::testing::Test {
 protected:
  void SetUp() override {
    if (geteuid() != 0) {
      GTEST_SKIP() << "needs root to mount a small tmpfs";
    }
    m_mountPoint = m_sandbox.Root() + "/e";
    testing_support::MakeFolders(m_mountPoint);
    if (mount("tmpfs", m_mountPoint.c_str(), "tmpfs", 0, "size=1m") != 0) {
      GTEST_SKIP() << "needs root to mount a small tmpfs (" << std::strerror(errno) << ")";
    }
    m_mounted = true;
  }
  void TearDown() override {
    if (m_mounted && umount(m_mountPoint.c_str()) != 0) {
      umount2(m_mountPoint.c_str(), MNT_DETACH);
    }
  }
  std::string E(const std::string& relative) const { return m_mountPoint + "/" + relative; }
  void UseFree(uint64_t bytes) {
    m_sandbox.SetDrives("C={root}/c;D={root}/d;E={root}/e,fixed,free=" + std::to_string(bytes));
  }

  CTestSandbox m_sandbox;
  std::string m_mountPoint;
  bool m_mounted = false;
  SCopyHarness m_copy;
};

TEST_F(FullDestination, AFileThatRunsOutOfSpaceIsNotCopiedAndLeavesNoTrace) {
  UseFree(100 * kMiB);
  BuildTree(m_sandbox.Root() + "/c/src", {{"big.bin", Pattern(3 * kMiB, 'n'), kNewTime}});
  BuildTree(E("dst"), {{"big.bin", Pattern(100000, 'o'), kOldTime}});
  ASSERT_TRUE(m_copy.Copy(Profile("C:\\src", "E:\\dst")));
  const auto failed = OfKind(m_copy.run.Messages(), kMsgNotCopied);
  ASSERT_EQ(failed.size(), 1u);
  EXPECT_EQ(failed[0].reason, "Not all of the source-file bytes were copied.");
  EXPECT_EQ(failed[0].path, "C:\\src\\big.bin");
  EXPECT_EQ(Names(E("dst")), (std::vector<std::string>{"big.bin"}));
  EXPECT_EQ(ReadFile(E("dst/big.bin")), Pattern(100000, 'o'));
}

TEST_F(FullDestination, AFileThatFitOnlyInTheOldCopysPlaceReportsAFullDrive) {
  // 3 MiB needed, 2.5 MiB said to be free and 600 KB held by the old copy.
  UseFree(5 * kMiB / 2);
  BuildTree(m_sandbox.Root() + "/c/src", {{"big.bin", Pattern(3 * kMiB, 'n'), kNewTime}});
  BuildTree(E("dst"), {{"big.bin", Pattern(600000, 'o'), kOldTime}});
  ASSERT_TRUE(m_copy.Copy(Profile("C:\\src", "E:\\dst")));
  const auto full = OfKind(m_copy.run.Messages(), kMsgDriveFull);
  ASSERT_EQ(full.size(), 1u);
  EXPECT_EQ(full[0].path, "C:\\src\\big.bin");
  EXPECT_EQ(m_copy.run.Messages().Total(), 1);
  EXPECT_EQ(Names(E("dst")), (std::vector<std::string>{"big.bin"}));
  EXPECT_EQ(ReadFile(E("dst/big.bin")), Pattern(600000, 'o'));
}

}  // namespace
