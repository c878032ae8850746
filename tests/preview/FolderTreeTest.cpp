// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "preview/FolderTree.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <new>
#include <set>
#include <string>
#include <vector>

#include "tests/support/TestSandbox.h"

namespace {
thread_local bool g_counting = false;
thread_local long g_liveBlocks = 0;
}  // namespace

// Counting the heap blocks that a stretch of code leaves behind shows what the walk holds.
// The sanitizer build keeps its own allocator; its leak check does that job there.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kBlocksCounted = false;
#else
constexpr bool kBlocksCounted = true;

void* operator new(std::size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) {
    throw std::bad_alloc();
  }
  if (g_counting) {
    ++g_liveBlocks;
  }
  return block;
}
void operator delete(void* block) noexcept {
  if (block != nullptr && g_counting) {
    --g_liveBlocks;
  }
  std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
  operator delete(block);
}
#endif

namespace {

using testing::ElementsAre;

// The blocks this thread allocates less those it frees while the count lives.
class CBlockCount {
 public:
  CBlockCount() {
    g_liveBlocks = 0;
    g_counting = true;
  }
  ~CBlockCount() { g_counting = false; }
  long Net() const { return g_liveBlocks; }
};

// Every path that the walk visits, the root first.
std::vector<std::string> Visit(CFolderTreeMgr& tree) {
  std::vector<std::string> visited{tree.CurrentPath()};
  std::string path;
  while (tree.NextFolder(path) != 0) {
    visited.push_back(path);
  }
  return visited;
}

TEST(FolderWalk, RootWithoutSubfoldersEndsAtOnce) {
  CFolderTreeMgr tree("C:\\src");
  EXPECT_EQ(tree.RootPath(), "C:\\src\\");
  EXPECT_EQ(tree.CurrentPath(), "C:\\src\\");
  std::string path = "unchanged";
  EXPECT_EQ(tree.NextFolder(path), 0);
  EXPECT_EQ(path, "unchanged");
  EXPECT_EQ(tree.CurrentPath(), "");
  EXPECT_EQ(tree.RootPath(), "");
  EXPECT_EQ(tree.CurrentState(), 0);
  // Nothing can be added once the walk is over, and it stays over.
  EXPECT_EQ(tree.AddChild("late", 1), 0);
  EXPECT_EQ(tree.NextFolder(path), 0);
}

TEST(FolderWalk, VisitsParentsBeforeChildrenInTheOrderAdded) {
  CFolderTreeMgr tree("C:\\src\\");
  std::vector<std::string> visited{tree.CurrentPath()};
  ASSERT_EQ(tree.AddChild("A1", 1), 1);
  ASSERT_EQ(tree.AddChild("B1", 2), 1);
  ASSERT_EQ(tree.AddChild("C1", 1), 1);
  std::string path;
  std::vector<int32_t> states;
  while (tree.NextFolder(path) != 0) {
    visited.push_back(path);
    states.push_back(tree.CurrentState());
    EXPECT_EQ(tree.CurrentPath(), path);
    if (path == "C:\\src\\A1\\") {
      ASSERT_EQ(tree.AddChild("A2", 2), 1);
    }
  }
  EXPECT_THAT(visited, ElementsAre("C:\\src\\", "C:\\src\\A1\\", "C:\\src\\A1\\A2\\",
                                   "C:\\src\\B1\\", "C:\\src\\C1\\"));
  EXPECT_THAT(states, ElementsAre(1, 2, 2, 1));
}

TEST(FolderWalk, DeeperTreesKeepPreOrder) {
  CFolderTreeMgr tree("D:\\");
  tree.SetRootState(2);
  EXPECT_EQ(tree.CurrentState(), 2);
  tree.AddChild("x", 1);
  tree.AddChild("y\\", 1);  // a name given with its backslash keeps only one
  std::string path;
  std::vector<std::string> visited;
  while (tree.NextFolder(path) != 0) {
    visited.push_back(path);
    if (path == "D:\\x\\") {
      tree.AddChild("x1", 1);
      tree.AddChild("x2", 1);
    } else if (path == "D:\\x\\x1\\") {
      tree.AddChild("x11", 1);
    } else if (path == "D:\\y\\") {
      tree.AddChild("y1", 1);
    }
  }
  EXPECT_THAT(visited, ElementsAre("D:\\x\\", "D:\\x\\x1\\", "D:\\x\\x1\\x11\\", "D:\\x\\x2\\",
                                   "D:\\y\\", "D:\\y\\y1\\"));
}

TEST(FolderWalk, DeepChainNeitherRecursesNorLeaks) {
  constexpr int kDepth = 2000;
  std::string expected = "C:\\deep\\";
  {
    CFolderTreeMgr tree("C:\\deep");
    std::string path;
    for (int level = 0; level < kDepth; ++level) {
      ASSERT_EQ(tree.AddChild("n", 1), 1);
      ASSERT_EQ(tree.NextFolder(path), 1);
      expected += "n\\";
    }
    EXPECT_EQ(path, expected);
    // Destroyed here, 2,000 levels down.
  }
  CFolderTreeMgr tree("C:\\deep");
  std::string path;
  for (int level = 0; level < kDepth; ++level) {
    tree.AddChild("n", 1);
    tree.AddChild("m", 1);
    ASSERT_EQ(tree.NextFolder(path), 1);
  }
  int rest = 0;
  while (tree.NextFolder(path) != 0) {
    ++rest;
  }
  EXPECT_EQ(rest, kDepth);  // the "m" of every level, deepest first
}

TEST(FolderWalk, HoldsOnlyThePendingFolders) {
  if (!kBlocksCounted) {
    GTEST_SKIP() << "heap blocks are not counted in the sanitizer build";
  }
  CFolderTreeMgr tree("C:\\wide");
  for (int i = 0; i < 1000; ++i) {
    tree.AddChild("f" + std::to_string(i % 100), 1);  // short names: one block per folder
  }
  std::string path;
  path.reserve(64);
  const CBlockCount blocks;
  for (int i = 0; i < 500; ++i) {
    ASSERT_EQ(tree.NextFolder(path), 1);
  }
  // 499 folders lie behind the walk; at most a path text was added.
  EXPECT_LE(blocks.Net(), -498);
}

TEST(FolderWalk, DestroyedMidWalkFreesEverything) {
  // Without the count, the sanitizer's leak check reports whatever is left.
  const CBlockCount blocks;
  {
    CFolderTreeMgr tree("C:\\some\\rather\\long\\root\\folder\\name");
    std::string path;
    for (int level = 0; level < 50; ++level) {
      tree.AddChild("a folder name long enough for the heap", 1);
      tree.AddChild("b", 1);
      tree.AddChild("c", 1);
      tree.NextFolder(path);
    }
    tree.NextFolder(path);
    tree.NextFolder(path);
  }
  if (kBlocksCounted) {
    EXPECT_EQ(blocks.Net(), 0);
  }
  {
    CFolderTreeMgr tree("C:\\r");
    tree.AddChild("a", 1);
    EXPECT_THAT(Visit(tree), ElementsAre("C:\\r\\", "C:\\r\\a\\"));
  }
  if (kBlocksCounted) {
    EXPECT_EQ(blocks.Net(), 0);
  }
}

class FileFind : public ::testing::Test {
 protected:
  testing_support::CTestSandbox m_sandbox;
};

TEST_F(FileFind, SizesBeyondFourGigabytesAreWhole) {
  const std::string folder = m_sandbox.CRoot() + "/big";
  testing_support::MakeFolders(folder);
  testing_support::WriteFile(folder + "/sparse.bin", "");
  constexpr uint64_t kFiveGiB = 5ULL << 30;
  ASSERT_EQ(truncate((folder + "/sparse.bin").c_str(), static_cast<off_t>(kFiveGiB)), 0);

  CFileFindFixed finder;
  ASSERT_TRUE(finder.FindFile("C:\\big\\sparse.bin"));
  EXPECT_EQ(finder.GetLength64(), kFiveGiB);
  EXPECT_EQ(finder.GetFilePath(), "C:\\big\\sparse.bin");
  EXPECT_FALSE(finder.IsDirectory());
  finder.Close();

  CFileSearch search("C:\\big");
  ASSERT_TRUE(search.FindInFolder("C:\\big"));
  bool seen = false;
  do {
    if (search.Finder().GetFileName() == "sparse.bin") {
      seen = true;
      EXPECT_EQ(search.Finder().Data().size, kFiveGiB);
    }
  } while (search.Finder().FindNextFile());
  EXPECT_TRUE(seen);
}

TEST_F(FileFind, SearchListsAFolderWithOrWithoutItsBackslash) {
  testing_support::BuildTree(m_sandbox.CRoot() + "/list", {{"one.txt", "1"}, {"sub/", ""}});
  for (const char* folder : {"C:\\list", "C:\\list\\"}) {
    CFileSearch search(folder);
    EXPECT_EQ(search.Tree().RootPath(), "C:\\list\\");
    ASSERT_TRUE(search.FindInFolder(folder));
    std::set<std::string> names;
    do {
      if (!search.Finder().IsDots()) {
        names.insert(search.Finder().GetFileName() + (search.Finder().IsDirectory() ? "\\" : ""));
      }
    } while (search.Finder().FindNextFile());
    EXPECT_EQ(names, (std::set<std::string>{"one.txt", "sub\\"}));
  }
  CFileSearch missing("C:\\absent");
  EXPECT_FALSE(missing.FindInFolder("C:\\absent\\"));
}

}  // namespace
