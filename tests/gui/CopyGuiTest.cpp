// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <sys/stat.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTreeView>
#include <QtTest>
#include <atomic>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/MainCommands.h"
#include "app/ui/BrevantDlg.h"
#include "copy/ui/CopyMsgDlg.h"
#include "copy/ui/CopyProgressDlg.h"
#include "copy/ui/CopyResultsDlg.h"
#include "core/Message.h"
#include "core/ui/QtMessageTarget.h"
#include "platform/File.h"
#include "preview/ui/PreviewStatisticsDlg.h"
#include "tests/support/GuiProgram.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TestSandbox.h"

using gui_testing::AnswerModal;
using gui_testing::Child;
using testing_support::BuildTree;
using testing_support::CTestSandbox;
using testing_support::ReadFile;

namespace {

// Two write times a year apart: a source file with the newer one replaces a destination
// file with the older one.
constexpr platform::FileTime kUnixEpoch = 11644473600ULL * 10000000ULL;
constexpr platform::FileTime kOldTime = kUnixEpoch + 1577836800ULL * 10000000ULL;
constexpr platform::FileTime kNewTime = kUnixEpoch + 1609459200ULL * 10000000ULL;

constexpr size_t kMiB = 1048576;

// Every line of a tree view's model in pre-order, indented by two hyphens a level as the
// export indents them.
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

std::vector<std::string> Names(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

CCopyProgressDlg* OpenProgressWindow(CBrevantDlg* window) {
  for (CCopyProgressDlg* progress : window->findChildren<CCopyProgressDlg*>()) {
    if (progress->isVisible()) {
      return progress;
    }
  }
  return nullptr;
}

// Counts the Copy Error Message windows that open.
class CErrorWindowCounter : public QObject {
 public:
  CErrorWindowCounter() { qApp->installEventFilter(this); }
  ~CErrorWindowCounter() override { qApp->removeEventFilter(this); }
  int shown = 0;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::Show && qobject_cast<CCopyMsgDlg*>(object) != nullptr) {
      ++shown;
    }
    return false;
  }
};

}  // namespace

// Copies in the real program, as the user sees them: the questions after errors, stopping
// from the progress window, the report and its export, and the tool that renames old
// versions.
class CopyGuiTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
  void init() { m_sandbox = std::make_unique<CTestSandbox>(); }
  void cleanup() { m_sandbox.reset(); }

  void failuresAreAskedAboutThenReportedAndExported() {
    BuildTree(Src(), {{"a.txt", "new a", kNewTime},
                      {"gone.txt", "gone", kNewTime},
                      {"ok.txt", "ok", kNewTime},
                      {"ro.txt", "new ro", kNewTime}});
    BuildTree(Dst(), {{"a.txt", "old a", kOldTime}, {"ro.txt", "old ro", kOldTime}});
    QCOMPARE(chmod(Dst("ro.txt").c_str(), 0444), 0);
    SProfileRecord profile = gui_testing::Profile("Photos", "C:\\photos", "D:\\backup");
    profile.settings.avoidStopping = 0;  // the error windows ask
    profile.settings.keepReadOnlyDestination = 1;
    QVERIFY(gui_testing::WriteDataFile({profile}));

    CScriptedPrompter prompter;
    QStringList errorTexts;
    QStringList tree;
    std::string exported;
    QString elapsed;
    QString progressStatus;
    CErrorWindowCounter errorWindows;
    QVERIFY(gui_testing::RunProgram(prompter, [&](CBrevantDlg* window) {
      Preview(window);
      // The copy goes in name order; then one source goes and a destination file is held
      // open by another program.
      window->Commands().List().Sort(0, false);
      std::filesystem::remove(Src("gone.txt"));
      platform::CFile held;
      QVERIFY(held.Open("D:\\backup\\a.txt", platform::EAccess::kReadWrite,
                        platform::EShare::kNoSharing) == platform::EError::kNone);

      // The first failure asks; the box is cleared, so the next one of its kind does not.
      auto error = AnswerModal<CCopyMsgDlg>([&](CCopyMsgDlg* dialog) {
        // A failed check ends the answer early: the window closes all the same.
        const auto closeAnyway = qScopeGuard([dialog] { dialog->reject(); });
        errorTexts << Child<QLineEdit>(dialog, "error")->text()
                   << Child<QLineEdit>(dialog, "reason")->text()
                   << Child<QLineEdit>(dialog, "path")->text();
        QCOMPARE(gui_testing::UnnamedControls(dialog), QStringList());
        QVERIFY(gui_testing::SaveScreenshot(dialog, QStringLiteral("copy-error-in-program")));
        QTest::mouseClick(Child<QCheckBox>(dialog, "keepShowing"), Qt::LeftButton);
        QTest::mouseClick(Child<QPushButton>(dialog, "yesButton"), Qt::LeftButton);
      });
      // Longer than an unanswered error window's countdown, so a second one (a fault) closes
      // by itself before this gives up.
      auto results = AnswerModal<CCopyResultsDlg>(
          [&](CCopyResultsDlg* dialog) {
            const auto closeAnyway = qScopeGuard([dialog] { dialog->reject(); });
            progressStatus = Child<QLabel>(OpenProgressWindow(window), "status")->text();
            auto* view = Child<QTreeView>(dialog, "messages");
            tree = TreeLines(view->model());
            elapsed = Child<QLineEdit>(dialog, "elapsed")->text();
            QCOMPARE(Child<QLineEdit>(dialog, "files")->text(), QStringLiteral("1"));
            QCOMPARE(Child<QLineEdit>(dialog, "folders")->text(), QStringLiteral("1"));
            QTest::mouseClick(Child<QCheckBox>(dialog, "withDetails"), Qt::LeftButton);
            QTest::mouseClick(Child<QPushButton>(dialog, "expandButton"), Qt::LeftButton);
            QVERIFY(gui_testing::SaveScreenshot(dialog, QStringLiteral("copy-results-in-program")));
            auto save = AnswerModal<QFileDialog>([&](QFileDialog* file) {
              gui_testing::ChooseFile(file,
                                      QString::fromStdString(m_sandbox->Root() + "/d/report.txt"));
            });
            QTest::mouseClick(Child<QPushButton>(dialog, "exportButton"), Qt::LeftButton);
            QVERIFY(save->Answered());
            exported = ReadFile(m_sandbox->Root() + "/d/report.txt");
            QTest::mouseClick(Child<QPushButton>(dialog, "closeButton"), Qt::LeftButton);
          },
          60000);
      QTest::mouseClick(Child<QPushButton>(window, "copyButton"), Qt::LeftButton);
      QTRY_VERIFY_WITH_TIMEOUT(results->Answered() && !window->Commands().JobRunning(), 30000);
      QVERIFY(error->Answered());
    }));
    QCOMPARE(errorWindows.shown, 1);
    QCOMPARE(errorTexts, (QStringList{"Could not copy a file.",
                                      "The destination file is in use: \"D:\\backup\\a.txt\"",
                                      "C:\\photos\\a.txt"}));
    QCOMPARE(progressStatus, QStringLiteral("Status: Done"));
    const QStringList expectedTree{"3 error messages",
                                   "-- 2 files: Could not be copied.",
                                   "---- C:\\photos\\a.txt",
                                   "------ The destination file is in use: \"D:\\backup\\a.txt\"",
                                   "---- C:\\photos\\gone.txt",
                                   "------ This source file is missing.",
                                   "-- 1 file: Skipped due to destination attribute(s).",
                                   "---- D:\\backup\\ro.txt",
                                   "------ read-only"};
    QCOMPARE(tree, expectedTree);
    const std::string expectedExport =
        "Copy Statistics and Messages\r\n"
        "\r\n"
        "Files: 1\r\n"
        "Folders: 1\r\n"
        "Elapsed time: " +
        elapsed.toStdString() +
        "\r\n"
        "\r\n"
        "3 error messages\r\n"
        "-- 2 files: Could not be copied.\r\n"
        "---- C:\\photos\\a.txt\r\n"
        "------ The destination file is in use: \"D:\\backup\\a.txt\"\r\n"
        "---- C:\\photos\\gone.txt\r\n"
        "------ This source file is missing.\r\n"
        "-- 1 file: Skipped due to destination attribute(s).\r\n"
        "---- D:\\backup\\ro.txt\r\n"
        "------ read-only\r\n";
    QCOMPARE(QByteArray::fromStdString(exported), QByteArray::fromStdString(expectedExport));
    QVERIFY(prompter.Texts() == std::vector<std::string>{"Finished writing the export file."});
    // What could not be replaced is as it was; what could be copied is there; nothing
    // temporary is left.
    QCOMPARE(ReadFile(Dst("a.txt")), std::string("old a"));
    QCOMPARE(ReadFile(Dst("ro.txt")), std::string("old ro"));
    QCOMPARE(ReadFile(Dst("ok.txt")), std::string("ok"));
    QCOMPARE(Names(Dst()), (std::vector<std::string>{"a.txt", "ok.txt", "ro.txt"}));
  }

  void aCopyWithoutPreviewShowsItsGatheringFirst() {
    BuildTree(Src(), {{"a.txt", "a"}, {"sub/b.txt", "b"}});
    QVERIFY(
        gui_testing::WriteDataFile({gui_testing::Profile("Photos", "C:\\photos", "D:\\backup")}));
    CScriptedPrompter prompter({EAnswer::kYes});  // copy without first previewing
    QString finalStatus;
    QVERIFY(gui_testing::RunProgram(prompter, [&](CBrevantDlg* window) {
      // The gathering is held as it announces its first folder.
      window->MessageTarget().SetPostObserver(
          [window, held = std::make_shared<std::atomic<bool>>(false)](const CMessage& message) {
            if (message.Offset() == kMsgCurrentFolder && !held->exchange(true)) {
              window->Commands().SuspendJobs(true);
            }
          });
      auto results = AnswerModal<CCopyResultsDlg>([&](CCopyResultsDlg* dialog) {
        finalStatus = Child<QLabel>(OpenProgressWindow(window), "status")->text();
        dialog->reject();
      });
      QTest::mouseClick(Child<QPushButton>(window, "copyButton"), Qt::LeftButton);
      CCopyProgressDlg* progress = nullptr;
      QTRY_VERIFY_WITH_TIMEOUT((progress = OpenProgressWindow(window)) != nullptr &&
                                   !Child<QLineEdit>(progress, "folder")->text().isEmpty(),
                               30000);
      QCOMPARE(Child<QLabel>(progress, "status")->text(),
               QStringLiteral("Status: Gathering file information..."));
      QCOMPARE(Child<QLineEdit>(progress, "folder")->text(), QStringLiteral("C:\\photos"));
      QVERIFY(gui_testing::SaveScreenshot(progress, QStringLiteral("copy-progress-gathering")));
      window->Commands().SuspendJobs(false);
      QTRY_VERIFY_WITH_TIMEOUT(results->Answered() && !window->Commands().JobRunning(), 30000);
      window->MessageTarget().SetPostObserver({});
      QTest::mouseClick(Child<QPushButton>(window, "closeButton"), Qt::LeftButton);
    }));
    QCOMPARE(prompter.Texts(),
             std::vector<std::string>{"Do you want to copy without first previewing?"});
    QCOMPARE(finalStatus, QStringLiteral("Status: Done"));
    QCOMPARE(ReadFile(Dst("sub/b.txt")), std::string("b"));
  }

  void stopQuestionAnsweredNoLetsTheCopyGoOn() {
    StopMidCopy({EAnswer::kNo});
    QCOMPARE(m_progressStatus, QStringLiteral("Status: Done"));
    QCOMPARE(ReadFile(Dst("big.bin")), BigContent());
    QCOMPARE(ReadFile(Dst("x.txt")), std::string("x"));
    QCOMPARE(ReadFile(Dst("y.txt")), std::string("y"));
    QCOMPARE(m_prompts, std::vector<std::string>{kStopQuestion});
  }

  void yesThenYesFinishesTheFileAndStops() {
    StopMidCopy({EAnswer::kYes, EAnswer::kYes});
    QCOMPARE(m_progressStatus, QStringLiteral("Status: Canceled"));
    QCOMPARE(ReadFile(Dst("big.bin")), BigContent());
    QCOMPARE(Names(Dst()), std::vector<std::string>{"big.bin"});
    QCOMPARE(m_prompts, (std::vector<std::string>{kStopQuestion, kFinishQuestion}));
  }

  void yesThenNoAbandonsTheFileAndKeepsTheOldOne() {
    StopMidCopy({EAnswer::kYes, EAnswer::kNo});
    QCOMPARE(m_progressStatus, QStringLiteral("Status: Canceled"));
    QCOMPARE(ReadFile(Dst("big.bin")), std::string("the old copy"));
    QCOMPARE(Names(Dst()), std::vector<std::string>{"big.bin"});  // no temporary file
  }

  void yesThenCancelResumesTheCopy() {
    StopMidCopy({EAnswer::kYes, EAnswer::kCancel});
    QCOMPARE(m_progressStatus, QStringLiteral("Status: Done"));
    QCOMPARE(ReadFile(Dst("big.bin")), BigContent());
    QCOMPARE(Names(Dst()), (std::vector<std::string>{"big.bin", "x.txt", "y.txt"}));
  }

  void alterVersionFilenamesRemovesLeadingZerosInTheDestination() {
    BuildTree(Src(), {{"a.txt", "a"}});
    BuildTree(Dst(), {{"~Versions/a - Ver (03).txt", "a3"},
                      {"deep/er/~Versions/b - Ver (01)", "b1"},
                      {"c - Ver (02).txt", "not in a versions folder"}});
    QVERIFY(
        gui_testing::WriteDataFile({gui_testing::Profile("Photos", "C:\\photos", "D:\\backup")}));
    CScriptedPrompter prompter({EAnswer::kNo, EAnswer::kYes});
    QVERIFY(gui_testing::RunProgram(prompter, [&](CBrevantDlg* window) {
      // The shortcut works in the main window while it is the active one.
      window->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(window));
      QTest::keyClick(window, Qt::Key_F, Qt::ControlModifier);
      QVERIFY(testing_support::Exists(Dst("~Versions/a - Ver (03).txt")));  // No
      QTest::keyClick(window, Qt::Key_F, Qt::ControlModifier);
      QTest::mouseClick(Child<QPushButton>(window, "closeButton"), Qt::LeftButton);
    }));
    const auto prompts = prompter.Prompts();
    QCOMPARE(prompts.size(), size_t{3});
    const std::string question =
        "Do you want to remove leading zeros from version numbers\nin filenames that are in "
        "~Version subfolders?";
    QCOMPARE(prompts[0].text, question);
    QVERIFY(prompts[0].icon == EIcon::kQuestion);
    QCOMPARE(prompts[1].text, question);
    QCOMPARE(prompts[2].text,
             std::string("Files Renamed:\t2\nFiles Not Renamed:\t0\nTotal Files:\t2"));
    QVERIFY(prompts[2].icon == EIcon::kInformation);
    QCOMPARE(Names(Dst("~Versions")), std::vector<std::string>{"a - Ver (3).txt"});
    QCOMPARE(Names(Dst("deep/er/~Versions")), std::vector<std::string>{"b - Ver (1)"});
    QVERIFY(testing_support::Exists(Dst("c - Ver (02).txt")));
  }

 private:
  static constexpr const char* kStopQuestion = "Do you want to stop copying files?";
  static constexpr const char* kFinishQuestion =
      "Do you want to finish copying \"C:\\photos\\big.bin\" to \"D:\\backup\\big.bin\"?\n\n"
      "Click Cancel to resume copying files.";

  std::string Src(const std::string& relative = {}) const {
    return m_sandbox->CRoot() + "/photos/" + relative;
  }
  std::string Dst(const std::string& relative = {}) const {
    return m_sandbox->Root() + "/d/backup/" + relative;
  }
  static std::string BigContent() {
    std::string content(32 * kMiB, '\0');
    for (size_t i = 0; i < content.size(); ++i) {
      content[i] = static_cast<char>('a' + (i / 4096) % 26);
    }
    return content;
  }

  // Previews and answers the statistics; the list then stands to be copied.
  void Preview(CBrevantDlg* window) {
    auto statistics =
        AnswerModal<CPreviewStatisticsDlg>([](CPreviewStatisticsDlg* dialog) { dialog->accept(); });
    QTest::mouseClick(Child<QPushButton>(window, "previewButton"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(statistics->Answered() && !window->Commands().JobRunning(), 30000);
    QVERIFY(window->Commands().PreviewedNotCopied());
  }

  // Copies a large file with an old copy in the destination and two small files after it,
  // holds the copy after the large file's first block, and presses Cancel in the progress
  // window; `answers` answer the stop question and the finish-this-file question.
  void StopMidCopy(std::vector<EAnswer> answers) {
    BuildTree(
        Src(),
        {{"big.bin", BigContent(), kNewTime}, {"x.txt", "x", kNewTime}, {"y.txt", "y", kNewTime}});
    BuildTree(Dst(), {{"big.bin", "the old copy", kOldTime}});
    QVERIFY(
        gui_testing::WriteDataFile({gui_testing::Profile("Photos", "C:\\photos", "D:\\backup")}));
    CScriptedPrompter prompter;
    QVERIFY(gui_testing::RunProgram(prompter, [&](CBrevantDlg* window) {
      Preview(window);
      window->Commands().List().Sort(0, false);
      // On the worker, the moment the first block of the large file is written: both jobs
      // are held at their next step, as the progress window's question holds them.
      window->MessageTarget().SetPostObserver(
          [window, held = std::make_shared<std::atomic<bool>>(false)](const CMessage& message) {
            if (message.Offset() == kMsgBytesWritten && !held->exchange(true)) {
              window->Commands().SuspendJobs(true);
            }
          });
      auto results = AnswerModal<CCopyResultsDlg>([&](CCopyResultsDlg* dialog) {
        m_progressStatus = Child<QLabel>(OpenProgressWindow(window), "status")->text();
        dialog->reject();
      });
      QTest::mouseClick(Child<QPushButton>(window, "copyButton"), Qt::LeftButton);
      CCopyProgressDlg* progress = nullptr;
      QTRY_VERIFY_WITH_TIMEOUT((progress = OpenProgressWindow(window)) != nullptr &&
                                   Child<QProgressBar>(progress, "fileBar")->value() > 0,
                               30000);
      QCOMPARE(Child<QLineEdit>(progress, "fileName")->text(), QStringLiteral("big.bin"));
      QCOMPARE(Child<QLineEdit>(progress, "folder")->text(), QStringLiteral("C:\\photos"));
      QCOMPARE(Child<QLabel>(progress, "status")->text(),
               QStringLiteral("Status: Copying files..."));
      QCOMPARE(Child<QLabel>(progress, "remaining")->text(), QStringLiteral("3 files remaining"));
      QVERIFY(Child<QProgressBar>(progress, "fileBar")->value() < 100);
      QCOMPARE(gui_testing::UnnamedControls(progress), QStringList());
      QVERIFY(gui_testing::SaveScreenshot(progress, QStringLiteral("copy-progress-mid-copy")));
      for (EAnswer answer : answers) {
        prompter.AddAnswer(answer);
      }
      QTest::mouseClick(Child<QPushButton>(progress, "cancelButton"), Qt::LeftButton);
      QTRY_VERIFY_WITH_TIMEOUT(results->Answered() && !window->Commands().JobRunning(), 30000);
      window->MessageTarget().SetPostObserver({});
      QTest::mouseClick(Child<QPushButton>(window, "closeButton"), Qt::LeftButton);
    }));
    m_prompts = prompter.Texts();
  }

  std::unique_ptr<CTestSandbox> m_sandbox;
  QString m_progressStatus;
  std::vector<std::string> m_prompts;
};

QTEST_MAIN(CopyGuiTest)
#include "CopyGuiTest.moc"
