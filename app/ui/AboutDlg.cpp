// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/ui/AboutDlg.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "core/AppText.h"
#include "core/Prompter.h"
#include "core/Version.h"
#include "core/ui/Widgets.h"
#include "platform/Shell.h"

CAboutDlg::CAboutDlg(CPrompter& prompter, QWidget* parent) : QDialog(parent), m_prompter(prompter) {
  setObjectName(QStringLiteral("about"));
  setWindowTitle(QStringLiteral("About %1").arg(QString::fromUtf8(kAppName)));

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("programIcon"));
  const int iconSize = style()->pixelMetric(QStyle::PM_LargeIconSize) * 2;
  icon->setPixmap(QIcon(QStringLiteral(":/icons/brevant.png")).pixmap(iconSize, iconSize));
  icon->setAccessibleName(QStringLiteral("Program icon"));
  auto* name = new QLabel(QStringLiteral("%1 Version %2")
                              .arg(QString::fromUtf8(kAppName), QString::fromUtf8(kVersionText)),
                          this);
  name->setObjectName(QStringLiteral("programVersion"));
  QFont bigger = name->font();
  bigger.setBold(true);
  name->setFont(bigger);

  auto* supportLabel = new QLabel(QStringLiteral("For technical support, send e-mail to:"), this);
  m_address = new QLineEdit(QString::fromUtf8(kSupportAddress), this);
  m_address->setObjectName(QStringLiteral("supportAddress"));
  m_address->setReadOnly(true);
  SetLabelFor(supportLabel, m_address);
  QPushButton* copy = MakeButton(QStringLiteral("&Copy to Clipboard"), "copyButton", this);
  copy->setAutoDefault(false);

  auto* link =
      new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(QString::fromUtf8(kWebPage)), this);
  link->setObjectName(QStringLiteral("webPage"));
  link->setTextFormat(Qt::RichText);
  link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  link->setToolTip(QStringLiteral("Open Brevant's web page"));

  QPushButton* ok = MakeButton(QStringLiteral("OK"), "okButton", this);
  ok->setDefault(true);

  connect(copy, &QPushButton::clicked, this, &CAboutDlg::CopyAddress);
  connect(link, &QLabel::linkActivated, this, &CAboutDlg::OpenWebPage);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* top = new QHBoxLayout;
  top->addWidget(icon, 0, Qt::AlignTop);
  auto* texts = new QVBoxLayout;
  texts->addWidget(name);
  texts->addWidget(supportLabel);
  auto* addressRow = new QHBoxLayout;
  addressRow->addWidget(m_address, 1);
  addressRow->addWidget(copy);
  texts->addLayout(addressRow);
  texts->addWidget(link);
  top->addLayout(texts, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  m_address->setMinimumWidth(m_address->fontMetrics().horizontalAdvance(m_address->text()) +
                             fontMetrics().averageCharWidth() * 4);
  ok->setFocus();
}

void CAboutDlg::CopyAddress() {
  QGuiApplication::clipboard()->setText(m_address->text());
  m_prompter.Show("This e-mail address has been copied to the Clipboard.", EIcon::kInformation);
}

void CAboutDlg::OpenWebPage() {
  platform::ShellExecute("open", kWebPage, "");
}
