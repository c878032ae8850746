// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "run/DrivePreparation.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/Reporter.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TestSandbox.h"

namespace {

// Counts the questions asked of each drive and answers from a table.
class CCountingDriveQuery : public CDriveQuery {
 public:
  std::optional<uint64_t> FreeSpace(std::string_view folder) const override {
    ++freeQueries;
    asked.emplace_back(folder);
    const auto it = free.find(folder[0]);
    return it == free.end() ? std::nullopt : it->second;
  }
  uint32_t ClusterSize(std::string_view folder) const override {
    ++clusterQueries;
    const auto it = cluster.find(folder[0]);
    return it == cluster.end() ? 0 : it->second;
  }
  bool SameVolume(std::string_view, std::string_view) const override { return sameVolume; }

  std::map<char, std::optional<uint64_t>> free;
  std::map<char, uint32_t> cluster;
  bool sameVolume = true;
  mutable int freeQueries = 0;
  mutable int clusterQueries = 0;
  mutable std::vector<std::string> asked;
};

class CRecordingReporter : public CReporter {
 public:
  void Report(const std::string& text) override { texts.push_back(text); }
  std::vector<std::string> texts;
};

class PrepareDrivesQueries : public ::testing::Test {
 protected:
  void SetUp() override {
    m_query.free = {{'C', 1000}, {'D', 5000}, {'E', std::nullopt}};
    m_query.cluster = {{'C', 4096}, {'D', 512}, {'E', 2048}, {'F', 0}};
  }

  CCountingDriveQuery m_query;
  CRecordingReporter m_reporter;
};

TEST_F(PrepareDrivesQueries, OneVolumeIsAskedOnce) {
  const auto data = PrepareDrives("C:\\src", "c:\\backup", m_reporter, m_query);
  ASSERT_TRUE(data);
  EXPECT_EQ(m_query.freeQueries, 1);
  EXPECT_EQ(m_query.clusterQueries, 1);
  EXPECT_EQ(data->sourceCluster, 4096u);
  EXPECT_EQ(data->destCluster, 4096u);
  EXPECT_EQ(data->destFree, 1000u);
  EXPECT_TRUE(m_reporter.texts.empty());
}

TEST_F(PrepareDrivesQueries, TwoDrivesAreAskedEach) {
  const auto data = PrepareDrives("C:\\src", "D:\\backup", m_reporter, m_query);
  ASSERT_TRUE(data);
  EXPECT_EQ(m_query.freeQueries, 2);
  EXPECT_EQ(m_query.clusterQueries, 2);
  EXPECT_EQ(data->sourceCluster, 4096u);
  EXPECT_EQ(data->destCluster, 512u);
  EXPECT_EQ(data->destFree, 5000u);
  // The folders themselves are asked about, since one letter can span several volumes.
  EXPECT_EQ(m_query.asked, (std::vector<std::string>{"C:\\src", "D:\\backup"}));
}

TEST_F(PrepareDrivesQueries, OneLetterOnTwoVolumesIsAskedTwice) {
  m_query.sameVolume = false;
  const auto data = PrepareDrives("C:\\src", "C:\\mnt\\backup", m_reporter, m_query);
  ASSERT_TRUE(data);
  EXPECT_EQ(m_query.freeQueries, 2);
  EXPECT_EQ(m_query.clusterQueries, 2);
}

TEST_F(PrepareDrivesQueries, ADriveWithoutFreeSpaceAsksForADisk) {
  EXPECT_FALSE(PrepareDrives("C:\\src", "E:\\backup", m_reporter, m_query));
  EXPECT_EQ(m_reporter.texts,
            (std::vector<std::string>{"Please insert a disk into E: and try again."}));

  m_reporter.texts.clear();
  EXPECT_FALSE(PrepareDrives("e:\\src", "C:\\backup", m_reporter, m_query));
  EXPECT_EQ(m_reporter.texts,
            (std::vector<std::string>{"Please insert a disk into E: and try again."}));
}

TEST_F(PrepareDrivesQueries, AnUnknownClusterSizeAsksForAnotherDrive) {
  m_query.cluster['D'] = 0;
  EXPECT_FALSE(PrepareDrives("C:\\src", "D:\\backup", m_reporter, m_query));
  EXPECT_EQ(m_reporter.texts,
            (std::vector<std::string>{"The cluster size for drive D: was not determined.  "
                                      "Please select another drive."}));
}

TEST_F(PrepareDrivesQueries, FailuresAreShownWithAStopIcon) {
  CScriptedPrompter prompter;
  CPrompterReporter reporter(prompter);
  EXPECT_FALSE(PrepareDrives("C:\\src", "E:\\backup", reporter, m_query));
  const auto prompts = prompter.Prompts();
  ASSERT_EQ(prompts.size(), 1u);
  EXPECT_EQ(prompts[0].text, "Please insert a disk into E: and try again.");
  EXPECT_EQ(prompts[0].icon, EIcon::kStop);
}

TEST_F(PrepareDrivesQueries, ClusterSizeNeedsADriveRoot) {
  EXPECT_EQ(CClusterSize("D:\\").Root(), "D:\\");
  EXPECT_EQ(CClusterSize("D:\\").Get(m_query), 512u);
  EXPECT_EQ(CClusterSize("D:\\", "D:\\deep\\folder").Get(m_query), 512u);
  EXPECT_EQ(m_query.clusterQueries, 2);
  for (const char* root : {"D:", "D", "", "1:\\", "\\\\server\\share\\"}) {
    const CClusterSize size(root);
    EXPECT_EQ(size.Root(), "") << root;
    EXPECT_EQ(size.Get(m_query), 0u) << root;
  }
  // A refused root never reaches the drive.
  EXPECT_EQ(m_query.clusterQueries, 2);
}

// The real queries, against a drive map with fixed figures.
TEST(PrepareDrivesOnTheDriveMap, UsesTheFiguresOfEachDrive) {
  testing_support::CTestSandbox sandbox(
      "C={root}/c,free=1000,cluster=512;D={root}/d,free=7000,cluster=2048;"
      "E={root}/missing,removable");
  CRecordingReporter reporter;

  const auto sameDrive = PrepareDrives("C:\\src", "C:\\backup", reporter);
  ASSERT_TRUE(sameDrive);
  EXPECT_EQ(sameDrive->sourceCluster, 512u);
  EXPECT_EQ(sameDrive->destCluster, 512u);
  EXPECT_EQ(sameDrive->destFree, 1000u);

  const auto twoDrives = PrepareDrives("C:\\src", "D:\\backup", reporter);
  ASSERT_TRUE(twoDrives);
  EXPECT_EQ(twoDrives->sourceCluster, 512u);
  EXPECT_EQ(twoDrives->destCluster, 2048u);
  EXPECT_EQ(twoDrives->destFree, 7000u);
  EXPECT_EQ(CClusterSize("D:\\").Get(), 2048u);
  EXPECT_TRUE(reporter.texts.empty());

  EXPECT_FALSE(PrepareDrives("C:\\src", "E:\\backup", reporter));
  EXPECT_FALSE(PrepareDrives("C:\\src", "G:\\backup", reporter));
  EXPECT_EQ(reporter.texts, (std::vector<std::string>{
                                "Please insert a disk into E: and try again.",
                                "Please insert a disk into G: and try again.",
                            }));
}

}  // namespace
