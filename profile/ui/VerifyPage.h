// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include "profile/ui/FlagBoxes.h"
#include "profile/ui/SettingsPage.h"

// The Verify page: destination files not to overwrite, verifying copies, and going on after
// errors.
class CVerifyPage : public CSettingsPage {
  Q_OBJECT

 public:
  explicit CVerifyPage(QWidget* parent = nullptr);

  void Read(CSettingsState& settings) const override;

 protected:
  void Show(const CSettingsState& settings) override;

 private:
  CFlagBoxes m_flags;
};
