// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/FileFind.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

#include "platform/DebugMessages.h"
#include "tests/support/TestSandbox.h"

namespace {

using namespace platform;
using testing_support::CTestSandbox;

// Every entry that a pattern lists, by name (the dot entries left out).
std::map<std::string, SFindData> List(const std::string& pattern) {
  std::map<std::string, SFindData> found;
  CFindFile find;
  if (!find.FindFirst(pattern)) {
    return found;
  }
  do {
    if (!find.IsDots()) {
      found[find.Data().name] = find.Data();
    }
  } while (find.FindNext());
  return found;
}

TEST(FileFind, ListsFilesAndFoldersWithWholeSizes) {
  CTestSandbox sandbox;
  testing_support::BuildTree(sandbox.CRoot() + "/data",
                             {{"small.txt", "hello"}, {"Folder/", ""}, {"Folder/inner.txt", "x"}});
  constexpr uint64_t kFiveGiB = 5ull << 30;
  const std::string big = sandbox.CRoot() + "/data/big.bin";
  const int fd = open(big.c_str(), O_CREAT | O_WRONLY, 0644);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(ftruncate(fd, static_cast<off_t>(kFiveGiB)), 0);  // sparse: no disk space used
  close(fd);

  CFindFile find;
  ASSERT_TRUE(find.FindFirst("C:\\data\\*.*"));
  EXPECT_EQ(find.Folder(), "C:\\data\\");
  bool sawDots = false;
  std::map<std::string, SFindData> found;
  do {
    sawDots = sawDots || find.IsDots();
    if (!find.IsDots()) {
      found[find.Data().name] = find.Data();
      EXPECT_EQ(find.IsDirectory(), find.Data().name == "Folder");
    }
  } while (find.FindNext());
  EXPECT_EQ(find.LastError(), EError::kNone);
  EXPECT_TRUE(sawDots);
  ASSERT_EQ(found.size(), 3u);
  EXPECT_EQ(found["big.bin"].size, kFiveGiB);
  EXPECT_EQ(found["small.txt"].size, 5u);
  EXPECT_EQ(found["small.txt"].attributes & kAttrDirectory, 0u);
  EXPECT_NE(found["small.txt"].lastWriteTime, 0u);
  EXPECT_EQ(found["Folder"].attributes & kAttrDirectory, kAttrDirectory);
  EXPECT_EQ(found["Folder"].size, 0u);

  // One entry looked up by name.
  CFindFile single;
  ASSERT_TRUE(single.FindFirst("C:\\data\\big.bin"));
  EXPECT_EQ(single.Data().name, "big.bin");
  EXPECT_EQ(single.Data().size, kFiveGiB);
  EXPECT_FALSE(single.FindNext());
  EXPECT_FALSE(single.FindFirst("C:\\data\\absent.txt"));
  EXPECT_EQ(single.LastError(), EError::kFileNotFound);
  EXPECT_FALSE(single.FindFirst("C:\\nowhere\\*"));
  EXPECT_EQ(single.LastError(), EError::kPathNotFound);
  EXPECT_FALSE(single.FindFirst("E:\\*"));
  EXPECT_EQ(single.LastError(), EError::kPathNotFound);
}

TEST(FileFind, PatternsIgnoreCase) {
  CTestSandbox sandbox;
  testing_support::BuildTree(sandbox.CRoot() + "/p", {{"Report.TXT", "1"},
                                                      {"notes.txt", "2"},
                                                      {"\xC3\x89T\xC3\x89.doc", "3"},
                                                      {"a1.txt", "4"},
                                                      {"a22.txt", "5"},
                                                      {"noext", "6"}});
  const auto names = [](const std::map<std::string, SFindData>& found) {
    std::string out;
    for (const auto& [name, data] : found) {
      out += name + ";";
    }
    return out;
  };
  EXPECT_EQ(names(List("C:\\p\\*.txt")), "Report.TXT;a1.txt;a22.txt;notes.txt;");
  EXPECT_EQ(names(List("C:\\p\\REPORT.*")), "Report.TXT;");
  EXPECT_EQ(names(List("C:\\p\\a?.TXT")), "a1.txt;");
  EXPECT_EQ(names(List("C:\\p\\\xC3\xA9t\xC3\xA9*")), "\xC3\x89T\xC3\x89.doc;");
  EXPECT_EQ(List("C:\\p\\*.*").size(), 6u);  // "*.*" also lists names without a dot
  EXPECT_EQ(List("C:\\p\\*").size(), 6u);
  EXPECT_TRUE(List("C:\\p\\*.pdf").empty());

  EXPECT_TRUE(WildcardMatch("*a*b", "xxaYYb"));
  EXPECT_FALSE(WildcardMatch("*a*b", "xxaYYbc"));
  EXPECT_TRUE(WildcardMatch("?\xC3\xA9", "x\xC3\x89"));  // '?' takes one whole character
  EXPECT_FALSE(WildcardMatch("?", "ab"));
}

TEST(FileFind, SkipsWhatCannotBeBackedUp) {
  CTestSandbox sandbox;
  const std::string folder = sandbox.CRoot() + "/s";
  testing_support::BuildTree(folder, {{"plain.txt", "p"}, {"sub/", ""}, {"sub/in.txt", "i"}});
  testing_support::WriteFile(folder + "/back\\slash.txt", "b");
  ASSERT_EQ(mkfifo((folder + "/pipe").c_str(), 0644), 0);
  const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(sock, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string socketPath = folder + "/sock";
  ASSERT_LT(socketPath.size(), sizeof address.sun_path);
  std::strcpy(address.sun_path, socketPath.c_str());
  ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(symlink("nowhere", (folder + "/dangling").c_str()), 0);
  ASSERT_EQ(symlink("sub", (folder + "/folderlink").c_str()), 0);
  ASSERT_EQ(symlink("plain.txt", (folder + "/filelink").c_str()), 0);

  ClearDebugMessages();
  const auto found = List("C:\\s\\*");
  close(sock);
  EXPECT_EQ(found.size(), 4u);
  EXPECT_EQ(found.count("pipe"), 0u);
  EXPECT_EQ(found.count("sock"), 0u);
  EXPECT_EQ(found.count("dangling"), 0u);
  EXPECT_EQ(found.count("back\\slash.txt"), 0u);
  ASSERT_EQ(found.count("folderlink"), 1u);
  EXPECT_EQ(found.at("folderlink").attributes & (kAttrDirectory | kAttrReparsePoint),
            kAttrDirectory | kAttrReparsePoint);
  EXPECT_EQ(found.at("sub").attributes & kAttrReparsePoint, 0u);
  ASSERT_EQ(found.count("filelink"), 1u);  // a link to a file is followed like the file
  EXPECT_EQ(found.at("filelink").size, 1u);
  EXPECT_EQ(found.at("filelink").attributes & (kAttrDirectory | kAttrReparsePoint), 0u);

  const std::vector<std::string> messages = GetDebugMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("back\\slash.txt"), std::string::npos) << messages[0];

  // Looked up by name, the skipped kinds are not found either.
  CFindFile single;
  EXPECT_FALSE(single.FindFirst("C:\\s\\pipe"));
  EXPECT_FALSE(single.FindFirst("C:\\s\\dangling"));
  EXPECT_TRUE(single.FindFirst("C:\\s\\folderlink"));
  EXPECT_NE(single.Data().attributes & kAttrReparsePoint, 0u);
}

}  // namespace
