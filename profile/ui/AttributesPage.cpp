// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ui/AttributesPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QVBoxLayout>

#include "profile/PageTexts.h"

CAttributesPage::CAttributesPage(QWidget* parent) : CSettingsPage("attributesPage", parent) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      m_flags.Add(captions::kArchiveOnly, "archiveOnly", &CSettingsState::archiveOnly, this));
  layout->addWidget(
      m_flags.Add(captions::kClearArchive, "clearArchive", &CSettingsState::clearArchive, this));
  layout->addSpacing(fontMetrics().height() / 2);

  m_attributes = {{
      {m_flags.Add(captions::kIncludeReadOnly, "includeReadOnly", &CSettingsState::includeReadOnly,
                   this),
       m_flags.Add(captions::kCopyReadOnly, "copyReadOnlyAttribute",
                   &CSettingsState::copyReadOnlyAttribute, this)},
      {m_flags.Add(captions::kIncludeHidden, "includeHidden", &CSettingsState::includeHidden, this),
       m_flags.Add(captions::kCopyHidden, "copyHiddenAttribute",
                   &CSettingsState::copyHiddenAttribute, this)},
      {m_flags.Add(captions::kIncludeSystem, "includeSystem", &CSettingsState::includeSystem, this),
       m_flags.Add(captions::kCopySystem, "copySystemAttribute",
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
