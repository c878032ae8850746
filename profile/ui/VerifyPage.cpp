// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ui/VerifyPage.h"

#include <QCheckBox>
#include <QVBoxLayout>

#include "profile/PageTexts.h"

CVerifyPage::CVerifyPage(QWidget* parent) : CSettingsPage("verifyPage", parent) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_flags.Add(captions::kKeepReadOnly, "keepReadOnlyDestination",
                                &CSettingsState::keepReadOnlyDestination, this));
  layout->addWidget(m_flags.Add(captions::kKeepHidden, "keepHiddenDestination",
                                &CSettingsState::keepHiddenDestination, this));
  layout->addWidget(m_flags.Add(captions::kKeepSystem, "keepSystemDestination",
                                &CSettingsState::keepSystemDestination, this));
  layout->addSpacing(fontMetrics().height() / 2);
  layout->addWidget(
      m_flags.Add(captions::kVerifyCopies, "verifyCopies", &CSettingsState::verifyCopies, this));
  layout->addWidget(
      m_flags.Add(captions::kAvoidStopping, "avoidStopping", &CSettingsState::avoidStopping, this));
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
