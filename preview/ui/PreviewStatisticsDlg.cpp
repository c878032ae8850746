// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "preview/ui/PreviewStatisticsDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/ui/Widgets.h"

CPreviewStatisticsDlg::CPreviewStatisticsDlg(const SPreviewStatistics& statistics,
                                             QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("previewStatistics"));
  setWindowTitle(QStringLiteral("Preview Statistics"));
  auto* form = new QFormLayout;
  form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
  const bool files = !statistics.foldersOnly;
  AddField(form, "Files:", "files", statistics.files, files);
  AddField(form, "Folders:", "folders", statistics.folders, true);
  AddField(form, "Size (bytes):", "size", statistics.size, files);
  AddField(form, "Space needed (bytes):", "spaceNeeded", statistics.spaceNeeded, files);
  QLineEdit* available =
      AddField(form, "Available space (bytes):", "spaceAvailable", statistics.spaceAvailable, true);
  if (statistics.notEnoughSpace) {
    QPalette palette = available->palette();
    palette.setColor(QPalette::Text, Qt::red);
    available->setPalette(palette);
  }
  AddField(form, "Elapsed time:", "elapsed", statistics.elapsed, true);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  setFixedSize(sizeHint());
}

QLineEdit* CPreviewStatisticsDlg::AddField(QFormLayout* form, const char* label, const char* name,
                                           const std::string& text, bool applies) {
  auto* field = new QLineEdit(QString::fromStdString(text), this);
  field->setObjectName(QString::fromLatin1(name));
  field->setReadOnly(true);
  field->setAlignment(Qt::AlignRight);
  field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 22);
  // Read-only figures on grey; a darker grey for those that do not apply to a folder tree.
  QPalette palette = field->palette();
  const QColor grey = palette.color(QPalette::Window);
  palette.setColor(QPalette::Base, applies ? grey : grey.darker(115));
  field->setPalette(palette);
  auto* caption = new QLabel(QString::fromLatin1(label), this);
  SetLabelFor(caption, field);
  form->addRow(caption, field);
  return field;
}
