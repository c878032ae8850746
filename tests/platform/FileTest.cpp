// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/File.h"

#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/FileInfo.h"
#include "tests/support/TestSandbox.h"

namespace {

using namespace platform;
using testing_support::CTestSandbox;

std::string ReadAll(CFile& file) {
  std::string text;
  char buffer[7];  // small, so that reading takes several calls
  while (true) {
    size_t done = 0;
    if (file.Read(buffer, sizeof buffer, done) != EError::kNone || done == 0) {
      return text;
    }
    text.append(buffer, done);
  }
}

TEST(File, ReadsWritesAndCreates) {
  CTestSandbox sandbox;
  CFile file;
  ASSERT_EQ(file.Open("C:\\new.txt", EAccess::kWrite, EShare::kNoSharing, ECreate::kCreateNew),
            EError::kNone);
  EXPECT_TRUE(file.IsOpen());
  size_t done = 0;
  ASSERT_EQ(file.Write("hello, world", 12, done), EError::kNone);
  EXPECT_EQ(done, 12u);
  ASSERT_EQ(file.Seek(7), EError::kNone);
  ASSERT_EQ(file.Write("there", 5, done), EError::kNone);
  EXPECT_EQ(file.Size(), 12u);
  EXPECT_EQ(file.Flush(), EError::kNone);
  file.Close();
  EXPECT_FALSE(file.IsOpen());
  EXPECT_EQ(testing_support::ReadFile(sandbox.CRoot() + "/new.txt"), "hello, there");

  ASSERT_EQ(file.Open("C:\\new.txt", EAccess::kRead, EShare::kOthersMayRead), EError::kNone);
  EXPECT_EQ(ReadAll(file), "hello, there");
  CFile moved(std::move(file));
  EXPECT_FALSE(file.IsOpen());
  EXPECT_TRUE(moved.IsOpen());
  ASSERT_EQ(moved.Seek(0), EError::kNone);
  EXPECT_EQ(ReadAll(moved), "hello, there");
  moved.Close();

  EXPECT_EQ(file.Open("C:\\new.txt", EAccess::kWrite, EShare::kNoSharing, ECreate::kCreateNew),
            EError::kFileExists);
  EXPECT_EQ(file.Open("C:\\absent.txt", EAccess::kRead, EShare::kOthersMayRead),
            EError::kFileNotFound);
  EXPECT_EQ(
      file.Open("C:\\nodir\\a.txt", EAccess::kWrite, EShare::kNoSharing, ECreate::kCreateAlways),
      EError::kPathNotFound);
  EXPECT_EQ(file.Open("E:\\a.txt", EAccess::kRead, EShare::kOthersMayRead), EError::kPathNotFound);

  ASSERT_EQ(file.Open("C:\\new.txt", EAccess::kReadWrite, EShare::kNoSharing, ECreate::kOpenAlways),
            EError::kNone);
  EXPECT_EQ(file.Size(), 12u);  // opened as it was
  ASSERT_EQ(file.Open("C:\\new.txt", EAccess::kWrite, EShare::kNoSharing, ECreate::kCreateAlways),
            EError::kNone);
  EXPECT_EQ(file.Size(), 0u);  // emptied
  ASSERT_EQ(file.Open("C:\\other.txt", EAccess::kWrite, EShare::kNoSharing, ECreate::kOpenAlways),
            EError::kNone);
  file.Close();
  EXPECT_TRUE(testing_support::Exists(sandbox.CRoot() + "/other.txt"));

  // Folders and pipes are not files to read or write.
  testing_support::MakeFolders(sandbox.CRoot() + "/dir");
  EXPECT_NE(file.Open("C:\\dir", EAccess::kRead, EShare::kOthersMayRead), EError::kNone);
  EXPECT_NE(file.Open("C:\\dir", EAccess::kWrite, EShare::kNoSharing, ECreate::kOpenAlways),
            EError::kNone);
  ASSERT_EQ(mkfifo((sandbox.CRoot() + "/pipe").c_str(), 0644), 0);
  EXPECT_NE(file.Open("C:\\pipe", EAccess::kRead, EShare::kOthersMayRead), EError::kNone);
  EXPECT_NE(file.Open("C:\\pipe", EAccess::kWrite, EShare::kNoSharing), EError::kNone);
  EXPECT_FALSE(file.IsOpen());
}

TEST(File, SharingModesKeepWritersApart) {
  CTestSandbox sandbox;
  testing_support::WriteFile(sandbox.CRoot() + "/shared.txt", "precious data");

  CFile writer;
  ASSERT_EQ(writer.Open("C:\\shared.txt", EAccess::kWrite, EShare::kOthersMayRead), EError::kNone);
  CFile second;
  EXPECT_EQ(second.Open("C:\\shared.txt", EAccess::kWrite, EShare::kOthersMayRead),
            EError::kSharingViolation);
  EXPECT_EQ(second.Open("C:\\shared.txt", EAccess::kReadWrite, EShare::kNoSharing),
            EError::kSharingViolation);
  // Creating over a file in use must not empty it under its holder.
  EXPECT_EQ(
      second.Open("C:\\shared.txt", EAccess::kWrite, EShare::kNoSharing, ECreate::kCreateAlways),
      EError::kSharingViolation);
  EXPECT_EQ(testing_support::ReadFile(sandbox.CRoot() + "/shared.txt"), "precious data");
  writer.Close();
  ASSERT_EQ(second.Open("C:\\shared.txt", EAccess::kWrite, EShare::kNoSharing), EError::kNone);
  second.Close();

  // Readers share with each other and keep writers out.
  CFile readerA;
  CFile readerB;
  ASSERT_EQ(readerA.Open("C:\\shared.txt", EAccess::kRead, EShare::kOthersMayRead), EError::kNone);
  ASSERT_EQ(readerB.Open("C:\\shared.txt", EAccess::kRead, EShare::kOthersMayRead), EError::kNone);
  EXPECT_EQ(ReadAll(readerB), "precious data");
  EXPECT_EQ(writer.Open("C:\\shared.txt", EAccess::kWrite, EShare::kOthersMayRead),
            EError::kSharingViolation);
  readerA.Close();
  readerB.Close();
  EXPECT_EQ(writer.Open("C:\\shared.txt", EAccess::kWrite, EShare::kOthersMayRead), EError::kNone);
}

TEST(File, CopiesAWholeFileInBufferSizedSteps) {
  CTestSandbox sandbox;
  std::string content;
  for (int i = 0; content.size() < 300'000; ++i) {
    content += std::to_string(i * 7919) + ",";
  }
  testing_support::WriteFile(sandbox.CRoot() + "/source.bin", content);

  for (const size_t bufferSize : {size_t{4096}, size_t{65536}, size_t{1} << 20}) {
    CFile source;
    CFile target;
    ASSERT_EQ(source.Open("C:\\source.bin", EAccess::kRead, EShare::kOthersMayRead), EError::kNone);
    ASSERT_EQ(
        target.Open("D:\\copy.bin", EAccess::kWrite, EShare::kNoSharing, ECreate::kCreateAlways),
        EError::kNone);
    std::vector<char> buffer(bufferSize);
    uint64_t total = 0;
    int steps = 0;
    while (true) {
      size_t done = 0;
      bool readFailed = true;
      ASSERT_EQ(target.CopyFrom(source, buffer.data(), buffer.size(), done, readFailed),
                EError::kNone);
      EXPECT_FALSE(readFailed);
      EXPECT_LE(done, bufferSize);
      if (done == 0) {
        break;
      }
      total += done;
      ++steps;
      ASSERT_LT(steps, 10'000);
    }
    EXPECT_EQ(total, content.size());
    EXPECT_GE(steps, static_cast<int>((content.size() + bufferSize - 1) / bufferSize));
    target.Close();
    EXPECT_EQ(testing_support::ReadFile(sandbox.Root() + "/d/copy.bin"), content) << bufferSize;
  }
}

std::vector<std::string> Names(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  return names;
}

TEST(File, AnUnnamedFileComesIntoViewOnlyWhenNamedAndNeverOverAnotherFile) {
  CTestSandbox sandbox;
  const std::string folder = sandbox.CRoot() + "/out";
  ASSERT_TRUE(std::filesystem::create_directory(folder));
  CFile file;
  const EError made = file.CreateUnnamed("C:\\out\\");
  if (made == EError::kNotSupported) {
    GTEST_SKIP() << "the test folder's file system makes no unnamed files";
  }
  ASSERT_EQ(made, EError::kNone);
  size_t done = 0;
  ASSERT_EQ(file.Write("new data", 8, done), EError::kNone);
  EXPECT_TRUE(Names(folder).empty());
  // Its attributes are given while it is open and nameless: read-only and hidden, with the
  // archive mark cleared for the data it holds.
  ASSERT_EQ(file.SetAttributes(kAttrReadOnly | kAttrHidden, "new.txt"), EError::kNone);
  ASSERT_EQ(file.LinkAs("C:\\out\\new.txt"), EError::kNone);
  file.Close();
  EXPECT_EQ(testing_support::ReadFile(folder + "/new.txt"), "new data");
  EXPECT_EQ(GetFileAttributes("C:\\out\\new.txt"), kAttrReadOnly | kAttrHidden);

  CFile other;
  ASSERT_EQ(other.CreateUnnamed("C:\\out\\"), EError::kNone);
  ASSERT_EQ(other.Write("other", 5, done), EError::kNone);
  EXPECT_EQ(other.LinkAs("C:\\out\\new.txt"), EError::kAlreadyExists);
  other.Close();  // never named: gone
  EXPECT_EQ(Names(folder), std::vector<std::string>{"new.txt"});
  EXPECT_EQ(testing_support::ReadFile(folder + "/new.txt"), "new data");
  EXPECT_EQ(CFile().CreateUnnamed("C:\\absent\\"), EError::kFileNotFound);

  // A name given is taken away again only while it still names that very file.
  CFile third;
  ASSERT_EQ(third.CreateUnnamed("C:\\out\\"), EError::kNone);
  ASSERT_EQ(third.LinkAs("C:\\out\\third.txt"), EError::kNone);
  ASSERT_EQ(std::rename((folder + "/new.txt").c_str(), (folder + "/third.txt").c_str()), 0);
  EXPECT_EQ(third.Unlink("C:\\out\\third.txt"), EError::kFileNotFound);
  EXPECT_EQ(testing_support::ReadFile(folder + "/third.txt"), "new data");
  CFile fourth;
  ASSERT_EQ(fourth.CreateUnnamed("C:\\out\\"), EError::kNone);
  ASSERT_EQ(fourth.LinkAs("C:\\out\\fourth.txt"), EError::kNone);
  EXPECT_EQ(fourth.Unlink("C:\\out\\fourth.txt"), EError::kNone);
  EXPECT_EQ(Names(folder), std::vector<std::string>{"third.txt"});
}

// The kernel lets a process link its unnamed file by descriptor only while it may search any
// folder or still holds the rights it opened the file with; otherwise the name goes through
// /proc. A child drops the right to search between making and naming the file, as a program
// started with more rights than it keeps would.
TEST(File, AnUnnamedFileIsNamedAlsoWithoutTheRightToLinkItsDescriptor) {
  CTestSandbox sandbox;
  const std::string folder = sandbox.CRoot() + "/out";
  ASSERT_TRUE(std::filesystem::create_directory(folder));
  if (CFile().CreateUnnamed("C:\\out\\") == EError::kNotSupported) {
    GTEST_SKIP() << "the test folder's file system makes no unnamed files";
  }
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    CFile file;
    size_t done = 0;
    if (file.CreateUnnamed("C:\\out\\") != EError::kNone ||
        file.Write("data", 4, done) != EError::kNone) {
      _exit(2);
    }
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct rights[2]{};
    if (syscall(SYS_capget, &header, rights) != 0) {
      _exit(3);
    }
    rights[0].effective &= ~(1U << CAP_DAC_READ_SEARCH);
    if (syscall(SYS_capset, &header, rights) != 0) {
      _exit(4);
    }
    _exit(file.LinkAs("C:\\out\\named.txt") == EError::kNone ? 0 : 5);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(testing_support::ReadFile(folder + "/named.txt"), "data");
}

}  // namespace
