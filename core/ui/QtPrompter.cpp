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
      return CQtPrompter::DecliningAnswer(prompt);
  }
}

}  // namespace

CQtPrompter::CQtPrompter(QWidget* parent)
    : m_parent(parent),
      m_calls(std::make_unique<CWindowThreadCalls>(QCoreApplication::instance())) {}

CQtPrompter::~CQtPrompter() {
  Close();
}

EAnswer CQtPrompter::DecliningAnswer(const SPrompt& prompt) {
  switch (prompt.buttons) {
    case EButtons::kOk:
      return EAnswer::kOk;
    case EButtons::kYesNo:
      return EAnswer::kNo;
    case EButtons::kOkCancel:
    case EButtons::kYesNoCancel:
      return EAnswer::kCancel;
  }
  return EAnswer::kCancel;
}

void CQtPrompter::Close() {
  m_closed = true;
  m_calls->Close();
  for (const QPointer<QMessageBox>& box : m_open) {
    if (box != nullptr) {
      box->reject();
    }
  }
}

EAnswer CQtPrompter::Ask(const SPrompt& prompt) {
  const EAnswer declining = DecliningAnswer(prompt);
  // The question is copied into the call: a worker released by Close may return before the
  // window thread has finished with it.
  return static_cast<EAnswer>(
      m_calls->Call([this, prompt] { return static_cast<int64_t>(AskHere(prompt)); },
                    static_cast<int64_t>(declining)));
}

EAnswer CQtPrompter::AskHere(const SPrompt& prompt) {
  if (m_closed) {
    return DecliningAnswer(prompt);
  }
  const QString title = QString::fromStdString(prompt.title.empty() ? kAppName : prompt.title);
  QMessageBox box(IconOf(prompt.icon), title, QString::fromStdString(prompt.text),
                  ButtonsOf(prompt.buttons), m_parent);
  box.setObjectName(QStringLiteral("promptBox"));
  box.setDefaultButton(ButtonOf(prompt.defaultAnswer));
  if (prompt.buttons == EButtons::kYesNo) {
    box.setEscapeButton(QMessageBox::No);
  }
  m_open.emplace_back(&box);
  const int button = box.exec();
  std::erase_if(m_open, [&box](const QPointer<QMessageBox>& open) {
    return open == nullptr || open == &box;
  });
  return m_closed ? DecliningAnswer(prompt) : AnswerOf(button, prompt);
}
