// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <sys/stat.h>
#include <sys/xattr.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTextCursor>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/MainCommands.h"
#include "app/ui/AboutDlg.h"
#include "app/ui/BrevantDlg.h"
#include "app/ui/ChooseTopicDlg.h"
#include "app/ui/DebugMessagesDlg.h"
#include "app/ui/DriveStatusDlg.h"
#include "app/ui/ProgramNotesDlg.h"
#include "app/ui/SetAttributesDlg.h"
#include "listops/ui/PreviewListDlg.h"
#include "platform/DebugMessages.h"
#include "platform/OptionStore.h"
#include "platform/Shell.h"
#include "preview/ui/PreviewStatisticsDlg.h"
#include "profile/DataFile.h"
#include "tests/support/GuiProgram.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TestSandbox.h"

using gui_testing::AnswerModal;
using gui_testing::Child;
using gui_testing::Profile;
using testing_support::CTestSandbox;

namespace {

// A scripted prompter that also lets a test look at the windows while a prompt is open (the
// tools show their results while their run is still on).
class CProbingPrompter : public CScriptedPrompter {
 public:
  EAnswer Ask(const SPrompt& prompt) override {
    if (m_probe) {
      m_probe(prompt);
    }
    return CScriptedPrompter::Ask(prompt);
  }
  void SetProbe(std::function<void(const SPrompt&)> probe) { m_probe = std::move(probe); }

 private:
  std::function<void(const SPrompt&)> m_probe;
};

// What a file looks like on disk: its write permission and the flags the program stores.
struct SDiskMarks {
  bool writable = false;
  std::string flags;  // "H", "H|<time>|<size>", ... ; empty when none are stored
};

SDiskMarks MarksOnDisk(const std::string& posixPath) {
  SDiskMarks marks;
  struct stat info {};
  if (stat(posixPath.c_str(), &info) == 0) {
    marks.writable = (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
  }
  char buffer[256] = {};
  const ssize_t size = getxattr(posixPath.c_str(), "user.brevant.attrib", buffer, sizeof buffer);
  if (size > 0) {
    marks.flags.assign(buffer, static_cast<size_t>(size));
  }
  return marks;
}
bool Hidden(const SDiskMarks& marks) {
  return marks.flags.find('H') != std::string::npos;
}
// A stored "archive cleared" record holds the file's time and size after a "|".
bool ArchiveCleared(const SDiskMarks& marks) {
  return marks.flags.find('|') != std::string::npos;
}

// Clicks a check box on its box, where a click toggles it however wide the box's row is.
void Toggle(QCheckBox* box) {
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
}

// Closes a modal window when an answer's checks stop early, so that the test goes on.
class CCloseAtEnd {
 public:
  explicit CCloseAtEnd(QDialog* dialog) : m_dialog(dialog) {}
  ~CCloseAtEnd() {
    if (m_dialog != nullptr && m_dialog->isVisible()) {
      m_dialog->done(QDialog::Rejected);
    }
  }
  CCloseAtEnd(const CCloseAtEnd&) = delete;
  CCloseAtEnd& operator=(const CCloseAtEnd&) = delete;

 private:
  QPointer<QDialog> m_dialog;
};

QStringList MenuEntries(const QMenu* menu) {
  QStringList entries;
  for (const QAction* action : menu->actions()) {
    entries.append(action->isSeparator() ? QStringLiteral("-") : action->text());
  }
  return entries;
}

}  // namespace

// The main window's tools as a user meets them in the running program: the Tools menu,
// the Program Notes (at start-up, with F1 and with Choose a Topic), Set Attributes, Drive
// Status, Debug Messages and About.
class ToolsGuiTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
  void init() {
    m_sandbox = std::make_unique<CTestSandbox>();
    testing_support::BuildTree(m_sandbox->CRoot() + "/photos",
                               {{"a.jpg", "aaaa"}, {"ro.jpg", "r"}, {"trip/b.jpg", "bb"}});
  }
  void cleanup() { m_sandbox.reset(); }

  void theToolsMenuKeepsTheFixedOrderWithItsShortcuts() {
    CScriptedPrompter prompter;
    QVERIFY(gui_testing::RunProgram(prompter, [&](CBrevantDlg* window) {
      const QMenu* menu = Child<QMenu>(window, "mainMenu");
      const QStringList entries = MenuEntries(menu);
      // The commands present, in the order of the full menu, a separator between groups.
      const QList<QStringList> groups = {
          {"Show &Program Notes", "&Set Attributes...", "Alter &Version Filenames...",
           "&Launch File/Windows Explorer"},
          {"&Export Preview List...", "Expor&t Settings..."},
          {"C&opy..."},
          {"&About Brevant"}};
      QStringList expected;
      for (const QStringList& group : groups) {
        QStringList present;
        for (const QString& text : group) {
          if (entries.contains(text)) {
            present.append(text);
          }
        }
        if (!present.isEmpty() && !expected.isEmpty()) {
          expected.append(QStringLiteral("-"));
        }
        expected += present;
      }
      QCOMPARE(entries, expected);
      for (const auto& [text, keys] :
           std::vector<std::pair<QString, QString>>{{"Show &Program Notes", "Ctrl+P"},
                                                    {"&Set Attributes...", "Ctrl+S"},
                                                    {"&About Brevant", "Ctrl+A"},
                                                    {"C&opy...", ""}}) {
        const QAction* action = nullptr;
        for (const QAction* candidate : menu->actions()) {
          if (candidate->text() == text) {
            action = candidate;
          }
        }
        QVERIFY2(action != nullptr, qPrintable(text));
        QCOMPARE(action->shortcut().toString(), keys);
      }
      auto* shown = Child<QMenu>(window, "mainMenu");
      shown->popup(window->mapToGlobal(QPoint(20, 20)));
      QTRY_VERIFY(shown->isVisible());
      QVERIFY(gui_testing::SaveScreenshot(shown, QStringLiteral("tools-menu")));
      shown->hide();
    }));
  }

  void programNotesOpenAtStartUpAndTheNextStartGoesOn() {
    {
      platform::COptionStore store;
      store.SetInt("Start Up", "Show Day Tip", 1);
      store.SetInt("Start Up", "Day Tip Index", 29);  // the last of the 30 topics
    }
    CScriptedPrompter prompter;
    QVERIFY(gui_testing::RunProgram(prompter, [&](CBrevantDlg*) {
      auto notes = AnswerModal<CProgramNotesDlg>([](CProgramNotesDlg* dialog) {
        const CCloseAtEnd closer(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Program Notes"));
        QCOMPARE(Child<QComboBox>(dialog, "noteNumber")->currentText(), QStringLiteral("30"));
        QCOMPARE(Child<QLabel>(dialog, "noteCount")->text(), QStringLiteral("of 30"));
        QCOMPARE(Child<QLabel>(dialog, "topicTitle")->text(),
                 QStringLiteral("Where Brevant keeps its data"));
        QVERIFY(!Child<QPushButton>(dialog, "nextButton")->isEnabled());
        QVERIFY(!Child<QPushButton>(dialog, "lastButton")->isEnabled());
        QVERIFY(Child<QPushButton>(dialog, "previousButton")->isEnabled());
        QVERIFY(Child<QCheckBox>(dialog, "showAtStart")->isChecked());
        QCOMPARE(gui_testing::UnnamedControls(dialog), QStringList());
        QVERIFY(gui_testing::SaveScreenshot(dialog, QStringLiteral("program-notes")));
        QTest::mouseClick(Child<QPushButton>(dialog, "closeButton"), Qt::LeftButton);
      });
      QTRY_VERIFY(notes->Answered());
    }));
    QCOMPARE(platform::COptionStore().GetInt("Start Up", "Day Tip Index", -1), 30);

    // One past the last topic: the next start begins again at the first, whose heading is
    // centred. Unchecking the box keeps the notes closed at the following start.
    QVERIFY(gui_testing::RunProgram(prompter, [&](CBrevantDlg*) {
      auto notes = AnswerModal<CProgramNotesDlg>([](CProgramNotesDlg* dialog) {
        const CCloseAtEnd closer(dialog);
        QCOMPARE(dialog->Topic(), 0);
        QCOMPARE(Child<QLabel>(dialog, "topicTitle")->text(), QStringLiteral("Welcome to Brevant"));
        const QString text = Child<QPlainTextEdit>(dialog, "noteText")->toPlainText();
        QVERIFY2(text.startsWith(QStringLiteral("  ")), qPrintable(text.left(40)));
        QVERIFY(text.trimmed().startsWith(QStringLiteral("Welcome to Brevant\n")));
        QVERIFY(!Child<QPushButton>(dialog, "firstButton")->isEnabled());
        QVERIFY(gui_testing::SaveScreenshot(dialog, QStringLiteral("program-notes-first")));
        Toggle(Child<QCheckBox>(dialog, "showAtStart"));
        QTest::mouseClick(Child<QPushButton>(dialog, "nextButton"), Qt::LeftButton);
        QCOMPARE(Child<QLabel>(dialog, "topicTitle")->text(), QStringLiteral("The Profiles page"));
        QTest::mouseClick(Child<QPushButton>(dialog, "closeButton"), Qt::LeftButton);
      });
      QTRY_VERIFY(notes->Answered());
    }));
    platform::COptionStore store;
    QCOMPARE(store.GetInt("Start Up", "Show Day Tip", -1), 0);
    QCOMPARE(store.GetInt("Start Up", "Day Tip Index", -1), 2);

    QVERIFY(gui_testing::RunProgram(prompter, [&](CBrevantDlg*) {
      bool opened = false;
      auto notes = AnswerModal<CProgramNotesDlg>([&](CProgramNotesDlg* dialog) {
        const CCloseAtEnd closer(dialog);
        opened = true;
        dialog->reject();
      });
      for (int pass = 0; pass < 5; ++pass) {
        QCoreApplication::processEvents();  // the start-up step's turn
      }
      QVERIFY(!opened);
    }));
    QVERIFY(prompter.Texts().empty());
  }

  void f1OpensTheNoteOfTheFocusedButton() {
    CScriptedPrompter prompter;
    QVERIFY(gui_testing::RunProgram(prompter, [&](CBrevantDlg* window) {
      Activate(window);
      const auto titleAfterF1 = [window](QWidget* focus) {
        Activate(window);  // again, after the last notes window
        focus->setFocus();
        QString title;
        auto notes = AnswerModal<CProgramNotesDlg>([&title](CProgramNotesDlg* dialog) {
          const CCloseAtEnd closer(dialog);
          title = Child<QLabel>(dialog, "topicTitle")->text();
          dialog->accept();
        });
        QTest::keyClick(focus, Qt::Key_F1);
        return title;
      };
      QCOMPARE(titleAfterF1(Child<QPushButton>(window, "previewButton")),
               QStringLiteral("The Preview button"));
      QCOMPARE(titleAfterF1(Child<QPushButton>(window, "copyButton")),
               QStringLiteral("The Copy button"));
      QCOMPARE(titleAfterF1(Child<QPushButton>(window, "optionsButton")),
               QStringLiteral("The Options window"));
      QCOMPARE(titleAfterF1(Child<QPushButton>(window, "closeButton")),
               QStringLiteral("Welcome to Brevant"));
      // Anywhere else: the stored topic, the one after the last shown.
      QCOMPARE(titleAfterF1(Child<QLineEdit>(window, "sourcePath")),
               QStringLiteral("The Profiles page"));
    }));
  }

  void chooseATopicSearchesAllNotesAndShowsTheText() {
    CScriptedPrompter prompter;
    QVERIFY(gui_testing::RunProgram(prompter, [&](CBrevantDlg* window) {
      Activate(window);
      bool chosen = false;
      auto notes = AnswerModal<CProgramNotesDlg>([&](CProgramNotesDlg* dialog) {
        const CCloseAtEnd closer(dialog);
        auto choose = AnswerModal<CChooseTopicDlg>([&](CChooseTopicDlg* topics) {
          const CCloseAtEnd closer(topics);
          QCOMPARE(topics->windowTitle(), QStringLiteral("Choose a Topic"));
          auto* list = Child<QTableView>(topics, "topics");
          QCOMPARE(list->model()->rowCount(), 30);
          QCOMPARE(list->selectionModel()->selectedRows().size(), 1);  // the current topic
          auto* search = Child<QLineEdit>(topics, "search");
          auto* found = Child<QLabel>(topics, "topicsFound");
          QCOMPARE(found->text(), QStringLiteral("0"));
          // Several topics name a shortcut: OK then needs a single one.
          QTest::keyClicks(search, QStringLiteral("ctrl+"));
          QTest::keyClick(search, Qt::Key_Return);
          QVERIFY(found->text().toInt() > 1);
          QCOMPARE(list->selectionModel()->selectedRows().size(), found->text().toInt());
          QTest::mouseClick(Child<QPushButton>(topics, "okButton"), Qt::LeftButton);
          QVERIFY(topics->isVisible());
          // Capitals find what small letters find.
          search->clear();
          QTest::keyClicks(search, QStringLiteral("SCHEDULED BACKUPS"));
          QTest::mouseClick(Child<QPushButton>(topics, "findButton"), Qt::LeftButton);
          QCOMPARE(found->text(), QStringLiteral("1"));
          const QModelIndex row = list->selectionModel()->selectedRows(1).constFirst();
          QCOMPARE(row.data().toString(), QStringLiteral("Backups without windows"));
          QCOMPARE(gui_testing::UnnamedControls(topics), QStringList());
          QVERIFY(gui_testing::SaveScreenshot(topics, QStringLiteral("choose-a-topic")));
          QTest::mouseClick(Child<QPushButton>(topics, "okButton"), Qt::LeftButton);
        });
        QTest::mouseClick(Child<QPushButton>(dialog, "topicButton"), Qt::LeftButton);
        QVERIFY(choose->Answered());
        chosen = true;
        QCOMPARE(Child<QLabel>(dialog, "topicTitle")->text(),
                 QStringLiteral("Backups without windows"));
        auto* text = Child<QPlainTextEdit>(dialog, "noteText");
        QCOMPARE(text->textCursor().selectedText(), QStringLiteral("scheduled backups"));
        QCOMPARE(dialog->focusWidget(), text);
        QVERIFY(gui_testing::SaveScreenshot(dialog, QStringLiteral("program-notes-found")));
        dialog->accept();
      });
      QTest::keyClick(Child<QPushButton>(window, "copyButton"), Qt::Key_P, Qt::ControlModifier);
      QVERIFY(notes->Answered());
      QVERIFY(chosen);
    }));
    QCOMPARE(prompter.Texts(), std::vector<std::string>{"Please select a single topic."});
  }

  void setAttributesChangesTheMarksOfTheFilesOnDisk() {
    SProfileRecord profile = Profile("Holiday", "C:\\photos", "D:\\backup");
    profile.settings.includeHidden = 1;  // files made hidden stay selected for the next run
    QVERIFY(gui_testing::WriteDataFile({profile}, 0));
    CProbingPrompter prompter;
    const std::string photos = m_sandbox->CRoot() + "/photos/";
    const std::vector<std::string> files = {photos + "a.jpg", photos + "ro.jpg",
                                            photos + "trip/b.jpg"};
    QVERIFY(gui_testing::RunProgram(prompter, [&](CBrevantDlg* window) {
      Activate(window);
      auto tool = AnswerModal<CSetAttributesDlg>([&](CSetAttributesDlg* dialog) {
        const CCloseAtEnd closer(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Set Attributes"));
        auto* replace = Child<QPushButton>(dialog, "replaceButton");
        auto* addIn = Child<QPushButton>(dialog, "addInButton");
        auto* close = Child<QPushButton>(dialog, "closeButton");
        QString captionDuringRun;
        bool closeDuringRun = true;
        prompter.SetProbe([&](const SPrompt&) {
          captionDuringRun = replace->text();
          closeDuringRun = close->isEnabled();
        });
        Toggle(Child<QCheckBox>(dialog, "readOnly"));
        Toggle(Child<QCheckBox>(dialog, "hidden"));
        QVERIFY(gui_testing::SaveScreenshot(dialog, QStringLiteral("set-attributes")));
        QTest::mouseClick(replace, Qt::LeftButton);
        QCOMPARE(captionDuringRun, QStringLiteral("&Stop"));
        QVERIFY(!closeDuringRun);
        prompter.SetProbe({});
        QCOMPARE(replace->text(), QStringLiteral("R&eplace"));
        QVERIFY(close->isEnabled());
        for (const std::string& file : files) {
          const SDiskMarks marks = MarksOnDisk(file);
          QVERIFY2(!marks.writable && Hidden(marks) && ArchiveCleared(marks), file.c_str());
        }

        // Add In of the archive mark keeps read-only and hidden.
        Toggle(Child<QCheckBox>(dialog, "readOnly"));
        Toggle(Child<QCheckBox>(dialog, "hidden"));
        Toggle(Child<QCheckBox>(dialog, "archive"));
        QTest::mouseClick(addIn, Qt::LeftButton);
        for (const std::string& file : files) {
          const SDiskMarks marks = MarksOnDisk(file);
          QVERIFY2(!marks.writable && Hidden(marks) && !ArchiveCleared(marks), file.c_str());
        }

        // Replace with nothing checked: plain files again.
        Toggle(Child<QCheckBox>(dialog, "archive"));
        QTest::mouseClick(replace, Qt::LeftButton);
        for (const std::string& file : files) {
          const SDiskMarks marks = MarksOnDisk(file);
          QVERIFY2(marks.writable && !Hidden(marks) && ArchiveCleared(marks), file.c_str());
        }

        // Stop: a press queued before the run is seen between its folders.
        Toggle(Child<QCheckBox>(dialog, "hidden"));
        QMetaObject::invokeMethod(replace, "click", Qt::QueuedConnection);
        QTest::mouseClick(replace, Qt::LeftButton);
        QVERIFY(Hidden(MarksOnDisk(photos + "a.jpg")));
        QVERIFY(!Hidden(MarksOnDisk(photos + "trip/b.jpg")));
        QCOMPARE(gui_testing::UnnamedControls(dialog), QStringList());
        QTest::mouseClick(close, Qt::LeftButton);
      });
      QTest::keyClick(Child<QPushButton>(window, "previewButton"), Qt::Key_S, Qt::ControlModifier);
      QVERIFY(tool->Answered());
      QVERIFY(Child<QWidget>(window, "settingsSheet")->isEnabled());
    }));
    QCOMPARE(prompter.Texts(),
             (std::vector<std::string>{
                 "Files Changed:\t3\nFiles Unchanged:\t0\nTotal Files:\t3",
                 "Files Changed:\t3\nFiles Unchanged:\t0\nTotal Files:\t3",
                 "Files Changed:\t3\nFiles Unchanged:\t0\nTotal Files:\t3",
                 "Attribute setting canceled.\n\nFiles Changed:\t2\nFiles Unchanged:\t0\nTotal "
                 "Files:\t2"}));
  }

  void driveStatusMovesTheSourceToTheChosenDrive() {
    // E: is not among the drives: Preview opens Drive Status, and C: is chosen instead.
    QVERIFY(gui_testing::WriteDataFile({Profile("Holiday", "E:\\photos", "D:\\backup")}, 0));
    CScriptedPrompter prompter;
    QVERIFY(gui_testing::RunProgram(prompter, [&](CBrevantDlg* window) {
      auto status = AnswerModal<CDriveStatusDlg>([](CDriveStatusDlg* dialog) {
        const CCloseAtEnd closer(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Drive Status"));
        QCOMPARE(Child<QLineEdit>(dialog, "sourceState")->text(),
                 QStringLiteral("E: not connected or detected"));
        QCOMPARE(Child<QLineEdit>(dialog, "destinationState")->text(), QStringLiteral("D: ready"));
        QCOMPARE(Child<QLineEdit>(dialog, "availableDrives")->text(), QStringLiteral("C and D"));
        auto* source = Child<QComboBox>(dialog, "newSourceDrive");
        auto* destination = Child<QComboBox>(dialog, "newDestinationDrive");
        QVERIFY(source->isEnabled());
        QVERIFY(!destination->isEnabled());
        QCOMPARE(source->currentText(), QStringLiteral("---"));
        QCOMPARE(destination->itemText(1), QStringLiteral("C"));
        QCOMPARE(gui_testing::UnnamedControls(dialog), QStringList());
        QVERIFY(gui_testing::SaveScreenshot(dialog, QStringLiteral("drive-status")));
        source->setCurrentIndex(source->findText(QStringLiteral("C")));
        QTest::mouseClick(Child<QPushButton>(dialog, "closeButton"), Qt::LeftButton);
      });
      auto statistics = AnswerModal<CPreviewStatisticsDlg>(
          [](CPreviewStatisticsDlg* dialog) { dialog->accept(); }, 20000);
      QTest::mouseClick(Child<QPushButton>(window, "previewButton"), Qt::LeftButton);
      QVERIFY(status->Answered());
      QTRY_VERIFY_WITH_TIMEOUT(statistics->Answered() && !window->Commands().JobRunning(), 20000);
      QCOMPARE(Child<QLineEdit>(window, "sourcePath")->text(), QStringLiteral("C:\\photos"));
      QCOMPARE(window->PreviewList().View()->model()->rowCount(), 3);
    }));
    QVERIFY(prompter.Texts().empty());
  }

  void driveStatusWaitsForTheDriveAndClosesAfterTheCountdown() {
    // D: is mapped, but its disk is not there yet.
    m_sandbox->SetDrives("C={root}/c;D={root}/later");
    CScriptedPrompter prompter;
    CDriveStatusDlg dialog(kDriveReady, kDriveNoDisk, "C:\\photos\\", "D:\\backup\\", prompter,
                           nullptr, 400);
    dialog.open();
    auto* destination = Child<QLineEdit>(&dialog, "destinationState");
    auto* wait = Child<QPushButton>(&dialog, "waitButton");
    auto* countdown = Child<QLabel>(&dialog, "countdown");
    QCOMPARE(destination->text(), QStringLiteral("D: no disk in drive"));

    // Wait, then Stop: back to choosing.
    QTest::mouseClick(wait, Qt::LeftButton);
    QCOMPARE(wait->text(), QStringLiteral("&Stop"));
    QVERIFY(!Child<QComboBox>(&dialog, "newDestinationDrive")->isEnabled());
    QTest::mouseClick(wait, Qt::LeftButton);
    QCOMPARE(wait->text(), QStringLiteral("&Wait"));
    QVERIFY(Child<QComboBox>(&dialog, "newDestinationDrive")->isEnabled());

    QTest::mouseClick(wait, Qt::LeftButton);
    testing_support::MakeFolders(m_sandbox->Root() + "/later");  // the disk arrives
    QTRY_COMPARE_WITH_TIMEOUT(destination->text(), QStringLiteral("D: ready"), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(countdown->text(),
                              QStringLiteral("This window will close in 3 seconds."), 5000);
    QVERIFY(gui_testing::SaveScreenshot(&dialog, QStringLiteral("drive-status-countdown")));
    QTRY_COMPARE_WITH_TIMEOUT(countdown->text(),
                              QStringLiteral("This window will close in 2 seconds."), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(countdown->text(),
                              QStringLiteral("This window will close in 1 second."), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), 5000);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.DestinationPath(), std::string("D:\\backup\\"));
    QVERIFY(prompter.Texts().empty());
  }

  void driveStatusAsksBeforePuttingBothFoldersOnOneDrive() {
    CScriptedPrompter prompter({EAnswer::kNo, EAnswer::kYes});
    CDriveStatusDlg dialog(kDriveNotConnected, kDriveReady, "E:\\photos\\", "D:\\backup\\",
                           prompter);
    dialog.open();
    auto* source = Child<QComboBox>(&dialog, "newSourceDrive");
    source->setCurrentIndex(source->findText(QStringLiteral("D")));
    QTest::keyClick(&dialog, Qt::Key_Escape);  // Escape closes as Close does, after asking
    QVERIFY(dialog.isVisible());               // No
    QTest::mouseClick(Child<QPushButton>(&dialog, "closeButton"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());  // Yes
    QCOMPARE(dialog.SourcePath(), std::string("D:\\photos\\"));
    QCOMPARE(prompter.Texts(),
             (std::vector<std::string>{
                 "Do you want the source and destination drives to be the same?",
                 "Do you want the source and destination drives to be the same?"}));
  }

  void debugMessagesShowClearAndExportByteForByte() {
    CScriptedPrompter prompter;
    prompter.SetAnswerYes(true);
    const std::string exported = m_sandbox->Root() + "/d/debug.txt";
    QVERIFY(gui_testing::RunProgram(prompter, [&](CBrevantDlg* window) {
      Activate(window);
      ClearDebugMessages();
      auto* focus = Child<QPushButton>(window, "previewButton");
      // With no messages, Ctrl+D opens nothing.
      bool opened = false;
      auto none = AnswerModal<CDebugMessagesDlg>([&](CDebugMessagesDlg* dialog) {
        const CCloseAtEnd closer(dialog);
        opened = true;
        dialog->reject();
      });
      QTest::keyClick(focus, Qt::Key_D, Qt::ControlModifier);
      QVERIFY(!opened);
      none.reset();

      AddDebugMessage("main     : left: %03d, top: %03d", 7, 42);
      AddDebugMessage("Data version: %d", 7);
      auto shown = AnswerModal<CDebugMessagesDlg>([&](CDebugMessagesDlg* dialog) {
        const CCloseAtEnd closer(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Debug Messages"));
        auto* list = Child<QListView>(dialog, "messages");
        QCOMPARE(list->model()->rowCount(), 2);
        QCOMPARE(list->model()->index(1, 0).data().toString(), QStringLiteral("Data version: 7"));
        QCOMPARE(gui_testing::UnnamedControls(dialog), QStringList());
        QVERIFY(gui_testing::SaveScreenshot(dialog, QStringLiteral("debug-messages")));
        ExportTo(dialog, exported);
        QCOMPARE(QString::fromStdString(testing_support::ReadFile(exported)),
                 QStringLiteral("Debug Messages\r\n\r\nmain     : left: 007, top: 042\r\n"
                                "Data version: 7\r\n"));
        QTest::mouseClick(Child<QPushButton>(dialog, "clearButton"), Qt::LeftButton);
        QCOMPARE(list->model()->rowCount(), 0);
        QVERIFY(GetDebugMessages().empty());
        ExportTo(dialog, exported);  // over the file written before, after a question
        QCOMPARE(QString::fromStdString(testing_support::ReadFile(exported)),
                 QStringLiteral("Debug Messages\r\n\r\n"));
        QTest::mouseClick(Child<QPushButton>(dialog, "closeButton"), Qt::LeftButton);
      });
      QTest::keyClick(focus, Qt::Key_D, Qt::ControlModifier);
      QVERIFY(shown->Answered());
    }));
    QCOMPARE(prompter.Texts(), (std::vector<std::string>{"Finished writing the export file.",
                                                         "debug.txt already exists.\nDo you want "
                                                         "to replace it?",
                                                         "Finished writing the export file."}));
  }

  void aboutShowsTheVersionCopiesTheAddressAndOpensTheWebPage() {
    std::vector<std::vector<std::string>> started;
    platform::SetProcessStarter(
        [&](const std::string& program, const std::vector<std::string>& args) {
          std::vector<std::string> command{program};
          command.insert(command.end(), args.begin(), args.end());
          started.push_back(command);
          return true;
        });
    testing_support::MakeFolders(m_sandbox->Home() + "/.local/share/applications");
    testing_support::WriteFile(m_sandbox->Home() + "/.local/share/applications/browser.desktop",
                               "[Desktop Entry]\nType=Application\nName=Browser\n"
                               "Exec=brevant-test-browser %u\n");
    testing_support::MakeFolders(m_sandbox->Home() + "/.config");
    testing_support::WriteFile(m_sandbox->Home() + "/.config/mimeapps.list",
                               "[Default Applications]\nx-scheme-handler/https=browser.desktop\n");
    CScriptedPrompter prompter;
    QVERIFY(gui_testing::RunProgram(prompter, [&](CBrevantDlg* window) {
      Activate(window);
      QApplication::clipboard()->clear();
      auto about = AnswerModal<CAboutDlg>([](CAboutDlg* dialog) {
        const CCloseAtEnd closer(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("About Brevant"));
        QCOMPARE(Child<QLabel>(dialog, "programVersion")->text(),
                 QStringLiteral("Brevant Version 1.8"));
        QVERIFY(!Child<QLabel>(dialog, "programIcon")->pixmap().isNull());
        QCOMPARE(gui_testing::UnnamedControls(dialog), QStringList());
        QVERIFY(gui_testing::SaveScreenshot(dialog, QStringLiteral("about")));
        QTest::mouseClick(Child<QPushButton>(dialog, "copyButton"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("brevant@quillmoor.org"));
        auto* link = Child<QLabel>(dialog, "webPage");
        QMetaObject::invokeMethod(link, "linkActivated", Q_ARG(QString, link->text()));
        QTest::mouseClick(Child<QPushButton>(dialog, "okButton"), Qt::LeftButton);
      });
      QTest::keyClick(Child<QPushButton>(window, "closeButton"), Qt::Key_A, Qt::ControlModifier);
      QVERIFY(about->Answered());
    }));
    platform::SetProcessStarter({});
    QCOMPARE(prompter.Texts(),
             std::vector<std::string>{"This e-mail address has been copied to the Clipboard."});
    QCOMPARE(started.size(), size_t{1});
    QCOMPARE(started.front(),
             (std::vector<std::string>{"brevant-test-browser", "https://quillmoor.org/brevant/"}));
  }

 private:
  // The main window as the window that takes the keyboard, so that its shortcuts act.
  static void Activate(CBrevantDlg* window) {
    window->activateWindow();
    QTRY_VERIFY(window->isActiveWindow());
  }

  // Export in the Debug Messages window, saving to `posixPath`.
  static void ExportTo(CDebugMessagesDlg* dialog, const std::string& posixPath) {
    auto save = AnswerModal<QFileDialog>([&](QFileDialog* file) {
      const CCloseAtEnd closer(file);
      // The name is typed into the dialog's name field, as a user does (choosing a file
      // leaves that field alone while it has the focus).
      const QFileInfo wanted(QString::fromStdString(posixPath));
      file->setDirectory(wanted.absolutePath());
      auto* name = file->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      QVERIFY(name != nullptr);
      name->setText(wanted.fileName());
      QCOMPARE(file->selectedFiles(), QStringList{wanted.absoluteFilePath()});
      static_cast<QDialog*>(file)->accept();  // as its Save button does
    });
    QTest::mouseClick(Child<QPushButton>(dialog, "exportButton"), Qt::LeftButton);
    QVERIFY(save->Answered());
  }

  std::unique_ptr<CTestSandbox> m_sandbox;
};

QTEST_MAIN(ToolsGuiTest)
#include "ToolsGuiTest.moc"
