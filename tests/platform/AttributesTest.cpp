// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/File.h"
#include "platform/FileFind.h"
#include "platform/FileInfo.h"
#include "platform/FileOps.h"
#include "tests/support/TestSandbox.h"

namespace {

using namespace platform;
using testing_support::CTestSandbox;

mode_t ModeOf(const std::string& posixPath) {
  struct stat info {};
  stat(posixPath.c_str(), &info);
  return info.st_mode & 07777;
}

// 2001-02-03 04:05:06 UTC: an old time, so that a write now gives a different one.
constexpr FileTime kOldTime = 126256467060000000ull;

TEST(Attributes, ArchiveMarkFollowsTheContent) {
  CTestSandbox sandbox;
  const std::string file = sandbox.CRoot() + "/doc.txt";
  testing_support::WriteFile(file, "first");
  ASSERT_EQ(SetFileTimes("C:\\doc.txt", nullptr, nullptr, &kOldTime), EError::kNone);
  EXPECT_EQ(GetFileAttributes("C:\\doc.txt"), kAttrArchive);  // a new file is marked

  ASSERT_EQ(SetFileAttributes("C:\\doc.txt", 0), EError::kNone);
  EXPECT_EQ(GetFileAttributes("C:\\doc.txt"), kAttrNormal);
  CFindFile find;
  ASSERT_TRUE(find.FindFirst("C:\\doc.txt"));
  EXPECT_EQ(find.Data().attributes, kAttrNormal);

  // New times are no new content: the mark stays cleared.
  const FileTime later = kOldTime + 10'000'000;
  ASSERT_EQ(SetFileTimes("C:\\doc.txt", nullptr, &later, &later), EError::kNone);
  EXPECT_EQ(GetFileAttributes("C:\\doc.txt") & kAttrArchive, 0u);

  // Written again (same size), the file is marked again.
  {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << "again";
  }
  EXPECT_EQ(GetFileAttributes("C:\\doc.txt"), kAttrArchive);

  ASSERT_EQ(SetFileAttributes("C:\\doc.txt", kAttrReadOnly), EError::kNone);
  EXPECT_EQ(GetFileAttributes("C:\\doc.txt"), kAttrReadOnly);
  ASSERT_EQ(chmod(file.c_str(), 0644), 0);
  testing_support::WriteFile(file, "longer content");
  ASSERT_EQ(chmod(file.c_str(), 0444), 0);
  EXPECT_EQ(GetFileAttributes("C:\\doc.txt"), kAttrReadOnly | kAttrArchive);

  // Folders carry no archive mark of their own.
  testing_support::MakeFolders(sandbox.CRoot() + "/folder");
  EXPECT_EQ(GetFileAttributes("C:\\folder"), kAttrDirectory);
}

TEST(Attributes, HiddenAndSystemFlags) {
  CTestSandbox sandbox;
  testing_support::BuildTree(sandbox.CRoot(),
                             {{".profile", "p"}, {"shown.txt", "s"}, {"dir/", ""}});
  EXPECT_EQ(GetFileAttributes("C:\\.profile"), kAttrHidden | kAttrArchive);
  EXPECT_EQ(GetFileAttributes("C:\\shown.txt"), kAttrArchive);

  ASSERT_EQ(SetFileAttributes("C:\\shown.txt", kAttrHidden | kAttrSystem | kAttrArchive),
            EError::kNone);
  EXPECT_EQ(GetFileAttributes("C:\\shown.txt"), kAttrHidden | kAttrSystem | kAttrArchive);
  const auto info = GetFileInfo("C:\\shown.txt");
  ASSERT_TRUE(info.has_value());
  EXPECT_EQ(info->attributes, kAttrHidden | kAttrSystem | kAttrArchive);
  ASSERT_EQ(SetFileAttributes("C:\\shown.txt", kAttrSystem | kAttrArchive), EError::kNone);
  EXPECT_EQ(GetFileAttributes("C:\\shown.txt"), kAttrSystem | kAttrArchive);

  // A dot-name stays hidden whatever is asked.
  ASSERT_EQ(SetFileAttributes("C:\\.profile", kAttrArchive), EError::kNone);
  EXPECT_EQ(GetFileAttributes("C:\\.profile"), kAttrHidden | kAttrArchive);

  ASSERT_EQ(SetFileAttributes("C:\\dir", kAttrHidden | kAttrDirectory), EError::kNone);
  EXPECT_EQ(GetFileAttributes("C:\\dir"), kAttrHidden | kAttrDirectory);
  EXPECT_EQ(GetFileAttributes("C:\\missing"), kInvalidAttributes);
  EError error = EError::kNone;
  EXPECT_EQ(GetFileAttributes("E:\\x", &error), kInvalidAttributes);
  EXPECT_EQ(error, EError::kPathNotFound);
  EXPECT_EQ(SetFileAttributes("C:\\missing", 0), EError::kFileNotFound);
}

TEST(Attributes, ReadOnlyIsTheAbsenceOfWriteBits) {
  CTestSandbox sandbox;
  const std::string file = sandbox.CRoot() + "/ro.txt";
  testing_support::WriteFile(file, "keep");
  ASSERT_EQ(chmod(file.c_str(), 0664), 0);

  ASSERT_EQ(SetFileAttributes("C:\\ro.txt", kAttrReadOnly | kAttrArchive), EError::kNone);
  EXPECT_EQ(ModeOf(file), 0444u);  // every write bit goes
  EXPECT_EQ(GetFileAttributes("C:\\ro.txt"), kAttrReadOnly | kAttrArchive);

  // Read-only files are kept, even from a user who could write them anyway.
  EXPECT_EQ(DeleteFile("C:\\ro.txt"), EError::kAccessDenied);
  CFile handle;
  EXPECT_EQ(handle.Open("C:\\ro.txt", EAccess::kWrite, EShare::kNoSharing), EError::kAccessDenied);
  EXPECT_EQ(handle.Open("C:\\ro.txt", EAccess::kReadWrite, EShare::kOthersMayRead,
                        ECreate::kCreateAlways),
            EError::kAccessDenied);
  EXPECT_EQ(testing_support::ReadFile(file), "keep");
  EXPECT_EQ(handle.Open("C:\\ro.txt", EAccess::kRead, EShare::kOthersMayRead), EError::kNone);
  handle.Close();

  // Flags can still be stored on a read-only file, and it stays read-only.
  ASSERT_EQ(SetFileAttributes("C:\\ro.txt", kAttrReadOnly | kAttrHidden), EError::kNone);
  EXPECT_EQ(GetFileAttributes("C:\\ro.txt"), kAttrReadOnly | kAttrHidden);
  EXPECT_EQ(ModeOf(file), 0444u);

  ASSERT_EQ(SetFileAttributes("C:\\ro.txt", kAttrArchive), EError::kNone);
  EXPECT_EQ(ModeOf(file), 0644u);  // only the owner gets write permission back
  EXPECT_EQ(DeleteFile("C:\\ro.txt"), EError::kNone);
  EXPECT_FALSE(testing_support::Exists(file));
}

}  // namespace
