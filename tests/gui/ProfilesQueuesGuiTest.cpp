// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/MainCommands.h"
#include "app/ui/BrevantApp.h"
#include "app/ui/BrevantDlg.h"
#include "copy/ui/CopyResultsDlg.h"
#include "listops/ui/PreviewListDlg.h"
#include "preview/ListData.h"
#include "preview/ui/PreviewStatisticsDlg.h"
#include "profile/DataFile.h"
#include "profile/DataFolders.h"
#include "queues/ui/ProfileNameDlg.h"
#include "queues/ui/QueueSetupDlg.h"
#include "tests/support/GuiProgram.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TestSandbox.h"

using gui_testing::AnswerModal;
using gui_testing::Child;
using gui_testing::Profile;
using testing_support::CTestSandbox;

// Profiles, queues and restore profiles as a user handles them in the real program: made,
// switched, renamed, deleted and found again after a restart; a queue built in Queue Setup
// and copied with one report; a backup turned into a restore profile and previewed.
class ProfilesQueuesGuiTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
  void init() {
    m_sandbox = std::make_unique<CTestSandbox>();
    testing_support::BuildTree(m_sandbox->CRoot() + "/photos",
                               {{"a.jpg", "aaaa"}, {"trip/b.jpg", "bb"}});
    testing_support::BuildTree(m_sandbox->CRoot() + "/work", {{"plan.txt", "plan"}});
  }
  void cleanup() { m_sandbox.reset(); }

  void profilesAreMadeSwitchedRenamedDeletedAndFoundAfterARestart() {
    QVERIFY(WriteDataFile({Profile("Holiday", "C:\\photos", "D:\\backup")}, {}));
    CScriptedPrompter prompter;
    QVERIFY(gui_testing::RunProgram(prompter, [&](CBrevantDlg* window) {
      ShowPage(window, "Profiles");
      auto* names = Child<QComboBox>(window, "profileNames");
      auto* source = Child<QLineEdit>(window, "sourcePath");
      QVERIFY(!Child<QPushButton>(window, "historyPreviousButton")->isEnabled());

      // A new profile with fresh settings, and a third one that keeps the settings shown.
      NameProfile(window, "newProfileButton", "Work", false);
      QCOMPARE(window->windowTitle(), QStringLiteral("Work - Brevant"));
      QCOMPARE(source->text(), QString());
      QTest::keyClicks(source, "C:\\work");
      NameProfile(window, "newProfileButton", "Scratch", true);
      QCOMPARE(window->windowTitle(), QStringLiteral("Scratch - Brevant"));
      QCOMPARE(source->text(), QStringLiteral("C:\\work"));
      QCOMPARE(Items(names), (QStringList{"Holiday", "Scratch", "Work"}));

      // Switching: the pages follow the profile, and the history goes back and forth.
      Choose(names, "Holiday");
      QCOMPARE(window->windowTitle(), QStringLiteral("Holiday - Brevant"));
      QCOMPARE(source->text(), QStringLiteral("C:\\photos"));
      QTest::mouseClick(Child<QPushButton>(window, "historyPreviousButton"), Qt::LeftButton);
      QCOMPARE(names->currentText(), QStringLiteral("Scratch"));
      QTest::mouseClick(Child<QPushButton>(window, "historyPreviousButton"), Qt::LeftButton);
      QCOMPARE(names->currentText(), QStringLiteral("Work"));
      QCOMPARE(source->text(), QStringLiteral("C:\\work"));
      QVERIFY(Child<QPushButton>(window, "historyNextButton")->isEnabled());

      // Renaming to a name in use is refused, and the window opens again for another name.
      std::unique_ptr<gui_testing::CModalAnswer> second;
      bool renamed = false;
      auto first = AnswerModal<CProfileNameDlg>([&](CProfileNameDlg* dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Change Profile Name"));
        auto* retain = Child<QCheckBox>(dialog, "retainSettings");
        QVERIFY(retain->isChecked());
        QVERIFY(!retain->isEnabled());
        QCOMPARE(Child<QLineEdit>(dialog, "profileName")->text(), QStringLiteral("Work"));
        second = AnswerModal<CProfileNameDlg>([&](CProfileNameDlg* again) {
          QCOMPARE(Child<QLineEdit>(again, "profileName")->text(), QStringLiteral("holiday"));
          QVERIFY(gui_testing::SaveScreenshot(again, QStringLiteral("change-profile-name")));
          TypeInto(Child<QLineEdit>(again, "profileName"), "Office");
          QTest::mouseClick(Child<QPushButton>(again, "okButton"), Qt::LeftButton);
          renamed = true;
        });
        TypeInto(Child<QLineEdit>(dialog, "profileName"), "holiday");
        QTest::mouseClick(Child<QPushButton>(dialog, "okButton"), Qt::LeftButton);
      });
      QTest::mouseClick(Child<QPushButton>(window, "renameProfileButton"), Qt::LeftButton);
      QVERIFY(renamed);
      QCOMPARE(prompter.Texts(),
               std::vector<std::string>{
                   "The profile name \"holiday\" is already in use.  Please enter another name."});
      QCOMPARE(Items(names), (QStringList{"Holiday", "Office", "Scratch"}));
      QCOMPARE(window->windowTitle(), QStringLiteral("Office - Brevant"));

      // Deleting the profile shown: the first of the history takes its place.
      Choose(names, "Scratch");
      QTest::mouseClick(Child<QPushButton>(window, "deleteProfileButton"), Qt::LeftButton);
      QCOMPARE(Items(names), (QStringList{"Holiday", "Office"}));
      QCOMPARE(names->currentText(), QStringLiteral("Holiday"));
      QCOMPARE(source->text(), QStringLiteral("C:\\photos"));

      // The search: Find First from the top, Find Next round the end.
      auto* search = Child<QLineEdit>(window, "profileSearch");
      QTest::keyClicks(search, "O");
      QTest::mouseClick(Child<QPushButton>(window, "findFirstButton"), Qt::LeftButton);
      QCOMPARE(names->currentText(), QStringLiteral("Holiday"));
      QTest::mouseClick(Child<QPushButton>(window, "findNextButton"), Qt::LeftButton);
      QCOMPARE(names->currentText(), QStringLiteral("Office"));
      QTest::mouseClick(Child<QPushButton>(window, "findNextButton"), Qt::LeftButton);
      QCOMPARE(names->currentText(), QStringLiteral("Holiday"));
      Choose(names, "Office");

      QCOMPARE(gui_testing::UnnamedControls(window), QStringList());
      QVERIFY(gui_testing::SaveScreenshot(window, QStringLiteral("profiles-page")));
      QTest::mouseClick(Child<QPushButton>(window, "closeButton"), Qt::LeftButton);
    }));
    prompter.Clear();
    QVERIFY(gui_testing::RunProgram(prompter, [&](CBrevantDlg* window) {
      QCOMPARE(window->windowTitle(), QStringLiteral("Office - Brevant"));
      QCOMPARE(Items(Child<QComboBox>(window, "profileNames")), (QStringList{"Holiday", "Office"}));
      QCOMPARE(Child<QLineEdit>(window, "sourcePath")->text(), QStringLiteral("C:\\work"));
      QTest::mouseClick(Child<QPushButton>(window, "closeButton"), Qt::LeftButton);
    }));
    QVERIFY(prompter.Texts().empty());
  }

  void aQueueBuiltInSetupIsCopiedWithOneReport() {
    QVERIFY(WriteDataFile(
        {Profile("Holiday", "C:\\photos", "D:\\backup"), Profile("Work", "C:\\work", "D:\\work")},
        {}));
    CScriptedPrompter prompter;
    QVERIFY(gui_testing::RunProgram(prompter, [&](CBrevantDlg* window) {
      ShowPage(window, "Queues");
      QCOMPARE(Child<QLabel>(window, "profileCount")->text(), QStringLiteral("0 profiles"));
      QTest::mouseClick(Child<QPushButton>(window, "copyAllButton"), Qt::LeftButton);
      QCOMPARE(prompter.Texts(),
               std::vector<std::string>{"Please define a queue before pressing this button."});

      bool setUp = false;
      auto setup = AnswerModal<CQueueSetupDlg>([&](CQueueSetupDlg* dialog) {
        auto* name = Child<QLineEdit>(dialog, "queueName");
        auto* available = Child<QTableView>(dialog, "availableProfiles");
        auto* selected = Child<QTableView>(dialog, "selectedProfiles");
        auto* right = Child<QPushButton>(dialog, "moveRightButton");
        auto* up = Child<QPushButton>(dialog, "moveUpButton");
        QCOMPARE(Rows(available), (QStringList{"Holiday", "Work"}));
        QVERIFY(!right->isEnabled());
        // The placeholder name gives way to typing and comes back when left empty.
        name->setFocus();
        QCOMPARE(name->text(), QString());
        available->setFocus();
        QCOMPARE(name->text(), QStringLiteral("<new queue name>"));
        QTest::mouseClick(Child<QPushButton>(dialog, "okButton"), Qt::LeftButton);
        name->setFocus();
        QTest::keyClicks(name, "Nightly");

        ClickRow(available, 0);
        ClickRow(available, 1, Qt::ControlModifier);
        QVERIFY(right->isEnabled());
        QTest::mouseClick(right, Qt::LeftButton);
        QCOMPARE(Rows(selected), (QStringList{"Holiday", "Work"}));
        QCOMPARE(Rows(available), QStringList());
        QVERIFY(!right->isEnabled());
        ClickRow(selected, 1);
        QVERIFY(up->isEnabled());
        QVERIFY(!Child<QPushButton>(dialog, "moveDownButton")->isEnabled());
        QTest::mouseClick(up, Qt::LeftButton);
        QCOMPARE(Rows(selected), (QStringList{"Work", "Holiday"}));
        QVERIFY(!up->isEnabled());  // the moved entry is still selected, now at the top
        QCOMPARE(gui_testing::UnnamedControls(dialog), QStringList());
        QVERIFY(gui_testing::SaveScreenshot(dialog, QStringLiteral("queue-setup")));
        QTest::mouseClick(Child<QPushButton>(dialog, "okButton"), Qt::LeftButton);
        setUp = !dialog->isVisible();
      });
      QTest::mouseClick(Child<QPushButton>(window, "queueSetupButton"), Qt::LeftButton);
      QVERIFY(setUp);
      QCOMPARE(prompter.Texts().back(), std::string("Please enter a name for this queue."));
      QCOMPARE(Child<QComboBox>(window, "queueNames")->currentText(), QStringLiteral("Nightly"));
      QCOMPARE(Rows(Child<QTableView>(window, "profileSequence")),
               (QStringList{"Work", "Holiday"}));
      QCOMPARE(Child<QLabel>(window, "profileCount")->text(), QStringLiteral("2 profiles"));
      QCOMPARE(gui_testing::UnnamedControls(window), QStringList());
      QVERIFY(gui_testing::SaveScreenshot(window, QStringLiteral("queues-page")));

      bool reported = false;
      auto results = AnswerModal<CCopyResultsDlg>([&](CCopyResultsDlg* dialog) {
        reported = true;
        QCOMPARE(Child<QLineEdit>(dialog, "files")->text(), QStringLiteral("3"));
        // No profile can be switched while the run is still on.
        QVERIFY(!Child<QWidget>(window, "profilesPage")->isEnabled());
        QVERIFY(!Child<QWidget>(window, "queuesPage")->isEnabled());
        dialog->reject();
      });
      prompter.Clear();
      QTest::mouseClick(Child<QPushButton>(window, "copyAllButton"), Qt::LeftButton);
      QTRY_VERIFY_WITH_TIMEOUT(reported, 20000);
      QTRY_VERIFY(!window->Commands().JobRunning());
      QVERIFY(prompter.Texts().empty());  // one report, no other question
      QCOMPARE(ReadFile("/d/work/plan.txt"), QStringLiteral("plan"));
      QCOMPARE(ReadFile("/d/backup/trip/b.jpg"), QStringLiteral("bb"));
      QCOMPARE(window->windowTitle(), QStringLiteral("Holiday - Brevant"));
      QVERIFY(Child<QWidget>(window, "queuesPage")->isEnabled());
      QTest::mouseClick(Child<QPushButton>(window, "closeButton"), Qt::LeftButton);
    }));
  }

  void previewNextGoesThroughTheQueueOneProfileAtATime() {
    QVERIFY(WriteDataFile(
        {Profile("Holiday", "C:\\photos", "D:\\backup"), Profile("Work", "C:\\work", "D:\\work")},
        {SQueueRecord{"Nightly", {"Work", "Gone", "Holiday"}}}));
    CScriptedPrompter prompter;
    QVERIFY(gui_testing::RunProgram(prompter, [&](CBrevantDlg* window) {
      ShowPage(window, "Queues");
      auto* queues = Child<QComboBox>(window, "queueNames");
      Choose(queues, "Nightly");
      auto* next = Child<QPushButton>(window, "previewNextButton");
      QVERIFY(!next->isEnabled());
      int statistics = 0;
      const auto previewed = [&](const char* buttonName, const QString& title) {
        auto answer = AnswerModal<CPreviewStatisticsDlg>([&](CPreviewStatisticsDlg* dialog) {
          ++statistics;
          dialog->accept();
        });
        QTest::mouseClick(Child<QPushButton>(window, buttonName), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(answer->Answered() && !window->Commands().JobRunning(), 20000);
        QCOMPARE(window->windowTitle(), title);
      };
      previewed("previewFirstButton", QStringLiteral("Work - Brevant"));
      QCOMPARE(window->PreviewList().View()->model()->rowCount(), 1);
      QVERIFY(next->isEnabled());
      // A profile that is gone is named; Preview Next then goes on past it.
      QTest::mouseClick(next, Qt::LeftButton);
      QCOMPARE(prompter.Texts(),
               std::vector<std::string>{"Could not change to profile \"Gone\".\nIt may have been "
                                        "deleted or renamed.\nPress the Setup button and edit "
                                        "the current queue."});
      QVERIFY(next->isEnabled());
      previewed("previewNextButton", QStringLiteral("Holiday - Brevant"));
      QCOMPARE(window->PreviewList().View()->model()->rowCount(), 2);
      QVERIFY(!next->isEnabled());
      QCOMPARE(statistics, 2);
      window->Commands().ResetForProfile();  // nothing left to lose on closing
      QTest::mouseClick(Child<QPushButton>(window, "closeButton"), Qt::LeftButton);
    }));
  }

  void aRestoreProfilePreviewsTheBackupCopyingBack() {
    QVERIFY(WriteDataFile({Profile("Backup Photos", "C:\\photos", "D:\\backup")}, {}));
    // The backup holds an older copy of a photo and one the source has lost.
    constexpr platform::FileTime kYear2020 = 132223104000000000;
    testing_support::BuildTree(m_sandbox->Root() + "/d/backup",
                               {{"a.jpg", "aaaa", kYear2020}, {"lost.jpg", "lost"}});
    CScriptedPrompter prompter({EAnswer::kYes});
    QVERIFY(gui_testing::RunProgram(prompter, [&](CBrevantDlg* window) {
      ShowPage(window, "Profiles");
      auto statistics = AnswerModal<CPreviewStatisticsDlg>(
          [](CPreviewStatisticsDlg* dialog) { dialog->accept(); });
      QTest::mouseClick(Child<QPushButton>(window, "restoreProfileButton"), Qt::LeftButton);
      QTRY_VERIFY_WITH_TIMEOUT(statistics->Answered() && !window->Commands().JobRunning(), 20000);
      QCOMPARE(prompter.Texts(), std::vector<std::string>{
                                     "Created restore profile \"Restore Photos\".  Preview it?"});
      QCOMPARE(window->windowTitle(), QStringLiteral("Restore Photos - Brevant"));
      QCOMPARE(Child<QComboBox>(window, "profileNames")->currentText(),
               QStringLiteral("Restore Photos"));
      QCOMPARE(Child<QLineEdit>(window, "sourcePath")->text(), QStringLiteral("D:\\backup"));
      QCOMPARE(Child<QLineEdit>(window, "destinationPath")->text(), QStringLiteral("C:\\photos"));
      // The list copies from the backup into the source folder: only what the source lacks.
      const QAbstractItemModel* list = window->PreviewList().View()->model();
      QCOMPARE(list->rowCount(), 1);
      QCOMPARE(list->index(0, kColName).data().toString(), QStringLiteral("lost.jpg"));
      QCOMPARE(list->index(0, kColFolder).data().toString(), QStringLiteral("D:\\backup"));

      // Pressed again on the backup profile, it finds the restore profile made before.
      prompter.AddAnswer(EAnswer::kNo);
      Choose(Child<QComboBox>(window, "profileNames"), "Backup Photos");
      QCOMPARE(list->rowCount(), 0);  // another profile: the preview is gone
      QTest::mouseClick(Child<QPushButton>(window, "restoreProfileButton"), Qt::LeftButton);
      QCOMPARE(prompter.Texts().back(),
               std::string("A restore profile for \"Backup Photos\" exists.  Preview it?"));
      QCOMPARE(Items(Child<QComboBox>(window, "profileNames")),
               (QStringList{"Backup Photos", "Restore Photos"}));
      QCOMPARE(window->windowTitle(), QStringLiteral("Restore Photos - Brevant"));
      QTest::mouseClick(Child<QPushButton>(window, "closeButton"), Qt::LeftButton);
    }));
  }

 private:
  static void ShowPage(CBrevantDlg* window, const QString& caption) {
    auto* sheet = Child<QTabWidget>(window, "settingsSheet");
    for (int page = 0; page < sheet->count(); ++page) {
      if (sheet->tabText(page) == caption) {
        sheet->setCurrentIndex(page);
      }
    }
    QCOMPARE(sheet->tabText(sheet->currentIndex()), caption);
  }

  static QStringList Items(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) {
      items.push_back(combo->itemText(i));
    }
    return items;
  }

  static QStringList Rows(const QTableView* view) {
    QStringList rows;
    for (int row = 0; row < view->model()->rowCount(); ++row) {
      rows.push_back(view->model()->index(row, 0).data().toString());
    }
    return rows;
  }

  // What choosing an entry with the mouse delivers: the entry shows, then "activated".
  static void Choose(QComboBox* combo, const QString& text) {
    const int index = combo->findText(text);
    QVERIFY(index >= 0);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }

  static void ClickRow(QTableView* view, int row, Qt::KeyboardModifiers modifiers = {}) {
    const QRect cell = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, cell.center());
  }

  static void TypeInto(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }

  // Ne&w... on the Profiles page, answered with a name.
  static void NameProfile(CBrevantDlg* window, const char* button, const QString& name,
                          bool retain) {
    auto answer = AnswerModal<CProfileNameDlg>([&](CProfileNameDlg* dialog) {
      QCOMPARE(dialog->windowTitle(), QStringLiteral("New Profile Name"));
      TypeInto(Child<QLineEdit>(dialog, "profileName"), name);
      Child<QCheckBox>(dialog, "retainSettings")->setChecked(retain);
      QTest::mouseClick(Child<QPushButton>(dialog, "okButton"), Qt::LeftButton);
    });
    QTest::mouseClick(Child<QPushButton>(window, button), Qt::LeftButton);
    QVERIFY(answer->Answered());
  }

  QString ReadFile(const std::string& relative) const {
    return QString::fromStdString(testing_support::ReadFile(m_sandbox->Root() + relative));
  }

  static bool WriteDataFile(std::vector<SProfileRecord> profiles,
                            std::vector<SQueueRecord> queues) {
    SDataFileContents contents;
    contents.profiles = std::move(profiles);
    contents.queues = std::move(queues);
    return gui_testing::WriteDataFile(contents);
  }

  std::unique_ptr<CTestSandbox> m_sandbox;
};

QTEST_MAIN(ProfilesQueuesGuiTest)
#include "ProfilesQueuesGuiTest.moc"
