// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "queues/ui/ProfileNameDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/ui/Widgets.h"
#include "profile/DataFile.h"

CProfileNameDlg::CProfileNameDlg(EPurpose purpose, const SProfileNameEntry& entry, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("profileNameDialog"));
  setWindowTitle(purpose == EPurpose::kNew ? QStringLiteral("New Profile Name")
                                           : QStringLiteral("Change Profile Name"));
  m_name = new QLineEdit(QString::fromStdString(entry.name), this);
  m_name->setObjectName(QStringLiteral("profileName"));
  m_name->setMaxLength(static_cast<int>(kMaxProfileName));
  m_name->selectAll();
  auto* label = new QLabel(QStringLiteral("Profile &name:"), this);
  SetLabelFor(label, m_name);
  m_retain = new QCheckBox(QStringLiteral("Retain current settings."), this);
  m_retain->setObjectName(QStringLiteral("retainSettings"));
  m_retain->setChecked(purpose == EPurpose::kRename || entry.retain);
  m_retain->setEnabled(purpose == EPurpose::kNew);

  QDialogButtonBox* buttons = MakeOkCancel(this);

  auto* form = new QFormLayout;
  form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
  form->addRow(label, m_name);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(m_retain);
  layout->addWidget(buttons);
  // Room for a whole name of 50 characters.
  m_name->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
}

SProfileNameEntry CProfileNameDlg::Entry() const {
  return SProfileNameEntry{m_name->text().toStdString(), m_retain->isChecked()};
}
