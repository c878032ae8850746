// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ui/VerifyPage.h"

#include <QCheckBox>
#include <QVBoxLayout>

CVerifyPage::CVerifyPage(QWidget* parent) : CSettingsPage("verifyPage", parent) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_flags.Add("Don't overwrite &read-only destination files.",
                                "keepReadOnlyDestination", &CSettingsState::keepReadOnlyDestination,
                                this));
  layout->addWidget(m_flags.Add("Don't overwrite &hidden destination files.",
                                "keepHiddenDestination", &CSettingsState::keepHiddenDestination,
                                this));
  layout->addWidget(m_flags.Add("Don't overwrite &system destination files.",
                                "keepSystemDestination", &CSettingsState::keepSystemDestination,
                                this));
  layout->addSpacing(fontMetrics().height() / 2);
  layout->addWidget(m_flags.Add("&Verify that files were copied properly (for reassurance).",
                                "verifyCopies", &CSettingsState::verifyCopies, this));
  layout->addWidget(m_flags.Add("&Avoid stopping when an error occurs (after initial validation).",
                                "avoidStopping", &CSettingsState::avoidStopping, this));
  layout->addStretch();
  for (QCheckBox* box : findChildren<QCheckBox*>()) {
    connect(box, &QCheckBox::toggled, this, &CVerifyPage::NoteEdited);
  }
  Load(CSettingsState());
}

void CVerifyPage::Show(const CSettingsState& settings) {
  m_flags.Show(settings);
}

void CVerifyPage::Read(CSettingsState& settings) const {
  m_flags.Read(settings);
}
