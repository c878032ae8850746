// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/ui/Widgets.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

QPushButton* MakeButton(const QString& caption, const char* objectName, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(objectName));
  return button;
}

QString AccessibleText(const QString& caption) {
  QString text;
  text.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == QLatin1Char('&')) {
      if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
        text += QLatin1Char('&');  // "&&" shows one "&"
        ++i;
      }
      continue;
    }
    text += caption[i];
  }
  if (text.endsWith(QLatin1Char(':'))) {
    text.chop(1);
  }
  return text;
}

void SetLabelFor(QLabel* label, QWidget* control) {
  label->setBuddy(control);
  // Views take no name from a buddy, and a combo box is read by its current choice; both are
  // named outright, a combo box's drop-down list too.
  if (qobject_cast<QAbstractItemView*>(control) != nullptr) {
    control->setAccessibleName(AccessibleText(label->text()));
  } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
    NameComboBox(combo, AccessibleText(label->text()));
  }
}

void NameComboBox(QComboBox* combo, const QString& name) {
  combo->setAccessibleName(name);
  combo->view()->setAccessibleName(name);
}

void SetUpRowList(QTableView* view) {
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setSelectionMode(QAbstractItemView::ExtendedSelection);
  view->setShowGrid(false);
  view->setWordWrap(false);
  view->setAlternatingRowColors(false);
  view->verticalHeader()->hide();
  view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
  view->horizontalHeader()->setHighlightSections(false);
  view->horizontalHeader()->setSectionsClickable(true);
}

QTableView* MakeTextList(QAbstractItemModel* model, const char* objectName, QWidget* parent) {
  auto* view = new QTableView(parent);
  view->setObjectName(QString::fromLatin1(objectName));
  view->setModel(model);
  SetUpRowList(view);
  view->horizontalHeader()->hide();
  view->horizontalHeader()->setStretchLastSection(true);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setTabKeyNavigation(false);
  return view;
}

QDialogButtonBox* MakeOkCancel(QDialog* dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
  // accept() and reject() are virtual: a dialog's own versions run.
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}
