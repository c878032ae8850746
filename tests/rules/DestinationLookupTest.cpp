// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "rules/DestinationLookup.h"

#include <gtest/gtest.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "tests/support/TestSandbox.h"

namespace {

using testing_support::BuildTree;

class DestinationLookup : public ::testing::Test {
 protected:
  std::string Dst(const std::string& relative = {}) const {
    return m_sandbox.Root() + "/d/dst" + (relative.empty() ? "" : "/" + relative);
  }
  std::string Outside() const { return m_sandbox.Root() + "/d/outside"; }

  testing_support::CTestSandbox m_sandbox;
};

TEST_F(DestinationLookup, FoldersAreFoundAsTheyAreSpeltOnDisk) {
  BuildTree(Dst(), {{"Photos/Sub/", ""}});
  CDestinationLookup lookup("D:\\dst\\");
  const SDestinationFolder& found = lookup.Folder("D:\\dst\\photos\\SUB\\");
  EXPECT_EQ(found.path, "D:\\dst\\Photos\\Sub\\");
  EXPECT_TRUE(found.exists);
  EXPECT_EQ(found.link, "");
  // What does not exist yet keeps the spelling asked for.
  const SDestinationFolder& missing = lookup.Folder("D:\\dst\\PHOTOS\\new\\deeper\\");
  EXPECT_EQ(missing.path, "D:\\dst\\Photos\\new\\deeper\\");
  EXPECT_FALSE(missing.exists);
  EXPECT_EQ(lookup.Folder("D:\\dst\\").path, "D:\\dst\\");
}

TEST_F(DestinationLookup, ALinkBelowTheRootStopsTheWayButTheRootMayBeOne) {
  BuildTree(Outside(), {{"inner/", ""}});
  BuildTree(m_sandbox.Root() + "/d/real", {{"a/", ""}});
  ASSERT_EQ(symlink((m_sandbox.Root() + "/d/real").c_str(), Dst().c_str()), 0);
  ASSERT_EQ(symlink(Outside().c_str(), Dst("a/Link").c_str()), 0);
  CDestinationLookup lookup("D:\\dst\\");
  EXPECT_TRUE(lookup.Folder("D:\\dst\\a\\").exists);
  const SDestinationFolder& behind = lookup.Folder("D:\\dst\\A\\link\\inner\\");
  EXPECT_EQ(behind.link, "D:\\dst\\a\\Link");
  EXPECT_FALSE(behind.exists);
  EXPECT_EQ(lookup.Folder("D:\\dst\\a\\link\\").link, "D:\\dst\\a\\Link");
}

TEST_F(DestinationLookup, FilesAreFoundWhateverTheirCaseTheExactNameFirst) {
  BuildTree(Dst(), {{"Report.TXT", "r"}, {"a.txt", "1"}, {"A.txt", "2"}, {"B*?.txt", "w"}});
  CDestinationLookup lookup("D:\\dst\\");
  EXPECT_EQ(lookup.Entry("D:\\dst\\", "report.txt")->name, "Report.TXT");
  EXPECT_EQ(lookup.Entry("D:\\dst\\", "a.txt")->name, "a.txt");
  EXPECT_EQ(lookup.Entry("D:\\dst\\", "A.txt")->name, "A.txt");
  EXPECT_EQ(lookup.Entry("D:\\dst\\", "A.TXT")->name, "A.txt");  // the first by byte order
  EXPECT_EQ(lookup.Entry("D:\\dst\\", "b*?.TXT")->name, "B*?.txt");
  EXPECT_FALSE(lookup.Entry("D:\\dst\\", "absent.txt"));
  EXPECT_FALSE(lookup.Entry("D:\\dst\\nowhere\\", "a.txt"));
}

TEST_F(DestinationLookup, AHeldListingFollowsTheChangesItIsToldOf) {
  BuildTree(Dst(), {{"Report.TXT", "r"}});
  CDestinationLookup lookup("D:\\dst\\");
  ASSERT_EQ(lookup.Entry("D:\\dst\\", "report.txt")->name, "Report.TXT");  // lists the folder
  ASSERT_EQ(rename(Dst("Report.TXT").c_str(), Dst("report.txt").c_str()), 0);
  lookup.Changed("D:\\dst\\", "report.txt", "Report.TXT");
  EXPECT_EQ(lookup.Entry("D:\\dst\\", "REPORT.txt")->name, "report.txt");
  ASSERT_EQ(unlink(Dst("report.txt").c_str()), 0);
  lookup.Changed("D:\\dst\\", {}, "report.txt");
  EXPECT_FALSE(lookup.Entry("D:\\dst\\", "REPORT.txt"));
}

TEST_F(DestinationLookup, EachFolderIsReadOnceWhileCopyingIntoManyNewFolders) {
  BuildTree(Dst(), {{"Old/", ""}});
  CDestinationLookup lookup("D:\\dst\\");
  for (int i = 0; i < 50; ++i) {
    // As a copy asks: the folder in its parent, then a file in the folder it has just made.
    const std::string name = "new" + std::to_string(i);
    const SDestinationFolder& folder = lookup.Folder("D:\\dst\\" + name + "\\");
    ASSERT_FALSE(folder.exists);
    ASSERT_EQ(mkdir(Dst(name).c_str(), 0755), 0);
    EXPECT_FALSE(lookup.Entry(folder.path, "file.txt"));
    lookup.Changed(folder.path, "file.txt", {});
  }
  // The destination itself and each new folder, not the destination again for every folder.
  EXPECT_EQ(lookup.FoldersListed(), 51U);
  EXPECT_EQ(lookup.Entry("D:\\dst\\new7\\", "FILE.txt")->name, "file.txt");
  EXPECT_EQ(lookup.Folder("D:\\dst\\NEW7\\").path, "D:\\dst\\new7\\");
}

TEST_F(DestinationLookup, AFolderMadeIsKnownEmptyAndIsListedInItsParent) {
  BuildTree(Dst(), {{"Old/", ""}});
  CDestinationLookup lookup("D:\\dst\\");
  EXPECT_FALSE(lookup.Entry("D:\\dst\\", "absent.txt"));  // lists the destination
  ASSERT_EQ(mkdir(Dst("new").c_str(), 0755), 0);
  lookup.Made("D:\\dst\\new\\");
  EXPECT_FALSE(lookup.Entry("D:\\dst\\new\\", "a.txt"));
  const auto made = lookup.Entry("D:\\dst\\", "NEW");
  ASSERT_TRUE(made);
  EXPECT_EQ(made->name, "new");
  EXPECT_NE(made->attributes & platform::kAttrDirectory, 0U);
  EXPECT_EQ(lookup.FoldersListed(), 1U);
}

}  // namespace
