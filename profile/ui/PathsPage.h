// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "profile/ui/EntryList.h"
#include "profile/ui/SettingsPage.h"

// The Paths page: full paths of files (or, in tree-only copy mode, folders) to leave out.
class CPathsPage : public CSettingsPage {
  Q_OBJECT

 public:
  explicit CPathsPage(QWidget* parent = nullptr);

  void Read(CSettingsState& settings) const override;
  void ClearEditor() override;
  void SetNameFont(const QFont& font) override;
  void SetOrder(FEntryLess order) { m_editor.order = std::move(order); }
  void SetCopyMode(int32_t copyMode);
  // Enters paths to exclude as checked entries (Exclude and Remember of the preview list);
  // the last becomes the list's current entry.
  void RememberPaths(const std::vector<std::string>& paths);

 protected:
  void Show(const CSettingsState& settings) override;

 private:
  SEntryEditor m_editor;
};
