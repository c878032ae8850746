// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "platform/DateTime.h"
#include "profile/DataFile.h"
#include "tests/cli/CliProcess.h"
#include "tests/support/TestSandbox.h"

namespace {

using testing::HasSubstr;
using testing_support::BuildTree;

using cli_test::SCliResult;

platform::FileTime LocalTime(int year, int month, int day, int hour = 12) {
  platform::FileTime time = 0;
  EXPECT_TRUE(platform::CDateTime::FromParts(year, month, day, hour, 0, 0).ToFileTime(time));
  return time;
}

// The cells of one comma-separated line (quoted cells may hold commas and doubled quotes).
std::vector<std::string> CsvCells(const std::string& line) {
  std::vector<std::string> cells(1);
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted) {
      if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
        cells.back() += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        cells.back() += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      cells.emplace_back();
    } else {
      cells.back() += c;
    }
  }
  return cells;
}

std::vector<std::string> CrLfLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  EXPECT_EQ(start, text.size());
  return lines;
}

// The value of a "Name: value" line of the statistics.
std::string Statistic(const std::string& err, const std::string& name) {
  size_t start = 0;
  while (start < err.size()) {
    size_t end = err.find('\n', start);
    if (end == std::string::npos) {
      end = err.size();
    }
    const std::string line = err.substr(start, end - start);
    if (line.rfind(name + ": ", 0) == 0) {
      return line.substr(name.size() + 2);
    }
    start = end + 1;
  }
  return "(missing)";
}

class CliPreview : public ::testing::Test {
 protected:
  CliPreview() {
    testing_support::MakeFolders(Source());
    testing_support::MakeFolders(Destination());
  }

  std::string Source() const { return m_sandbox.CRoot() + "/src"; }
  std::string Destination() const { return m_sandbox.Root() + "/d/dst"; }

  SCliResult Run(const std::vector<std::string>& arguments) {
    const std::string outPath = m_sandbox.Root() + "/cli.out";
    const std::string errPath = m_sandbox.Root() + "/cli.err";
    const pid_t pid = cli_test::StartCli(arguments, outPath, errPath);
    EXPECT_GT(pid, 0);
    return cli_test::FinishCli(pid, outPath, errPath);
  }

  // The listed files as "folder\name" texts, from the comma-separated output.
  std::set<std::string> ListedFiles(const SCliResult& result) {
    const std::vector<std::string> lines = CrLfLines(result.out);
    EXPECT_FALSE(lines.empty());
    if (lines.empty()) {
      return {};
    }
    EXPECT_EQ(lines[0], "Filename,In Folder,Date/Time,Size,Type,Attributes,Action");
    std::set<std::string> files;
    for (size_t i = 1; i < lines.size(); ++i) {
      const std::vector<std::string> cells = CsvCells(lines[i]);
      EXPECT_EQ(cells.size(), 7u) << lines[i];
      if (cells.size() == 7) {
        EXPECT_EQ(cells[6], "copy") << lines[i];
        files.insert(cells[1] + "\\" + cells[0]);
        m_dates.insert(cells[2]);
      }
    }
    return files;
  }

  // A tree of 3 x 4 folders with a few files each; about half of them already in the
  // destination, some as old as the source, some older. Returns the files a default profile
  // copies.
  std::set<std::string> BuildBackupTree(uint64_t& bytes) {
    std::set<std::string> expected;
    bytes = 0;
    const platform::FileTime current = LocalTime(2020, 3, 1);
    const platform::FileTime older = LocalTime(2019, 5, 1);
    int serial = 0;
    for (int a = 0; a < 3; ++a) {
      for (int b = 0; b < 4; ++b) {
        const std::string folder = "f" + std::to_string(a) + "/g" + std::to_string(b);
        const std::string windowsFolder =
            "C:\\src\\f" + std::to_string(a) + "\\g" + std::to_string(b);
        for (const char* name : {"photo.jpg", "notes.txt", "song, live.mp3"}) {
          const std::string content(static_cast<size_t>(1 + serial % 7), 'x');
          const std::string path = folder + "/" + name;
          BuildTree(Source(), {{path, content, current}});
          switch (serial++ % 3) {
            case 0:  // a backup as new as the source: left alone
              BuildTree(Destination(), {{path, content, current}});
              break;
            case 1:  // an older backup: replaced
              BuildTree(Destination(), {{path, "old", older}});
              [[fallthrough]];
            default:  // none yet
              expected.insert(windowsFolder + "\\" + name);
              bytes += content.size();
              break;
          }
        }
        BuildTree(Source(), {{folder + "/.hidden", "h", current}});
        ++serial;  // so that each folder keeps a different file as it is
      }
    }
    return expected;
  }

  testing_support::CTestSandbox m_sandbox;
  std::set<std::string> m_dates;
};

TEST_F(CliPreview, ListsExactlyTheFilesTheProfileSelects) {
  uint64_t bytes = 0;
  const std::set<std::string> expected = BuildBackupTree(bytes);
  const SCliResult result = Run({"preview", "--source", Source(), "--dest", Destination()});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(ListedFiles(result), expected);
  EXPECT_EQ(m_dates, std::set<std::string>{"01-March-2020, 12:00:00 PM"});

  EXPECT_EQ(Statistic(result.err, "Files"), std::to_string(expected.size()));
  EXPECT_EQ(Statistic(result.err, "Folders"), "12");
  EXPECT_EQ(Statistic(result.err, "Size (bytes)"), std::to_string(bytes));
  for (const char* name : {"Space needed (bytes)", "Available space (bytes)", "Elapsed time"}) {
    EXPECT_NE(Statistic(result.err, name), "(missing)") << name << "\n" << result.err;
  }
  // A preview only reads.
  EXPECT_FALSE(testing_support::Exists(Destination() + "/f0/g0/song, live.mp3"));
}

TEST_F(CliPreview, TextFormHasTheSummaryAndOneLinePerFile) {
  BuildTree(Source(),
            {{"a.txt", "aa", LocalTime(2020, 3, 1)}, {"b/c.txt", "c", LocalTime(2020, 3, 1)}});
  const SCliResult result =
      Run({"preview", "--source", Source(), "--dest", Destination(), "--text"});
  ASSERT_EQ(result.status, 0) << result.err;
  const std::vector<std::string> lines = CrLfLines(result.out);
  ASSERT_EQ(lines.size(), 6u) << result.out;
  EXPECT_EQ(lines[0].rfind("Profile name:", 0), 0u);
  EXPECT_EQ(lines[2], "2 files to copy in 2 folders:");
  EXPECT_EQ(lines[3], "");
  EXPECT_THAT(lines[4] + lines[5], HasSubstr("a.txt\t"));
  EXPECT_THAT(lines[4] + lines[5], HasSubstr("c.txt\t"));
}

TEST_F(CliPreview, AProfileFromADataFileAppliesItsNamePatterns) {
  uint64_t bytes = 0;
  const std::set<std::string> all = BuildBackupTree(bytes);
  std::set<std::string> photos;
  for (const std::string& file : all) {
    if (file.ends_with(".jpg")) {
      photos.insert(file);
    }
  }
  ASSERT_FALSE(photos.empty());

  SDataFileContents contents;
  SProfileRecord profile;
  profile.name = "Photos";
  profile.settings.sourcePath = "C:\\src";
  profile.settings.destinationPath = "D:\\dst";
  profile.settings.nameMode = settings_codes::kNamesMatch;
  profile.settings.nameEntries = {"0+*.*", "1+*.jpg"};
  contents.profiles.push_back(profile);
  SProfileRecord other;
  other.name = "Everything";
  other.settings.sourcePath = "C:\\elsewhere";
  other.settings.destinationPath = "D:\\dst";
  contents.profiles.push_back(other);
  const std::vector<uint8_t> bytesOut = EncodeDataFile(contents);
  const std::string dataFile = m_sandbox.CRoot() + "/profiles.dat";
  std::ofstream(dataFile, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytesOut.data()),
             static_cast<std::streamsize>(bytesOut.size()));

  const SCliResult result = Run({"preview", "--data", dataFile, "--profile", "Photos"});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(ListedFiles(result), photos);
  EXPECT_EQ(Statistic(result.err, "Files"), std::to_string(photos.size()));

  const SCliResult text = Run({"preview", "--data", dataFile, "--profile", "Photos", "--text"});
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_EQ(text.out.rfind("Profile name: Photos\r\n", 0), 0u) << text.out;

  const SCliResult unknown = Run({"preview", "--data", dataFile, "--profile", "Nobody"});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_THAT(unknown.err, HasSubstr("Nobody"));
  EXPECT_TRUE(unknown.out.empty());
}

TEST_F(CliPreview, DriveLetterPathsMayUseEitherSlash) {
  BuildTree(Source(), {{"a.txt", "a", LocalTime(2020, 3, 1)}});
  for (const char* source : {"C:\\src", "C:/src", "C:/src/"}) {
    const SCliResult result = Run({"preview", "--source", source, "--dest", "D:/dst"});
    EXPECT_EQ(result.status, 0) << source << "\n" << result.err;
    EXPECT_EQ(ListedFiles(result), std::set<std::string>{"C:\\src\\a.txt"}) << source;
  }
}

TEST_F(CliPreview, BadArgumentsAreAUsageError) {
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{},
                                             {"list"},
                                             {"preview"},
                                             {"preview", "--source", Source()},
                                             {"preview", "--source", Source(), "--dest"},
                                             {"preview", "--profile", "p", "--source", Source()},
                                             {"preview", "--bogus"}}) {
    const SCliResult result = Run(arguments);
    EXPECT_EQ(result.status, 2) << testing::PrintToString(arguments);
    EXPECT_THAT(result.err, HasSubstr("Usage:"));
    EXPECT_TRUE(result.out.empty());
  }
}

TEST_F(CliPreview, AMissingSourceFails) {
  const SCliResult result =
      Run({"preview", "--source", m_sandbox.CRoot() + "/absent", "--dest", Destination()});
  EXPECT_EQ(result.status, 1);
  EXPECT_THAT(result.err, HasSubstr("\"C:\\absent\" is not a valid folder path."));
  EXPECT_TRUE(result.out.empty());
}

}  // namespace
