// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace platform {
class COptionStore;
}

// A window rectangle in screen pixels; right and bottom lie just outside it.
struct SRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;

  int32_t Width() const { return right - left; }
  int32_t Height() const { return bottom - top; }
  bool operator==(const SRect&) const = default;
};

// The primary screen's work area (its left and top are 0) and the system icon size, which
// sets how much of a window must stay on the screen.
struct SWorkArea {
  int32_t right = 0;
  int32_t bottom = 0;
  int32_t iconWidth = 0;
  int32_t iconHeight = 0;
};

// Show commands, numbered as the stored values are.
inline constexpr int32_t kShowNormal = 1;
inline constexpr int32_t kShowMinimized = 2;
inline constexpr int32_t kShowMaximized = 3;
inline constexpr int32_t kShowMinimize = 6;
inline constexpr int32_t kShowMinNoActive = 7;

// How a window is shown and where its normal (neither minimised nor maximised) rectangle is.
struct SPlacement {
  int32_t flags = 0;
  int32_t showCmd = kShowNormal;
  SRect normal;

  bool IsMinimized() const {
    return showCmd == kShowMinimized || showCmd == kShowMinimize || showCmd == kShowMinNoActive;
  }
  bool operator==(const SPlacement&) const = default;
};

// The main window's placement, kept in the option store between runs.
class CWindowPlacement {
 public:
  explicit CWindowPlacement(std::string section = "Placement");

  // False when the store could not be written.
  bool Save(platform::COptionStore& store, const SPlacement& placement) const;
  // The placement to apply, with a window left near the right or bottom edge pulled back so
  // that part of it can still be reached. Nothing when the store holds no complete placement.
  std::optional<SPlacement> Restore(const platform::COptionStore& store,
                                    const SWorkArea& work) const;

 private:
  std::string m_section;
};

struct SStartPlacement {
  SRect main;
  SRect preview;
};

// Without a stored placement: the main window centred across the screen with the preview
// window below it, the pair centred up and down. The sizes are kept.
SStartPlacement PlaceUnrestored(const SRect& main, const SRect& preview, const SWorkArea& work);

// With a restored placement: the preview window centred under the main window (under its
// normal rectangle when it is minimised), its top kept where its title bar can be reached.
// `mainWindow` is the main window's rectangle after the placement was applied.
SRect PlacePreviewUnderMain(const SPlacement& restored, const SRect& mainWindow,
                            const SRect& preview, const SWorkArea& work);

// The two debug lines that record where both windows went.
std::array<std::string, 2> PlacementDebugLines(const SRect& main, const SRect& preview);
