// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>

#include "profile/ui/EntryList.h"
#include "profile/ui/SettingsPage.h"

class QButtonGroup;

// The File/Folder Names page: whether names are filtered, the match/exclude patterns, and
// whether the patterns allow typos. In tree-only copy mode the patterns choose folders.
class CNamesPage : public CSettingsPage {
  Q_OBJECT

 public:
  explicit CNamesPage(QWidget* parent = nullptr);

  void Read(CSettingsState& settings) const override;
  void ClearEditor() override;
  void SetNameFont(const QFont& font) override;
  void SetOrder(FEntryLess order) { m_editor.order = std::move(order); }
  // Names the page's choices for files or, in tree-only mode, for folders.
  void SetCopyMode(int32_t copyMode);

 protected:
  void Show(const CSettingsState& settings) override;

 private:
  QButtonGroup* m_modes = nullptr;
  QCheckBox* m_allowTypos = nullptr;
  SEntryEditor m_editor;
  QButtonGroup* m_tags = nullptr;  // match or exclude, for the pattern being entered
};
