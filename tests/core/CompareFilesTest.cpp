// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/CompareFiles.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/CopyTestSupport.h"
#include "tests/support/TestSandbox.h"

namespace {

using copy_test::Pattern;
using testing_support::BuildTree;
using testing_support::CTestSandbox;

class CompareFileContentsTest : public ::testing::Test {
 protected:
  // P: shows the process's own files: some report a size of 0 and yet have contents, and
  // one cannot be read at its start.
  CTestSandbox m_sandbox{"C={root}/c;D={root}/d;P=/proc"};
};

TEST_F(CompareFileContentsTest, EqualFilesGiveAnEmptyText) {
  const std::string big = Pattern(10000, 'x');
  BuildTree(m_sandbox.CRoot(), {{"a", big}, {"b", big}, {"e1", ""}, {"e2", ""}});
  EXPECT_EQ(CompareFileContents("C:\\a", "C:\\b"), "");
  EXPECT_EQ(CompareFileContents("C:\\e1", "C:\\e2"), "");
}

TEST_F(CompareFileContentsTest, DifferencesAnywhereAreFound) {
  std::string late = Pattern(10000, 'x');
  late[5000] = '#';  // beyond the first block
  std::string first = Pattern(10000, 'x');
  first[0] = '#';
  BuildTree(m_sandbox.CRoot(), {{"a", Pattern(10000, 'x')},
                                {"late", late},
                                {"first", first},
                                {"longer", Pattern(10001, 'x')}});
  EXPECT_EQ(CompareFileContents("C:\\a", "C:\\late"), "Files differ.");
  EXPECT_EQ(CompareFileContents("C:\\a", "C:\\first"), "Files differ.");
  EXPECT_EQ(CompareFileContents("C:\\a", "C:\\longer"), "Files differ.");
}

TEST_F(CompareFileContentsTest, DifferentSizesDifferWithoutReading) {
  BuildTree(m_sandbox.CRoot(), {{"a", "abc"}, {"b", "abcd"}});
  EXPECT_EQ(CompareFileContents("C:\\b", "C:\\a"), "Files differ.");
  // The memory file (size 0) fails any read: only the sizes can have settled it.
  EXPECT_EQ(CompareFileContents("C:\\a", "P:\\self\\mem"), "Files differ.");
}

TEST_F(CompareFileContentsTest, FilesThatCannotBeOpenedAreNamed) {
  BuildTree(m_sandbox.CRoot(), {{"a", "abc"}, {"folder/", ""}});
  EXPECT_EQ(CompareFileContents("C:\\missing", "C:\\a"), "Could not open the source file.");
  EXPECT_EQ(CompareFileContents("C:\\a", "C:\\missing"), "Could not open the destination file.");
  // A folder is no file to compare: it is not taken for an empty one.
  EXPECT_EQ(CompareFileContents("C:\\folder", "C:\\a"), "Could not open the source file.");
  EXPECT_EQ(CompareFileContents("C:\\a", "C:\\folder"), "Could not open the destination file.");
}

TEST_F(CompareFileContentsTest, ReadFailuresAreNotTakenForEqualContents) {
  BuildTree(m_sandbox.CRoot(), {{"empty", ""}});
  // The process's memory file reports a size of 0 and fails to read at offset 0.
  EXPECT_EQ(CompareFileContents("P:\\self\\mem", "C:\\empty"), "Could not read the source file.");
  EXPECT_EQ(CompareFileContents("C:\\empty", "P:\\self\\mem"),
            "Could not read the destination file.");
}

TEST_F(CompareFileContentsTest, AFileThatEndsFirstIsNotEqual) {
  // The status file reports a size of 0 but has contents: the sizes do not tell the two
  // apart, only the reading does.
  BuildTree(m_sandbox.CRoot(), {{"empty", ""}});
  EXPECT_EQ(CompareFileContents("P:\\self\\status", "C:\\empty"), "Files differ.");
  EXPECT_EQ(CompareFileContents("C:\\empty", "P:\\self\\status"), "Files differ.");
}

}  // namespace
