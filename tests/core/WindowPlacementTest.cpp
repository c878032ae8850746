// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/WindowPlacement.h"

#include <gtest/gtest.h>

#include "platform/OptionStore.h"
#include "tests/support/TestSandbox.h"

namespace {

// Window edges may not start at or past 1000 - 2 * 32 = 936 across, 700 - 2 * 30 = 640 down.
constexpr SWorkArea kWork{1000, 700, 32, 30};

class WindowPlacement : public ::testing::Test {
 protected:
  std::optional<SPlacement> SaveAndRestore(const SRect& normal, int32_t showCmd = kShowNormal) {
    EXPECT_TRUE(m_placement.Save(m_store, SPlacement{2, showCmd, normal}));
    return m_placement.Restore(m_store, kWork);
  }

  testing_support::CTestSandbox m_sandbox;
  platform::COptionStore m_store{m_sandbox.Root() + "/options.conf"};
  CWindowPlacement m_placement;
};

TEST_F(WindowPlacement, PlacementOnTheScreenIsRestoredAsSaved) {
  const auto restored = SaveAndRestore({100, 50, 900, 600}, kShowMaximized);
  ASSERT_TRUE(restored);
  EXPECT_EQ(*restored, (SPlacement{2, kShowMaximized, {100, 50, 900, 600}}));
  EXPECT_EQ(m_store.GetInt("Placement", "x2", 0), 900);
  EXPECT_EQ(m_store.GetInt("Placement", "y1", 0), 50);
}

TEST_F(WindowPlacement, IncompletePlacementIsNotRestored) {
  EXPECT_FALSE(m_placement.Restore(m_store, kWork));
  for (const char* name : {"Flags", "ShowCmd", "x1", "y1", "x2", "y2"}) {
    SaveAndRestore({100, 50, 900, 600});
    m_store.Remove("Placement", name);
    EXPECT_FALSE(m_placement.Restore(m_store, kWork)) << name << " missing";
    SaveAndRestore({100, 50, 900, 600});
    m_store.SetInt("Placement", name, -1);
    EXPECT_FALSE(m_placement.Restore(m_store, kWork)) << name << " stored as -1";
  }
}

TEST_F(WindowPlacement, WindowNearTheRightOrBottomEdgeIsPulledBack) {
  auto restored = SaveAndRestore({950, 660, 1350, 860});
  ASSERT_TRUE(restored);
  EXPECT_EQ(restored->normal, (SRect{936, 640, 1336, 840}));

  restored = SaveAndRestore({935, 639, 1335, 839});
  ASSERT_TRUE(restored);
  EXPECT_EQ(restored->normal, (SRect{935, 639, 1335, 839}));

  // Left of and above the screen the window still shows its other edges.
  restored = SaveAndRestore({-300, -200, 200, 100});
  ASSERT_TRUE(restored);
  EXPECT_EQ(restored->normal, (SRect{-300, -200, 200, 100}));
}

TEST(WindowPlacementAtStart, UnrestoredPairIsCentred) {
  const SStartPlacement wide = PlaceUnrestored({10, 10, 610, 310}, {0, 0, 800, 300}, kWork);
  EXPECT_EQ(wide.main, (SRect{200, 50, 800, 350}));
  EXPECT_EQ(wide.preview, (SRect{100, 350, 900, 650}));

  const SStartPlacement narrow = PlaceUnrestored({0, 0, 600, 300}, {0, 0, 400, 100}, kWork);
  EXPECT_EQ(narrow.main, (SRect{200, 150, 800, 450}));
  EXPECT_EQ(narrow.preview, (SRect{300, 450, 700, 550}));
}

TEST(WindowPlacementAtStart, PreviewGoesUnderTheRestoredMainWindow) {
  const SRect preview{0, 0, 800, 100};
  const SPlacement shown{0, kShowNormal, {0, 0, 10, 10}};
  EXPECT_EQ(PlacePreviewUnderMain(shown, {100, 200, 700, 400}, preview, kWork),
            (SRect{0, 400, 800, 500}));

  // A minimised main window's own rectangle is its icon's; its normal one counts.
  const SPlacement minimised{0, kShowMinimized, {300, 100, 900, 300}};
  EXPECT_EQ(PlacePreviewUnderMain(minimised, {-32000, -32000, -31840, -31970}, preview, kWork),
            (SRect{200, 300, 1000, 400}));

  // The preview's title bar stays reachable above the bottom edge.
  EXPECT_EQ(PlacePreviewUnderMain(shown, {100, 300, 700, 650}, preview, kWork).top, 640);
  EXPECT_EQ(PlacePreviewUnderMain(shown, {100, 300, 700, 640}, preview, kWork).top, 640);
  EXPECT_EQ(PlacePreviewUnderMain(shown, {100, 300, 700, 639}, preview, kWork),
            (SRect{0, 639, 800, 739}));
}

TEST(WindowPlacementAtStart, DebugLinesShowBothRectangles) {
  const auto lines = PlacementDebugLines({5, 20, 300, 400}, {0, 0, 1000, 2000});
  EXPECT_EQ(lines[0], "main     : left: 005, top: 020, right: 300, bottom: 400");
  EXPECT_EQ(lines[1], "preview: left: 000, top: 000, right: 1000, bottom: 2000");
}

}  // namespace
