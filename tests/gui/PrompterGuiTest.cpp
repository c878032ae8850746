// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <future>

#include "core/ui/QtPrompter.h"

// Message boxes come from the window thread and from workers alike; the user's answer is
// what the caller gets.
class PrompterGuiTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheIconButtonsAndDefaultAndReturnsTheAnswer() {
    CQtPrompter prompter;
    QTimer::singleShot(0, [] {
      QMessageBox* box = OpenBox();
      QVERIFY(box != nullptr);
      QCOMPARE(box->icon(), QMessageBox::Question);
      QCOMPARE(box->text(), QStringLiteral("Copy?"));
      QCOMPARE(box->windowTitle(), QStringLiteral("Brevant"));
      QCOMPARE(box->defaultButton(), box->button(QMessageBox::No));
      box->button(QMessageBox::Yes)->click();
    });
    QVERIFY(prompter.Ask(SPrompt{"Copy?", {}, EButtons::kYesNo, EIcon::kQuestion, EAnswer::kNo}) ==
            EAnswer::kYes);
  }

  void eachIconKindIsShown() {
    CQtPrompter prompter;
    const std::pair<EIcon, QMessageBox::Icon> kinds[] = {
        {EIcon::kStop, QMessageBox::Critical},
        {EIcon::kExclamation, QMessageBox::Warning},
        {EIcon::kInformation, QMessageBox::Information}};
    for (const auto& [icon, shown] : kinds) {
      QMessageBox::Icon seen = QMessageBox::NoIcon;
      QTimer::singleShot(0, [&seen] {
        QMessageBox* box = OpenBox();
        QVERIFY(box != nullptr);
        seen = box->icon();
        box->button(QMessageBox::Ok)->click();
      });
      prompter.Show("Done.", icon, "Confirm Exit");
      QCOMPARE(seen, shown);
    }
  }

  void aWorkerThreadsQuestionIsAnsweredOnTheWindowThread() {
    CQtPrompter prompter;
    QThread* windowThread = QThread::currentThread();
    bool onWindowThread = false;
    auto answer = std::async(std::launch::async, [&] {
      return prompter.Ask(SPrompt{"Do you want to finish copying?",
                                  {},
                                  EButtons::kYesNoCancel,
                                  EIcon::kQuestion,
                                  EAnswer::kYes});
    });
    // The box runs its own loop on this thread; a timer inside that loop answers it.
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
      if (QMessageBox* box = OpenBox()) {
        answerer.stop();
        onWindowThread = box->thread() == windowThread;
        box->button(QMessageBox::Cancel)->click();
      }
    });
    answerer.start(10);
    QTRY_VERIFY_WITH_TIMEOUT(answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready,
                             10000);
    QVERIFY(answer.get() == EAnswer::kCancel);
    QVERIFY(onWindowThread);
  }

 private:
  static QMessageBox* OpenBox() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
        return box;
      }
    }
    return nullptr;
  }
};

QTEST_MAIN(PrompterGuiTest)
#include "PrompterGuiTest.moc"
