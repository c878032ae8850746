// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/WindowPlacement.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "platform/OptionStore.h"

namespace {

// Stands for a value that was never stored.
constexpr int32_t kMissing = -1;

// The lowest left or top edge a window may keep: two icons' worth of it stay visible.
int32_t EdgeBound(int32_t workEdge, int32_t iconSize) {
  return workEdge - 2 * iconSize;
}

// Moves the span [low, high) so that `low` is at most `bound`, keeping its length.
void PullBack(int32_t& low, int32_t& high, int32_t bound) {
  if (low >= bound) {
    high += bound - low;
    low = bound;
  }
}

std::string DebugLine(const char* label, const SRect& r) {
  char line[128];
  std::snprintf(line, sizeof line, "%s left: %03d, top: %03d, right: %03d, bottom: %03d", label,
                r.left, r.top, r.right, r.bottom);
  return line;
}

}  // namespace

CWindowPlacement::CWindowPlacement(std::string section) : m_section(std::move(section)) {}

bool CWindowPlacement::Save(platform::COptionStore& store, const SPlacement& placement) const {
  store.SetInt(m_section, "Flags", placement.flags);
  store.SetInt(m_section, "ShowCmd", placement.showCmd);
  store.SetInt(m_section, "x1", placement.normal.left);
  store.SetInt(m_section, "y1", placement.normal.top);
  store.SetInt(m_section, "x2", placement.normal.right);
  store.SetInt(m_section, "y2", placement.normal.bottom);
  return store.Sync();
}

std::optional<SPlacement> CWindowPlacement::Restore(const platform::COptionStore& store,
                                                    const SWorkArea& work) const {
  SPlacement placement;
  const std::pair<const char*, int32_t*> values[] = {
      {"Flags", &placement.flags},     {"ShowCmd", &placement.showCmd},
      {"x1", &placement.normal.left},  {"y1", &placement.normal.top},
      {"x2", &placement.normal.right}, {"y2", &placement.normal.bottom},
  };
  for (const auto& [name, value] : values) {
    *value = store.GetInt(m_section, name, kMissing);
    if (*value == kMissing) {
      return std::nullopt;
    }
  }
  // A window that the screen has shrunk away from (a smaller or removed monitor) would open
  // out of reach. One left of or above the screen still shows its right or lower part.
  PullBack(placement.normal.left, placement.normal.right, EdgeBound(work.right, work.iconWidth));
  PullBack(placement.normal.top, placement.normal.bottom, EdgeBound(work.bottom, work.iconHeight));
  return placement;
}

SStartPlacement PlaceUnrestored(const SRect& main, const SRect& preview, const SWorkArea& work) {
  const int32_t mainWidth = main.Width();
  const int32_t mainHeight = main.Height();
  const int32_t previewWidth = preview.Width();
  const int32_t previewHeight = preview.Height();

  SStartPlacement result;
  result.main.left = (work.right - mainWidth) / 2;
  result.main.top = (work.bottom - mainHeight - previewHeight) / 2;
  result.main.right = result.main.left + mainWidth;
  result.main.bottom = result.main.top + mainHeight;
  result.preview.left = result.main.left - (previewWidth - mainWidth) / 2;
  result.preview.top = result.main.bottom;
  result.preview.right = result.preview.left + previewWidth;
  result.preview.bottom = result.preview.top + previewHeight;
  return result;
}

SRect PlacePreviewUnderMain(const SPlacement& restored, const SRect& mainWindow,
                            const SRect& preview, const SWorkArea& work) {
  const SRect& under = restored.IsMinimized() ? restored.normal : mainWindow;
  const int32_t width = preview.Width();
  const int32_t height = preview.Height();
  SRect result;
  result.left = under.left + (under.Width() - width) / 2;
  result.top = std::min(under.bottom, EdgeBound(work.bottom, work.iconHeight));
  result.right = result.left + width;
  result.bottom = result.top + height;
  return result;
}

std::array<std::string, 2> PlacementDebugLines(const SRect& main, const SRect& preview) {
  return {DebugLine("main     :", main), DebugLine("preview:", preview)};
}
