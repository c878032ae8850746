// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <errno.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "copy/CopyMsgs.h"
#include "platform/FaultInjection.h"
#include "platform/File.h"
#include "tests/support/CopyTestSupport.h"
#include "tests/support/TestSandbox.h"

// The same copy made by one worker and by several, with things going wrong on the way: the
// destinations, the messages, the counts and everything the window is told must come out
// the same.
namespace {

using copy_test::HasTemporaryName;
using copy_test::kNewTime;
using copy_test::kOldTime;
using copy_test::Pattern;
using copy_test::Profile;
using copy_test::SCopyHarness;
using testing_support::BuildTree;
using testing_support::CTestSandbox;
using testing_support::ReadFile;

constexpr int kFolders = 6;
constexpr int kFilesPerFolder = 12;
constexpr int kManyWorkers = 4;

std::string Name(int folder, int file) {
  return "f" + std::to_string(folder) + "/" + std::to_string(file) + ".txt";
}

// Every file below a POSIX folder, by its path relative to it, with its content.
std::map<std::string, std::string> Contents(const std::string& root) {
  std::map<std::string, std::string> found;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    if (entry.is_regular_file()) {
      found[std::filesystem::relative(entry.path(), root).string()] = ReadFile(entry.path());
    }
  }
  return found;
}

bool AnyTemporary(const std::string& root) {
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    if (HasTemporaryName({entry.path().filename().string()})) {
      return true;
    }
  }
  return false;
}

// The messages with the destination's own folder name taken out, so that two copies into
// two folders compare.
std::vector<std::string> Shown(const CCopyMsgs& messages, const std::string& folder) {
  std::vector<std::string> shown;
  for (const SCopyMsg& message : messages.Messages()) {
    std::string line = std::to_string(message.kind) + "|" + message.reason + "|" + message.path;
    for (size_t at = line.find(folder); at != std::string::npos; at = line.find(folder)) {
      line.replace(at, folder.size(), "DEST");
    }
    shown.push_back(line);
  }
  return shown;
}

// What the window is told, in order, but for the time estimates, which follow the clock.
std::vector<EMessageOffset> Told(const SCopyHarness& copy) {
  std::vector<EMessageOffset> told;
  for (const EMessageOffset offset : copy.offsets) {
    if (offset != kMsgTimeRemaining) {
      told.push_back(offset);
    }
  }
  return told;
}

// One copy of C:\src into a folder of its own.
struct SRun {
  SRun(int workers, std::string drive, std::string folder)
      : workers(workers), drive(std::move(drive)), folder(std::move(folder)) {
    copy.run.SetWorkers(workers);
  }
  std::string Destination() const { return drive + ":\\" + folder; }

  int workers;
  std::string drive;
  std::string folder;
  SCopyHarness copy;
};

class CopyWorkers : public ::testing::TestWithParam<bool> {
 protected:
  CopyWorkers() {
    for (int folder = 0; folder < kFolders; ++folder) {
      for (int file = 0; file < kFilesPerFolder; ++file) {
        BuildTree(Src(), {{Name(folder, file),
                           Pattern(100 + 37 * (folder * kFilesPerFolder + file), 'a' + folder),
                           kNewTime}});
      }
    }
    // A large file among the small ones goes alone, in turn.
    BuildTree(Src(), {{"f2/big.bin", Pattern(3 * 1048576, 'z'), kNewTime}});
  }
  std::string Src(const std::string& relative = {}) const {
    return m_sandbox.Root() + "/c/src" + (relative.empty() ? "" : "/" + relative);
  }
  std::string Posix(const SRun& run) const {
    return m_sandbox.Root() + "/" + static_cast<char>(std::tolower(run.drive[0])) + "/" +
           run.folder;
  }
  // Both runs made the same changes and told of them alike.
  void ExpectAlike(SRun& one, SRun& many) {
    EXPECT_EQ(one.copy.run.WorkersUsed(), 1);
    EXPECT_EQ(many.copy.run.WorkersUsed(), kManyWorkers);
    EXPECT_EQ(Shown(many.copy.run.Messages(), many.Destination()),
              Shown(one.copy.run.Messages(), one.Destination()));
    EXPECT_EQ(Told(many.copy), Told(one.copy));
    EXPECT_EQ(many.copy.run.Files(), one.copy.run.Files());
    EXPECT_EQ(many.copy.run.Folders(), one.copy.run.Folders());
    EXPECT_EQ(Contents(Posix(many)), Contents(Posix(one)));
    EXPECT_FALSE(AnyTemporary(Posix(one)));
    EXPECT_FALSE(AnyTemporary(Posix(many)));
  }

  CTestSandbox m_sandbox;
};

TEST_P(CopyWorkers, FaultsComeOutAsWithOneWorker) {
  const bool previewed = GetParam();
  SRun one(1, "D", "one");
  SRun many(kManyWorkers, "D", "many");
  std::vector<std::unique_ptr<platform::CFile>> holders;
  std::vector<std::unique_ptr<platform::testing::CInjectedFault>> faults;
  for (SRun* run : {&one, &many}) {
    const std::string dst = Posix(*run);
    BuildTree(dst, {{Name(1, 3), "old 1/3", kOldTime}, {Name(3, 2), "old 3/2", kOldTime}});
    // An old copy that another program holds cannot be replaced.
    holders.push_back(std::make_unique<platform::CFile>());
    ASSERT_EQ(holders.back()->Open(run->Destination() + "\\f3\\2.txt", platform::EAccess::kWrite,
                                   platform::EShare::kNoSharing),
              platform::EError::kNone);
    // A new copy that cannot take its name.
    faults.push_back(std::make_unique<platform::testing::CInjectedFault>(
        platform::testing::kMoveFile, run->Destination() + "\\f4\\5.txt",
        platform::EError::kAccessDenied));
  }
  // A source that another program holds cannot be read.
  platform::CFile locked;
  ASSERT_EQ(
      locked.Open("C:\\src\\f1\\4.txt", platform::EAccess::kWrite, platform::EShare::kNoSharing),
      platform::EError::kNone);
  if (previewed) {
    ASSERT_TRUE(one.copy.Preview(Profile("C:\\src", one.Destination())));
    ASSERT_TRUE(many.copy.Preview(Profile("C:\\src", many.Destination())));
    std::filesystem::remove(Src(Name(5, 7)));  // gone since the preview
  }
  ASSERT_TRUE(one.copy.Copy(Profile("C:\\src", one.Destination()), previewed));
  ASSERT_TRUE(many.copy.Copy(Profile("C:\\src", many.Destination()), previewed));
  holders.clear();
  ExpectAlike(one, many);
  // And what they did is right: every fault reported (in the list's order, which the
  // comparison above holds to), everything else copied.
  const std::string notCopied = std::to_string(kMsgNotCopied) + "|";
  std::vector<std::string> expected = {
      notCopied + "This source file is in use.|C:\\src\\f1\\4.txt",
      notCopied + "The destination file is in use: \"DEST\\f3\\2.txt\"|C:\\src\\f3\\2.txt",
      notCopied +
          "Could not rename the temporary file to the destination filename: "
          "\"DEST\\f4\\5.txt\"|C:\\src\\f4\\5.txt"};
  if (previewed) {
    expected.push_back(notCopied + "This source file is missing.|C:\\src\\f5\\7.txt");
  }
  std::vector<std::string> shown = Shown(many.copy.run.Messages(), many.Destination());
  std::sort(shown.begin(), shown.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(shown, expected);
  const auto copied = Contents(Posix(many));
  for (int folder = 0; folder < kFolders; ++folder) {
    for (int file = 0; file < kFilesPerFolder; ++file) {
      const std::string name = Name(folder, file);
      if (name == Name(1, 4) || name == Name(4, 5) || (previewed && name == Name(5, 7))) {
        EXPECT_FALSE(copied.contains(name)) << name;
      } else if (name == Name(3, 2)) {
        EXPECT_EQ(copied.at(name), "old 3/2");
      } else {
        EXPECT_EQ(copied.at(name), ReadFile(Src(name))) << name;
      }
    }
  }
  EXPECT_EQ(copied.at("f2/big.bin"), ReadFile(Src("f2/big.bin")));
}

TEST_P(CopyWorkers, AStopInTheMiddleEndsWhereOneWorkerEnds) {
  // Stopped as the 30th item is done; a copy that gathers its list as it goes tells of its
  // items only once the list stands, so the stop comes in then.
  const bool previewed = GetParam();
  SRun one(1, "D", "one");
  SRun many(kManyWorkers, "D", "many");
  for (SRun* run : {&one, &many}) {
    auto done = std::make_shared<std::atomic<int>>(0);
    run->copy.target.onPost = [run, done](const CMessage& message) {
      if (message.Offset() == kMsgItemDone && ++*done == 30) {
        run->copy.run.Stop();
      }
    };
    if (previewed) {
      ASSERT_TRUE(run->copy.Preview(Profile("C:\\src", run->Destination())));
    }
    ASSERT_TRUE(run->copy.Copy(Profile("C:\\src", run->Destination()), previewed));
  }
  if (previewed) {
    ExpectAlike(one, many);
  } else {
    EXPECT_FALSE(AnyTemporary(Posix(one)));
    EXPECT_FALSE(AnyTemporary(Posix(many)));
  }
  // Whatever stands in the destination is a whole copy of its source.
  const auto copied = Contents(Posix(many));
  EXPECT_LT(copied.size(), static_cast<size_t>(kFolders * kFilesPerFolder));
  for (const auto& [name, content] : copied) {
    EXPECT_EQ(content, ReadFile(Src(name))) << name;
  }
  EXPECT_EQ(static_cast<size_t>(many.copy.run.Files()), copied.size());
}

INSTANTIATE_TEST_SUITE_P(PreviewedOrGathered, CopyWorkers, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Previewed" : "Gathered"; });

// Two small memory file systems as drives E: and F:, both said to have room to spare, so
// that every file is tried and the disk itself runs out.
class CopyWorkersFullDestination : public ::testing::Test {
 protected:
  void SetUp() override {
    if (geteuid() != 0) {
      GTEST_SKIP() << "needs root to mount a small tmpfs";
    }
    for (const char* drive : {"e", "f"}) {
      const std::string point = m_sandbox.Root() + "/" + drive;
      testing_support::MakeFolders(point);
      if (mount("tmpfs", point.c_str(), "tmpfs", 0, "size=1m") != 0) {
        GTEST_SKIP() << "needs root to mount a small tmpfs (" << std::strerror(errno) << ")";
      }
      m_mounted.push_back(point);
    }
    m_sandbox.SetDrives(
        "C={root}/c;E={root}/e,fixed,free=104857600;F={root}/f,fixed,free=104857600");
  }
  void TearDown() override {
    for (const std::string& point : m_mounted) {
      if (umount(point.c_str()) != 0) {
        umount2(point.c_str(), MNT_DETACH);
      }
    }
  }

  CTestSandbox m_sandbox;
  std::vector<std::string> m_mounted;
};

TEST_F(CopyWorkersFullDestination, TheFilesThatFitAreTheFilesThatFitWithOneWorker) {
  // About twice what the disk holds, in files of 8 KB.
  for (int folder = 0; folder < 4; ++folder) {
    for (int file = 0; file < 60; ++file) {
      BuildTree(m_sandbox.Root() + "/c/src",
                {{Name(folder, file), Pattern(8000, 'a' + folder), kNewTime}});
    }
  }
  SCopyHarness one;
  one.run.SetWorkers(1);
  SCopyHarness many;
  many.run.SetWorkers(kManyWorkers);
  ASSERT_TRUE(one.Copy(Profile("C:\\src", "E:\\dst")));
  ASSERT_TRUE(many.Copy(Profile("C:\\src", "F:\\dst")));
  const std::string posixOne = m_sandbox.Root() + "/e/dst";
  const std::string posixMany = m_sandbox.Root() + "/f/dst";
  EXPECT_EQ(Shown(many.run.Messages(), "F:\\dst"), Shown(one.run.Messages(), "E:\\dst"));
  EXPECT_EQ(Told(many), Told(one));
  EXPECT_EQ(many.run.Files(), one.run.Files());
  const auto copied = Contents(posixMany);
  EXPECT_EQ(copied, Contents(posixOne));
  EXPECT_FALSE(AnyTemporary(posixOne));
  EXPECT_FALSE(AnyTemporary(posixMany));
  // Some fitted and some did not; none was lost without a word.
  EXPECT_GT(copied.size(), 0u);
  EXPECT_EQ(copied.size() + static_cast<size_t>(many.run.Messages().Total()), 240u);
  EXPECT_EQ(static_cast<size_t>(many.run.Files()), copied.size());
}

TEST_F(CopyWorkersFullDestination, AFileThatFitsOnlyBeforeTheFilesAfterItIsCopied) {
  // The first file takes all but a few pages of the disk; copied in turn it fits, and only
  // the files after it run out of space. Copied beside it, the small files after it would
  // take its room.
  BuildTree(m_sandbox.Root() + "/c/src", {{"first.bin", Pattern(240 * 4096, 'f'), kNewTime}});
  for (int file = 0; file < 40; ++file) {
    BuildTree(m_sandbox.Root() + "/c/src", {{"b/" + std::to_string(file) + ".txt",
                                             Pattern(4 * 4096, 'a' + file % 20), kNewTime}});
  }
  SCopyHarness one;
  one.run.SetWorkers(1);
  SCopyHarness many;
  many.run.SetWorkers(kManyWorkers);
  // The whole list stands first, so that the workers all start at once.
  ASSERT_TRUE(one.Preview(Profile("C:\\src", "E:\\dst")));
  ASSERT_TRUE(many.Preview(Profile("C:\\src", "F:\\dst")));
  ASSERT_TRUE(one.Copy(Profile("C:\\src", "E:\\dst"), true));
  ASSERT_TRUE(many.Copy(Profile("C:\\src", "F:\\dst"), true));
  const auto copied = Contents(m_sandbox.Root() + "/f/dst");
  ASSERT_TRUE(copied.contains("first.bin"));
  EXPECT_EQ(copied.at("first.bin"), Pattern(240 * 4096, 'f'));
  EXPECT_EQ(copied, Contents(m_sandbox.Root() + "/e/dst"));
  EXPECT_EQ(Shown(many.run.Messages(), "F:\\dst"), Shown(one.run.Messages(), "E:\\dst"));
  EXPECT_EQ(Told(many), Told(one));
  EXPECT_FALSE(AnyTemporary(m_sandbox.Root() + "/f/dst"));
  EXPECT_EQ(copied.size() + static_cast<size_t>(many.run.Messages().Total()), 41u);
}

}  // namespace
