// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/DebugMessages.h"
#include "preview/PreviewJob.h"
#include "tests/support/PreviewHarness.h"
#include "tests/support/TestSandbox.h"

// The preview's walk with links to folders, and destinations spelt in another letter case.
namespace {

using preview_testing::CPreviewHarness;
using testing::Contains;
using testing::ElementsAre;
using testing::IsEmpty;
using testing::UnorderedElementsAre;
using testing_support::BuildTree;

class PreviewLinksCase : public ::testing::Test {
 protected:
  PreviewLinksCase() {
    testing_support::MakeFolders(Source());
    testing_support::MakeFolders(Destination());
    m_settings.sourcePath = "C:\\src";
    m_settings.destinationPath = "D:\\dst";
    m_settings.deleteStrayFiles = 1;
    ClearDebugMessages();
  }

  std::string Source() const { return m_sandbox.CRoot() + "/src"; }
  std::string Destination() const { return m_sandbox.Root() + "/d/dst"; }
  std::string Outside() const { return m_sandbox.Root() + "/d/outside"; }
  void Link(const std::string& target, const std::string& link) {
    ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0) << link;
  }

  testing_support::CTestSandbox m_sandbox;
  CSettingsState m_settings;
};

TEST_F(PreviewLinksCase, SourceFolderLinksAreLeftOutLikeUnreadableFolders) {
  BuildTree(Source(), {{"a/f.txt", "f"}});
  BuildTree(Outside(), {{"o.txt", "o"}});
  BuildTree(Destination(), {{"a/", ""}, {"out/backup.txt", "kept"}});
  Link("..", Source() + "/a/loop");
  Link(Outside(), Source() + "/out");
  CPreviewHarness run;
  ASSERT_TRUE(run.Run(m_settings));
  // Each real file once; the counterpart of a left-out folder offers nothing for deletion
  // and is no stray folder either.
  EXPECT_THAT(run.Rows(), ElementsAre("copy C:\\src\\a\\f.txt"));
  EXPECT_THAT(run.job.StrayFolders(), IsEmpty());
  const std::vector<std::string> debug = GetDebugMessages();
  EXPECT_THAT(debug, Contains("Left out \"C:\\src\\a\\loop\": it is a link to a folder."));
  EXPECT_THAT(debug, Contains("Left out \"C:\\src\\out\": it is a link to a folder."));
}

TEST_F(PreviewLinksCase, ADestinationFolderLinkIsNeverEntered) {
  BuildTree(Source(), {{"photos/new.jpg", "n"}, {"tree/sub/s.txt", "s"}});
  BuildTree(Outside(), {{"a.jpg", "a"}});
  BuildTree(Destination(), {{"stray.txt", "s"}});
  Link(Outside(), Destination() + "/photos");
  Link(Outside(), Destination() + "/tree");
  CPreviewHarness run;
  ASSERT_TRUE(run.Run(m_settings));
  EXPECT_THAT(run.Rows(),
              UnorderedElementsAre("copy C:\\src\\photos\\new.jpg",
                                   "copy C:\\src\\tree\\sub\\s.txt", "delete D:\\dst\\stray.txt"));

  // Nor is any folder made behind it.
  m_settings.copyMode = kCopyTreeOnly;
  CPreviewHarness tree;
  ASSERT_TRUE(tree.Run(m_settings));
  EXPECT_THAT(tree.Rows(), ElementsAre("delete D:\\dst\\stray.txt"));
}

TEST_F(PreviewLinksCase, AFolderSpeltOtherwiseInTheDestinationIsItsCounterpart) {
  // x.jpg is as old as its backup: what is left is found in the folder as it is spelt there.
  const platform::FileTime time = preview_testing::LocalFileTime(2026, 3, 1);
  BuildTree(Source(), {{"Photos/x.jpg", "x", time}, {"Photos/Sub/y.jpg", "y"}});
  BuildTree(Destination(), {{"photos/x.jpg", "x", time}, {"photos/stray.jpg", "s"}});
  CPreviewHarness run;
  ASSERT_TRUE(run.Run(m_settings));
  EXPECT_THAT(run.Rows(), UnorderedElementsAre("copy C:\\src\\Photos\\Sub\\y.jpg",
                                               "delete D:\\dst\\photos\\stray.jpg"));
  EXPECT_THAT(run.job.StrayFolders(), IsEmpty());

  m_settings.copyMode = kCopyTreeOnly;
  CPreviewHarness tree;
  ASSERT_TRUE(tree.Run(m_settings));
  EXPECT_THAT(tree.Rows(), UnorderedElementsAre("create D:\\dst\\photos\\Sub",
                                                "delete D:\\dst\\photos\\stray.jpg"));
}

}  // namespace
