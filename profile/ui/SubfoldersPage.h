// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include "profile/ui/EntryList.h"
#include "profile/ui/SettingsPage.h"

class QButtonGroup;

// The Subfolders page: which subfolders the walk takes, and the include/exclude list.
class CSubfoldersPage : public CSettingsPage {
  Q_OBJECT

 public:
  explicit CSubfoldersPage(QWidget* parent = nullptr);

  void Read(CSettingsState& settings) const override;
  void ApplyEnables() override;
  void ClearEditor() override;
  void SetNameFont(const QFont& font) override;
  void SetOrder(FEntryLess order) { m_editor.order = std::move(order); }

 protected:
  void Show(const CSettingsState& settings) override;

 private:
  QButtonGroup* m_modes = nullptr;
  SEntryEditor m_editor;
  QButtonGroup* m_tags = nullptr;  // include or exclude, for the entry being entered
  QCheckBox* m_withSubfolders = nullptr;
};
