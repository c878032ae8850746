// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QTreeView>
#include <QtTest>
#include <future>
#include <memory>
#include <string>
#include <vector>

#include "copy/CopyJob.h"
#include "copy/CopyMsgs.h"
#include "copy/ui/CopyMsgDlg.h"
#include "copy/ui/CopyProgressDlg.h"
#include "copy/ui/CopyResultsDlg.h"
#include "copy/ui/QtCopyErrorWindow.h"
#include "core/FormatItem.h"
#include "core/Message.h"
#include "preview/ListData.h"
#include "preview/PreviewCounts.h"
#include "preview/PreviewList.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TestSandbox.h"

using gui_testing::AnswerModal;
using gui_testing::Child;
using testing_support::CTestSandbox;

namespace {

const CFormatItem kFormat(2, true, ',');

// Answers from a script and writes each question into the same log as the jobs' calls, so
// a test sees in which order they came.
class CLoggingPrompter : public CPrompter {
 public:
  CLoggingPrompter(std::vector<std::string>& log, std::vector<EAnswer> answers)
      : m_log(log), m_answers(std::move(answers)) {}
  EAnswer Ask(const SPrompt& prompt) override {
    m_log.push_back("ask: " + prompt.text);
    if (onAsk) {
      onAsk();
    }
    if (m_next >= m_answers.size()) {
      return prompt.defaultAnswer;
    }
    return m_answers[m_next++];
  }
  std::function<void()> onAsk;

 private:
  std::vector<std::string>& m_log;
  std::vector<EAnswer> m_answers;
  size_t m_next = 0;
};

CCopyProgressDlg::SJobs LoggedJobs(std::vector<std::string>& log) {
  return {[&log](bool on) { log.push_back(on ? "suspend" : "resume"); },
          [&log] { log.push_back("stop"); }};
}

std::shared_ptr<CFilesListCtrlData> Row(const std::string& name, uint64_t size, int32_t action) {
  auto row = std::make_shared<CFilesListCtrlData>();
  row->name = name;
  row->folder = std::make_shared<const std::string>("C:\\src");
  row->size = size;
  row->action = action;
  return row;
}

CMessage CurrentItem(const std::string& name, const std::string& folder, uint64_t size) {
  auto info = std::make_shared<CItemInfo>();
  info->name = name;
  info->folder = folder;
  info->size = size;
  CMessage message(kMsgCurrentItem);
  message.Attach(std::move(info));
  return message;
}

// Every line of a tree view's model, in pre-order, with two hyphens per level as the export
// writes them.
QStringList TreeLines(const QAbstractItemModel* model, const QModelIndex& parent = {},
                      int depth = 0) {
  QStringList lines;
  for (int row = 0; row < model->rowCount(parent); ++row) {
    const QModelIndex index = model->index(row, 0, parent);
    const QString text = index.data().toString();
    lines << (depth == 0 ? text : QString(2 * depth, QLatin1Char('-')) + ' ' + text);
    lines << TreeLines(model, index, depth + 1);
  }
  return lines;
}

SMessageNode TwoKindsTree() {
  CCopyMsgs messages;
  messages.Add(kMsgNotCopied, "This source file is missing.", "C:\\src\\gone.txt");
  messages.Add(kMsgNotCopied, "This source file is in use.", "C:\\src\\busy.txt");
  messages.Add(kMsgSkipped, "read-only", "D:\\dst\\ro.txt");
  return BuildMessageTree(messages, true, kFormat);
}

CCopyResultsDlg::SContent Content(SMessageNode tree, bool hasMessages) {
  CCopyResultsDlg::SContent content;
  content.tree = std::move(tree);
  content.files = "12";
  content.folders = "3";
  content.elapsed = "1.50 seconds";
  content.hasMessages = hasMessages;
  content.exportText = "Copy Statistics and Messages\r\n\r\nthe report\r\n";
  return content;
}

}  // namespace

// The copy's windows on their own: the progress window, the error question with its
// countdown, and the statistics and messages window with its tree and export.
class CopyWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
  void init() { m_sandbox = std::make_unique<CTestSandbox>(); }
  void cleanup() { m_sandbox.reset(); }

  // --- Copy Progress ---

  void progressShowsTheFileAndTheBarsAsMessagesArrive() {
    CPreviewList list;
    CPreviewCounts counts(list);
    list.Append({Row("a.bin", 300, kActionCopy), Row("b.bin", 100, kActionCopy),
                 Row("old.txt", 5, kActionDelete)});
    std::vector<std::string> log;
    CLoggingPrompter prompter(log, {});
    CCopyProgressDlg dialog(prompter, LoggedJobs(log), kFormat);
    dialog.SetStatus(QStringLiteral("Status: Gathering file information..."));
    dialog.Handle(CMessage(kMsgCopySetup, 0), counts);
    CMessage status(kMsgStatusText);
    status.text = "Status: Copying files...";
    dialog.Handle(status, counts);
    dialog.Handle(CurrentItem("a.bin", "C:\\src\\photos", 300), counts);
    dialog.Handle(CMessage(kMsgBytesWritten, 150), counts);
    dialog.Handle(CMessage(kMsgTimeRemaining, 3725), counts);
    dialog.show();

    QCOMPARE(Child<QLabel>(&dialog, "status")->text(), QStringLiteral("Status: Copying files..."));
    QCOMPARE(Child<QLineEdit>(&dialog, "fileName")->text(), QStringLiteral("a.bin"));
    QCOMPARE(Child<QLineEdit>(&dialog, "folder")->text(), QStringLiteral("C:\\src\\photos"));
    QCOMPARE(Child<QProgressBar>(&dialog, "fileBar")->value(), 50);
    QCOMPARE(Child<QProgressBar>(&dialog, "overallBar")->value(), 37);  // 150 of 400 bytes
    QCOMPARE(Child<QLabel>(&dialog, "fileProgressLabel")->text(), QStringLiteral("File Progress:"));
    QCOMPARE(Child<QLabel>(&dialog, "remaining")->text(), QStringLiteral("3 files remaining"));
    QCOMPARE(Child<QLabel>(&dialog, "timeRemaining")->text(),
             QStringLiteral("1 hour, 2 minutes, 5 seconds remaining"));
    QCOMPARE(gui_testing::UnnamedControls(&dialog), QStringList());
    QVERIFY(gui_testing::SaveScreenshot(&dialog, QStringLiteral("copy-progress")));

    dialog.Handle(CMessage(kMsgItemDone), counts);
    QCOMPARE(Child<QProgressBar>(&dialog, "fileBar")->value(), 100);
    QCOMPARE(Child<QLabel>(&dialog, "remaining")->text(), QStringLiteral("2 files remaining"));
    dialog.Handle(CurrentItem("b.bin", "C:\\src", 100), counts);
    dialog.Handle(CMessage(kMsgBytesWritten, 60), counts);
    dialog.Handle(CMessage(kMsgFileFailed), counts);
    QCOMPARE(Child<QProgressBar>(&dialog, "fileBar")->value(), 0);
    QCOMPARE(Child<QProgressBar>(&dialog, "overallBar")->value(), 75);  // back to a.bin's end
    dialog.Handle(CMessage(kMsgTimeRemaining, -1), counts);
    QCOMPARE(Child<QLabel>(&dialog, "timeRemaining")->text(), QString());

    dialog.Finish(true, false);
    QCOMPARE(Child<QLabel>(&dialog, "status")->text(), QStringLiteral("Status: Canceled"));
    // Over: Cancel asks nothing more.
    QVERIFY(!Child<QPushButton>(&dialog, "cancelButton")->isEnabled());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(log.empty());
  }

  void progressCountsFoldersInAFolderTreeCopy() {
    CPreviewList list;
    CPreviewCounts counts(list);
    list.Append({Row("a", 0, kActionCreate), Row("b", 0, kActionCreate)});
    std::vector<std::string> log;
    CLoggingPrompter prompter(log, {});
    CCopyProgressDlg dialog(prompter, LoggedJobs(log), kFormat);
    dialog.Handle(CMessage(kMsgCopySetup, 1), counts);
    QCOMPARE(Child<QLabel>(&dialog, "fileProgressLabel")->text(),
             QStringLiteral("Folder Progress:"));
    QCOMPARE(Child<QLabel>(&dialog, "remaining")->text(), QStringLiteral("2 folders remaining"));
    dialog.Handle(CMessage(kMsgItemDone), counts);
    QCOMPARE(Child<QProgressBar>(&dialog, "overallBar")->value(), 50);
    QCOMPARE(Child<QLabel>(&dialog, "remaining")->text(), QStringLiteral("1 folder remaining"));
    // A copy that did no file ends with both bars full.
    dialog.Finish(false, true);
    QCOMPARE(Child<QLabel>(&dialog, "status")->text(), QStringLiteral("Status: Done"));
    QCOMPARE(Child<QProgressBar>(&dialog, "overallBar")->value(), 100);
    QCOMPARE(Child<QProgressBar>(&dialog, "fileBar")->value(), 100);
  }

  void cancelAsksWithBothJobsSuspendedAndYesStopsThem() {
    std::vector<std::string> log;
    CLoggingPrompter prompter(log, {EAnswer::kNo, EAnswer::kYes});
    CCopyProgressDlg dialog(prompter, LoggedJobs(log), kFormat);
    dialog.show();
    QTest::mouseClick(Child<QPushButton>(&dialog, "cancelButton"), Qt::LeftButton);
    const std::string question = "ask: Do you want to stop copying files?";
    QCOMPARE(log, (std::vector<std::string>{"suspend", question, "resume"}));
    log.clear();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QCOMPARE(log, (std::vector<std::string>{"suspend", question, "stop", "resume"}));
    // The window stays until the copy has ended, whatever the answer.
    QVERIFY(dialog.isVisible());
    log.clear();
    dialog.close();  // the close box asks too
    QCOMPARE(log, (std::vector<std::string>{"suspend", question, "resume"}));
    QVERIFY(dialog.isVisible());
  }

  void theWindowOutlivesItsQuestionWhenTheCopyEndsMeanwhile() {
    std::vector<std::string> log;
    CLoggingPrompter prompter(log, {EAnswer::kYes});
    QPointer<CCopyProgressDlg> dialog = new CCopyProgressDlg(prompter, LoggedJobs(log), kFormat);
    dialog->show();
    // The copy ended while the question was open, and the main window let the progress
    // window go; it goes after the question, with the jobs resumed.
    prompter.onAsk = [&dialog] {
      dialog->Dismiss();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      QVERIFY(dialog != nullptr);
    };
    QTest::mouseClick(Child<QPushButton>(dialog, "cancelButton"), Qt::LeftButton);
    QCOMPARE(log, (std::vector<std::string>{"suspend", "ask: Do you want to stop copying files?",
                                            "stop", "resume"}));
    QVERIFY(dialog != nullptr && !dialog->isVisible());
    QTRY_VERIFY(dialog == nullptr);
  }

  void theNextProgressWindowOpensWhereTheLastWasLeft() {
    std::vector<std::string> log;
    CLoggingPrompter prompter(log, {});
    QRect left;
    {
      CCopyProgressDlg first(prompter, LoggedJobs(log), kFormat);
      first.show();
      first.setGeometry(first.geometry().translated(37, 23).adjusted(0, 0, 40, 10));
      left = first.geometry();
      first.hide();
    }
    CCopyProgressDlg second(prompter, LoggedJobs(log), kFormat);
    QCOMPARE(second.geometry(), left);
  }

  // --- Copy Error Message ---

  void errorWindowShowsTheFailureAndClosesAsYesWhenNobodyAnswers() {
    const std::string longReason(150, 'r');
    const std::string longPath = "C:\\" + std::string(300, 'p');
    CCopyMsgDlg dialog("Could not copy a file.", longReason, longPath, true, nullptr, 5);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Copy Error Message"));
    QCOMPARE(Child<QLineEdit>(&dialog, "error")->text(), QStringLiteral("Could not copy a file."));
    QCOMPARE(Child<QLineEdit>(&dialog, "reason")->text(), QString(100, 'r'));
    QCOMPARE(Child<QLineEdit>(&dialog, "path")->text().size(), 255);
    QVERIFY(Child<QCheckBox>(&dialog, "keepShowing")->isChecked());
    QCOMPARE(Child<QLabel>(&dialog, "countdown")->text(),
             QStringLiteral("This window will close in 10 seconds."));
    QCOMPARE(gui_testing::UnnamedControls(&dialog), QStringList());
    QVERIFY(gui_testing::SaveScreenshot(&dialog, QStringLiteral("copy-error-message")));
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY(dialog.GoOn());
    dialog.reject();  // too late: the countdown has answered
    QVERIFY(dialog.GoOn());
    QCOMPARE(Child<QLabel>(&dialog, "countdown")->text(),
             QStringLiteral("This window will close in 1 second."));
  }

  void stopCountdownWaitsForTheAnswerAndNoStopsTheCopy() {
    CCopyMsgDlg dialog("Could not create a folder.", "", "D:\\dst\\x", true, nullptr, 60000);
    auto answer = AnswerModal<CCopyMsgDlg>([](CCopyMsgDlg* shown) {
      QVERIFY(Child<QTimer>(shown, "countdownTimer")->isActive());
      auto* stop = Child<QPushButton>(shown, "stopCountdownButton");
      QTest::mouseClick(stop, Qt::LeftButton);
      QVERIFY(!stop->isEnabled());
      QVERIFY(!Child<QTimer>(shown, "countdownTimer")->isActive());
      QTest::mouseClick(Child<QCheckBox>(shown, "keepShowing"), Qt::LeftButton);
      QTest::mouseClick(Child<QPushButton>(shown, "noButton"), Qt::LeftButton);
    });
    dialog.exec();
    QVERIFY(answer->Answered());
    QVERIFY(!dialog.GoOn());
    QVERIFY(!dialog.KeepShowing());
  }

  void escapeAnswersNo() {
    CCopyMsgDlg dialog("Could not copy a file.", "x", "C:\\a", true, nullptr, 60000);
    auto answer = AnswerModal<CCopyMsgDlg>(
        [](CCopyMsgDlg* shown) { QTest::keyClick(shown, Qt::Key_Escape); });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY(!dialog.GoOn());
    QVERIFY(dialog.KeepShowing());
  }

  void aWorkersQuestionIsAnsweredOnTheWindowThread() {
    QWidget main;
    CQtCopyErrorWindow window(&main, 60000);
    bool keepShowing = true;
    auto asked = std::async(std::launch::async, [&] {
      return window.Ask("Could not copy a file.", "This source file is missing.", "C:\\src\\a",
                        keepShowing);
    });
    bool onWindowThread = false;
    auto answer = AnswerModal<CCopyMsgDlg>([&](CCopyMsgDlg* shown) {
      onWindowThread = shown->thread() == QThread::currentThread();
      QCOMPARE(Child<QLineEdit>(shown, "reason")->text(),
               QStringLiteral("This source file is missing."));
      QTest::mouseClick(Child<QCheckBox>(shown, "keepShowing"), Qt::LeftButton);
      QTest::mouseClick(Child<QPushButton>(shown, "yesButton"), Qt::LeftButton);
    });
    QTRY_VERIFY(asked.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
    QVERIFY(asked.get());
    QVERIFY(!keepShowing);
    QVERIFY(onWindowThread);
  }

  void closingAnswersNoToTheWaitingWorkerAndToLaterQuestions() {
    QWidget main;
    CQtCopyErrorWindow window(&main, 60000);
    bool keepShowing = true;
    auto asked = std::async(std::launch::async, [&] {
      return window.Ask("Could not copy a file.", "", "C:\\src\\a", keepShowing);
    });
    // The windows go away while the question is open.
    auto answer = AnswerModal<CCopyMsgDlg>([&](CCopyMsgDlg*) { window.Close(); });
    QTRY_VERIFY(asked.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
    QVERIFY(answer->Answered());
    QVERIFY(!asked.get());
    QVERIFY(keepShowing);
    // Later questions get No at once, without a window.
    auto later = std::async(std::launch::async, [&] {
      bool box = true;
      return window.Ask("Could not copy a file.", "", "C:\\src\\b", box);
    });
    QVERIFY(later.wait_for(std::chrono::seconds(10)) == std::future_status::ready);
    QVERIFY(!later.get());
    QCOMPARE(window.Waiting(), size_t{0});
  }

  // --- Copy Statistics and Messages ---

  void resultsWithoutMessagesLeaveTheTreeCommandsOff() {
    CScriptedPrompter prompter;
    CCopyResultsDlg::SContent content =
        Content(BuildMessageTree(CCopyMsgs(), true, kFormat), false);
    content.foldersOnly = true;
    CCopyResultsDlg dialog(content, prompter);
    dialog.show();
    // A folder-tree copy shows its files figure on a darker grey.
    const auto base = [&](const char* name) {
      return Child<QLineEdit>(&dialog, name)->palette().color(QPalette::Base).lightness();
    };
    QVERIFY(base("files") < base("folders"));
    auto* tree = Child<QTreeView>(&dialog, "messages");
    QCOMPARE(TreeLines(tree->model()), QStringList{QStringLiteral("0 error messages")});
    QVERIFY(!Child<QPushButton>(&dialog, "expandButton")->isEnabled());
    QVERIFY(!Child<QCheckBox>(&dialog, "withDetails")->isEnabled());
    QVERIFY(!Child<QLabel>(&dialog, "advice")->isVisible());
    QCOMPARE(Child<QLineEdit>(&dialog, "files")->text(), QStringLiteral("12"));
    QCOMPARE(Child<QLineEdit>(&dialog, "folders")->text(), QStringLiteral("3"));
    QCOMPARE(Child<QLineEdit>(&dialog, "elapsed")->text(), QStringLiteral("1.50 seconds"));
    QCOMPARE(gui_testing::UnnamedControls(&dialog), QStringList());
    QVERIFY(gui_testing::SaveScreenshot(&dialog, QStringLiteral("copy-results-empty")));
  }

  void expandShowsThePathsAndWithDetailsTheReasons() {
    CScriptedPrompter prompter;
    CCopyResultsDlg dialog(Content(TwoKindsTree(), true), prompter);
    dialog.show();
    auto* tree = Child<QTreeView>(&dialog, "messages");
    QAbstractItemModelTester tester(tree->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(TreeLines(tree->model()),
             (QStringList{"3 error messages", "-- 2 files: Could not be copied.",
                          "---- C:\\src\\gone.txt", "------ This source file is missing.",
                          "---- C:\\src\\busy.txt", "------ This source file is in use.",
                          "-- 1 file: Skipped due to destination attribute(s).",
                          "---- D:\\dst\\ro.txt", "------ read-only"}));
    QVERIFY(Child<QLabel>(&dialog, "advice")->isVisible());
    const QAbstractItemModel* model = tree->model();
    const QModelIndex root = model->index(0, 0);
    const QModelIndex copied = model->index(0, 0, root);
    const QModelIndex skipped = model->index(1, 0, root);
    const QModelIndex gone = model->index(0, 0, copied);
    QVERIFY(tree->isExpanded(root));
    QVERIFY(!tree->isExpanded(copied));

    auto* expand = Child<QPushButton>(&dialog, "expandButton");
    auto* details = Child<QCheckBox>(&dialog, "withDetails");
    QTest::mouseClick(expand, Qt::LeftButton);
    QVERIFY(tree->isExpanded(copied) && tree->isExpanded(skipped));
    QVERIFY(!tree->isExpanded(gone));  // the reasons stay folded away
    QCOMPARE(expand->text(), QStringLiteral("C&ollapse"));
    QVERIFY(!details->isEnabled());

    QTest::mouseClick(expand, Qt::LeftButton);
    QVERIFY(!tree->isExpanded(copied) && !tree->isExpanded(skipped));
    QVERIFY(tree->isExpanded(root));
    QCOMPARE(expand->text(), QStringLiteral("E&xpand"));
    QVERIFY(details->isEnabled());

    details->setChecked(true);
    QTest::mouseClick(expand, Qt::LeftButton);
    QVERIFY(tree->isExpanded(gone) && tree->isExpanded(model->index(0, 0, skipped)));
    QVERIFY(gui_testing::SaveScreenshot(&dialog, QStringLiteral("copy-results-with-details")));
    // Collapsing folds everything below the kinds, so the next Expand without details shows
    // no reasons.
    QTest::mouseClick(expand, Qt::LeftButton);
    QVERIFY(!tree->isExpanded(gone));
  }

  void exportStartsOnTheDesktopAndAsksBeforeReplacingAFile() {
    const QString desktop = QString::fromStdString(m_sandbox->Home()) + "/Desktop";
    QVERIFY(QDir().mkpath(desktop));
    testing_support::WriteFile((desktop + "/report.txt").toStdString(), "an older report");
    CScriptedPrompter prompter({EAnswer::kNo, EAnswer::kYes});
    CCopyResultsDlg::SContent content = Content(TwoKindsTree(), true);
    content.desktopFolder = CTestSandbox::OnC("home/Desktop");
    CCopyResultsDlg dialog(content, prompter);
    dialog.show();

    int saveWindows = 0;
    QString startedIn;
    std::function<void(QFileDialog*)> choose = [&](QFileDialog* save) {
      ++saveWindows;
      startedIn = save->directory().absolutePath();
      QCOMPARE(save->defaultSuffix(), QStringLiteral("txt"));
      QCOMPARE(save->nameFilters(), QStringList{QStringLiteral("Text Files (*.txt)")});
      gui_testing::ChooseFile(save, desktop + "/report");  // the extension comes by default
    };
    // No to replacing brings the Save window back; the second time Yes replaces the file.
    auto first = AnswerModal<QFileDialog>(choose);
    auto again = std::make_unique<gui_testing::CModalAnswer>(
        [&](QWidget* widget) {
          return qobject_cast<QFileDialog*>(widget) != nullptr && first->Answered();
        },
        [&](QWidget* widget) { choose(qobject_cast<QFileDialog*>(widget)); }, 10000);
    QTest::mouseClick(Child<QPushButton>(&dialog, "exportButton"), Qt::LeftButton);
    QCOMPARE(saveWindows, 2);
    QCOMPARE(startedIn, desktop);
    QCOMPARE(
        QString::fromStdString(testing_support::ReadFile((desktop + "/report.txt").toStdString())),
        QString::fromStdString(content.exportText));
    const auto prompts = prompter.Prompts();
    QCOMPARE(prompts.size(), size_t{3});
    QCOMPARE(QString::fromStdString(prompts[0].text),
             QStringLiteral("report.txt already exists.\nDo you want to replace it?"));
    QCOMPARE(QString::fromStdString(prompts[2].text),
             QStringLiteral("Finished writing the export file."));
    QVERIFY(prompts[2].icon == EIcon::kInformation);
  }

  void theNextResultsWindowOpensWhereTheLastWasLeft() {
    CScriptedPrompter prompter;
    QRect left;
    {
      CCopyResultsDlg first(Content(TwoKindsTree(), true), prompter);
      first.show();
      first.setGeometry(first.geometry().translated(41, 17).adjusted(0, 0, 60, 30));
      left = first.geometry();
      first.reject();
    }
    CCopyResultsDlg second(Content(TwoKindsTree(), true), prompter);
    QCOMPARE(second.geometry(), left);
  }

 private:
  std::unique_ptr<CTestSandbox> m_sandbox;
};

QTEST_MAIN(CopyWindowsTest)
#include "CopyWindowsTest.moc"
