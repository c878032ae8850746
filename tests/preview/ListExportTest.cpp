// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "preview/ListExport.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "preview/ListData.h"
#include "preview/PreviewList.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TestSandbox.h"

namespace {

using platform::CDateTime;

std::shared_ptr<CFilesListCtrlData> Row(const std::string& name, const std::string& folder,
                                        uint64_t size = 0) {
  auto row = std::make_shared<CFilesListCtrlData>();
  row->name = name;
  row->folder = std::make_shared<const std::string>(folder);
  row->size = size;
  row->type = std::make_shared<const std::string>("Text");
  return row;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  EXPECT_EQ(start, text.size()) << "the text does not end in CR LF";
  return lines;
}

TEST(ListExport, TheFileNameChoosesTheForm) {
  EXPECT_EQ(ExportFormFor("list.TXT"), EExportForm::kText);
  EXPECT_EQ(ExportFormFor("C:\\out\\list.txt"), EExportForm::kText);
  EXPECT_EQ(ExportFormFor("list.csv"), EExportForm::kCsv);
  EXPECT_EQ(ExportFormFor("list.dat"), EExportForm::kCsv);
  EXPECT_EQ(ExportFormFor("list"), EExportForm::kCsv);
  EXPECT_EQ(ExportFormFor("C:\\old.txt\\list"), EExportForm::kCsv);
  EXPECT_EQ(ExportFormFor("list.txt.bak"), EExportForm::kCsv);
}

TEST(ListExport, CsvCellsQuoteCommasAndDoubleQuotes) {
  EXPECT_EQ(CsvCell("plain text"), "plain text");
  EXPECT_EQ(CsvCell(""), "");
  EXPECT_EQ(CsvCell("a,b"), "\"a,b\"");
  EXPECT_EQ(CsvCell("say \"hi\""), "\"say \"\"hi\"\"\"");
  EXPECT_EQ(CsvCell("\"a\",b"), "\"\"\"a\"\",b\"");
  EXPECT_EQ(CsvCell("\""), "\"\"\"\"");
}

TEST(ListExport, CsvHasAHeaderAndOneLinePerRow) {
  CPreviewList list;
  list.SetToday(CDateTime::FromParts(2026, 12, 8));
  auto copy = Row("a, b.txt", "C:\\src", 1536);
  copy->modified = CDateTime::FromParts(2026, 12, 8, 13, 5, 9);
  copy->SetAttributes(platform::kAttrArchive | platform::kAttrReadOnly);
  list.Add(copy);
  auto create = Row("new", "D:\\dst");
  create->action = kActionCreate;
  list.Add(create);
  auto remove = Row("say \"x\".txt", "D:\\", 10);
  remove->action = kActionDelete;
  remove->modified = CDateTime::FromParts(2026, 12, 6, 0, 0, 1);
  list.Add(remove);

  const std::string text = FormatPreviewList(list, EExportForm::kCsv, "Photos", "summary", 0);
  const std::vector<std::string> lines = Lines(text);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "Filename,In Folder,Date/Time,Size,Type,Attributes,Action");
  EXPECT_EQ(lines[1], "\"a, b.txt\",C:\\src,\"Today, 01:05:09 PM\",1.50 KB,Text,AR,copy");
  EXPECT_EQ(lines[2], "new,D:\\dst,,,Text,,create");
  EXPECT_EQ(lines[3], "\"say \"\"x\"\".txt\",D:\\,\"06-Dec-2026, 12:00:01 AM\",10 B,Text,,delete");
}

TEST(ListExport, TextStartsWithProfileTimeAndSummary) {
  CPreviewList list;
  list.Add(Row("a.txt", "C:\\src"));
  const std::time_t now = 1797336000;  // noon (UTC) on 15 December 2026
  const std::string text =
      FormatPreviewList(list, EExportForm::kText, "Photos", "1 file to copy in 1 folder", now);
  const std::vector<std::string> lines = Lines(text);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], "Profile name: Photos");
  EXPECT_NE(lines[1].find("2026"), std::string::npos) << lines[1];
  EXPECT_NE(lines[1].find("December"), std::string::npos) << lines[1];
  EXPECT_EQ(lines[2], "1 file to copy in 1 folder:");
  EXPECT_EQ(lines[3], "");
  EXPECT_EQ(lines[4].substr(0, 6), "a.txt\t");
  EXPECT_EQ(lines[4].substr(lines[4].size() - 5), "\tcopy");
}

// The text form's lines after its four header lines.
std::vector<std::string> TextRows(const CPreviewList& list) {
  std::vector<std::string> lines = Lines(FormatPreviewList(list, EExportForm::kText, "p", "s", 0));
  return std::vector<std::string>(lines.begin() + 4, lines.end());
}

TEST(ListExport, TextColumnsStartAtTabStops) {
  CPreviewList seven;
  seven.Add(Row("abcdefg", "F"));
  seven.Add(Row("", "G"));
  std::vector<std::string> rows = TextRows(seven);
  ASSERT_EQ(rows.size(), 2u);
  // The widest name ends at column 7, so folders start at column 9: one tab each.
  EXPECT_EQ(rows[0].substr(0, 10), "abcdefg\tF\t");
  EXPECT_EQ(rows[1].substr(0, 3), "\tG\t");

  CPreviewList eight;
  eight.Add(Row("abcdefgh", "F"));
  eight.Add(Row("", "G"));
  rows = TextRows(eight);
  ASSERT_EQ(rows.size(), 2u);
  // A name of 8 fills the first stop: folders start at column 17.
  EXPECT_EQ(rows[0].substr(0, 11), "abcdefgh\tF\t");
  EXPECT_EQ(rows[1].substr(0, 4), "\t\tG\t");

  // Widths count characters, not bytes.
  CPreviewList wide;
  wide.Add(Row("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", "F"));  // 7 é
  wide.Add(Row("", "G"));
  rows = TextRows(wide);
  EXPECT_EQ(rows[1].substr(0, 3), "\tG\t");
}

class ListExportFile : public ::testing::Test {
 protected:
  ListExportFile() { testing_support::MakeFolders(m_sandbox.CRoot() + "/out"); }

  testing_support::CTestSandbox m_sandbox;
  CScriptedPrompter m_prompter;
};

TEST_F(ListExportFile, AnEmptyListWritesNothing) {
  CPreviewList list;
  EXPECT_FALSE(ExportPreviewList(list, "C:\\out\\list.csv", "p", "s", m_prompter));
  EXPECT_FALSE(testing_support::Exists(m_sandbox.CRoot() + "/out/list.csv"));
  ASSERT_EQ(m_prompter.Texts(), std::vector<std::string>{"The preview list is empty."});
}

TEST_F(ListExportFile, AFileThatCannotBeMadeIsReported) {
  CPreviewList list;
  list.Add(Row("a.txt", "C:\\src"));
  EXPECT_FALSE(ExportPreviewList(list, "C:\\missing\\list.csv", "p", "s", m_prompter));
  ASSERT_EQ(m_prompter.Prompts().size(), 1u);
  EXPECT_EQ(m_prompter.Prompts()[0].text, "Could not open the preview-list file.");
  EXPECT_EQ(m_prompter.Prompts()[0].icon, EIcon::kStop);
}

TEST_F(ListExportFile, WritesEitherFormAndSaysSo) {
  CPreviewList list;
  list.Add(Row("a.txt", "C:\\src", 3));
  testing_support::WriteFile(m_sandbox.CRoot() + "/out/list.csv", "an older, longer export\r\n");
  EXPECT_TRUE(ExportPreviewList(list, "C:\\out\\list.csv", "Photos", "s", m_prompter));
  const std::string csv = testing_support::ReadFile(m_sandbox.CRoot() + "/out/list.csv");
  EXPECT_EQ(csv, FormatPreviewList(list, EExportForm::kCsv, "Photos", "s", 0));

  EXPECT_TRUE(ExportPreviewList(list, "C:\\out\\list.TXT", "Photos", "s", m_prompter));
  const std::string text = testing_support::ReadFile(m_sandbox.CRoot() + "/out/list.TXT");
  EXPECT_EQ(text.rfind("Profile name: Photos\r\n", 0), 0u);
  EXPECT_EQ(m_prompter.Texts(),
            (std::vector<std::string>{"Finished writing the preview-list file.",
                                      "Finished writing the preview-list file."}));
}

}  // namespace
