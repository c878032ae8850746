// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

// Helpers for window tests: they drive the real widgets as a user would and never hang.
namespace gui_testing {

// The child of that object name, or the test ends at once with a message naming what is
// missing (a test that cannot find its control has nothing left to check).
QObject* FindChildOrDie(const QObject* parent, const QString& name, const char* className,
                        const QMetaObject& type);
template <typename T>
T* Child(const QObject* parent, const QString& name) {
  return static_cast<T*>(
      FindChildOrDie(parent, name, T::staticMetaObject.className(), T::staticMetaObject));
}

// Answers the next modal window of type T (or any modal when T is QWidget) from inside its
// own event loop: `act` runs on it once it is shown. When none appears within the time
// allowed, every open modal is rejected so the test goes on, and Answered() stays false.
class CModalAnswer {
 public:
  CModalAnswer(std::function<bool(QWidget*)> matches, std::function<void(QWidget*)> act,
               int timeoutMs);
  ~CModalAnswer();
  CModalAnswer(const CModalAnswer&) = delete;
  CModalAnswer& operator=(const CModalAnswer&) = delete;

  bool Answered() const { return *m_answered; }

 private:
  std::shared_ptr<bool> m_answered;
  QPointer<QTimer> m_timer;
};

template <typename T>
std::unique_ptr<CModalAnswer> AnswerModal(std::function<void(T*)> act, int timeoutMs = 10000) {
  return std::make_unique<CModalAnswer>(
      [](QWidget* widget) { return qobject_cast<T*>(widget) != nullptr; },
      [act = std::move(act)](QWidget* widget) { act(qobject_cast<T*>(widget)); }, timeoutMs);
}

// Chooses `path` in a Save or Open window and accepts it, as typing the name and pressing
// Save does. (QFileDialog::selectFile leaves the name field alone while it has the focus,
// which it gets at some moment after the window shows.)
void ChooseFile(QFileDialog* dialog, const QString& path);

// Writes the window's picture to <build>/screenshots/NAME.png, where it stays after the run
// so that a person can look at every window. False when it could not be written.
bool SaveScreenshot(QWidget* window, const QString& name);

// The controls of a window that a screen reader could not name: every button, box, field
// and list must have a name of its own, from its caption or from a label that is its buddy.
// Each entry reads "ClassName objectName".
QStringList UnnamedControls(QWidget* window);

}  // namespace gui_testing
