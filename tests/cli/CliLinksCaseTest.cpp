// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "profile/DataFile.h"
#include "tests/cli/CliProcess.h"
#include "tests/support/TestSandbox.h"

// Whole runs of brevant-cli on trees with links to folders and with names spelt in another
// letter case in the destination.
namespace {

using testing::HasSubstr;
using testing_support::BuildTree;
using testing_support::ReadFile;

using cli_test::SCliResult;

constexpr platform::FileTime kOldTime = (11644473600ULL + 1577836800ULL) * 10000000ULL;
constexpr platform::FileTime kNewTime = (11644473600ULL + 1609459200ULL) * 10000000ULL;

// Every file below a folder (links not followed) with its content, by relative path.
std::map<std::string, std::string> Snapshot(const std::string& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    if (entry.is_regular_file() && !entry.is_symlink()) {
      files[std::filesystem::relative(entry.path(), root).string()] = ReadFile(entry.path());
    }
  }
  return files;
}

// The rows of the comma-separated preview list as "action folder\name" texts (the test
// trees use no commas in names or folders; the date cell holds one).
std::multiset<std::string> Rows(const std::string& csv) {
  std::multiset<std::string> rows;
  std::istringstream lines(csv);
  std::string line;
  std::getline(lines, line);  // the heading
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    std::vector<std::string> cells;
    std::istringstream fields(line);
    for (std::string cell; std::getline(fields, cell, ',');) {
      cells.push_back(cell);
    }
    if (cells.size() == 8) {
      rows.insert(cells.back() + " " + cells[1] + "\\" + cells[0]);
    } else {
      ADD_FAILURE() << line;
    }
  }
  return rows;
}

class CliLinksCase : public ::testing::Test {
 protected:
  std::string Source() const { return m_sandbox.CRoot() + "/src"; }
  std::string Destination() const { return m_sandbox.Root() + "/d/dst"; }
  // A folder outside both trees, on the destination drive.
  std::string Outside() const { return m_sandbox.Root() + "/d/outside"; }

  SCliResult Run(const std::vector<std::string>& arguments) {
    const std::string out = m_sandbox.Root() + "/cli.out";
    const std::string err = m_sandbox.Root() + "/cli.err";
    return cli_test::FinishCli(cli_test::StartCli(arguments, out, err), out, err);
  }

  // Writes a data file with one profile "P" from C:\src to D:\dst; returns its path.
  std::string DataFile(const CSettingsState& settings) {
    SDataFileContents contents;
    SProfileRecord profile;
    profile.name = "P";
    profile.settings = settings;
    profile.settings.sourcePath = "C:\\src";
    profile.settings.destinationPath = "D:\\dst";
    contents.profiles = {profile};
    const std::string path = m_sandbox.CRoot() + "/profiles.dat";
    const std::vector<uint8_t> bytes = EncodeDataFile(contents);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
  }

  testing_support::CTestSandbox m_sandbox;
};

TEST_F(CliLinksCase, ALinkLoopInTheSourceIsLeftOutAndEachRealFileListedOnce) {
  BuildTree(Source(), {{"a/f.txt", "f"}, {"b/g.txt", "g"}});
  BuildTree(Outside(), {{"o.txt", "outside"}});
  ASSERT_EQ(symlink("..", (Source() + "/a/loop").c_str()), 0);
  ASSERT_EQ(symlink(Outside().c_str(), (Source() + "/b/out").c_str()), 0);
  // A link to a file is copied as the file it leads to.
  ASSERT_EQ(symlink((Outside() + "/o.txt").c_str(), (Source() + "/b/o-link.txt").c_str()), 0);

  const SCliResult preview = Run({"preview", "--source", "C:\\src", "--dest", "D:\\dst"});
  ASSERT_EQ(preview.status, 0) << preview.err;
  EXPECT_EQ(Rows(preview.out),
            (std::multiset<std::string>{"copy C:\\src\\a\\f.txt", "copy C:\\src\\b\\g.txt",
                                        "copy C:\\src\\b\\o-link.txt"}));

  const SCliResult copy = Run({"copy", "--source", "C:\\src", "--dest", "D:\\dst"});
  ASSERT_EQ(copy.status, 0) << copy.out;
  EXPECT_EQ(Snapshot(Destination()),
            (std::map<std::string, std::string>{
                {"a/f.txt", "f"}, {"b/g.txt", "g"}, {"b/o-link.txt", "outside"}}));
}

TEST_F(CliLinksCase, StrayDeletionNeverReachesThroughADestinationFolderLink) {
  BuildTree(Source(), {{"keep.txt", "k"}, {"photos/new.jpg", "new"}, {"docs/d.txt", "d"}});
  BuildTree(Destination(), {{"stray.txt", "stray"}, {"docs/old.txt", "old"}});
  BuildTree(Outside(), {{"a.jpg", "a"}, {"sub/b.jpg", "b"}});
  ASSERT_EQ(symlink(Outside().c_str(), (Destination() + "/photos").c_str()), 0);
  const auto outsideBefore = Snapshot(Outside());
  CSettingsState settings;
  settings.deleteStrayFiles = 1;
  const std::string data = DataFile(settings);

  const SCliResult preview = Run({"preview", "--data", data, "--profile", "P"});
  ASSERT_EQ(preview.status, 0) << preview.err;
  EXPECT_EQ(Rows(preview.out), (std::multiset<std::string>{
                                   "copy C:\\src\\keep.txt", "copy C:\\src\\docs\\d.txt",
                                   "copy C:\\src\\photos\\new.jpg", "delete D:\\dst\\stray.txt",
                                   "delete D:\\dst\\docs\\old.txt"}));

  const SCliResult copy = Run({"copy", "--data", data, "--profile", "P"});
  EXPECT_EQ(copy.status, 1) << copy.out;
  EXPECT_THAT(copy.out, HasSubstr("-- 1 file: Could not be copied.\r\n"
                                  "---- C:\\src\\photos\\new.jpg\r\n"
                                  "------ The destination path passes through a link to a folder: "
                                  "\"D:\\dst\\photos\"\r\n"));
  EXPECT_EQ(Snapshot(Outside()), outsideBefore);
  // Everywhere else the copy and the stray deletion went on.
  EXPECT_EQ(Snapshot(Destination()),
            (std::map<std::string, std::string>{{"keep.txt", "k"}, {"docs/d.txt", "d"}}));
}

TEST_F(CliLinksCase, NamesSpeltOtherwiseInTheDestinationAreTheSameFileAndFolder) {
  BuildTree(Source(), {{"report.txt", "new report", kNewTime}, {"Photos/x.jpg", "x", kNewTime}});
  BuildTree(Destination(), {{"Report.TXT", "old report", kOldTime},
                            {"photos/x.jpg", "old x", kOldTime},
                            {"photos/stray.jpg", "stray"}});
  CSettingsState settings;
  settings.deleteStrayFiles = 1;
  settings.disposeMode = kDisposeVersions;
  const std::string data = DataFile(settings);

  const SCliResult preview = Run({"preview", "--data", data, "--profile", "P"});
  ASSERT_EQ(preview.status, 0) << preview.err;
  EXPECT_EQ(Rows(preview.out),
            (std::multiset<std::string>{"copy C:\\src\\report.txt", "copy C:\\src\\Photos\\x.jpg",
                                        "delete D:\\dst\\photos\\stray.jpg"}));

  const SCliResult copy = Run({"copy", "--data", data, "--profile", "P"});
  ASSERT_EQ(copy.status, 0) << copy.out;
  EXPECT_THAT(copy.out, HasSubstr("\r\n0 error messages\r\n"));
  // One file each, with the new data and the source's spelling; the old data kept as a
  // version, and the stray gone.
  EXPECT_EQ(Snapshot(Destination()),
            (std::map<std::string, std::string>{{"report.txt", "new report"},
                                                {"~Versions/report - Ver (1).txt", "old report"},
                                                {"photos/x.jpg", "x"},
                                                {"photos/~Versions/x - Ver (1).jpg", "old x"}}));
}

}  // namespace
