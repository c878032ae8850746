// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <array>

#include "profile/ui/FlagBoxes.h"
#include "profile/ui/SettingsPage.h"

// The Attributes page: which source files the attributes admit, whether archive attributes
// are cleared, and which attributes the copies take.
class CAttributesPage : public CSettingsPage {
  Q_OBJECT

 public:
  explicit CAttributesPage(QWidget* parent = nullptr);

  void Read(CSettingsState& settings) const override;
  void ApplyEnables() override;

 protected:
  void Show(const CSettingsState& settings) override;

 private:
  // An attribute's include box, and the box that copies it, which counts only for files
  // that are included.
  struct SAttribute {
    QCheckBox* include = nullptr;
    QCheckBox* copy = nullptr;
  };

  CFlagBoxes m_flags;
  std::array<SAttribute, 3> m_attributes;
};
