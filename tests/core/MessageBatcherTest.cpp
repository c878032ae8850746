// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/MessageBatcher.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

// Records each delivery as the list of the messages' first parameters, and each question.
class CRecordingTarget : public CMessageTarget {
 public:
  void Post(CMessage message) override { deliveries.push_back({message.first}); }
  void PostAll(std::vector<CMessage> messages) override {
    std::vector<int64_t> delivery;
    for (const CMessage& message : messages) {
      delivery.push_back(message.first);
    }
    deliveries.push_back(delivery);
  }
  int64_t Send(CMessage message) override {
    deliveries.push_back({-message.first});
    return 42;
  }
  bool WantsEachPost() const override { return eachPost; }

  std::vector<std::vector<int64_t>> deliveries;
  bool eachPost = false;
};

// Long enough that no delivery is ever due by the clock during a test.
constexpr uint64_t kNever = 1ULL << 50;

TEST(MessageBatcher, HoldsPostsAndDeliversThemInOrder) {
  CRecordingTarget target;
  CMessageBatcher batcher(&target, kNever);
  batcher.Deliver();  // the first post would otherwise go out at once
  for (int i = 1; i <= 3; ++i) {
    batcher.Post(CMessage(kMsgItemDone, i));
  }
  EXPECT_THAT(target.deliveries, IsEmpty());
  EXPECT_EQ(batcher.Held(), 3u);
  batcher.Deliver();
  batcher.Deliver();  // nothing held: no empty delivery
  EXPECT_THAT(target.deliveries, ElementsAre(ElementsAre(1, 2, 3)));
}

TEST(MessageBatcher, AQuestionFirstDeliversWhatIsHeld) {
  CRecordingTarget target;
  CMessageBatcher batcher(&target, kNever);
  batcher.Deliver();
  batcher.Post(CMessage(kMsgAddItems, 1));
  batcher.Post(CMessage(kMsgAddItems, 2));
  EXPECT_EQ(batcher.Send(CMessage(kMsgGatherCheck, 3)), 42);
  EXPECT_THAT(target.deliveries, ElementsAre(ElementsAre(1, 2), ElementsAre(-3)));
  EXPECT_EQ(batcher.Held(), 0u);
}

TEST(MessageBatcher, ACountLimitBoundsEachDelivery) {
  CRecordingTarget target;
  CMessageBatcher batcher(&target, kNever, 2);
  batcher.Deliver();
  for (int i = 1; i <= 5; ++i) {
    batcher.Post(CMessage(kMsgItemDone, i));
  }
  batcher.Deliver();
  EXPECT_THAT(target.deliveries, ElementsAre(ElementsAre(1, 2), ElementsAre(3, 4), ElementsAre(5)));
}

TEST(MessageBatcher, ATargetThatWantsEachPostGetsEachAtOnce) {
  CRecordingTarget target;
  target.eachPost = true;
  CMessageBatcher batcher(&target, kNever);
  batcher.Post(CMessage(kMsgItemDone, 1));
  batcher.Post(CMessage(kMsgItemDone, 2));
  EXPECT_THAT(target.deliveries, ElementsAre(ElementsAre(1), ElementsAre(2)));
}

TEST(MessageBatcher, TheFirstPostAfterARestartGoesOutAtOnce) {
  CRecordingTarget target;
  CMessageBatcher batcher(&target, kNever);
  batcher.Post(CMessage(kMsgItemDone, 1));
  batcher.Post(CMessage(kMsgItemDone, 2));
  EXPECT_THAT(target.deliveries, ElementsAre(ElementsAre(1)));
  batcher.Restart(&target);  // what was held belongs to the run that ended
  batcher.Post(CMessage(kMsgItemDone, 3));
  EXPECT_THAT(target.deliveries, ElementsAre(ElementsAre(1), ElementsAre(3)));
}

TEST(MessageBatcher, WithoutATargetNothingIsHeldOrAsked) {
  CMessageBatcher batcher(nullptr, kNever);
  batcher.Post(CMessage(kMsgItemDone, 1));
  EXPECT_EQ(batcher.Held(), 0u);
  EXPECT_EQ(batcher.Send(CMessage(kMsgGatherCheck)), 0);
}

}  // namespace
