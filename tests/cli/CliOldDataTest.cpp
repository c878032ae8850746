// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/DateTime.h"
#include "profile/DataFile.h"
#include "tests/cli/CliProcess.h"
#include "tests/profile/DataFileBytes.h"
#include "tests/support/TestSandbox.h"

// Profiles of data files written by older versions of the program, run by brevant-cli.
namespace {

using testing::HasSubstr;
using testing::Not;
using testing_support::BuildTree;

platform::FileTime LocalTime(int year, int month, int day) {
  platform::FileTime time = 0;
  EXPECT_TRUE(platform::CDateTime::FromParts(year, month, day, 12, 0, 0).ToFileTime(time));
  return time;
}

// Files before, within and after 2020 in the source; a profile that takes 2020's only.
class CliOldData : public ::testing::Test {
 protected:
  CliOldData() {
    BuildTree(m_sandbox.CRoot() + "/src", {{"before.txt", "b", LocalTime(2019, 12, 30)},
                                           {"within.txt", "w", LocalTime(2020, 6, 15)},
                                           {"sub/within too.txt", "t", LocalTime(2020, 1, 1)},
                                           {"after.txt", "a", LocalTime(2021, 1, 2)}});
    testing_support::MakeFolders(m_sandbox.Root() + "/d/dst");
    m_profile.name = "Year 2020";
    m_profile.settings.sourcePath = "C:\\src";
    m_profile.settings.destinationPath = "D:\\dst";
    m_profile.settings.dateMode = settings_codes::kDateRange;
    m_profile.settings.fromDateTime = platform::CDateTime::FromParts(2020, 1, 1);
    m_profile.settings.throughDateTime = platform::CDateTime::FromParts(2020, 12, 31, 23, 59, 59);
  }

  // Writes the profile in the layout of `version` and previews it.
  cli_test::SCliResult Preview(int32_t version) {
    SDataFileContents contents;
    contents.profiles.push_back(m_profile);
    const data_file_bytes::CBytes bytes = data_file_bytes::BuildFile(version, contents);
    const std::string dataFile = m_sandbox.CRoot() + "/old.dat";
    std::ofstream(dataFile, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.Data().data()),
               static_cast<std::streamsize>(bytes.Size()));
    const std::string out = m_sandbox.Root() + "/cli.out";
    const std::string err = m_sandbox.Root() + "/cli.err";
    return cli_test::FinishCli(
        cli_test::StartCli({"preview", "--data", dataFile, "--profile", "Year 2020", "--text"}, out,
                           err),
        out, err);
  }

  testing_support::CTestSandbox m_sandbox;
  SProfileRecord m_profile;
};

TEST_F(CliOldData, ADateRangeWithoutItsBoundsFiltersByBothDates) {
  // Versions before 7 store no "from" and "through" marks: the range has both bounds.
  for (const int32_t version : {1, 5, 6}) {
    const cli_test::SCliResult result = Preview(version);
    ASSERT_EQ(result.status, 0) << version << "\n" << result.err;
    EXPECT_THAT(result.out, HasSubstr("2 files to copy in 2 folders:")) << version;
    EXPECT_THAT(result.out, HasSubstr("within.txt\t")) << version;
    EXPECT_THAT(result.out, HasSubstr("within too.txt\t")) << version;
    EXPECT_THAT(result.out, Not(HasSubstr("before.txt"))) << version;
    EXPECT_THAT(result.out, Not(HasSubstr("after.txt"))) << version;
  }
  // A version 7 file says which bounds hold: here only "from".
  m_profile.settings.useFromDate = 1;
  const cli_test::SCliResult result = Preview(7);
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_THAT(result.out, HasSubstr("3 files to copy in 2 folders:"));
  EXPECT_THAT(result.out, HasSubstr("after.txt\t"));
  EXPECT_THAT(result.out, Not(HasSubstr("before.txt")));
}

}  // namespace
