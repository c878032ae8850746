// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "profile/ui/EntryListPage.h"

// The Paths page: full paths of files (or, in tree-only copy mode, folders) to leave out.
class CPathsPage : public CEntryListPage {
  Q_OBJECT

 public:
  explicit CPathsPage(SEditorContext& context, QWidget* parent = nullptr);

  void Read(CSettingsState& settings) const override;
  void SetCopyMode(int32_t copyMode);
  // Enters paths to exclude as checked entries (Exclude and Remember of the preview list);
  // the last becomes the list's current entry.
  void RememberPaths(const std::vector<std::string>& paths);

 protected:
  void Show(const CSettingsState& settings) override;
  SListOutcome AddTyped(std::vector<SDisplayEntry>& entries, const std::string& text) override;
  void DroppedOnBox(const std::vector<SDroppedItem>& items) override;
  void DroppedOnList(const std::vector<SDroppedItem>& items) override;
};
