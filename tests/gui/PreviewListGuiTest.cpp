// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QtTest>
#include <sys/stat.h>
#include <functional>
#include <memory>
#include <mutex>

#include "app/MainCommands.h"
#include "app/ui/BrevantDlg.h"
#include "core/Options.h"
#include "listops/LaunchJob.h"
#include "listops/ListCommands.h"
#include "listops/ui/CompareDetailsDlg.h"
#include "listops/ui/CompareDlg.h"
#include "listops/ui/CompareSetupDlg.h"
#include "listops/ui/ContextMenu.h"
#include "listops/ui/DetectedMovesDlg.h"
#include "listops/ui/FolderListDlg.h"
#include "listops/ui/OpenWithDlg.h"
#include "listops/ui/PreviewListDlg.h"
#include "listops/ui/PreviewListHost.h"
#include "listops/ui/RenameFileDlg.h"
#include "listops/ui/StrayFoldersDlg.h"
#include "platform/DateTime.h"
#include "platform/FileInfo.h"
#include "platform/OptionStore.h"
#include "platform/Shell.h"
#include "preview/ListData.h"
#include "preview/PreviewCounts.h"
#include "preview/PreviewList.h"
#include "preview/ui/PreviewListModel.h"
#include "preview/ui/PreviewStatisticsDlg.h"
#include "profile/SettingsState.h"
#include "profile/ui/SettingsSheet.h"
#include "tests/support/GuiProgram.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TestSandbox.h"

using gui_testing::Child;
using gui_testing::SaveScreenshot;
using gui_testing::UnnamedControls;
using testing_support::CTestSandbox;
using testing_support::Exists;
using testing_support::ReadFile;

namespace {

platform::FileTime LocalFileTime(int year, int month, int day, int hour) {
  platform::FileTime time = 0;
  platform::CDateTime::FromParts(year, month, day, hour).ToFileTime(time);
  return time;
}

const platform::FileTime kOld = LocalFileTime(2025, 5, 1, 9);
const platform::FileTime kNew = LocalFileTime(2026, 2, 1, 9);

// The programs the launches would start, instead of starting them.
struct SStarted {
  std::mutex mutex;
  std::vector<QStringList> commands;

  void Add(const std::string& program, const std::vector<std::string>& arguments) {
    QStringList command{QString::fromStdString(program)};
    for (const std::string& argument : arguments) {
      command << QString::fromStdString(argument);
    }
    std::lock_guard lock(mutex);
    commands.push_back(command);
  }
  size_t Count() {
    std::lock_guard lock(mutex);
    return commands.size();
  }
  QStringList Last() {
    std::lock_guard lock(mutex);
    return commands.empty() ? QStringList() : commands.back();
  }
};

// Answers the next modal window of type T; whatever the checks in `act` found, the window is
// closed afterwards, so a failed check cannot leave the test waiting on it.
template <typename T>
std::unique_ptr<gui_testing::CModalAnswer> AnswerModal(std::function<void(T*)> act) {
  return gui_testing::AnswerModal<T>([act = std::move(act)](T* dialog) {
    act(dialog);
    if (dialog->isVisible()) {
      dialog->reject();
    }
  });
}

}  // namespace

// The main window as the list window sees it, for windows made on their own.
class CHost : public CPreviewListHost {
 public:
  explicit CHost(const CPreviewCounts& counts) : m_counts(counts) {}
  bool RootFolders(std::string& source, std::string& destination) const override {
    source = "C:\\src\\";
    destination = "C:\\dst\\";
    return true;
  }
  int32_t CopyMode() const override { return 0; }
  void ListChanged() override {}
  void RememberExcludedPaths(const std::vector<std::string>&) override {}
  std::vector<std::string> StrayFolders() const override { return {}; }
  void SnapToMainWindow() override {}
  const CPreviewCounts& Counts() const override { return m_counts; }
  CFormatItem Format() const override { return CFormatItem(); }

 private:
  const CPreviewCounts& m_counts;
};

// The preview-list window as a user meets it: a real tree previewed, then every command of
// the list carried out on real files, with its windows.
class PreviewListGuiTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
  void init() {
    m_sandbox = std::make_unique<CTestSandbox>();
    m_started = std::make_shared<SStarted>();
    platform::SetProcessStarter(
        [started = m_started](const std::string& program, const std::vector<std::string>& args) {
          started->Add(program, args);
          return true;
        });
  }
  void cleanup() {
    platform::SetProcessStarter({});
    m_sandbox.reset();
  }

  void commandsChangeTheFilesTheRowsAndTheCounts() {
    testing_support::BuildTree(m_sandbox->CRoot(), {{"src/a.txt", "source a", kNew},
                                                    {"src/b.txt", "b", kNew},
                                                    {"src/c.txt", "c", kNew},
                                                    {"src/e.txt", "e", kNew},
                                                    {"src/sub/d.txt", "d", kNew},
                                                    {"dst/a.txt", "backup a", kOld},
                                                    {"dst/stray.txt", "s", kOld},
                                                    {"dst/gone/", ""}});
    testing_support::MakeFolders(m_sandbox->Home() + "/Desktop");
    WriteDataFile(true);
    CScriptedPrompter prompter;
    prompter.SetAnswerYes(true);
    RunProgram(prompter, [&](CBrevantDlg* window) {
      Preview(window);
      CPreviewListDlg& list = window->PreviewList();
      QTableView* view = list.View();
      QCOMPARE(view->model()->rowCount(), 6);
      QCOMPARE(Counts(window), QStringLiteral("5 files to copy and 1 file to delete in 3 folders"));
      QVERIFY(Child<QPushButton>(&list, "folderListButton")->isEnabled());
      QVERIFY(Child<QPushButton>(&list, "strayFoldersButton")->isEnabled());
      QCOMPARE(UnnamedControls(&list), QStringList());

      // Sorting by a header click, and the same header again reverses.
      ClickHeader(view, 0);
      QCOMPARE(Names(view),
               (QStringList{"a.txt", "b.txt", "c.txt", "d.txt", "e.txt", "stray.txt"}));
      ClickHeader(view, 0);
      QCOMPARE(Names(view).front(), QStringLiteral("stray.txt"));
      ClickHeader(view, 0);
      QVERIFY(SaveScreenshot(&list, QStringLiteral("preview-list")));

      // The right-click menu of a file to copy on a fixed disk.
      ClickRow(view, RowOf(view, "b.txt"));
      QMenu* menu = OpenContextMenu(view, RowOf(view, "b.txt"));
      QVERIFY(menu != nullptr);
      QVERIFY(SaveScreenshot(menu, QStringLiteral("preview-list-menu")));
      menu->close();

      // Rename: a name with a slash is refused and the window stays; then a good one.
      bool renameSeen = false;
      auto rename = AnswerModal<CRenameFileDlg>([&](CRenameFileDlg* dialog) {
        renameSeen = true;
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Rename a File"));
        QCOMPARE(UnnamedControls(dialog), QStringList());
        auto* edit = Child<QLineEdit>(dialog, "fileName");
        QCOMPARE(edit->text(), QStringLiteral("b.txt"));
        QVERIFY(SaveScreenshot(dialog, QStringLiteral("rename-a-file")));
        edit->setText(QStringLiteral("sub/b.txt"));
        QTest::mouseClick(Child<QPushButton>(dialog, "okButton"), Qt::LeftButton);
        QVERIFY(dialog->isVisible());
        edit->setText(QStringLiteral("b2.txt"));
        QTest::mouseClick(Child<QPushButton>(dialog, "okButton"), Qt::LeftButton);
      });
      list.Commands().Run(EListCommand::kRenameFile);
      QVERIFY(renameSeen);
      QVERIFY(Exists(m_sandbox->CRoot() + "/src/b2.txt"));
      QVERIFY(!Exists(m_sandbox->CRoot() + "/src/b.txt"));
      QVERIFY(RowOf(view, "b2.txt") >= 0);
      QVERIFY(prompter.Texts().back().find("contains the character \"/\"") != std::string::npos);

      // Restore: the backup comes back over the source file, whose old text is in the trash.
      ClickRow(view, RowOf(view, "a.txt"));
      list.Commands().Run(EListCommand::kRestoreFile);
      QCOMPARE(QString::fromStdString(ReadFile(m_sandbox->CRoot() + "/src/a.txt")),
               QStringLiteral("backup a"));
      QCOMPARE(QString::fromStdString(ReadFile(Trash() + "/a.txt")), QStringLiteral("source a"));
      QCOMPARE(RowOf(view, "a.txt"), -1);
      QCOMPARE(Counts(window), QStringLiteral("4 files to copy and 1 file to delete in 3 folders"));

      // Recycle and delete.
      ClickRow(view, RowOf(view, "c.txt"));
      list.Commands().Run(EListCommand::kRecycle);
      QVERIFY(!Exists(m_sandbox->CRoot() + "/src/c.txt"));
      QCOMPARE(QString::fromStdString(ReadFile(Trash() + "/c.txt")), QStringLiteral("c"));
      ClickRow(view, RowOf(view, "e.txt"));
      list.Commands().Run(EListCommand::kDelete);
      QVERIFY(!Exists(m_sandbox->CRoot() + "/src/e.txt"));
      QVERIFY(!Exists(Trash() + "/e.txt"));
      QCOMPARE(Counts(window), QStringLiteral("2 files to copy and 1 file to delete in 3 folders"));

      // Exclude and Remember, from the menu: the row goes, the file stays, the Paths page
      // holds the path checked.
      ClickRow(view, RowOf(view, "d.txt"));
      menu = OpenContextMenu(view, RowOf(view, "d.txt"));
      QVERIFY(menu != nullptr);
      TriggerAction(menu, QStringLiteral("E&xclude and Remember"));
      QCOMPARE(RowOf(view, "d.txt"), -1);
      QVERIFY(Exists(m_sandbox->CRoot() + "/src/sub/d.txt"));
      const std::vector<std::string> excluded = window->Sheet().Take().excludedPaths;
      QVERIFY(std::any_of(excluded.begin(), excluded.end(), [](const std::string& entry) {
        return entry.front() == '1' && entry.ends_with("C:\\src\\sub\\d.txt");
      }));
      QCOMPARE(Counts(window), QStringLiteral("1 file to copy and 1 file to delete in 2 folders"));

      // Select All, Invert and Select None.
      list.Commands().Run(EListCommand::kSelectAll);
      QCOMPARE(view->selectionModel()->selectedRows().size(), 2);
      ClickRow(view, 0);
      list.Commands().Run(EListCommand::kInvertSelection);
      QCOMPARE(view->selectionModel()->selectedRows().size(), 1);
      QCOMPARE(view->selectionModel()->selectedRows().front().row(), 1);
      list.Commands().Run(EListCommand::kSelectNone);
      QVERIFY(!view->selectionModel()->hasSelection());

      // Open File and Open Containing Folder go to the desktop, on a worker.
      const size_t before = m_started->Count();
      ClickRow(view, RowOf(view, "b2.txt"));
      QTest::mouseDClick(view->viewport(), Qt::LeftButton, {},
                         RowCenter(view, RowOf(view, "b2.txt")));
      list.Commands().Run(EListCommand::kOpenContainingFolder);
      QTRY_VERIFY(m_started->Count() >= before + 1 ||
                  prompter.Texts().back().find("Could not") == 0);

      // The Folder List: a double click selects that folder's rows.
      bool foldersSeen = false;
      auto folders = AnswerModal<CFolderListDlg>([&](CFolderListDlg* dialog) {
        foldersSeen = true;
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Folder List"));
        QCOMPARE(UnnamedControls(dialog), QStringList());
        QCOMPARE(dialog->View()->model()->rowCount(), 2);
        QVERIFY(SaveScreenshot(dialog, QStringLiteral("folder-list")));
        const int row = RowWithText(dialog->View(), 4, QStringLiteral("C:\\dst"));
        QVERIFY(row >= 0);
        ClickRow(dialog->View(), row);
        QTest::mouseDClick(dialog->View()->viewport(), Qt::LeftButton, {},
                           RowCenter(dialog->View(), row));
        QCOMPARE(dialog->ChosenFolder(), std::string("C:\\dst"));
      });
      QTest::mouseClick(Child<QPushButton>(&list, "folderListButton"), Qt::LeftButton);
      QVERIFY(foldersSeen);
      const QModelIndexList selected = view->selectionModel()->selectedRows();
      QCOMPARE(selected.size(), 1);
      QCOMPARE(selected.front().data().toString(), QStringLiteral("stray.txt"));

      // The stray destination folder, opened in the file manager.
      bool straysSeen = false;
      auto strays = AnswerModal<CStrayFoldersDlg>([&](CStrayFoldersDlg* dialog) {
        straysSeen = true;
        QCOMPARE(Child<QLabel>(dialog, "caption")->text(),
                 QStringLiteral("This folder does not appear in the source folder."));
        QCOMPARE(UnnamedControls(dialog), QStringList());
        QVERIFY(SaveScreenshot(dialog, QStringLiteral("stray-destination-folders")));
        QTest::mouseClick(Child<QPushButton>(dialog, "openFolderButton"), Qt::LeftButton);
        dialog->reject();
      });
      QTest::mouseClick(Child<QPushButton>(&list, "strayFoldersButton"), Qt::LeftButton);
      QVERIFY(straysSeen);

      // Open With's own list of programs.
      bool openWithSeen = false;
      auto openWith = AnswerModal<COpenWithDlg>([&](COpenWithDlg* dialog) {
        openWithSeen = true;
        QCOMPARE(UnnamedControls(dialog), QStringList());
        QVERIFY(SaveScreenshot(dialog, QStringLiteral("open-with")));
        dialog->reject();
      });
      ClickRow(view, RowOf(view, "b2.txt"));
      list.Commands().Run(EListCommand::kChoose);
      QVERIFY(openWithSeen);

      // Export Preview List, as comma-separated values.
      // The dialog starts on the desktop, and the name given there is written.
      const QString desktop = QString::fromStdString(m_sandbox->Home()) + "/Desktop";
      const QString exported = desktop + "/list.csv";
      auto save = AnswerModal<QFileDialog>([&](QFileDialog* dialog) {
        QCOMPARE(dialog->directory().absolutePath(), desktop);
        // Typed, as a user would (selectFile leaves a focused name field alone).
        Child<QLineEdit>(dialog, "fileNameEdit")->setText(QStringLiteral("list.csv"));
        QMetaObject::invokeMethod(dialog, "accept");
      });
      window->activateWindow();
      QTRY_VERIFY(window->isActiveWindow());
      QTest::keyClick(window, Qt::Key_E, Qt::ControlModifier);
      QVERIFY(save->Answered());
      QVERIFY(ReadFile(exported.toStdString()).starts_with("Filename,In Folder,Date/Time"));
      QCOMPARE(prompter.Texts().back(), std::string("Finished writing the preview-list file."));
    });
  }

  void compareFindsADifferingAndAMatchingFile() {
    testing_support::BuildTree(m_sandbox->CRoot(), {{"src/diff.txt", "new text", kNew},
                                                    {"dst/diff.txt", "old text", kOld},
                                                    {"src/same.txt", "same", kNew},
                                                    {"dst/same.txt", "same", kOld},
                                                    {"tools/meld", "#!/bin/sh\n"}});
    QCOMPARE(chmod((m_sandbox->CRoot() + "/tools/meld").c_str(), 0755), 0);
    WriteDataFile(false);
    {
      platform::COptionStore store;
      store.SetInt("Compare", "Program Count", 1);
      store.SetString("Compare", "Program 0", "C:\\tools\\meld");
      store.SetInt("Compare", "Program Selected", 0);
      store.Sync();
    }
    CScriptedPrompter prompter;
    prompter.SetAnswerYes(true);
    RunProgram(prompter, [&](CBrevantDlg* window) {
      Preview(window);
      CPreviewListDlg& list = window->PreviewList();
      QTableView* view = list.View();
      ClickHeader(view, 0);
      QCOMPARE(Names(view), (QStringList{"diff.txt", "same.txt"}));
      list.Commands().Run(EListCommand::kSelectAll);

      // The overview steps through both: one differs, one matches with another time.
      bool overviewSeen = false;
      auto overview = AnswerModal<CCompareDlg>([&](CCompareDlg* dialog) {
        overviewSeen = true;
        QCOMPARE(UnnamedControls(dialog), QStringList());
        QCOMPARE(Child<QLineEdit>(dialog, "contents")->text(), QStringLiteral("Files differ."));
        QVERIFY(!Child<QPushButton>(dialog, "restoreButton")->isEnabled());
        QVERIFY(SaveScreenshot(dialog, QStringLiteral("compare-overview")));
        QTest::mouseClick(Child<QPushButton>(dialog, "compareButton"), Qt::LeftButton);
        QTest::mouseClick(Child<QPushButton>(dialog, "nextButton"), Qt::LeftButton);
        QCOMPARE(Child<QLineEdit>(dialog, "contents")->text(), QStringLiteral("Files match."));
        QVERIFY(Child<QPushButton>(dialog, "restoreButton")->isEnabled());
        QCOMPARE(Child<QLineEdit>(dialog, "sourceInfo")->text().left(9),
                 QStringLiteral("4 bytes, "));
        dialog->reject();
      });
      list.Commands().Run(EListCommand::kCompareOverview);
      QVERIFY(overviewSeen);
      // The comparison program was given the destination file first.
      QTRY_COMPARE(m_started->Count(), size_t{1});
      QCOMPARE(m_started->Last().mid(1),
               (QStringList{QString::fromStdString(m_sandbox->CRoot()) + "/dst/diff.txt",
                            QString::fromStdString(m_sandbox->CRoot()) + "/src/diff.txt"}));

      // Compare Details opens the program on each in turn.
      bool detailsSeen = false;
      auto details = AnswerModal<CCompareDetailsDlg>([&](CCompareDetailsDlg* dialog) {
        detailsSeen = true;
        QCOMPARE(UnnamedControls(dialog), QStringList());
        QVERIFY(SaveScreenshot(dialog, QStringLiteral("compare-details")));
        QTest::mouseClick(Child<QPushButton>(dialog, "nextButton"), Qt::LeftButton);
        QCOMPARE(dialog->Current(), 1);
        dialog->reject();
      });
      list.Commands().Run(EListCommand::kCompareDetails);
      QVERIFY(detailsSeen);
      QTRY_COMPARE(m_started->Count(), size_t{3});

      // Compare Matches restores the matching file's time and takes its row out.
      list.Commands().Run(EListCommand::kSelectAll);
      list.Commands().Run(EListCommand::kCompareMatches);
      const std::vector<std::string> texts = prompter.Texts();
      QCOMPARE(texts[texts.size() - 2],
               std::string("Comparison Results\n\n1 file differs.\n1 file matches with a "
                           "different date and/or time.\n\nDo you want to restore the date "
                           "and/or time of the matching file\nand exclude it from the preview "
                           "list?"));
      QCOMPARE(texts.back(), std::string("Date and Time Update Results\n\n1 file updated."));
      QCOMPARE(Names(view), QStringList{"diff.txt"});
      QCOMPARE(platform::GetFileTimes("C:\\src\\same.txt")->lastWrite, kOld);
      QCOMPARE(Counts(window), QStringLiteral("1 file to copy in 1 folder"));
    });
  }

  void aDetectedMoveIsCarriedOut() {
    // photo.jpg moved from a to b in the source since the last copy.
    testing_support::BuildTree(m_sandbox->CRoot(), {{"src/a/keep.txt", "k", kOld},
                                                    {"src/b/photo.jpg", "picture", kOld},
                                                    {"src/other.txt", "o", kNew},
                                                    {"dst/a/keep.txt", "k", kOld},
                                                    {"dst/a/photo.jpg", "picture", kOld}});
    WriteDataFile(true);
    {
      platform::COptionStore store;
      store.SetInt("Preview", "Detect Moves", 1);
      store.Sync();
    }
    CScriptedPrompter prompter;
    RunProgram(prompter, [&](CBrevantDlg* window) {
      bool movesSeen = false;
      auto moves = AnswerModal<CDetectedMovesDlg>([&](CDetectedMovesDlg* dialog) {
        movesSeen = true;
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Detected Possible File Moves"));
        QCOMPARE(UnnamedControls(dialog), QStringList());
        QTableView* rows = dialog->View();
        QCOMPARE(rows->model()->rowCount(), 1);
        QCOMPARE(rows->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Name"));
        QCOMPARE(rows->model()->index(0, 2).data().toString(), QStringLiteral("C:\\dst\\a"));
        QCOMPARE(rows->model()->index(0, 3).data().toString(), QStringLiteral("C:\\dst\\b"));
        QVERIFY(SaveScreenshot(dialog, QStringLiteral("detected-possible-file-moves")));
        QTest::mouseClick(Child<QPushButton>(dialog, "moveFilesButton"), Qt::LeftButton);
      });
      Preview(window);
      QTRY_VERIFY_WITH_TIMEOUT(movesSeen, 20000);
      QTRY_VERIFY(!window->isHidden() && QApplication::activeModalWidget() == nullptr);
      QCOMPARE(QString::fromStdString(ReadFile(m_sandbox->CRoot() + "/dst/b/photo.jpg")),
               QStringLiteral("picture"));
      QVERIFY(!Exists(m_sandbox->CRoot() + "/dst/a/photo.jpg"));
      QCOMPARE(Names(window->PreviewList().View()), QStringList{"other.txt"});
      QCOMPARE(Counts(window), QStringLiteral("1 file to copy in 1 folder"));
    });
    QCOMPARE(prompter.Texts(), std::vector<std::string>{"1 of 1 file moved."});
  }

  void launchingExploresTheFocusedFieldsFolder() {
    testing_support::BuildTree(m_sandbox->CRoot(), {{"src/a.txt", "a"}});
    WriteDataFile(false);
    CScriptedPrompter prompter;
    RunProgram(prompter, [&](CBrevantDlg* window) {
      window->activateWindow();
      QTRY_VERIFY(window->isActiveWindow());
      auto* source = Child<QLineEdit>(window, "sourcePath");
      source->setFocus();
      QTest::keyClick(window, Qt::Key_L, Qt::ControlModifier);
      // The file manager is asked for the folder (through the desktop's opener), on a worker.
      QTRY_VERIFY(m_started->Count() == 1 || !prompter.Texts().empty());
      if (m_started->Count() == 1) {
        QCOMPARE(m_started->Last().back(), QString::fromStdString(m_sandbox->CRoot()) + "/src");
      } else {
        QCOMPARE(prompter.Texts().front().rfind("Could not explore \"C:\\src\".", 0), size_t{0});
      }
    });
  }

  void rowsShowTheirDayAgainstThePreviewsStartIconsAndDimmedDeletions() {
    CPreviewList list;
    CPreviewListModel model(list);
    auto add = [&](const char* name, int32_t action, const platform::CDateTime& modified) {
      auto row = std::make_shared<CFilesListCtrlData>();
      row->name = name;
      row->folder = std::make_shared<const std::string>("C:\\src");
      row->action = action;
      row->modified = modified;
      const platform::SFileType type = platform::GetFileType(name);
      row->type = std::make_shared<const std::string>(type.name);
      row->iconIndex = type.icon;
      list.Add(row);
    };
    add("late.txt", kActionCopy, platform::CDateTime::FromParts(2020, 3, 4, 23, 59, 59));
    add("old.txt", kActionDelete, platform::CDateTime::FromParts(2020, 3, 5, 0, 0, 1));
    // However late the clock runs while the list is shown, the day is the preview's.
    list.SetToday(platform::CDateTime::FromParts(2020, 3, 5));
    QCOMPARE(model.index(0, kColDate).data().toString(), QStringLiteral("Yesterday, 11:59:59 PM"));
    QCOMPARE(model.index(1, kColDate).data().toString(), QStringLiteral("Today, 12:00:01 AM"));
    QVERIFY(!model.index(0, kColName).data(Qt::DecorationRole).value<QIcon>().isNull());
    QVERIFY(model.index(1, kColName).data(Qt::ForegroundRole).isValid());
    QVERIFY(!model.index(0, kColName).data(Qt::ForegroundRole).isValid());

    // Dragged rows are files, unless only the folder tree is copied.
    int32_t copyMode = kCopyIntoFolders;
    model.SetDragPaths(
        [&](const std::vector<size_t>& rows) { return DragPaths(list, rows, copyMode); });
    const std::unique_ptr<QMimeData> data(model.mimeData({model.index(1, 0), model.index(1, 3)}));
    QVERIFY(data != nullptr);
    QCOMPARE(data->urls().size(), 1);
    QCOMPARE(data->urls().front().toLocalFile(),
             QString::fromStdString(m_sandbox->CRoot()) + "/src/old.txt");
    copyMode = kCopyTreeOnly;
    QVERIFY(model.mimeData({model.index(0, 0)}) == nullptr);
  }

  void columnWidthsAreKeptInTheOptions() {
    CScriptedPrompter prompter;
    CLaunchPool launches(prompter);
    CPreviewList list;
    CPreviewCounts counts(list);
    CHost host(counts);
    SProgramOptions options;
    const int widths[] = {111, 222, 133, 44, 155, 66, 77};
    {
      platform::COptionStore store;
      for (int column = 0; column < kPreviewColumnCount; ++column) {
        store.SetInt("Preview", "Col " + std::to_string(column), widths[column]);
      }
      store.Sync();
    }
    options.m_recallColumnWidths = 1;
    {
      CPreviewListDlg window(list, host, prompter, launches, options);
      QCOMPARE(window.View()->columnWidth(0), widths[0]);
      QCOMPARE(window.View()->columnWidth(6), widths[6]);
      window.View()->setColumnWidth(2, 99);
    }
    // Kept at every close, whatever the option says; recalled only when it says so.
    QCOMPARE(platform::COptionStore().GetInt("Preview", "Col 2", 0), 99);
    options.m_recallColumnWidths = 0;
    {
      CPreviewListDlg window(list, host, prompter, launches, options);
      QVERIFY(window.View()->columnWidth(2) != 99);
    }
    options.m_recallColumnWidths = 1;
    platform::COptionStore store;
    for (int column = 0; column < kPreviewColumnCount; ++column) {
      // One width missing: none is recalled.
      store.SetInt("Preview", "Col " + std::to_string(column), column == 4 ? 0 : widths[column]);
    }
    store.Sync();
    CPreviewListDlg window(list, host, prompter, launches, options);
    QVERIFY(window.View()->columnWidth(0) != widths[0]);
  }

  void compareSetupChecksThePathItIsGiven() {
    testing_support::BuildTree(m_sandbox->CRoot(), {{"tools/diff.exe", "x"}});
    CScriptedPrompter prompter;
    CLaunchPool launches(prompter);
    CCompareSetupDlg dialog(prompter, launches);
    dialog.show();
    QCOMPARE(UnnamedControls(&dialog), QStringList());
    QVERIFY(SaveScreenshot(&dialog, QStringLiteral("compare-setup")));
    dialog.accept();
    QCOMPARE(prompter.Texts().back(),
             std::string("Please enter a path to a comparison-program file."));
    dialog.Edit()->setText(QStringLiteral("  C:\\tools\\nothing.exe "));
    dialog.accept();
    QCOMPARE(prompter.Texts().back(),
             std::string("\"C:\\tools\\nothing.exe\" is not a program path."));
    QVERIFY(dialog.isVisible());
    dialog.DropPath("C:\\tools\\diff.exe");
    QCOMPARE(dialog.Edit()->text(), QStringLiteral("C:\\tools\\diff.exe"));
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Path(), std::string("C:\\tools\\diff.exe"));
  }

 private:
  static QString Counts(CBrevantDlg* window) { return Child<QLabel>(window, "countsLine")->text(); }
  static std::string Trash() {
    return (QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash/files")
        .toStdString();
  }
  static QStringList Names(QTableView* view) {
    QStringList names;
    for (int row = 0; row < view->model()->rowCount(); ++row) {
      names << view->model()->index(row, 0).data().toString();
    }
    return names;
  }
  static int RowWithText(QTableView* view, int column, const QString& text) {
    for (int row = 0; row < view->model()->rowCount(); ++row) {
      if (view->model()->index(row, column).data().toString() == text) {
        return row;
      }
    }
    return -1;
  }
  static int RowOf(QTableView* view, const char* name) {
    return RowWithText(view, 0, QString::fromUtf8(name));
  }
  static QPoint RowCenter(QTableView* view, int row) {
    const QModelIndex index = view->model()->index(row, 1);
    view->scrollTo(index);
    return view->visualRect(index).center();
  }
  static void ClickRow(QTableView* view, int row) {
    QVERIFY(row >= 0);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, RowCenter(view, row));
  }
  static void ClickHeader(QTableView* view, int column) {
    QHeaderView* header = view->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
  }
  // A right click on a row, as the view receives it; the menu that opens.
  static QMenu* OpenContextMenu(QTableView* view, int row) {
    const QPoint at = RowCenter(view, row);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
    QApplication::sendEvent(view->viewport(), &event);
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* menu = qobject_cast<QMenu*>(widget);
      if (menu != nullptr && menu->isVisible() &&
          menu->objectName() == QStringLiteral("previewListMenu")) {
        return menu;
      }
    }
    return nullptr;
  }
  static void TriggerAction(QMenu* menu, const QString& text) {
    for (QAction* action : menu->actions()) {
      if (action->text() == text) {
        menu->close();
        action->trigger();
        return;
      }
    }
    QFAIL("no such menu item");
  }

  void Preview(CBrevantDlg* window) {
    auto statistics =
        AnswerModal<CPreviewStatisticsDlg>([](CPreviewStatisticsDlg* dialog) { dialog->accept(); });
    QTest::mouseClick(Child<QPushButton>(window, "previewButton"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(statistics->Answered(), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(!window->Commands().JobRunning(), 20000);
  }

  void WriteDataFile(bool deleteStrays) {
    SProfileRecord record = gui_testing::Profile("Backup", "C:\\src", "C:\\dst");
    record.settings.deleteStrayFiles = deleteStrays ? 1 : 0;
    QVERIFY(gui_testing::WriteDataFile({record}));
  }
  void RunProgram(CPrompter& prompter, const std::function<void(CBrevantDlg*)>& script) {
    QVERIFY(gui_testing::RunProgram(prompter, script));
  }

  std::unique_ptr<CTestSandbox> m_sandbox;
  std::shared_ptr<SStarted> m_started;
};

QTEST_MAIN(PreviewListGuiTest)
#include "PreviewListGuiTest.moc"
