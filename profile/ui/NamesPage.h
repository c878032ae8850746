// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>

#include "profile/ui/EntryListPage.h"

class QButtonGroup;

// The File/Folder Names page: whether names are filtered, the match/exclude patterns, and
// whether the patterns allow typos. In tree-only copy mode the patterns choose folders.
class CNamesPage : public CEntryListPage {
  Q_OBJECT

 public:
  explicit CNamesPage(SEditorContext& context, QWidget* parent = nullptr);

  void Read(CSettingsState& settings) const override;
  // Names the page's choices for files or, in tree-only mode, for folders.
  void SetCopyMode(int32_t copyMode);

 protected:
  void Show(const CSettingsState& settings) override;
  SListOutcome AddTyped(std::vector<SDisplayEntry>& entries, const std::string& text) override;
  void TakeForEditing(const STakenEntry& taken) override;
  void DroppedOnBox(const std::vector<SDroppedItem>& items) override;
  void DroppedOnList(const std::vector<SDroppedItem>& items) override;
  void ChooseListMode() override;

 private:
  EEntryTag Tag() const;
  bool TreeOnly() const { return m_copyMode == kCopyTreeOnly; }

  QButtonGroup* m_modes = nullptr;
  QCheckBox* m_allowTypos = nullptr;
  QButtonGroup* m_tags = nullptr;  // match or exclude, for the pattern being entered
  int32_t m_copyMode = kCopyIntoFolders;
};
