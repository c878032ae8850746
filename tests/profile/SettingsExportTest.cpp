// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/SettingsExport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TestSandbox.h"

namespace {

using namespace settings_codes;
using testing_support::CTestSandbox;

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// A profile that has something to say on every page; the file in data/ was written by hand
// for it.
SShownSettings HolidayPhotos() {
  SShownSettings shown;
  shown.profileName = "Holiday photos";
  CSettingsState& s = shown.settings;
  s.sourcePath = "C:\\Users\\ann\\Photos";
  s.destinationPath = "E:\\Backup\\Photos";
  s.copyMode = kCopyIntoFolders;
  s.subfolderMode = kSubfoldersList;
  shown.subfolders = {{kChecked, " <include subs> <source folder>"},
                      {kUnchecked, " <include only> C:\\Users\\ann\\Photos\\2023"},
                      {kChecked, " <exclude> Thumbs"},
                      {kUnchecked, " <exclude> temp"}};
  s.nameMode = kNamesMatch;
  s.allowTypos = 1;  // not part of the file
  shown.names = {{kUnchecked, " <match> <all names>"},
                 {kChecked, " <match> *.jpg"},
                 {kIndeterminate, " <match> *.png"},
                 {kChecked, " <exclude> *.tmp"}};
  shown.paths = {{kChecked, " C:\\Users\\ann\\Photos\\big.iso"},
                 {kUnchecked, " C:\\Users\\ann\\Photos\\old 2.zip"}};
  s.dateMode = kDateRange;
  s.useFromDate = 1;
  s.useThroughDate = 0;
  shown.fromDate = "01/06/2023";
  shown.fromTime = "08:15:30";
  shown.throughDate = "30/06/2023";
  shown.throughTime = "23:59:59";
  shown.recentCount = "1";
  s.sizeMode = kSizeLimits;
  s.useLeastSize = 1;
  s.leastUnit = 1;
  shown.leastSize = "15";
  s.useMostSize = 0;
  shown.mostSize = "0";
  s.archiveOnly = 1;
  s.clearArchive = 0;
  s.includeReadOnly = 1;
  s.copyReadOnlyAttribute = 0;
  s.includeHidden = 1;
  s.copyHiddenAttribute = 1;
  s.includeSystem = 0;
  s.copySystemAttribute = 1;
  s.keepReadOnlyDestination = 1;
  s.verifyCopies = 1;
  s.avoidStopping = 0;
  s.overwriteMode = kOverwriteNewerOrOlder;
  s.disposeMode = kDisposeVersions;
  s.versionLimit = 12;
  s.versionSizeLimit = 3;
  s.testSize = 0;
  s.testArchive = 1;
  s.includeNewFiles = 1;
  s.deleteStrayFiles = 0;
  s.copySecurity = 1;
  shown.securityPage = true;
  return shown;
}

// The lines of one page's section, from its title to the blank line that ends it.
std::string Section(const std::string& text, const std::string& title) {
  const size_t start = text.find(title + "\r\n");
  if (start == std::string::npos) {
    return "(no section " + title + ")";
  }
  const size_t end = text.find("\r\n\r\n", start);
  return text.substr(start, end == std::string::npos ? std::string::npos : end + 4 - start);
}

TEST(SettingsExport, MatchesTheFileWrittenByHandByteForByte) {
  const std::string expected = ReadBytes(BREVANT_PROFILE_TEST_DATA "/settings-export.txt");
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(SettingsExportText(HolidayPhotos()), expected);
}

TEST(SettingsExport, EachChoiceWritesItsOwnLines) {
  SShownSettings shown = HolidayPhotos();
  shown.settings.dateMode = kNoFiltering;
  shown.settings.sizeMode = 0;  // read as no size filtering
  shown.settings.subfolderMode = kSubfoldersAll;
  shown.settings.nameMode = kNoFiltering;
  shown.settings.copyMode = kCopyTreeOnly;
  std::string text = SettingsExportText(shown);
  EXPECT_EQ(Section(text, "Dates Page"), "Dates Page\r\n(.) No date filtering\r\n\r\n");
  EXPECT_EQ(Section(text, "Sizes Page"), "Sizes Page\r\n(.) No size filtering\r\n\r\n");
  // Every entry is listed whatever the choice; the names' first choice speaks of folders in
  // tree-only mode.
  EXPECT_EQ(Section(text, "Subfolders Page"),
            "Subfolders Page\r\n(.) All\r\n[x] <include subs> <source folder>\r\n"
            "[ ] <include only> C:\\Users\\ann\\Photos\\2023\r\n[x] <exclude> Thumbs\r\n"
            "[ ] <exclude> temp\r\n\r\n");
  EXPECT_TRUE(Section(text, "File/Folder Names Page")
                  .starts_with("File/Folder Names Page\r\n(.) No folder name filtering\r\n[ ]"));
  EXPECT_NE(Section(text, "Folders Page")
                .find("Copy mode: Copy the folder tree without copying files.\r\n"),
            std::string::npos);

  shown.settings.dateMode = kDateRecent;
  shown.recentCount = "2";
  shown.settings.recentUnit = kUnitWeeks;
  shown.settings.subfolderMode = kSubfoldersNone;
  text = SettingsExportText(shown);
  EXPECT_EQ(Section(text, "Dates Page"), "Dates Page\r\n(.) During last: 2 week(s)\r\n\r\n");
  EXPECT_TRUE(Section(text, "Subfolders Page").starts_with("Subfolders Page\r\n(.) None\r\n"));
  shown.settings.dateMode = kDateToday;
  EXPECT_EQ(Section(SettingsExportText(shown), "Dates Page"),
            "Dates Page\r\n(.) Today (since midnight yesterday)\r\n\r\n");
}

TEST(SettingsExport, WithoutFileSecurityTheFileEndsWithTheExistingFilesSection) {
  SShownSettings shown = HolidayPhotos();
  shown.securityPage = false;
  shown.settings.disposeMode = kDisposeDelete;  // the versions lists are off but still chosen
  const std::string text = SettingsExportText(shown);
  EXPECT_TRUE(text.ends_with(
      "[ ] Delete stray files (destination files that are not in the corresponding source "
      "folder).\r\n\r\n"));
  EXPECT_EQ(text.find("File Security"), std::string::npos);
  EXPECT_NE(text.find("Limit on number of versions: 12\r\n"), std::string::npos);
  EXPECT_NE(text.find("Dispose: Delete overwritten destination files.\r\n"), std::string::npos);
}

TEST(SettingsExport, WritingReplacesTheFileAndReportsEachOutcome) {
  CTestSandbox sandbox;
  const std::string path = CTestSandbox::OnC("settings.txt");
  testing_support::WriteFile(CTestSandbox::Posix(path), "an older, much longer export file");
  CScriptedPrompter prompter;
  EXPECT_TRUE(WriteSettingsExport(path, "Current Profile: x\r\n", prompter));
  EXPECT_EQ(ReadBytes(CTestSandbox::Posix(path)), "Current Profile: x\r\n");
  ASSERT_EQ(prompter.Prompts().size(), size_t{1});
  EXPECT_EQ(prompter.Prompts()[0].text, "Finished writing the current-settings file.");
  EXPECT_EQ(prompter.Prompts()[0].icon, EIcon::kInformation);

  prompter.Clear();
  EXPECT_FALSE(WriteSettingsExport(CTestSandbox::OnC("missing/settings.txt"), "x", prompter));
  ASSERT_EQ(prompter.Prompts().size(), size_t{1});
  EXPECT_EQ(prompter.Prompts()[0].text, "Could not open the current-settings file.");
  EXPECT_EQ(prompter.Prompts()[0].icon, EIcon::kStop);
}

}  // namespace
