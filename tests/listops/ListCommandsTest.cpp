// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "listops/ListCommands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

#include "core/FormatItem.h"
#include "listops/CommandFeedback.h"
#include "platform/FileInfo.h"
#include "preview/ListData.h"
#include "preview/PreviewCounts.h"
#include "preview/PreviewList.h"
#include "profile/SettingsState.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TestSandbox.h"

namespace {

using testing::ElementsAre;
using testing_support::BuildTree;
using testing_support::CTestSandbox;
using testing_support::Exists;
using testing_support::ReadFile;

std::shared_ptr<CFilesListCtrlData> Row(const std::string& folder, const std::string& name,
                                        int32_t action = kActionCopy, uint64_t size = 1) {
  auto row = std::make_shared<CFilesListCtrlData>();
  row->name = name;
  row->folder = std::make_shared<const std::string>(folder);
  row->action = action;
  row->size = size;
  return row;
}

std::vector<std::string> Names(const CPreviewList& list) {
  std::vector<std::string> names;
  for (size_t i = 0; i < list.Count(); ++i) {
    names.push_back(list.Row(i).name);
  }
  return names;
}

std::vector<std::string> Texts(const std::vector<SMenuItem>& items) {
  std::vector<std::string> texts;
  for (const SMenuItem& item : items) {
    texts.push_back(item.IsSeparator() ? "-" : item.text);
  }
  return texts;
}

// Drive C: is a fixed disk and D: a removable one.
class ListCommands : public ::testing::Test {
 protected:
  ListCommands() : m_sandbox("C={root}/c;D={root}/d,removable") {}

  std::string C(const std::string& relative) const { return m_sandbox.CRoot() + "/" + relative; }
  std::string D(const std::string& relative) const { return m_sandbox.Root() + "/d/" + relative; }

  CTestSandbox m_sandbox;
  CPreviewList m_list;
  CPreviewCounts m_counts{m_list};
  CScriptedPrompter m_prompter;
  CCommandFeedback m_feedback;
  CFormatItem m_format;
};

TEST_F(ListCommands, TheMenuFollowsTheRowsActionAndItsDrive) {
  EXPECT_EQ(RowMenuFor(*Row("C:\\src", "a")), ERowMenu::kFixedDisk);
  EXPECT_EQ(RowMenuFor(*Row("D:\\src", "a")), ERowMenu::kRemovableDisk);
  EXPECT_EQ(RowMenuFor(*Row("C:\\dst", "a", kActionDelete)), ERowMenu::kDeleteFixedDisk);
  EXPECT_EQ(RowMenuFor(*Row("D:\\dst", "a", kActionDelete)), ERowMenu::kDeleteRemovableDisk);
  EXPECT_EQ(RowMenuFor(*Row("C:\\dst", "new", kActionCreate)), ERowMenu::kCreateFolders);
  // A network path and a drive that is not mapped are no fixed disks.
  EXPECT_EQ(RowMenuFor(*Row("\\\\server\\share", "a")), ERowMenu::kRemovableDisk);
  EXPECT_EQ(RowMenuFor(*Row("Q:\\x", "a", kActionDelete)), ERowMenu::kDeleteRemovableDisk);

  EXPECT_THAT(Texts(RowMenuItems(ERowMenu::kFixedDisk)),
              ElementsAre("&Open File", "O&pen File With", "&Rename File", "Restore Fi&le...",
                          "Open Containing &Folder", "-", "&Compare Overview...",
                          "Compare &Matches...", "Compare De&tails", "-", "E&xclude and Remember",
                          "Excl&ude and Forget", "-", "Select &All", "&Select None",
                          "&Invert Selection", "-", "R&ecycle File(s)...", "&Delete File(s)..."));
  EXPECT_THAT(Texts(RowMenuItems(ERowMenu::kFixedDisk)[1].submenu),
              ElementsAre("&Notepad", "&Wordpad", "&Choose..."));
  EXPECT_EQ(Texts(RowMenuItems(ERowMenu::kRemovableDisk)).back(), "&Delete File(s)...");
  EXPECT_THAT(Texts(RowMenuItems(ERowMenu::kDeleteFixedDisk)),
              ElementsAre("&Open File", "O&pen File With", "Restore Fi&le...",
                          "Open Containing &Folder", "-", "E&xclude and Remember",
                          "Excl&ude and Forget", "-", "Select &All", "&Select None",
                          "&Invert Selection", "-", "&Recycle File(s)...", "&Delete File(s)..."));
  const std::vector<std::string> removable = Texts(RowMenuItems(ERowMenu::kDeleteRemovableDisk));
  EXPECT_EQ(std::count(removable.begin(), removable.end(), "&Recycle File(s)..."), 0);
  EXPECT_THAT(Texts(RowMenuItems(ERowMenu::kCreateFolders)),
              ElementsAre("E&xclude and Remember", "Excl&ude and Forget", "-", "Select &All",
                          "&Select None", "&Invert Selection"));
}

TEST_F(ListCommands, LaunchRequestsUseTheFullPath) {
  // A row on a drive root joins the root and the name without doubling the backslash.
  const auto rootRow = Row("C:\\", "a b.txt");
  ASSERT_TRUE(OpenFileRequest(*rootRow));
  EXPECT_EQ(OpenFileRequest(*rootRow)->target, "C:\\a b.txt");
  EXPECT_FALSE(OpenFileRequest(*rootRow)->explore);
  EXPECT_FALSE(OpenFileRequest(*Row("C:\\dst", "new", kActionCreate)));
  const SLaunchRequest notepad = OpenWithRequest("notepad.exe", *Row("C:\\src", "x.txt"));
  EXPECT_EQ(notepad.target, "notepad.exe");
  EXPECT_EQ(notepad.parameters, " \"C:\\src\\x.txt\"");
  const SLaunchRequest folder = ContainingFolderRequest(*Row("C:\\src", "x.txt"));
  EXPECT_EQ(folder.target, "explorer");
  EXPECT_EQ(folder.parameters, "/n,/select,\"C:\\src\\x.txt\"");
}

TEST_F(ListCommands, ExcludingRemovesRowsAndTheirCountsButNoFiles) {
  BuildTree(m_sandbox.CRoot(), {{"src/a.txt", "a"}, {"src/b.txt", "bb"}});
  m_list.Add(Row("C:\\src", "a.txt", kActionCopy, 1));
  m_list.Add(Row("C:\\src", "b.txt", kActionCopy, 2));
  m_list.Add(Row("C:\\dst\\old", "c.txt", kActionDelete, 3));
  m_list.Sort(kColSize, true);
  EXPECT_THAT(ExcludeRows(m_list, {0, 2}), ElementsAre("C:\\dst\\old\\c.txt", "C:\\src\\a.txt"));
  EXPECT_THAT(Names(m_list), ElementsAre("b.txt"));
  EXPECT_EQ(m_counts.FilesToCopy(), 1);
  EXPECT_EQ(m_counts.TotalSize(), 2u);
  EXPECT_EQ(m_counts.FilesToDelete(), 0);
  EXPECT_TRUE(Exists(C("src/a.txt")));
  // The last row gone, the list forgets its order for the next preview.
  ExcludeRows(m_list, {0});
  EXPECT_EQ(m_list.SortColumn(), -1);
  EXPECT_FALSE(m_list.Descending());
}

TEST_F(ListCommands, RowsOfAFolderMatchItExactly) {
  m_list.Add(Row("C:\\src\\a", "1"));
  m_list.Add(Row("C:\\src\\A", "2"));
  m_list.Add(Row("C:\\src\\a", "3"));
  m_list.Add(Row("C:\\src\\ab", "4"));
  EXPECT_THAT(RowsInFolder(m_list, "C:\\src\\a"), ElementsAre(0, 2));
}

TEST_F(ListCommands, DeletingAsksWithTheCountAndTakesOnlyTheFilesThatWent) {
  BuildTree(m_sandbox.CRoot(), {{"src/a.txt", "a"}, {"src/b.txt", "b"}, {"src/folder/", ""}});
  m_list.Add(Row("C:\\src", "a.txt"));
  m_list.Add(Row("C:\\src", "folder"));  // a folder where a file was: it stays
  m_list.Add(Row("C:\\src", "b.txt"));
  m_list.Add(Row("C:\\dst", "new", kActionCreate));
  m_prompter.AddAnswer(EAnswer::kYes);
  m_prompter.AddAnswer(EAnswer::kYes);  // go on after the folder
  const SDisposalResult result =
      DisposeOfRows(m_list, {0, 1, 2, 3}, EDisposal::kDelete, m_prompter, m_format, m_feedback);
  EXPECT_TRUE(result.confirmed);
  EXPECT_EQ(result.removed, 2u);
  EXPECT_THAT(Names(m_list), ElementsAre("folder", "new"));
  EXPECT_THAT(result.kept, ElementsAre(0));
  EXPECT_FALSE(Exists(C("src/a.txt")));
  EXPECT_FALSE(Exists(C("src/b.txt")));
  EXPECT_TRUE(Exists(C("src/folder")));
  EXPECT_EQ(m_counts.FilesToCopy(), 1);
  const std::vector<std::string> texts = m_prompter.Texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0],
            "In this program, Delete does not mean move to the Recycle Bin.  For that purpose, "
            "choose the Recycle command, which is only available for fixed disks.  Do you want to "
            "delete 3 files?\n\nUse the \"Exclude and Remember\" command or the \"Exclude and "
            "Forget\" command to skip copying a file instead of deleting it.");
  EXPECT_EQ(texts[1], "Could not delete \"C:\\src\\folder\".\n\nContinue deleting files?");
}

TEST_F(ListCommands, RecyclingPutsTheFileInTheTrashAndNoStopsAtAFailure) {
  BuildTree(m_sandbox.CRoot(),
            {{"src/one/", ""}, {"src/a.txt", "a"}, {"src/two/", ""}, {"src/b.txt", "b"}});
  m_list.Add(Row("C:\\src", "one"));
  m_list.Add(Row("C:\\src", "a.txt"));
  m_list.Add(Row("C:\\src", "two"));
  m_list.Add(Row("C:\\src", "b.txt"));
  m_prompter.AddAnswer(EAnswer::kYes);
  m_prompter.AddAnswer(EAnswer::kYes);  // go on after "one"
  m_prompter.AddAnswer(EAnswer::kNo);   // stop at "two"
  const SDisposalResult result =
      DisposeOfRows(m_list, {0, 1, 2, 3}, EDisposal::kRecycle, m_prompter, m_format, m_feedback);
  EXPECT_EQ(result.removed, 1u);
  EXPECT_THAT(Names(m_list), ElementsAre("one", "two", "b.txt"));
  EXPECT_THAT(result.kept, ElementsAre(0, 1));
  EXPECT_EQ(ReadFile(m_sandbox.Home() + "/.local/share/Trash/files/a.txt"), "a");
  EXPECT_TRUE(Exists(C("src/b.txt")));  // never reached
  EXPECT_EQ(m_prompter.Texts()[0],
            "Do you want to recycle 4 files?\n\nUse the \"Exclude and Remember\" command or the "
            "\"Exclude and Forget\" command to skip copying a file instead of recycling it.");
  EXPECT_EQ(m_prompter.Texts()[2],
            "Could not recycle \"C:\\src\\two\".\n\nContinue recycling files?");
}

TEST_F(ListCommands, TheQuestionCountsInTheNumberFormatAndNoChangesNothing) {
  for (int i = 0; i < 1234; ++i) {
    m_list.Add(Row("C:\\src", "f" + std::to_string(i)));
  }
  std::vector<size_t> rows(1234);
  std::iota(rows.begin(), rows.end(), size_t{0});
  m_prompter.AddAnswer(EAnswer::kNo);
  const SDisposalResult result = DisposeOfRows(m_list, rows, EDisposal::kRecycle, m_prompter,
                                               CFormatItem(2, true, '.'), m_feedback);
  EXPECT_FALSE(result.confirmed);
  EXPECT_EQ(m_list.Count(), 1234u);
  EXPECT_THAT(m_prompter.Texts()[0], testing::StartsWith("Do you want to recycle 1.234 files?"));
  m_prompter.Clear();
  m_prompter.AddAnswer(EAnswer::kNo);
  DisposeOfRows(m_list, {5}, EDisposal::kRecycle, m_prompter, m_format, m_feedback);
  EXPECT_THAT(m_prompter.Texts()[0], testing::StartsWith("Do you want to recycle 1 file?\n"));
}

TEST_F(ListCommands, TheLastFailureIsOnlyReported) {
  BuildTree(m_sandbox.CRoot(), {{"src/folder/", ""}});
  m_list.Add(Row("C:\\src", "folder"));
  m_prompter.AddAnswer(EAnswer::kYes);
  DisposeOfRows(m_list, {0}, EDisposal::kDelete, m_prompter, m_format, m_feedback);
  const auto prompts = m_prompter.Prompts();
  ASSERT_EQ(prompts.size(), 2u);
  EXPECT_EQ(prompts[1].text, "Could not delete \"C:\\src\\folder\".");
  EXPECT_TRUE(prompts[1].buttons == EButtons::kOk);
}

TEST_F(ListCommands, RestoreCopiesTheDestinationCopyBackAndTrashesTheOldSource) {
  BuildTree(m_sandbox.CRoot(), {{"src/sub/a.txt", "new source"}, {"dst/sub/a.txt", "backup"}});
  m_list.Add(Row("C:\\src", "other"));
  m_list.Add(Row("C:\\src\\sub", "a.txt"));
  m_prompter.AddAnswer(EAnswer::kYes);
  ASSERT_TRUE(RestoreFile(m_list, 1, "C:\\src\\", "C:\\dst\\", m_prompter, m_feedback));
  EXPECT_EQ(ReadFile(C("src/sub/a.txt")), "backup");
  EXPECT_EQ(ReadFile(m_sandbox.Home() + "/.local/share/Trash/files/a.txt"), "new source");
  EXPECT_THAT(Names(m_list), ElementsAre("other"));
  EXPECT_EQ(m_prompter.Texts(),
            std::vector<std::string>{"Copy \"a.txt\" from \"C:\\dst\\sub\" to \"C:\\src\\sub\"?"});
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(C("src/sub")),
                          std::filesystem::directory_iterator()),
            1);
}

TEST_F(ListCommands, RestoreOfAStrayBringsItIntoTheSourceTree) {
  BuildTree(m_sandbox.CRoot(), {{"src/", ""}, {"dst/old/gone.txt", "kept"}});
  m_list.Add(Row("C:\\dst\\old", "gone.txt", kActionDelete));
  m_prompter.AddAnswer(EAnswer::kYes);
  ASSERT_TRUE(RestoreFile(m_list, 0, "C:\\src\\", "C:\\dst\\", m_prompter, m_feedback));
  EXPECT_EQ(ReadFile(C("src/old/gone.txt")), "kept");
  EXPECT_TRUE(m_list.Empty());
}

TEST_F(ListCommands, RestoreOfAMissingCopyOrAfterNoLeavesEverything) {
  BuildTree(m_sandbox.CRoot(),
            {{"src/a.txt", "source"}, {"dst/", ""}, {"src/b.txt", "b"}, {"dst/b.txt", "backup"}});
  m_list.Add(Row("C:\\src", "a.txt"));
  m_list.Add(Row("C:\\src", "b.txt"));
  EXPECT_FALSE(RestoreFile(m_list, 0, "C:\\src\\", "C:\\dst\\", m_prompter, m_feedback));
  m_prompter.AddAnswer(EAnswer::kNo);
  EXPECT_FALSE(RestoreFile(m_list, 1, "C:\\src\\", "C:\\dst\\", m_prompter, m_feedback));
  EXPECT_EQ(m_list.Count(), 2u);
  EXPECT_EQ(ReadFile(C("src/b.txt")), "b");
  EXPECT_EQ(m_prompter.Texts()[0], "File \"a.txt\" does not exist in \"C:\\dst\".");
}

TEST_F(ListCommands, ARestoreThatCannotFinishKeepsTheSourceFileAndTheRow) {
  // The source folder cannot take the copy: a file stands where the folder would be.
  BuildTree(m_sandbox.CRoot(), {{"src/sub", "a file"}, {"dst/sub/a.txt", "backup"}});
  m_list.Add(Row("C:\\dst\\sub", "a.txt", kActionDelete));
  m_prompter.AddAnswer(EAnswer::kYes);
  EXPECT_FALSE(RestoreFile(m_list, 0, "C:\\src\\", "C:\\dst\\", m_prompter, m_feedback));
  EXPECT_EQ(m_list.Count(), 1u);
  EXPECT_EQ(ReadFile(C("src/sub")), "a file");
  EXPECT_EQ(m_prompter.Texts().back(),
            "Could not copy \"C:\\dst\\sub\\a.txt\" to \"C:\\src\\sub\\a.txt\".");
}

TEST_F(ListCommands, RenamingChecksTheNameBeforeTouchingTheFile) {
  BuildTree(m_sandbox.CRoot(), {{"src/a.txt", "a"}, {"src/taken.txt", "t"}});
  auto row = Row("C:\\src", "a.txt");
  EXPECT_EQ(RenameRowFile(*row, "sub\\b.txt"),
            "\"sub\\b.txt\" contains the character \"\\\", which may not be included in a "
            "filename.\nEither correct the problem or press the Cancel button.");
  EXPECT_THAT(RenameRowFile(*row, "what?.txt"), testing::HasSubstr("the character \"?\","));
  EXPECT_EQ(RenameRowFile(*row, "taken.txt"),
            "Could not rename this file.  Either correct the problem or press the Cancel "
            "button.");
  EXPECT_EQ(ReadFile(C("src/taken.txt")), "t");
  EXPECT_EQ(row->name, "a.txt");
  EXPECT_EQ(RenameRowFile(*row, "b.txt"), "");
  EXPECT_EQ(row->name, "b.txt");
  EXPECT_EQ(ReadFile(C("src/b.txt")), "a");
  EXPECT_FALSE(Exists(C("src/a.txt")));
}

TEST_F(ListCommands, RowsAreDraggedAsFilesExceptWhenOnlyTheTreeIsCopied) {
  m_list.Add(Row("C:\\src", "a.txt"));
  m_list.Add(Row("C:\\", "b.txt"));
  EXPECT_THAT(DragPaths(m_list, {0, 1}, kCopyIntoFolders),
              ElementsAre("C:\\src\\a.txt", "C:\\b.txt"));
  EXPECT_TRUE(DragPaths(m_list, {0, 1}, kCopyTreeOnly).empty());
}

}  // namespace
