// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <functional>
#include <string>

#include "profile/ui/EntryListPage.h"

class QButtonGroup;

// The Subfolders page: which subfolders the walk takes, and the include/exclude list.
class CSubfoldersPage : public CEntryListPage {
  Q_OBJECT

 public:
  explicit CSubfoldersPage(SEditorContext& context, QWidget* parent = nullptr);

  void Read(CSettingsState& settings) const override;
  void ApplyEnables() override;
  // Where the page reads the source path in force: the Folders page's box.
  void SetSourcePath(std::function<std::string()> source) { m_source = std::move(source); }

 protected:
  void Show(const CSettingsState& settings) override;
  SListOutcome AddTyped(std::vector<SDisplayEntry>& entries, const std::string& text) override;
  void TakeForEditing(const STakenEntry& taken) override;
  void EditFixedEntry(const std::string& question) override;
  void DroppedOnBox(const std::vector<SDroppedItem>& items) override;
  void DroppedOnList(const std::vector<SDroppedItem>& items) override;
  void ChooseListMode() override;

 private:
  // The tag of entries being added, from the option buttons.
  EEntryTag Tag() const;
  void SetTag(EEntryTag tag);
  std::string SourcePath() const;
  void OnBrowse();
  void OnAddSet();

  QButtonGroup* m_modes = nullptr;
  QButtonGroup* m_tags = nullptr;  // include or exclude, for the entry being entered
  QCheckBox* m_withSubfolders = nullptr;
  std::function<std::string()> m_source;
};
