// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTimer>
#include <QTableView>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/MainCommands.h"
#include "app/ProgramData.h"
#include "app/StartUp.h"
#include "app/ui/BrevantApp.h"
#include "app/ui/BrevantDlg.h"
#include "app/ui/OptionsDlg.h"
#include "copy/ui/CopyResultsDlg.h"
#include "listops/ui/PreviewListDlg.h"
#include "platform/OptionStore.h"
#include "preview/ui/PreviewStatisticsDlg.h"
#include "profile/DataFile.h"
#include "profile/DataFolders.h"
#include "profile/ui/SettingsSheet.h"
#include "tests/support/GuiProgram.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TestSandbox.h"

using gui_testing::AnswerModal;
using gui_testing::Child;
using gui_testing::Profile;
using testing_support::CTestSandbox;

// The desktop program as a user meets it: started with a data file, Preview, Copy, Options,
// and closed with everything kept for the next start.
class MainWindowGuiTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
  void init() {
    m_sandbox = std::make_unique<CTestSandbox>();
    testing_support::BuildTree(m_sandbox->CRoot() + "/photos",
                               {{"a.jpg", "aaaa"}, {"trip/b.jpg", "bb"}});
  }
  void cleanup() { m_sandbox.reset(); }

  void startsOnTheStoredProfileAndShowsEveryPage() {
    QVERIFY(gui_testing::WriteDataFile({Profile("Holiday", "C:\\photos", "D:\\backup")}, 0));
    CScriptedPrompter prompter;
    QVERIFY(gui_testing::RunProgram(prompter, [&](CBrevantDlg* window) {
      QCOMPARE(window->windowTitle(), QStringLiteral("Holiday - Brevant"));
      QCOMPARE(Child<QLineEdit>(window, "sourcePath")->text(), QStringLiteral("C:\\photos"));
      QCOMPARE(Child<QLineEdit>(window, "destinationPath")->text(), QStringLiteral("D:\\backup"));
      QCOMPARE(Child<QLabel>(window, "countsLine")->text(),
               QStringLiteral("0 files to copy in 0 folders"));
      QVERIFY(Child<QCheckBox>(window, "showPreviewList")->isChecked());
      QVERIFY(window->PreviewList().isVisible());
      QCOMPARE(gui_testing::UnnamedControls(window), QStringList());
      auto* sheet = Child<QTabWidget>(window, "settingsSheet");
      for (int page = 0; page < sheet->count(); ++page) {
        sheet->setCurrentIndex(page);
        QCOMPARE(sheet->currentIndex(), page);
        QVERIFY(gui_testing::SaveScreenshot(
            window, QStringLiteral("main-window-") + Slug(sheet->tabText(page))));
      }
      sheet->setCurrentIndex(0);
      QVERIFY(gui_testing::SaveScreenshot(window, QStringLiteral("main-window")));
      QTest::mouseClick(Child<QPushButton>(window, "closeButton"), Qt::LeftButton);
    }));
    QVERIFY(prompter.Texts().empty());
  }

  void previewShowsTheCountsAndStatisticsThenCopyCopiesTheList() {
    QVERIFY(gui_testing::WriteDataFile({Profile("Holiday", "C:\\photos", "D:\\backup")}, 0));
    CScriptedPrompter prompter;
    QVERIFY(gui_testing::RunProgram(prompter, [&](CBrevantDlg* window) {
      auto* preview = Child<QPushButton>(window, "previewButton");
      bool statisticsSeen = false;
      auto statistics = AnswerModal<CPreviewStatisticsDlg>([&](CPreviewStatisticsDlg* dialog) {
        statisticsSeen = true;
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Preview Statistics"));
        QCOMPARE(Child<QLineEdit>(dialog, "files")->text(), QStringLiteral("2"));
        QCOMPARE(Child<QLineEdit>(dialog, "folders")->text(), QStringLiteral("2"));
        QCOMPARE(Child<QLineEdit>(dialog, "size")->text(), QStringLiteral("6"));
        QCOMPARE(gui_testing::UnnamedControls(dialog), QStringList());
        QVERIFY(gui_testing::SaveScreenshot(dialog, QStringLiteral("preview-statistics")));
        QTest::mouseClick(Child<QPushButton>(dialog, "okButton"), Qt::LeftButton);
      });
      QTest::mouseClick(preview, Qt::LeftButton);
      QTRY_VERIFY_WITH_TIMEOUT(statisticsSeen, 20000);
      QTRY_VERIFY(!window->Commands().JobRunning());
      QCOMPARE(preview->text(), QStringLiteral("&Preview"));
      QCOMPARE(Child<QLabel>(window, "countsLine")->text(),
               QStringLiteral("2 files to copy in 2 folders"));
      QCOMPARE(window->PreviewList().View()->model()->rowCount(), 2);

      bool resultsSeen = false;
      auto results = AnswerModal<CCopyResultsDlg>([&](CCopyResultsDlg* dialog) {
        resultsSeen = true;
        QCOMPARE(Child<QLineEdit>(dialog, "files")->text(), QStringLiteral("2"));
        QVERIFY(gui_testing::SaveScreenshot(dialog, QStringLiteral("copy-results")));
        dialog->reject();
      });
      QTest::mouseClick(Child<QPushButton>(window, "copyButton"), Qt::LeftButton);
      QTRY_VERIFY_WITH_TIMEOUT(resultsSeen, 20000);
      QTRY_VERIFY(!window->Commands().JobRunning());
      QCOMPARE(QString::fromStdString(
                   testing_support::ReadFile(m_sandbox->Root() + "/d/backup/trip/b.jpg")),
               QStringLiteral("bb"));
      QTest::mouseClick(Child<QPushButton>(window, "closeButton"), Qt::LeftButton);
    }));
    // A copied preview leaves nothing to lose: no question on closing.
    QVERIFY(prompter.Texts().empty());
  }

  void closingAfterAPreviewAsksAndNoKeepsTheWindow() {
    QVERIFY(gui_testing::WriteDataFile({Profile("Holiday", "C:\\photos", "D:\\backup")}, 0));
    CScriptedPrompter prompter({EAnswer::kNo, EAnswer::kYes});
    bool closedAfterYes = false;
    QVERIFY(gui_testing::RunProgram(prompter, [&](CBrevantDlg* window) {
      auto statistics = AnswerModal<CPreviewStatisticsDlg>(
          [](CPreviewStatisticsDlg* dialog) { dialog->accept(); });
      QTest::mouseClick(Child<QPushButton>(window, "previewButton"), Qt::LeftButton);
      QTRY_VERIFY_WITH_TIMEOUT(!window->Commands().JobRunning() && statistics->Answered(), 20000);
      QTest::mouseClick(Child<QPushButton>(window, "closeButton"), Qt::LeftButton);
      QVERIFY(window->isVisible());             // answered No
      QTest::keyClick(window, Qt::Key_Escape);  // Esc is Close too
      closedAfterYes = !window->isVisible();
    }));
    QVERIFY(closedAfterYes);
    const auto prompts = prompter.Prompts();
    QCOMPARE(prompts.size(), size_t{2});
    QCOMPARE(QString::fromStdString(prompts[0].text),
             QStringLiteral("You previewed without copying. Do you want to exit Brevant?"));
    QCOMPARE(QString::fromStdString(prompts[0].title), QStringLiteral("Confirm Exit"));
  }

  void aRestartFindsTheLastProfileAndAChangedSetting() {
    QVERIFY(gui_testing::WriteDataFile(
        {Profile("Holiday", "C:\\photos", "D:\\backup"), Profile("Work", "C:\\work", "D:\\work")},
        0));
    CScriptedPrompter prompter;
    QVERIFY(gui_testing::RunProgram(prompter, [&](CBrevantDlg* window) {
      window->Data().Profiles().Choose(window->Data().Profiles().Find("Work"));
      QCOMPARE(window->windowTitle(), QStringLiteral("Work - Brevant"));
      auto* hidden = Child<QCheckBox>(window, "includeHidden");
      QVERIFY(!hidden->isChecked());
      QTest::mouseClick(hidden, Qt::LeftButton, {}, QPoint(4, hidden->height() / 2));
      QVERIFY(hidden->isChecked());
      QTest::mouseClick(Child<QPushButton>(window, "closeButton"), Qt::LeftButton);
    }));
    QVERIFY(gui_testing::RunProgram(prompter, [&](CBrevantDlg* window) {
      QCOMPARE(window->windowTitle(), QStringLiteral("Work - Brevant"));
      QVERIFY(Child<QCheckBox>(window, "includeHidden")->isChecked());
      QCOMPARE(Child<QLineEdit>(window, "sourcePath")->text(), QStringLiteral("C:\\work"));
      QTest::mouseClick(Child<QPushButton>(window, "closeButton"), Qt::LeftButton);
    }));
  }

  void optionsAreKeptAsSoonAsTheyAreAccepted() {
    CScriptedPrompter prompter;
    QVERIFY(gui_testing::RunProgram(prompter, [&](CBrevantDlg* window) {
      bool seen = false;
      auto options = AnswerModal<COptionsDlg>([&](COptionsDlg* dialog) {
        seen = true;
        auto* confirm = Child<QCheckBox>(dialog, "confirmCopying");
        QVERIFY(confirm->isChecked());
        confirm->setChecked(false);
        dialog->accept();
      });
      QTest::mouseClick(Child<QPushButton>(window, "optionsButton"), Qt::LeftButton);
      QVERIFY(seen);
      platform::COptionStore store;
      QCOMPARE(store.GetInt("Preview", "Confirm Copying", 1), 0);
      QTest::mouseClick(Child<QPushButton>(window, "closeButton"), Qt::LeftButton);
    }));
  }

  void aSecondCopyRefusesToStart() {
    CSingleInstance firstCopy;
    QVERIFY(!firstCopy.IsAlreadyRunning(true));
    CScriptedPrompter prompter;
    CBrevantApp second(prompter);
    QCOMPARE(second.Run(), 0);
    QCOMPARE(prompter.Texts(), std::vector<std::string>{"Brevant is already running."});
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QVERIFY(!QFileInfo::exists(dataHome + "/Quillmoor Software"));
  }

  void endsWhenTheDataFolderCannotBeMade() {
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
  }

 private:
  static QString Slug(QString caption) {
    caption.remove(QLatin1Char('&'));
    return caption.toLower()
        .replace(QLatin1Char('/'), QLatin1Char('-'))
        .replace(QLatin1Char(' '), QLatin1Char('-'));
  }

  std::unique_ptr<CTestSandbox> m_sandbox;
};

QTEST_MAIN(MainWindowGuiTest)
#include "MainWindowGuiTest.moc"
