// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/ui/SetAttributesDlg.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/ui/Widgets.h"
#include "platform/Types.h"

namespace {

const QString kAddIn = QStringLiteral("Add &In");
const QString kReplace = QStringLiteral("R&eplace");
const QString kStop = QStringLiteral("&Stop");

}  // namespace

CSetAttributesDlg::CSetAttributesDlg(Runner run, QWidget* parent)
    : QDialog(parent), m_run(std::move(run)) {
  setObjectName(QStringLiteral("setAttributes"));
  setWindowTitle(QStringLiteral("Set Attributes"));
  auto* text = new QLabel(
      QStringLiteral("You may want to set the archive attribute of source files to allow for "
                     "copying onto multiple destination disks or drives."),
      this);
  text->setWordWrap(true);
  text->setMinimumWidth(fontMetrics().averageCharWidth() * 50);
  m_archive = new QCheckBox(QStringLiteral("&Archive"), this);
  m_archive->setObjectName(QStringLiteral("archive"));
  m_readOnly = new QCheckBox(QStringLiteral("&Read-only"), this);
  m_readOnly->setObjectName(QStringLiteral("readOnly"));
  m_hidden = new QCheckBox(QStringLiteral("&Hidden"), this);
  m_hidden->setObjectName(QStringLiteral("hidden"));
  m_addIn = MakeButton(kAddIn, "addInButton", this);
  m_replace = MakeButton(kReplace, "replaceButton", this);
  m_close = MakeButton(QStringLiteral("&Close"), "closeButton", this);
  m_close->setDefault(true);
  connect(m_addIn, &QPushButton::clicked, this, [this] { Pressed(m_addIn, true); });
  connect(m_replace, &QPushButton::clicked, this, [this] { Pressed(m_replace, false); });
  connect(m_close, &QPushButton::clicked, this, &QDialog::accept);

  auto* boxes = new QVBoxLayout;
  boxes->addWidget(m_archive);
  boxes->addWidget(m_readOnly);
  boxes->addWidget(m_hidden);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(m_addIn);
  buttons->addWidget(m_replace);
  buttons->addWidget(m_close);
  buttons->addStretch();
  auto* row = new QHBoxLayout;
  row->addLayout(boxes, 1);
  row->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addLayout(row);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

uint32_t CSetAttributesDlg::Chosen() const {
  uint32_t chosen = 0;
  if (m_archive->isChecked()) {
    chosen |= platform::kAttrArchive;
  }
  if (m_readOnly->isChecked()) {
    chosen |= platform::kAttrReadOnly;
  }
  if (m_hidden->isChecked()) {
    chosen |= platform::kAttrHidden;
  }
  return chosen;
}

void CSetAttributesDlg::Pressed(QPushButton* button, bool addIn) {
  if (m_running) {
    m_abort = true;  // either button stops the run
    return;
  }
  m_running = true;
  m_abort = false;
  m_close->setEnabled(false);
  const QString caption = button->text();
  button->setText(kStop);
  m_run(Chosen(), addIn, [this] {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return m_abort;
  });
  button->setText(caption);
  m_close->setEnabled(true);
  m_running = false;
}

void CSetAttributesDlg::reject() {
  if (!m_running) {
    QDialog::reject();
  }
}

void CSetAttributesDlg::closeEvent(QCloseEvent* event) {
  if (m_running) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}
