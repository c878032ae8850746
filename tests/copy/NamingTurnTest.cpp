// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "copy/NamingTurn.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <random>
#include <thread>
#include <vector>

namespace {

struct SFile {
  int place = 0;
  bool named = false;
};

// Items told of out of order are named in order, each once; an item finished otherwise
// holds back those after it until it is passed; a namer that refuses (the run is stopping)
// keeps the turn where it is; after Close nothing more is named.
TEST(NamingTurn, NamesInListOrderWhateverOrderTheFilesAreCompleteIn) {
  CNamingTurn<SFile> turn;
  std::vector<int> named;
  bool refusing = false;
  turn.Start(8, [&named, &refusing](SFile& file) {
    if (refusing) {
      return false;
    }
    file.named = true;
    named.push_back(file.place);
    return true;
  });
  std::vector<SFile> files(6);
  std::vector<uint64_t> numbers;
  for (int i = 0; i < 6; ++i) {
    files[i].place = i;
    numbers.push_back(turn.Add(&files[i]));
  }
  turn.Ready(numbers[1]);
  turn.Ready(numbers[3]);
  EXPECT_TRUE(named.empty());  // the first is not through
  turn.Ready(numbers[0]);
  EXPECT_EQ(named, (std::vector<int>{0, 1}));  // the third is not complete yet
  turn.Settle(numbers[1]);
  turn.Pass(numbers[1]);  // named already: nothing changes
  EXPECT_EQ(named, (std::vector<int>{0, 1}));
  turn.Pass(numbers[2]);  // finished without a turn (a file that replaces another, say)
  EXPECT_EQ(named, (std::vector<int>{0, 1, 3}));
  turn.Close();
  turn.Ready(numbers[4]);
  turn.Settle(numbers[4]);
  turn.Pass(numbers[4]);
  EXPECT_EQ(named, (std::vector<int>{0, 1, 3}));
  EXPECT_FALSE(files[4].named);
  // Once reopened, only items added from then on are in turn.
  turn.Reopen();
  turn.Ready(numbers[5]);
  EXPECT_FALSE(files[5].named);
  SFile later{6};
  turn.Ready(turn.Add(&later));
  EXPECT_EQ(named, (std::vector<int>{0, 1, 3, 6}));

  refusing = true;
  SFile held{7};
  SFile after{8};
  const uint64_t heldNumber = turn.Add(&held);
  turn.Ready(turn.Add(&after));
  turn.Ready(heldNumber);
  EXPECT_EQ(named.size(), 4u);
  refusing = false;
  turn.Settle(heldNumber);
  EXPECT_EQ(named, (std::vector<int>{0, 1, 3, 6, 7, 8}));
}

// Several threads complete items at once and the job's thread passes the others, reusing the
// places of items that are through: every item to be named is named once, in order.
TEST(NamingTurn, ThreadsTogetherNameEachFileOnceAndInOrder) {
  constexpr int kItems = 5000;
  constexpr size_t kWindow = 16;
  CNamingTurn<SFile> turn;
  std::vector<int> named;  // written only under the turn's lock
  turn.Start(kWindow, [&named](SFile& file) {
    file.named = true;
    named.push_back(file.place);
    return true;
  });
  std::vector<std::unique_ptr<SFile>> files;
  std::vector<std::thread> threads;
  std::vector<std::unique_ptr<std::atomic<bool>>> done;
  std::mt19937 random(7);
  std::vector<int> expected;
  size_t oldest = 0;
  for (int i = 0; i < kItems; ++i) {
    // Like the job: an item is added only when fewer than kWindow are under way.
    while (files.size() - oldest >= kWindow) {
      while (!done[oldest]->load()) {
        std::this_thread::yield();
      }
      turn.Settle(files[oldest]->place);
      turn.Pass(files[oldest]->place);
      ++oldest;
    }
    files.push_back(std::make_unique<SFile>(SFile{i}));
    done.push_back(std::make_unique<std::atomic<bool>>(false));
    const uint64_t number = turn.Add(files.back().get());
    const bool byWorker = random() % 5 != 0;
    if (byWorker) {
      expected.push_back(i);
    }
    threads.emplace_back([&turn, number, byWorker, flag = done.back().get()] {
      if (byWorker) {
        turn.Ready(number);
      }
      flag->store(true);
    });
    if (threads.size() >= 8) {
      for (std::thread& thread : threads) {
        thread.join();
      }
      threads.clear();
    }
  }
  for (std::thread& thread : threads) {
    thread.join();
  }
  for (; oldest < files.size(); ++oldest) {
    turn.Settle(files[oldest]->place);
    turn.Pass(files[oldest]->place);
  }
  EXPECT_EQ(named, expected);
}

}  // namespace
