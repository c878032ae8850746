// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "listops/ui/RenameFileDlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/Prompter.h"
#include "core/ui/Widgets.h"
#include "listops/ui/ListWindows.h"

CRenameFileDlg::CRenameFileDlg(const std::string& folder, const std::string& name, bool fixedFont,
                               FRename rename, CPrompter& prompter, QWidget* parent)
    : QDialog(parent), m_name(name), m_rename(std::move(rename)), m_prompter(prompter) {
  setObjectName(QStringLiteral("renameFileWindow"));
  setWindowTitle(QStringLiteral("Rename a File"));
  auto* label = new QLabel(QStringLiteral("File &name:"), this);
  m_edit = new QLineEdit(Qs(name), this);
  m_edit->setObjectName(QStringLiteral("fileName"));
  m_edit->setMaxLength(255);
  m_edit->setToolTip(Qs(folder));
  SetLabelFor(label, m_edit);
  auto* rule = new QLabel(
      QStringLiteral("Do not include the following characters: * ? \\ : / \" < > |"), this);
  rule->setObjectName(QStringLiteral("characterRule"));
  auto* fontLabel = new QLabel(QStringLiteral("Font type for above name:"), this);
  m_proportional = new QRadioButton(QStringLiteral("&Proportional"), this);
  m_proportional->setObjectName(QStringLiteral("proportionalFont"));
  m_fixed = new QRadioButton(QStringLiteral("&Fixed"), this);
  m_fixed->setObjectName(QStringLiteral("fixedFont"));
  (fixedFont ? m_fixed : m_proportional)->setChecked(true);
  connect(m_fixed, &QRadioButton::toggled, this, &CRenameFileDlg::ShowFont);
  QDialogButtonBox* buttons = MakeOkCancel(this);
  auto* fonts = new QHBoxLayout;
  fonts->addWidget(fontLabel);
  fonts->addWidget(m_proportional);
  fonts->addWidget(m_fixed);
  fonts->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(m_edit);
  layout->addWidget(rule);
  layout->addLayout(fonts);
  layout->addWidget(buttons);
  ShowFont();
  resize(fontMetrics().averageCharWidth() * 70, sizeHint().height());
}

bool CRenameFileDlg::FixedFont() const {
  return m_fixed->isChecked();
}

void CRenameFileDlg::ShowFont() {
  m_edit->setFont(FixedFont() ? QFontDatabase::systemFont(QFontDatabase::FixedFont)
                              : QApplication::font());
}

void CRenameFileDlg::accept() {
  const std::string newName = Std(m_edit->text());
  if (newName == m_name) {
    QDialog::accept();
    return;
  }
  const std::string failure = m_rename(newName);
  if (!failure.empty()) {
    m_prompter.Show(failure, EIcon::kExclamation);
    m_edit->setFocus();
    return;
  }
  m_renamed = true;
  QDialog::accept();
}
