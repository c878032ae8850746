// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/ui/QtPrompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>

#include "core/AppText.h"

namespace {

QMessageBox::Icon IconOf(EIcon icon) {
  switch (icon) {
    case EIcon::kStop:
      return QMessageBox::Critical;
    case EIcon::kExclamation:
      return QMessageBox::Warning;
    case EIcon::kQuestion:
      return QMessageBox::Question;
    case EIcon::kInformation:
      return QMessageBox::Information;
  }
  return QMessageBox::Information;
}

QMessageBox::StandardButtons ButtonsOf(EButtons buttons) {
  switch (buttons) {
    case EButtons::kOk:
      return QMessageBox::Ok;
    case EButtons::kOkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case EButtons::kYesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case EButtons::kYesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

QMessageBox::StandardButton ButtonOf(EAnswer answer) {
  switch (answer) {
    case EAnswer::kOk:
      return QMessageBox::Ok;
    case EAnswer::kCancel:
      return QMessageBox::Cancel;
    case EAnswer::kYes:
      return QMessageBox::Yes;
    case EAnswer::kNo:
      return QMessageBox::No;
  }
  return QMessageBox::Ok;
}

EAnswer AnswerOf(int button, const SPrompt& prompt) {
  switch (button) {
    case QMessageBox::Ok:
      return EAnswer::kOk;
    case QMessageBox::Cancel:
      return EAnswer::kCancel;
    case QMessageBox::Yes:
      return EAnswer::kYes;
    case QMessageBox::No:
      return EAnswer::kNo;
    default:
      // Closed by the window's close box: the answer that declines.
      return prompt.buttons == EButtons::kYesNo ? EAnswer::kNo : EAnswer::kCancel;
  }
}

}  // namespace

EAnswer CQtPrompter::Ask(const SPrompt& prompt) {
  QCoreApplication* app = QCoreApplication::instance();
  if (app == nullptr || QThread::currentThread() == app->thread()) {
    return AskHere(prompt);
  }
  EAnswer answer = prompt.defaultAnswer;
  QMetaObject::invokeMethod(
      app, [&] { answer = AskHere(prompt); }, Qt::BlockingQueuedConnection);
  return answer;
}

EAnswer CQtPrompter::AskHere(const SPrompt& prompt) {
  const QString title = QString::fromStdString(prompt.title.empty() ? kAppName : prompt.title);
  QMessageBox box(IconOf(prompt.icon), title, QString::fromStdString(prompt.text),
                  ButtonsOf(prompt.buttons), m_parent);
  box.setObjectName(QStringLiteral("promptBox"));
  box.setDefaultButton(ButtonOf(prompt.defaultAnswer));
  if (prompt.buttons == EButtons::kYesNo) {
    box.setEscapeButton(QMessageBox::No);
  }
  return AnswerOf(box.exec(), prompt);
}
