// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/ui/BrevantDlg.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/AppText.h"

namespace {

QPushButton* MakeButton(const char* text, const char* name, QWidget* parent) {
  auto* button = new QPushButton(QString::fromUtf8(text), parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

}  // namespace

CBrevantDlg::CBrevantDlg(const SDataFolders& folders, QWidget* parent)
    : QDialog(parent), m_folders(folders), m_dataFilePath(::DataFilePath(folders)) {
  setObjectName(QStringLiteral("mainWindow"));
  setWindowTitle(QString::fromUtf8(kAppName));

  // The settings pages take this place.
  auto* settingsArea = new QFrame(this);
  settingsArea->setObjectName(QStringLiteral("settingsArea"));
  settingsArea->setFrameShape(QFrame::NoFrame);

  m_preview = MakeButton("&Preview", "previewButton", this);
  m_copy = MakeButton("&Copy", "copyButton", this);
  m_options = MakeButton("&Options", "optionsButton", this);
  m_close = MakeButton("C&lose", "closeButton", this);
  m_preview->setDefault(true);

  m_status = new QLabel(this);
  m_status->setObjectName(QStringLiteral("statusLine"));
  m_status->setTextFormat(Qt::PlainText);
  m_showPreviewList = new QCheckBox(QStringLiteral("&Show the preview list."), this);
  m_showPreviewList->setObjectName(QStringLiteral("showPreviewList"));
  m_counts = new QLabel(QStringLiteral("0 files in 0 folders"), this);
  m_counts->setObjectName(QStringLiteral("countsLine"));
  m_counts->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(m_preview);
  buttons->addWidget(m_copy);
  buttons->addWidget(m_options);
  buttons->addStretch();
  buttons->addWidget(m_close);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(m_showPreviewList);
  bottom->addStretch();
  bottom->addWidget(m_counts);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(settingsArea, 1);
  layout->addLayout(buttons);
  layout->addWidget(m_status);
  layout->addLayout(bottom);

  connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
  setFixedSize(DialogUnits(315, 242));
}

QSize CBrevantDlg::DialogUnits(int width, int height) const {
  const QFontMetrics metrics(font());
  const int baseX = metrics.averageCharWidth();
  const int baseY = metrics.height();
  return QSize(width * baseX / 4, height * baseY / 8);
}
