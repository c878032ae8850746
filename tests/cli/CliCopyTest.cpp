// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/Version.h"
#include "profile/DataFile.h"
#include "tests/cli/CliProcess.h"
#include "tests/support/TestSandbox.h"

namespace {

using testing::HasSubstr;
using testing_support::BuildTree;
using testing_support::CTestSandbox;
using testing_support::ReadFile;

constexpr platform::FileTime kOldTime = (11644473600ULL + 1577836800ULL) * 10000000ULL;
constexpr platform::FileTime kNewTime = (11644473600ULL + 1609459200ULL) * 10000000ULL;

using cli_test::SCliResult;

std::string Contents(size_t size, unsigned seed) {
  std::string text(size, '\0');
  uint32_t state = seed * 2654435761u + 1;
  for (char& c : text) {
    state = state * 1664525u + 1013904223u;
    c = static_cast<char>(state >> 24);
  }
  return text;
}

std::vector<std::string> FilesBelow(const std::string& root) {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    if (entry.is_regular_file()) {
      files.push_back(std::filesystem::relative(entry.path(), root).string());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

class CliCopy : public ::testing::Test {
 protected:
  std::string Source(const std::string& name = "src") const {
    return m_sandbox.CRoot() + "/" + name;
  }
  std::string Destination(const std::string& name = "dst") const {
    return m_sandbox.Root() + "/d/" + name;
  }

  pid_t Start(const std::vector<std::string>& arguments) {
    return cli_test::StartCli(arguments, OutPath(), ErrPath());
  }
  SCliResult Finish(pid_t pid) { return cli_test::FinishCli(pid, OutPath(), ErrPath()); }
  SCliResult Run(const std::vector<std::string>& arguments) { return Finish(Start(arguments)); }

  std::string OutPath() const { return m_sandbox.Root() + "/cli.out"; }
  std::string ErrPath() const { return m_sandbox.Root() + "/cli.err"; }

  void WriteData(const SDataFileContents& contents, const std::string& path) {
    const std::vector<uint8_t> bytes = EncodeDataFile(contents);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }

  CTestSandbox m_sandbox;
};

TEST_F(CliCopy, CopiesATreeAndReportsNoMessages) {
  std::vector<std::string> expected;
  for (int folder = 0; folder < 4; ++folder) {
    for (int file = 0; file < 6; ++file) {
      const std::string path = (folder == 0 ? std::string() : "f" + std::to_string(folder) + "/") +
                               "n" + std::to_string(file) + ".dat";
      BuildTree(Source(),
                {{path, Contents(static_cast<size_t>(file * 3001 + folder), folder * 10 + file)}});
      expected.push_back(path);
    }
  }
  BuildTree(Source(), {{"f2/deep/big.bin", Contents(3 << 20, 99)}});
  expected.push_back("f2/deep/big.bin");
  std::sort(expected.begin(), expected.end());

  const SCliResult result = Run({"copy", "--source", "C:\\src", "--dest", "D:\\dst"});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_THAT(result.out, HasSubstr("Copy Statistics and Messages\r\n\r\nFiles: 25\r\n"));
  EXPECT_THAT(result.out, HasSubstr("\r\n\r\n0 error messages\r\n"));
  ASSERT_EQ(FilesBelow(Destination()), expected);
  for (const std::string& path : expected) {
    EXPECT_EQ(ReadFile(Destination() + "/" + path), ReadFile(Source() + "/" + path)) << path;
  }
}

TEST_F(CliCopy, OneWorkerOrManyCopyTheSameAndReportTheSame) {
  for (int file = 0; file < 30; ++file) {
    const std::string folder = "f" + std::to_string(file % 3) + "/";
    BuildTree(Source(), {{folder + "n" + std::to_string(file) + ".dat",
                          Contents(static_cast<size_t>(file * 997), file)}});
  }
  BuildTree(Source(), {{"f1/big.bin", Contents(3 << 20, 7)}});
  std::string firstReport;
  for (const std::string workers : {"1", "4"}) {
    const SCliResult result =
        Run({"copy", "--source", "C:\\src", "--dest", "D:\\dst" + workers, "--workers", workers});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_THAT(result.err, HasSubstr(workers == "1" ? "with 1 worker\n" : "with 4 workers\n"));
    const std::vector<std::string> copied = FilesBelow(Destination() + workers);
    EXPECT_EQ(copied, FilesBelow(Source()));
    for (const std::string& path : copied) {
      EXPECT_EQ(ReadFile(Destination() + workers + "/" + path), ReadFile(Source() + "/" + path));
    }
    // The report without its elapsed time.
    const std::string report = result.out.substr(0, result.out.find("Elapsed time"));
    if (firstReport.empty()) {
      firstReport = report;
    }
    EXPECT_EQ(report, firstReport);
  }
}

TEST_F(CliCopy, ACopyWithAFailureExitsWithOne) {
  m_sandbox.SetDrives("C={root}/c;D={root}/d,fixed,free=1000");
  BuildTree(Source(), {{"a.bin", Contents(5000, 1)}});
  const SCliResult result = Run({"copy", "--source", "C:\\src", "--dest", "D:\\dst"});
  EXPECT_EQ(result.status, 1) << result.err;
  EXPECT_THAT(result.out, HasSubstr("1 error message\r\n-- 1 file: Destination drive is full.\r\n"
                                    "---- C:\\src\\a.bin\r\n"));
}

TEST_F(CliCopy, BadArgumentsAreAUsageError) {
  EXPECT_EQ(Run({"copy", "--source", "C:\\src"}).status, 2);
  EXPECT_EQ(Run({"copy", "--source", "C:\\src", "--dest", "D:\\dst", "--text"}).status, 2);
  EXPECT_EQ(Run({"copy", "--profile", "x", "--queue", "y"}).status, 2);
  EXPECT_EQ(Run({"copy", "--queue"}).status, 2);
  for (const std::string count : {"0", "65", "two", "2x", ""}) {
    EXPECT_EQ(Run({"copy", "--source", "C:\\src", "--dest", "D:\\dst", "--workers", count}).status,
              2)
        << count;
  }
  EXPECT_EQ(Run({"preview", "--source", "C:\\src", "--dest", "D:\\dst", "--workers", "2"}).status,
            2);
  const SCliResult result = Run({"copy"});
  EXPECT_EQ(result.status, 2);
  EXPECT_THAT(result.err, HasSubstr("Usage:"));
}

TEST_F(CliCopy, AMissingSourceIsNotValid) {
  const SCliResult result = Run({"copy", "--source", "C:\\nothere", "--dest", "D:\\dst"});
  EXPECT_EQ(result.status, 3);
  EXPECT_THAT(result.err, HasSubstr("\"C:\\nothere\" is not a valid folder path."));
  EXPECT_FALSE(testing_support::Exists(Destination()));
}

TEST_F(CliCopy, AQueueFromADataFileCopiesEachProfile) {
  BuildTree(Source("s1"), {{"a.txt", "a"}});
  BuildTree(Source("s2"), {{"b/c.txt", "c"}});
  SDataFileContents contents;
  SProfileRecord one;
  one.name = "One";
  one.settings.sourcePath = "C:\\s1";
  one.settings.destinationPath = "D:\\d1";
  SProfileRecord two;
  two.name = "Two";
  two.settings.sourcePath = "C:\\s2";
  two.settings.destinationPath = "D:\\d2";
  contents.profiles = {one, two};
  contents.queues.push_back(SQueueRecord{"Nightly", {"One", "Two"}});
  const std::string dataFile = m_sandbox.CRoot() + "/profiles.dat";
  WriteData(contents, dataFile);

  const SCliResult result = Run({"copy", "--queue", "Nightly", "--data", dataFile});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err.substr(0, result.err.find('\n')),
            std::string("brevant-cli ") + kVersionText + ": copying queue \"Nightly\" from \"" +
                dataFile + "\" with " + cli_test::DefaultWorkers());
  EXPECT_THAT(result.out, HasSubstr("Files: 2\r\n"));
  EXPECT_EQ(ReadFile(Destination("d1") + "/a.txt"), "a");
  EXPECT_EQ(ReadFile(Destination("d2") + "/b/c.txt"), "c");

  const SCliResult unknown = Run({"copy", "--queue", "Weekly", "--data", dataFile});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_THAT(unknown.err, HasSubstr("There is no queue named \"Weekly\"."));
}

TEST_F(CliCopy, ARunnerKilledMidCopyLeavesTheOldFileIntact) {
  const std::string block = Contents(1 << 20, 7);
  std::string big;
  big.reserve(256 << 20);
  while (big.size() < (256 << 20)) {
    big += block;
  }
  BuildTree(Source(), {{"big.bin", big, kNewTime}});
  BuildTree(Destination(), {{"big.bin", "the old copy", kOldTime}});
  // Told of every write into the destination folder, the test kills the runner as soon as
  // data lands in its temporary file: with 64 steps of 4 MiB to go, well before the end.
  const int watch = inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
  ASSERT_GE(watch, 0);
  ASSERT_GE(inotify_add_watch(watch, Destination().c_str(), IN_MODIFY), 0);
  const pid_t pid = Start({"copy", "--source", "C:\\src", "--dest", "D:\\dst"});
  ASSERT_GT(pid, 0);
  bool killed = false;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!killed && std::chrono::steady_clock::now() < deadline) {
    pollfd ready{watch, POLLIN, 0};
    if (poll(&ready, 1, 100) <= 0) {
      continue;
    }
    alignas(inotify_event) char events[4096];
    const ssize_t length = read(watch, events, sizeof events);
    for (ssize_t at = 0; at < length && !killed;) {
      const auto* event = reinterpret_cast<const inotify_event*>(events + at);
      const std::string name = event->len > 0 ? event->name : "";
      // The temporary file is first made empty; the kill waits for its first data.
      std::error_code unknown;
      if (name.starts_with("BV") && name.ends_with(".tmp") &&
          std::filesystem::file_size(Destination() + "/" + name, unknown) > 0 && !unknown) {
        kill(pid, SIGKILL);
        killed = true;
      }
      at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
    }
  }
  if (!killed) {
    kill(pid, SIGKILL);
  }
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  close(watch);
  ASSERT_TRUE(killed) << "the runner wrote no temporary file within 10 s";
  ASSERT_TRUE(WIFSIGNALED(status)) << "the runner finished before it could be killed";
  EXPECT_EQ(ReadFile(Destination() + "/big.bin"), "the old copy");
  int temporaries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(Destination())) {
    const std::string name = entry.path().filename().string();
    if (name != "big.bin") {
      EXPECT_TRUE(name.starts_with("BV") && name.ends_with(".tmp")) << name;
      ++temporaries;
    }
  }
  EXPECT_LE(temporaries, 1);
}

}  // namespace
