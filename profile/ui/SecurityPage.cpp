// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ui/SecurityPage.h"

#include <QCheckBox>
#include <QVBoxLayout>

#include "profile/PageTexts.h"

CSecurityPage::CSecurityPage(QWidget* parent) : CSettingsPage("securityPage", parent) {
  auto* layout = new QVBoxLayout(this);
  QCheckBox* box =
      m_flags.Add(captions::kCopySecurity, "copySecurity", &CSettingsState::copySecurity, this);
  layout->addWidget(box);
  layout->addStretch();
  connect(box, &QCheckBox::toggled, this, &CSecurityPage::NoteEdited);
  Load(CSettingsState());
}

void CSecurityPage::Show(const CSettingsState& settings) {
  m_flags.Show(settings);
}

void CSecurityPage::Read(CSettingsState& settings) const {
  m_flags.Read(settings);
}
