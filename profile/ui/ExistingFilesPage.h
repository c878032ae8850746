// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include "profile/PageRules.h"
#include "profile/ui/FlagBoxes.h"
#include "profile/ui/SettingsPage.h"

class CPrompter;
class QButtonGroup;
class QComboBox;

// The Existing Files page: when an existing destination file is overwritten, what becomes of
// the old file, and whether new files are included and stray files deleted.
class CExistingFilesPage : public CSettingsPage {
  Q_OBJECT

 public:
  CExistingFilesPage(CPrompter& prompter, QWidget* parent = nullptr);

  void Read(CSettingsState& settings) const override;
  void ApplyEnables() override;
  // Gathering into one folder overwrites only newer files and deletes no stray files; the
  // page shows so and keeps both controls from being changed.
  void SetGather(bool gather);

 protected:
  void Show(const CSettingsState& settings) override;

 private:
  void ShowChoices(const CSettingsState& settings);
  // A choice that would copy and delete nothing is repaired, with a message.
  void RepairAfter(EExistingFilesChange change);

  CPrompter& m_prompter;
  bool m_gather = false;
  QComboBox* m_overwrite = nullptr;
  QButtonGroup* m_dispose = nullptr;
  QComboBox* m_versionLimit = nullptr;
  QComboBox* m_versionSizeLimit = nullptr;
  CFlagBoxes m_flags;
  QCheckBox* m_includeNewFiles = nullptr;
  QCheckBox* m_deleteStrayFiles = nullptr;
};
