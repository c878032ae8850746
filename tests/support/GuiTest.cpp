// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "tests/support/GuiTest.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <cstdlib>

namespace gui_testing {

QObject* FindChildOrDie(const QObject* parent, const QString& name, const char* className,
                        const QMetaObject& type) {
  if (parent != nullptr) {
    for (QObject* child : parent->findChildren<QObject*>(name)) {
      if (type.cast(child) != nullptr) {
        return child;
      }
    }
  }
  qFatal("No %s named \"%s\" in %s", className, qPrintable(name),
         parent ? qPrintable(parent->objectName()) : "(none)");
}

CModalAnswer::CModalAnswer(std::function<bool(QWidget*)> matches, std::function<void(QWidget*)> act,
                           int timeoutMs)
    : m_answered(std::make_shared<bool>(false)), m_timer(new QTimer()) {
  auto started = std::make_shared<qint64>(0);
  auto elapsed = std::make_shared<int>(0);
  const int tick = 10;
  m_timer->setInterval(tick);
  QTimer* timer = m_timer;
  QObject::connect(timer, &QTimer::timeout, timer,
                   [timer, matches, act, answered = m_answered, elapsed, timeoutMs, tick] {
                     QWidget* modal = QApplication::activeModalWidget();
                     if (modal != nullptr && modal->isVisible() && matches(modal)) {
                       timer->stop();
                       *answered = true;
                       act(modal);
                       return;
                     }
                     *elapsed += tick;
                     if (*elapsed >= timeoutMs) {
                       timer->stop();
                       // Nothing to answer came: close what is open so the test fails
                       // instead of waiting for ever.
                       while (QWidget* open = QApplication::activeModalWidget()) {
                         if (auto* dialog = qobject_cast<QDialog*>(open)) {
                           dialog->reject();
                         } else {
                           open->close();
                         }
                         if (QApplication::activeModalWidget() == open) {
                           break;
                         }
                       }
                     }
                   });
  timer->start();
}

CModalAnswer::~CModalAnswer() {
  delete m_timer.data();
}

void ChooseFile(QFileDialog* dialog, const QString& path) {
  dialog->selectFile(path);
  if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
    name->setText(path);
  }
  static_cast<QDialog*>(dialog)->accept();  // QFileDialog's own accept checks the name
}

bool SaveScreenshot(QWidget* window, const QString& name) {
  QString folder = qEnvironmentVariable("BREVANT_SCREENSHOTS");
  if (folder.isEmpty()) {
    folder = QStringLiteral(BREVANT_SCREENSHOT_DIR);
  }
  if (window == nullptr || !QDir().mkpath(folder)) {
    return false;
  }
  return window->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

namespace {

bool NeedsName(QWidget* widget) {
  return qobject_cast<QAbstractButton*>(widget) != nullptr ||
         qobject_cast<QLineEdit*>(widget) != nullptr ||
         qobject_cast<QComboBox*>(widget) != nullptr ||
         qobject_cast<QAbstractSpinBox*>(widget) != nullptr ||
         qobject_cast<QAbstractSlider*>(widget) != nullptr ||
         qobject_cast<QAbstractItemView*>(widget) != nullptr ||
         qobject_cast<QTextEdit*>(widget) != nullptr ||
         qobject_cast<QPlainTextEdit*>(widget) != nullptr;
}

// Parts that Qt builds inside other controls (a combo box's line edit, a spin box's field,
// a view's scroll bars and header) are named through their owner.
bool IsInnerPart(QWidget* widget) {
  for (QWidget* up = widget->parentWidget(); up != nullptr; up = up->parentWidget()) {
    if (qobject_cast<QComboBox*>(up) || qobject_cast<QAbstractSpinBox*>(up) ||
        qobject_cast<QAbstractItemView*>(up) || qobject_cast<QTextEdit*>(up) ||
        qobject_cast<QPlainTextEdit*>(up)) {
      return true;
    }
  }
  return qobject_cast<QAbstractSlider*>(widget) != nullptr && widget->parentWidget() != nullptr &&
         widget->parentWidget()->inherits("QAbstractScrollArea");
}

bool HasBuddyLabel(QWidget* window, QWidget* control) {
  for (QLabel* label : window->findChildren<QLabel*>()) {
    if (label->buddy() == control) {
      return true;
    }
  }
  return false;
}

}  // namespace

QStringList UnnamedControls(QWidget* window) {
  QStringList unnamed;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (!NeedsName(widget) || IsInnerPart(widget)) {
      continue;
    }
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    QString name = accessible ? accessible->text(QAccessible::Name) : QString();
    // On Linux a combo box is read by its current choice and named through its label (or
    // its own name); its drop-down list needs a name of its own.
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      const bool labelled = combo->accessibleName().size() > 0 || HasBuddyLabel(window, combo);
      name = labelled && !combo->view()->accessibleName().isEmpty() ? combo->currentText() + "."
                                                                    : QString();
    }
    if (name.trimmed().isEmpty()) {
      unnamed << QStringLiteral("%1 %2").arg(QString::fromLatin1(widget->metaObject()->className()),
                                             widget->objectName());
    }
  }
  return unnamed;
}

}  // namespace gui_testing
