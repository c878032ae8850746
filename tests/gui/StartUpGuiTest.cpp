// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "app/StartUp.h"
#include "app/ui/BrevantApp.h"
#include "app/ui/BrevantDlg.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TestSandbox.h"

using testing_support::CTestSandbox;

// Starts the program as the desktop would and drives its first window.
class StartUpGuiTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
  void init() { m_sandbox = std::make_unique<CTestSandbox>(); }
  void cleanup() { m_sandbox.reset(); }

  void startsWithTheMainWindowAndClosesWithClose() {
    CScriptedPrompter prompter;
    CBrevantApp app(prompter);
    bool seen = false;
    QTimer::singleShot(0, [&] {
      auto* window = FindMainWindow();
      QVERIFY(window != nullptr);
      seen = true;
      QCOMPARE(window->windowTitle(), QStringLiteral("Brevant"));
      QCOMPARE(window->minimumSize(), window->maximumSize());
      QCOMPARE(Button(window, "previewButton")->text(), QStringLiteral("&Preview"));
      QCOMPARE(Button(window, "copyButton")->text(), QStringLiteral("&Copy"));
      QCOMPARE(Button(window, "optionsButton")->text(), QStringLiteral("&Options"));
      QCOMPARE(window->findChild<QLabel*>("countsLine")->text(),
               QStringLiteral("0 files in 0 folders"));
      QCOMPARE(window->findChild<QCheckBox*>("showPreviewList")->text(),
               QStringLiteral("&Show the preview list."));
      QPushButton* close = Button(window, "closeButton");
      QCOMPARE(close->text(), QStringLiteral("C&lose"));
      QVERIFY(gui_testing::SaveScreenshot(window, QStringLiteral("main-window")));
      QCOMPARE(gui_testing::UnnamedControls(window), QStringList());
      QTest::mouseClick(close, Qt::LeftButton);
    });
    QCOMPARE(app.Run(), 0);
    QVERIFY(seen);
    QVERIFY(prompter.Prompts().empty());
    // The data folder is made under the user's application-data folder.
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QVERIFY(QFileInfo(dataHome + "/Quillmoor Software").isDir());
  }

  void secondCopyRefusesToStart() {
    CSingleInstance firstCopy;
    QVERIFY(!firstCopy.IsAlreadyRunning(true));
    CScriptedPrompter prompter;
    CBrevantApp second(prompter);
    bool windowShown = false;
    QTimer::singleShot(0, [&] {
      if (FindMainWindow() != nullptr) {
        windowShown = true;
        FindMainWindow()->reject();
      }
    });
    QCOMPARE(second.Run(), 0);
    QCoreApplication::processEvents();
    QVERIFY(!windowShown);
    const auto prompts = prompter.Prompts();
    QCOMPARE(prompts.size(), size_t{1});
    QCOMPARE(QString::fromStdString(prompts[0].text),
             QStringLiteral("Brevant is already running."));
    QVERIFY(prompts[0].icon == EIcon::kStop);
    // It ended before it touched the data folder.
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QVERIFY(!QFileInfo::exists(dataHome + "/Quillmoor Software"));
  }

  void endsWhenTheDataFolderCannotBeMade() {
    // An application-data folder on a network share cannot be created.
    class CNetworkFolders : public CUserFolderSource {
     public:
      std::optional<std::string> Query(platform::EUserFolder folder) const override {
        if (folder == platform::EUserFolder::kAppData) {
          return std::string("\\\\server\\share\\ann");
        }
        return CUserFolderSource::Query(folder);
      }
    };
    CNetworkFolders folders;
    CScriptedPrompter prompter;
    CBrevantApp app(prompter, folders);
    QCOMPARE(app.Run(), 1);
    const auto prompts = prompter.Prompts();
    QCOMPARE(prompts.size(), size_t{1});
    QVERIFY(prompts[0].icon == EIcon::kExclamation);
    QCOMPARE(QString::fromStdString(prompts[0].text),
             QStringLiteral("This program could not initialize.  Please reinstall it and try "
                            "again.  This program will close after you press OK."));
  }

 private:
  static CBrevantDlg* FindMainWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* window = qobject_cast<CBrevantDlg*>(widget); window && window->isVisible()) {
        return window;
      }
    }
    return nullptr;
  }
  static QPushButton* Button(QWidget* window, const char* name) {
    return gui_testing::Child<QPushButton>(window, QString::fromLatin1(name));
  }

  std::unique_ptr<CTestSandbox> m_sandbox;
};

QTEST_MAIN(StartUpGuiTest)
#include "StartUpGuiTest.moc"
