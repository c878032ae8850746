// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/FileOps.h"

#include <stdlib.h>
#include <sys/stat.h>
#include <sys/xattr.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "platform/FileInfo.h"
#include "tests/support/TestSandbox.h"

namespace {

using namespace platform;
using testing_support::CTestSandbox;
using testing_support::Exists;
using testing_support::ReadFile;

TEST(FileOps, MovesAndReplacesFiles) {
  CTestSandbox sandbox;
  const std::string c = sandbox.CRoot();
  testing_support::BuildTree(c,
                             {{"a.txt", "A"}, {"b.txt", "B"}, {"dir/", ""}, {"dir/in.txt", "I"}});

  EXPECT_EQ(MoveFile("C:\\a.txt", "C:\\b.txt"), EError::kAlreadyExists);
  EXPECT_EQ(ReadFile(c + "/a.txt"), "A");
  EXPECT_EQ(ReadFile(c + "/b.txt"), "B");
  EXPECT_EQ(MoveFile("C:\\a.txt", "C:\\dir"), EError::kAlreadyExists);

  ASSERT_EQ(MoveFile("C:\\a.txt", "C:\\dir\\moved.txt"), EError::kNone);
  EXPECT_FALSE(Exists(c + "/a.txt"));
  EXPECT_EQ(ReadFile(c + "/dir/moved.txt"), "A");
  ASSERT_EQ(MoveFile("C:\\dir", "C:\\renamed"), EError::kNone);  // folders move too
  EXPECT_EQ(ReadFile(c + "/renamed/in.txt"), "I");
  EXPECT_NE(MoveFile("C:\\absent.txt", "C:\\x.txt"), EError::kNone);
  EXPECT_EQ(MoveFile("C:\\b.txt", "E:\\b.txt"), EError::kPathNotFound);

  ASSERT_EQ(ReplaceFile("C:\\renamed\\moved.txt", "C:\\b.txt"), EError::kNone);
  EXPECT_EQ(ReadFile(c + "/b.txt"), "A");
  EXPECT_FALSE(Exists(c + "/renamed/moved.txt"));

  EXPECT_EQ(DeleteFile("C:\\b.txt"), EError::kNone);
  EXPECT_FALSE(Exists(c + "/b.txt"));
  EXPECT_EQ(DeleteFile("C:\\b.txt"), EError::kFileNotFound);
  EXPECT_EQ(DeleteFile("C:\\renamed"), EError::kAccessDenied);  // a folder is no file
  EXPECT_TRUE(Exists(c + "/renamed/in.txt"));
}

// D: on another file system (a folder in /dev/shm), so that a move must copy.
TEST(FileOps, MovesFilesAcrossFileSystems) {
  std::string shm = "/dev/shm/brevant-test-XXXXXX";
  struct stat shmInfo {};
  struct stat tmpInfo {};
  if (stat("/dev/shm", &shmInfo) != 0 ||
      stat(std::filesystem::temp_directory_path().c_str(), &tmpInfo) != 0 ||
      shmInfo.st_dev == tmpInfo.st_dev || mkdtemp(shm.data()) == nullptr) {
    GTEST_SKIP() << "no second file system at hand";
  }
  struct SRemove {
    std::string folder;
    ~SRemove() {
      std::error_code ignored;
      std::filesystem::remove_all(folder, ignored);
    }
  } removeShm{shm};
  CTestSandbox sandbox("C={root}/c;D=" + shm);
  testing_support::WriteFile(sandbox.CRoot() + "/big.bin", std::string(3 << 20, 'x') + "end");
  testing_support::WriteFile(shm + "/taken.txt", "taken");
  constexpr FileTime kTime = 126256467060000000ull + 1234567;  // 2001-02-03, with a fraction
  ASSERT_EQ(SetFileTimes("C:\\big.bin", nullptr, nullptr, &kTime), EError::kNone);
  ASSERT_EQ(SetFileAttributes("C:\\big.bin", kAttrHidden), EError::kNone);

  EXPECT_EQ(MoveFile("C:\\big.bin", "D:\\taken.txt"), EError::kAlreadyExists);
  EXPECT_EQ(ReadFile(shm + "/taken.txt"), "taken");
  EXPECT_TRUE(Exists(sandbox.CRoot() + "/big.bin"));

  ASSERT_EQ(MoveFile("C:\\big.bin", "D:\\big.bin"), EError::kNone);
  EXPECT_FALSE(Exists(sandbox.CRoot() + "/big.bin"));
  const std::string moved = ReadFile(shm + "/big.bin");
  EXPECT_EQ(moved.size(), (3u << 20) + 3);
  EXPECT_EQ(moved.substr(moved.size() - 3), "end");
  const auto info = GetFileInfo("D:\\big.bin");
  ASSERT_TRUE(info.has_value());
  EXPECT_EQ(info->times.lastWrite, kTime);
  // The flags come along where the file system can keep them.
  const bool keepsFlags = setxattr(shm.c_str(), "user.brevant.probe", "1", 1, 0) == 0;
  EXPECT_EQ(info->attributes, keepsFlags ? kAttrHidden : kAttrArchive);

  testing_support::MakeFolders(sandbox.CRoot() + "/folder");
  EXPECT_EQ(MoveFile("C:\\folder", "D:\\folder"), EError::kNotSameDevice);
  EXPECT_TRUE(Exists(sandbox.CRoot() + "/folder"));
}

TEST(FileOps, MakesAndRemovesFolders) {
  CTestSandbox sandbox;
  EXPECT_EQ(CreateDirectory("C:\\made"), EError::kNone);
  EXPECT_TRUE(CanListFolder("C:\\made"));
  EXPECT_EQ(CreateDirectory("C:\\made"), EError::kAlreadyExists);
  EXPECT_EQ(CreateDirectory("C:\\missing\\made"), EError::kPathNotFound);
  EXPECT_EQ(CreateDirectory("E:\\made"), EError::kPathNotFound);
  EXPECT_EQ(CreateDirectory("C:\\" + std::string(kMaxPath, 'x')), EError::kPathTooLong);

  testing_support::WriteFile(sandbox.CRoot() + "/made/file.txt", "f");
  EXPECT_EQ(RemoveDirectory("C:\\made"), EError::kDirNotEmpty);
  EXPECT_TRUE(Exists(sandbox.CRoot() + "/made/file.txt"));
  EXPECT_FALSE(CanListFolder("C:\\made\\file.txt"));
  EXPECT_NE(RemoveDirectory("C:\\made\\file.txt"), EError::kNone);
  ASSERT_EQ(DeleteFile("C:\\made\\file.txt"), EError::kNone);
  EXPECT_EQ(RemoveDirectory("C:\\made"), EError::kNone);
  EXPECT_FALSE(CanListFolder("C:\\made"));
  EXPECT_EQ(RemoveDirectory("C:\\made"), EError::kFileNotFound);
}

TEST(FileOps, TemporaryNamesAreNewFiles) {
  CTestSandbox sandbox;
  testing_support::MakeFolders(sandbox.CRoot() + "/tmp");
  const std::regex shape(R"(C:\\tmp\\BV[0-9A-F]{4}\.tmp)");

  const auto name = GetTempFileName("C:\\tmp", "BV");
  ASSERT_TRUE(name.has_value());
  EXPECT_TRUE(std::regex_match(*name, shape)) << *name;
  EXPECT_TRUE(Exists(sandbox.Posix(*name)));
  EXPECT_EQ(ReadFile(sandbox.Posix(*name)), "");
  const auto cut = GetTempFileName("C:\\tmp\\", "PREFIX");
  ASSERT_TRUE(cut.has_value());
  EXPECT_TRUE(std::regex_match(*cut, std::regex(R"(C:\\tmp\\PRE[0-9A-F]{4}\.tmp)"))) << *cut;

  EError error = EError::kNone;
  EXPECT_FALSE(GetTempFileName("C:\\absent", "BV", &error).has_value());
  EXPECT_EQ(error, EError::kPathNotFound);

  // Many threads asking at once still get a file each.
  constexpr int kThreads = 8;
  constexpr int kEach = 200;
  std::vector<std::vector<std::string>> names(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&names, t] {
      for (int i = 0; i < kEach; ++i) {
        if (auto made = GetTempFileName("C:\\tmp", "BV")) {
          names[t].push_back(std::move(*made));
        }
      }
    });
  }
  for (std::thread& thread : threads) {
    thread.join();
  }
  std::set<std::string> unique{*name};
  for (const auto& list : names) {
    EXPECT_EQ(list.size(), static_cast<size_t>(kEach));
    for (const std::string& made : list) {
      EXPECT_TRUE(unique.insert(made).second) << made << " given twice";
      EXPECT_TRUE(std::regex_match(made, shape)) << made;
    }
  }
  size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(sandbox.CRoot() + "/tmp")) {
    files += entry.is_regular_file() ? 1 : 0;
  }
  EXPECT_EQ(files, kThreads * kEach + 2u);
}

}  // namespace
