// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/MessageQueue.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

constexpr auto kPatience = 10s;

// Runs `work` on a thread of its own whose end nobody waits for: a sender that is never
// answered must make the test fail, not hang. The work shares ownership of what it uses.
template <typename Work>
auto OnDetachedThread(Work work) {
  std::packaged_task<decltype(work())()> task(std::move(work));
  auto result = task.get_future();
  std::thread(std::move(task)).detach();
  return result;
}

// Waits for the sender to have queued its message; the queue offers no notification of that.
bool WaitForPending(const CMessageQueue& queue, size_t count) {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (queue.Pending() < count) {
    if (std::chrono::steady_clock::now() > deadline) {
      return false;
    }
    std::this_thread::yield();
  }
  return true;
}

TEST(MessageQueue, DispatchReportsWhenNothingCame) {
  CMessageQueue queue;
  bool handled = false;
  EXPECT_FALSE(queue.DispatchOne(
      [&](CMessage&) {
        handled = true;
        return 0;
      },
      1ms));
  EXPECT_FALSE(handled);
}

TEST(MessageQueue, DispatchUntilHandlesEverythingBeforeGivingUp) {
  CMessageQueue queue;
  queue.Post(CMessage(kMsgStatusText, 1));
  queue.Post(CMessage(kMsgStatusText, 2));
  int handled = 0;
  EXPECT_FALSE(queue.DispatchUntil(
      [&](CMessage&) {
        ++handled;
        return 0;
      },
      [](const CMessage& message) { return message.Offset() == kMsgCopyDone; }, 20ms));
  EXPECT_EQ(handled, 2);
  EXPECT_EQ(queue.Pending(), 0u);
}

TEST(MessageQueue, PostedAndSentMessagesKeepTheirOrder) {
  const auto queue = std::make_shared<CMessageQueue>();
  auto sender = OnDetachedThread([queue] {
    queue->Post(CMessage(kMsgCurrentFolder, 1));
    const int64_t answer = queue->Send(CMessage(kMsgGatherCheck, 2));
    queue->Post(CMessage(kMsgCurrentFolder, 3));
    return answer;
  });
  std::vector<int64_t> seen;
  const auto handler = [&](CMessage& message) {
    seen.push_back(message.first);
    return message.first * 10;
  };
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(queue->DispatchOne(handler, kPatience));
  }
  EXPECT_EQ(seen, (std::vector<int64_t>{1, 2, 3}));
  ASSERT_EQ(sender.wait_for(kPatience), std::future_status::ready);
  EXPECT_EQ(sender.get(), 20);
}

TEST(MessageQueue, AFailingHandlerStillReleasesTheSender) {
  const auto queue = std::make_shared<CMessageQueue>();
  auto sender = OnDetachedThread([queue] { return queue->Send(CMessage(kMsgGatherCheck)); });
  EXPECT_THROW(
      queue->DispatchOne([](CMessage&) -> int64_t { throw std::runtime_error("no"); }, kPatience),
      std::runtime_error);
  ASSERT_EQ(sender.wait_for(kPatience), std::future_status::ready);
  EXPECT_EQ(sender.get(), 0);
}

TEST(MessageQueue, DestructionAnswersAWaitingSenderWithZero) {
  auto queue = std::make_unique<CMessageQueue>();
  CMessageQueue* target = queue.get();
  // The queue's own end is under test, so the sender cannot share it; it touches the queue
  // only until its message is queued.
  auto sender = OnDetachedThread([target] { return target->Send(CMessage(kMsgGatherCheck)); });
  ASSERT_TRUE(WaitForPending(*queue, 1));
  queue.reset();
  ASSERT_EQ(sender.wait_for(kPatience), std::future_status::ready);
  EXPECT_EQ(sender.get(), 0);
}

}  // namespace
