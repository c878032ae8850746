// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ui/AttributesPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QVBoxLayout>

CAttributesPage::CAttributesPage(QWidget* parent) : CSettingsPage("attributesPage", parent) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_flags.Add("&Only copy source files when their archive attributes are set.",
                                "archiveOnly", &CSettingsState::archiveOnly, this));
  layout->addWidget(m_flags.Add("&Clear source-file archive attributes after copying.",
                                "clearArchive", &CSettingsState::clearArchive, this));
  layout->addSpacing(fontMetrics().height() / 2);

  m_attributes = {{
      {m_flags.Add("Include &read-only source files.", "includeReadOnly",
                   &CSettingsState::includeReadOnly, this),
       m_flags.Add("Copy the r&ead-only attribute to destination files.", "copyReadOnlyAttribute",
                   &CSettingsState::copyReadOnlyAttribute, this)},
      {m_flags.Add("Include &hidden source files.", "includeHidden", &CSettingsState::includeHidden,
                   this),
       m_flags.Add("Copy the h&idden attribute to destination files.", "copyHiddenAttribute",
                   &CSettingsState::copyHiddenAttribute, this)},
      {m_flags.Add("Include &system source files.", "includeSystem", &CSettingsState::includeSystem,
                   this),
       m_flags.Add("Copy the system &attribute to destination files.", "copySystemAttribute",
                   &CSettingsState::copySystemAttribute, this)},
  }};
  auto* attributes = new QGridLayout;
  attributes->setColumnMinimumWidth(0, fontMetrics().averageCharWidth() * 4);
  int row = 0;
  for (const SAttribute& attribute : m_attributes) {
    attributes->addWidget(attribute.include, row++, 0, 1, 2);
    attributes->addWidget(attribute.copy, row++, 1);
    connect(attribute.include, &QCheckBox::toggled, this, &CAttributesPage::ApplyEnables);
  }
  layout->addLayout(attributes);
  layout->addStretch();

  for (QCheckBox* box : findChildren<QCheckBox*>()) {
    connect(box, &QCheckBox::toggled, this, &CAttributesPage::NoteEdited);
  }
  Load(CSettingsState());
}

void CAttributesPage::Show(const CSettingsState& settings) {
  m_flags.Show(settings);
}

void CAttributesPage::Read(CSettingsState& settings) const {
  m_flags.Read(settings);
}

void CAttributesPage::ApplyEnables() {
  for (const SAttribute& attribute : m_attributes) {
    attribute.copy->setEnabled(attribute.include->isChecked());
  }
}
