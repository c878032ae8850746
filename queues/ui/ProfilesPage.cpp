// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "queues/ui/ProfilesPage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/ui/Widgets.h"
#include "queues/ProfileList.h"

CProfilesPage::CProfilesPage(CProfileList& profiles, QWidget* parent)
    : QWidget(parent), m_profiles(profiles) {
  setObjectName(QStringLiteral("profilesPage"));
  m_names = new QComboBox(this);
  m_names->setObjectName(QStringLiteral("profileNames"));
  auto* label = new QLabel(QStringLiteral("&Profile:"), this);
  SetLabelFor(label, m_names);
  auto* form = new QFormLayout;
  form->addRow(label, m_names);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addStretch();
  connect(m_names, &QComboBox::activated, this, &CProfilesPage::Choose);
  Refresh();
}

void CProfilesPage::Refresh() {
  const QSignalBlocker quiet(m_names);
  m_names->clear();
  for (size_t i = 0; i < m_profiles.Count(); ++i) {
    m_names->addItem(QString::fromStdString(m_profiles.Name(i)));
  }
  m_names->setCurrentIndex(m_profiles.CurrentIndex());
}

void CProfilesPage::Choose(int index) {
  if (index != m_profiles.CurrentIndex()) {
    m_profiles.Choose(index);
  }
}
