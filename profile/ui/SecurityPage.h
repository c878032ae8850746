// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include "profile/ui/FlagBoxes.h"
#include "profile/ui/SettingsPage.h"

// The File Security page: whether copies take their sources' owner and access lists.
class CSecurityPage : public CSettingsPage {
  Q_OBJECT

 public:
  explicit CSecurityPage(QWidget* parent = nullptr);

  void Read(CSettingsState& settings) const override;

 protected:
  void Show(const CSettingsState& settings) override;

 private:
  CFlagBoxes m_flags;
};
