// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ui/FlagBoxes.h"

#include <QCheckBox>

#include "profile/ui/SettingsPage.h"

QCheckBox* CFlagBoxes::Add(std::string_view caption, const char* objectName,
                           int32_t CSettingsState::*field, QWidget* parent) {
  QCheckBox* box = MakeCheckBox(caption, objectName, parent);
  m_boxes.push_back({box, field});
  return box;
}

void CFlagBoxes::Show(const CSettingsState& settings) const {
  for (const SFlagBox& flag : m_boxes) {
    flag.box->setChecked(settings.*flag.field != 0);
  }
}

void CFlagBoxes::Read(CSettingsState& settings) const {
  for (const SFlagBox& flag : m_boxes) {
    settings.*flag.field = flag.box->isChecked() ? 1 : 0;
  }
}
