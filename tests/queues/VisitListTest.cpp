// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "queues/VisitList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

CVisitList Visited(const Names& names) {
  CVisitList list;
  for (const std::string& name : names) {
    list.Visit(name);
  }
  return list;
}

TEST(VisitList, AnEmptyHistoryLeadsNowhere) {
  CVisitList list;
  EXPECT_TRUE(list.AtFirst());
  EXPECT_TRUE(list.AtLast());
  EXPECT_FALSE(list.First());
  EXPECT_FALSE(list.Last());
  EXPECT_FALSE(list.Previous());
  EXPECT_FALSE(list.Next());
  EXPECT_EQ(list.Position(), -1);
}

TEST(VisitList, MovesBetweenItsEndsAndStopsThere) {
  CVisitList list = Visited({"A", "B", "C"});
  EXPECT_TRUE(list.AtLast());
  EXPECT_FALSE(list.AtFirst());
  EXPECT_FALSE(list.Next());
  EXPECT_EQ(list.Previous(), "B");
  EXPECT_EQ(list.Previous(), "A");
  EXPECT_TRUE(list.AtFirst());
  EXPECT_FALSE(list.Previous());
  EXPECT_EQ(list.Last(), "C");
  EXPECT_EQ(list.First(), "A");
  EXPECT_EQ(list.Next(), "B");
  list.Clear();
  EXPECT_TRUE(list.Empty());
  EXPECT_FALSE(list.First());
}

TEST(VisitList, AVisitAfterGoingBackDropsTheWayForward) {
  CVisitList list = Visited({"A", "B", "C"});
  list.Previous();
  list.Previous();
  list.Visit("D");
  EXPECT_EQ(list.Names(), (Names{"A", "D"}));
  EXPECT_TRUE(list.AtLast());
}

TEST(VisitList, VisitingTheCurrentNameAgainAddsNothing) {
  CVisitList list = Visited({"A", "B", "B"});
  EXPECT_EQ(list.Names(), (Names{"A", "B"}));
  list.Previous();
  list.Visit("A");  // cuts the way forward, though
  EXPECT_EQ(list.Names(), (Names{"A"}));
  list.Visit("a");  // names keep their case
  EXPECT_EQ(list.Names(), (Names{"A", "a"}));
}

TEST(VisitList, RenamesEveryEntryOfExactlyThatName) {
  CVisitList list = Visited({"Work", "Home", "Work", "work"});
  list.Rename("Work", "Office");
  EXPECT_EQ(list.Names(), (Names{"Office", "Home", "Office", "work"}));
}

TEST(VisitList, RemovingANameMergesTheNeighboursItSeparated) {
  CVisitList list = Visited({"A", "B", "A"});
  list.Remove("B");
  EXPECT_EQ(list.Names(), (Names{"A"}));
  EXPECT_EQ(list.Position(), 0);

  list = Visited({"A", "B", "C", "B", "C", "A", "B", "A"});
  list.Remove("B");
  EXPECT_EQ(list.Names(), (Names{"A", "C", "A"}));
  EXPECT_TRUE(list.AtFirst());

  list = Visited({"A"});
  list.Remove("A");
  EXPECT_TRUE(list.Empty());
  EXPECT_EQ(list.Position(), -1);
  EXPECT_FALSE(list.Previous());
}

}  // namespace
