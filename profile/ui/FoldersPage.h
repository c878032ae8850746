// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <array>
#include <cstdint>

#include "profile/ui/SettingsPage.h"

class QButtonGroup;
class QLineEdit;

// The Folders page: the source and destination folders and the copy mode.
class CFoldersPage : public CSettingsPage {
  Q_OBJECT

 public:
  explicit CFoldersPage(QWidget* parent = nullptr);

  void Read(CSettingsState& settings) const override;
  void SetNameFont(const QFont& font) override;

  int32_t CopyMode() const;
  // The folder texts as the checks before a run corrected them.
  void SetFolderTexts(const std::string& source, const std::string& destination);

 signals:
  // The copy mode changed, by the user or by loading a profile.
  void copyModeChanged(int mode);

 protected:
  void Show(const CSettingsState& settings) override;

 private:
  void OnModeChosen();

  QLineEdit* m_source = nullptr;
  QLineEdit* m_destination = nullptr;
  QButtonGroup* m_modes = nullptr;
};
