// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "listops/ui/CompareDetailsDlg.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/ui/Widgets.h"
#include "listops/LaunchJob.h"
#include "listops/ui/ListWindows.h"
#include "platform/FileInfo.h"

CCompareDetailsDlg::CCompareDetailsDlg(std::vector<SCompareRecord> records, std::string program,
                                       CLaunchPool& launches, QWidget* parent)
    : QDialog(parent),
      m_records(std::move(records)),
      m_program(std::move(program)),
      m_launches(launches) {
  setObjectName(QStringLiteral("compareDetailsWindow"));
  setWindowTitle(QStringLiteral("Compare Details"));
  auto* label = new QLabel(QStringLiteral("&Filename:"), this);
  m_names = new QComboBox(this);
  m_names->setObjectName(QStringLiteral("fileNames"));
  for (const SCompareRecord& record : m_records) {
    m_names->addItem(Qs(record.name));
  }
  SetLabelFor(label, m_names);
  m_missing =
      new QLabel(QStringLiteral("The corresponding destination file does not exist."), this);
  m_missing->setObjectName(QStringLiteral("missingText"));
  m_missing->hide();
  m_previous = MakeButton(QStringLiteral("&Previous"), "previousButton", this);
  m_currentButton = MakeButton(QStringLiteral("&Current"), "currentButton", this);
  m_next = MakeButton(QStringLiteral("&Next"), "nextButton", this);
  auto* close = MakeButton(QStringLiteral("C&lose"), "closeButton", this);
  for (QPushButton* button : {m_previous, m_currentButton, m_next}) {
    button->setAutoDefault(false);
  }
  close->setDefault(true);
  connect(m_names, &QComboBox::activated, this, &CCompareDetailsDlg::ShowRecord);
  connect(m_previous, &QPushButton::clicked, this, [this] { ShowRecord(m_current - 1); });
  connect(m_currentButton, &QPushButton::clicked, this, [this] { ShowRecord(m_current); });
  connect(m_next, &QPushButton::clicked, this, [this] { ShowRecord(m_current + 1); });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(label);
  nameRow->addWidget(m_names, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(m_previous);
  buttons->addWidget(m_currentButton);
  buttons->addWidget(m_next);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(nameRow);
  layout->addWidget(m_missing);
  layout->addLayout(buttons);
  resize(fontMetrics().averageCharWidth() * 60, sizeHint().height());
  ShowRecord(0);
}

void CCompareDetailsDlg::ShowRecord(int index) {
  if (index < 0 || static_cast<size_t>(index) >= m_records.size()) {
    return;
  }
  m_current = index;
  m_names->setCurrentIndex(index);
  m_previous->setEnabled(index > 0);
  m_next->setEnabled(static_cast<size_t>(index) + 1 < m_records.size());
  const SCompareRecord& record = m_records[static_cast<size_t>(index)];
  const bool exists = platform::FileExists(record.destinationPath);
  m_missing->setVisible(!exists);
  m_currentButton->setEnabled(exists);
  if (exists) {
    LaunchComparison(m_launches, m_program, record);
  }
}
