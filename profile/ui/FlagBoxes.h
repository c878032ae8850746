// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "profile/SettingsState.h"

class QCheckBox;
class QWidget;

// Check boxes that each show one flag of the settings.
struct SFlagBox {
  QCheckBox* box = nullptr;
  int32_t CSettingsState::*field = nullptr;
};

class CFlagBoxes {
 public:
  QCheckBox* Add(std::string_view caption, const char* objectName, int32_t CSettingsState::*field,
                 QWidget* parent);
  void Show(const CSettingsState& settings) const;
  void Read(CSettingsState& settings) const;

 private:
  std::vector<SFlagBox> m_boxes;
};
