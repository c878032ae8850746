// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>
#include <QtTest>
#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <thread>

#include "core/DeferredAction.h"
#include "core/Message.h"
#include "core/Options.h"
#include "core/Reporter.h"
#include "core/ThreadJob.h"
#include "core/ui/QtMessageTarget.h"
#include "core/ui/QtPrompter.h"
#include "core/ui/Widgets.h"
#include "preview/ListData.h"
#include "preview/PreviewCounts.h"
#include "preview/PreviewList.h"
#include "preview/ui/PreviewListModel.h"
#include "profile/SettingsState.h"
#include "run/FolderValidation.h"
#include "run/PreviewRun.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TestSandbox.h"

using testing_support::CTestSandbox;

namespace {

// Waits, without handling any event, until `ready` holds; false after ten seconds. Events
// must stay unhandled here: handling them would answer the very question the test keeps open.
template <typename Ready>
bool WaitWithoutEvents(Ready ready) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!ready()) {
    if (std::chrono::steady_clock::now() > deadline) {
      return false;
    }
    std::this_thread::yield();
  }
  return true;
}

std::vector<std::shared_ptr<CFilesListCtrlData>> MakeRows(int count, int firstNumber = 0) {
  std::vector<std::shared_ptr<CFilesListCtrlData>> rows;
  const auto folder = std::make_shared<const std::string>("C:\\src");
  for (int i = 0; i < count; ++i) {
    auto row = std::make_shared<CFilesListCtrlData>();
    row->name = "file " + std::to_string(firstNumber + i) + ".txt";
    row->folder = folder;
    row->size = static_cast<uint64_t>(count - i);
    rows.push_back(row);
  }
  return rows;
}

// A job that asks its window something and reports the answer.
class CAskingJob : public CThreadJob {
 public:
  ~CAskingJob() override { EndRuns(); }
  std::atomic<int64_t> answer{-1};

 protected:
  int32_t Run() override {
    answer = m_notifyWnd->Send(CMessage(kMsgGatherCheck));
    return 0;
  }
};

// A window that keeps the rule of every window with runs: closing during a run asks the run
// to stop and closes only once its done message has come.
class CRunWindow : public QDialog {
 public:
  CRunWindow(CPrompter& prompter, CPreviewList& list)
      : m_target([this](CMessage& message) { return Handle(message); }),
        m_run(prompter, m_options, m_target, list) {}

  bool StartPreview(CSettingsState settings, CReporter& reporter, CPrompter& prompter) {
    SValidationContext context{prompter, reporter, false, nullptr};
    return m_run.Begin(settings, context, true);
  }
  CPreviewRun& Run() { return m_run; }
  int handled = 0;

 protected:
  void closeEvent(QCloseEvent* event) override {
    if (!m_deferred.Request(
            m_run.Running(), [this] { close(); }, [this] { m_run.Stop(); })) {
      event->ignore();
      return;
    }
    QDialog::closeEvent(event);
  }

 private:
  int64_t Handle(CMessage& message) {
    ++handled;
    bool handledByRun = false;
    const int64_t answer = m_run.Handle(message, handledByRun);
    if (m_run.Finished() && message.Offset() == kMsgPreviewDone) {
      m_deferred.RunEnded();
    }
    return answer;
  }

  SProgramOptions m_options;
  CDeferredAction m_deferred;
  CQtMessageTarget m_target;
  CPreviewRun m_run;
};

}  // namespace

// The glue every window uses: worker reports, questions, the list model, and the rule that
// the window thread never waits for a job.
class WindowKitTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
  void init() { m_sandbox = std::make_unique<CTestSandbox>(); }
  void cleanup() { m_sandbox.reset(); }

  void aBatchReachesTheHandlerAsOneDeliveryInOrder() {
    std::vector<int64_t> seen;
    CQtMessageTarget target([&](CMessage& message) {
      seen.push_back(message.first);
      return 0;
    });
    std::thread worker([&] {
      std::vector<CMessage> batch;
      for (int i = 1; i <= 5; ++i) {
        batch.emplace_back(kMsgItemDone, i);
      }
      target.PostAll(std::move(batch));
      target.Post(CMessage(kMsgItemDone, 6));
    });
    worker.join();
    QTRY_COMPARE(seen.size(), size_t{6});
    QCOMPARE(seen, (std::vector<int64_t>{1, 2, 3, 4, 5, 6}));
    QCOMPARE(target.Deliveries(), uint64_t{2});
  }

  void aSendFromAWorkerGetsTheWindowThreadsAnswer() {
    QThread* handlerThread = nullptr;
    CQtMessageTarget target([&](CMessage& message) {
      handlerThread = QThread::currentThread();
      return message.first * 2;
    });
    auto answer =
        std::async(std::launch::async, [&] { return target.Send(CMessage(kMsgGatherCheck, 21)); });
    QTRY_VERIFY(answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
    QCOMPARE(answer.get(), int64_t{42});
    QCOMPARE(handlerThread, QThread::currentThread());
    // From the window thread itself the handler is called at once.
    QCOMPARE(target.Send(CMessage(kMsgGatherCheck, 5)), int64_t{10});
  }

  void aWorkerBlockedInSendWhileTheWindowClosesEndsWithoutDeadlock() {
    auto window = std::make_unique<QDialog>();
    bool handled = false;
    auto* target = new CQtMessageTarget(
        [&](CMessage&) {
          handled = true;
          return 1;
        },
        window.get());
    CAskingJob job;
    QVERIFY(job.Start(target, 0));
    QVERIFY(WaitWithoutEvents([&] { return target->WaitingSenders() == 1; }));
    window.reset();  // the window goes while the worker waits for it
    job.WaitForRuns();
    QCOMPARE(job.answer.load(), int64_t{0});
    QCoreApplication::processEvents();
    QVERIFY(!handled);
  }

  void aWorkerBlockedInAQuestionWhileTheWindowClosesGetsTheDecliningAnswer() {
    CQtPrompter prompter;
    auto answer = std::async(std::launch::async, [&] {
      return prompter.Ask(SPrompt{"Do you want to stop copying files?",
                                  {},
                                  EButtons::kYesNo,
                                  EIcon::kQuestion,
                                  EAnswer::kYes});
    });
    QVERIFY(WaitWithoutEvents([&] { return prompter.WaitingQuestions() == 1; }));
    prompter.Close();
    QVERIFY(answer.wait_for(std::chrono::seconds(10)) == std::future_status::ready);
    QVERIFY(answer.get() == EAnswer::kNo);
    // Later questions are declined at once, also on the window thread.
    QVERIFY(prompter.Ask(SPrompt{
                "Continue?", {}, EButtons::kYesNoCancel, EIcon::kQuestion, EAnswer::kYes}) ==
            EAnswer::kCancel);
  }

  void anOpenQuestionClosesWithTheWindow() {
    CQtPrompter prompter;
    EAnswer seen = EAnswer::kYes;
    QTimer::singleShot(0, [&] {
      QVERIFY(QApplication::activeModalWidget() != nullptr);
      prompter.Close();
    });
    seen = prompter.Ask(SPrompt{
        "Do you want to finish copying?", {}, EButtons::kYesNo, EIcon::kQuestion, EAnswer::kYes});
    QVERIFY(seen == EAnswer::kNo);
  }

  void closingDuringARunLetsTheEventLoopRunUntilTheDoneMessage() {
    testing_support::BuildTree(m_sandbox->CRoot() + "/src",
                               {{"a.txt", "a"}, {"b/c.txt", "c"}, {"b/d/e.txt", "e"}});
    CScriptedPrompter prompter;
    CPrompterReporter reporter(prompter);
    CPreviewList list;
    auto window = std::make_unique<CRunWindow>(prompter, list);
    window->show();
    CSettingsState settings;
    settings.sourcePath = "C:\\src";
    settings.destinationPath = "D:\\dst";
    // The walk is held at its first step, so the run is surely going when the window closes.
    window->Run().Suspend(true);
    QVERIFY(window->StartPreview(settings, reporter, prompter));
    // Should closing wait for the worker, this thread would hang here for good; a watchdog
    // opens the gate after ten seconds so the test then fails instead.
    std::atomic<bool> closeReturned{false};
    std::atomic<bool> watchdogFired{false};
    std::thread watchdog([&] {
      const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
      while (!closeReturned && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::yield();
      }
      if (!closeReturned) {
        watchdogFired = true;
        window->Run().Suspend(false);
      }
    });
    QVERIFY(!window->close());  // refused for now: the run must end first
    closeReturned = true;
    watchdog.join();
    QVERIFY(!watchdogFired);
    QVERIFY(window->isVisible());
    QVERIFY(window->Run().Job().StopValue() != 0);
    window->Run().Suspend(false);
    QTRY_VERIFY(!window->isVisible());
    QVERIFY(window->Run().Finished());
    QVERIFY(window->Run().Stopped());
    window.reset();  // destroyed only after the done message
  }

  void aBatchOf256RowsReachesTheModelAsOneInsertion() {
    CPreviewList list;
    CPreviewListModel model(list);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QCOMPARE(list.Append(MakeRows(256)), size_t{256});
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(inserted.at(0).at(1).toInt(), 0);
    QCOMPARE(inserted.at(0).at(2).toInt(), 255);
    QCOMPARE(model.rowCount(), 256);
    QCOMPARE(model.data(model.index(3, kColName)).toString(), QStringLiteral("file 3.txt"));
    QCOMPARE(model.headerData(kColSize, Qt::Horizontal).toString(), QStringLiteral("Size"));
  }

  void aSortKeepsTheSelectedRowsSelected() {
    CPreviewList list;
    CPreviewListModel model(list);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    list.Append(MakeRows(20));
    QTableView view;
    view.setModel(&model);
    QItemSelectionModel* selection = view.selectionModel();
    for (const int row : {2, 7, 11}) {
      selection->select(model.index(row, 0),
                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    selection->setCurrentIndex(model.index(7, 0), QItemSelectionModel::NoUpdate);
    QSignalSpy layout(&model, &QAbstractItemModel::layoutChanged);
    model.sort(kColSize, Qt::AscendingOrder);  // sizes run down, so the order reverses
    QCOMPARE(layout.count(), 1);
    QCOMPARE(SelectedNames(view), QStringList({"file 11.txt", "file 7.txt", "file 2.txt"}));
    QCOMPARE(model.data(selection->currentIndex()).toString(), QStringLiteral("file 7.txt"));
  }

  void removingAMultiSelectionIsOneChange() {
    CPreviewList list;
    CPreviewCounts counts(list);
    CPreviewListModel model(list);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    list.Append(MakeRows(10));
    QTableView view;
    view.setModel(&model);
    for (const int row : {1, 4, 5, 8}) {
      view.selectionModel()->select(model.index(row, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    view.selectionModel()->select(model.index(9, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QSignalSpy layout(&model, &QAbstractItemModel::layoutChanged);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    list.RemoveRows({1, 4, 5, 8});
    QCOMPARE(layout.count() + removed.count(), 1);
    QCOMPARE(model.rowCount(), 6);
    QCOMPARE(counts.FilesToCopy(), 6);
    QCOMPARE(SelectedNames(view), QStringList({"file 9.txt"}));
    // One block goes as an ordinary removal.
    list.RemoveRows({0, 1});
    QCOMPARE(removed.count(), 1);
    QCOMPARE(model.rowCount(), 4);
  }

  void aListViewIsReadableAndDrawsItsRows() {
    CPreviewList list;
    CPreviewListModel model(list);
    list.Append(MakeRows(12));
    auto deleted = MakeRows(1, 99);
    deleted[0]->action = kActionDelete;
    list.Append(deleted);
    QDialog window;
    window.setWindowTitle(QStringLiteral("Brevant Preview List"));
    auto* label = new QLabel(QStringLiteral("&Rows:"), &window);
    auto* view = new QTableView(&window);
    view->setObjectName(QStringLiteral("previewList"));
    view->setModel(&model);
    SetUpRowList(view);
    // A buddy label alone does not name a view for a screen reader.
    label->setBuddy(view);
    QCOMPARE(gui_testing::UnnamedControls(&window), QStringList({"QTableView previewList"}));
    SetLabelFor(label, view);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(label);
    layout->addWidget(view);
    window.resize(720, 360);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(gui_testing::UnnamedControls(&window), QStringList());
    auto* unnamed = new QLineEdit(&window);
    unnamed->setObjectName(QStringLiteral("noLabel"));
    QCOMPARE(gui_testing::UnnamedControls(&window), QStringList({"QLineEdit noLabel"}));
    delete unnamed;
    QVERIFY(gui_testing::SaveScreenshot(&window, QStringLiteral("window-kit-preview-list")));
  }

 private:
  static QStringList SelectedNames(const QTableView& view) {
    QStringList names;
    QModelIndexList rows = view.selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    for (const QModelIndex& index : rows) {
      names << index.data().toString();
    }
    return names;
  }

  std::unique_ptr<CTestSandbox> m_sandbox;
};

QTEST_MAIN(WindowKitTest)
#include "WindowKitTest.moc"
