// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/Options.h"
#include "preview/FolderLister.h"
#include "preview/FolderTree.h"
#include "preview/PreviewJob.h"
#include "rules/Filter.h"
#include "run/RunPreparation.h"
#include "tests/support/AllocationHook.h"
#include "tests/support/CopyTestSupport.h"
#include "tests/support/TestSandbox.h"

namespace {

using testing_support::BuildTree;

constexpr auto kPatience = std::chrono::seconds(30);
constexpr int kSubfolders = 24;  // more than the walk holds ready, so that the reader gets some

TEST(WalkMemory, AFolderTheReaderRanOutOfMemoryOnIsListedByTheWalk) {
  testing_support::CTestSandbox sandbox;
  for (int i = 0; i < kSubfolders; ++i) {
    const std::string folder = "src/f" + std::to_string(100 + i) + "/";
    // Names too long to be kept inside a string object: listing them allocates.
    BuildTree(sandbox.CRoot(), {{folder + "the first file of the folder.txt", "1"},
                                {folder + "the second file of the folder.txt", "2"},
                                {folder + "the third file of the folder.txt", "3"}});
  }
  testing_support::MakeFolders(sandbox.Root() + "/d/dst");
  SPreparedFolders folders;
  folders.source = "C:\\src\\";
  folders.destination = "D:\\dst\\";
  SPreviewSetup setup = MakePreviewSetup(AsLoadedIntoPages(copy_test::Profile()), SProgramOptions{},
                                         folders, nullptr, true, nullptr);
  setup.search->Tree().SetRootState(setup.filter->RootState());

  // The walk lists the root itself, so the first thread to pass a check point is the walk's;
  // the first other one is the read-ahead thread, in the middle of listing a folder: from
  // there its next allocation fails.
  std::mutex mutex;
  std::condition_variable armed;
  std::thread::id walker;
  bool readerArmed = false;
  const long failedBefore = testing_support::FailedAllocations();
  const auto checkPoint = [&] {
    std::unique_lock lock(mutex);
    if (walker == std::thread::id()) {
      walker = std::this_thread::get_id();
    } else if (std::this_thread::get_id() != walker && !readerArmed) {
      readerArmed = true;
      lock.unlock();
      armed.notify_all();
      testing_support::FailAllocations(1);
    }
    return false;
  };
  CFolderLister lister(*setup.search, *setup.filter, checkPoint);
  {
    // The walk holds only so many folders ready until they are taken: meanwhile the reader
    // lists the rest.
    std::unique_lock lock(mutex);
    ASSERT_TRUE(armed.wait_for(lock, kPatience, [&] { return readerArmed; }));
  }
  auto taken = std::async(std::launch::async, [&lister] {
    std::vector<SListedFolder> listed;
    while (std::optional<SListedFolder> folder = lister.Next()) {
      listed.push_back(std::move(*folder));
    }
    return listed;
  });
  if (taken.wait_for(kPatience) != std::future_status::ready) {
    // The walk waits for a folder nobody lists: nothing can end it, so neither can the test.
    ADD_FAILURE() << "The walk still waits for the folder the reader gave up.";
    std::fflush(stdout);
    std::_Exit(1);
  }
  const std::vector<SListedFolder> listed = taken.get();
  EXPECT_EQ(testing_support::FailedAllocations(), failedBefore + 1);
  ASSERT_EQ(listed.size(), static_cast<size_t>(kSubfolders + 1));
  EXPECT_EQ(listed[0].path, "C:\\src\\");
  for (size_t i = 1; i < listed.size(); ++i) {
    EXPECT_TRUE(listed[i].listed && listed[i].complete) << listed[i].path;
    EXPECT_EQ(listed[i].entries.size(), 3u) << listed[i].path;
  }
}

}  // namespace
