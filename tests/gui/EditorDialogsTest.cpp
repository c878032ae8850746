// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTimeEdit>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/ui/BrevantApp.h"
#include "app/ui/BrevantDlg.h"
#include "app/MainCommands.h"
#include "core/ThreadJob.h"
#include "profile/DataFile.h"
#include "profile/DataFolders.h"
#include "profile/SettingsExport.h"
#include "profile/ui/AddSetDlg.h"
#include "profile/ui/FindFoldersDlg.h"
#include "profile/ui/SelectFolderDlg.h"
#include "profile/ui/SettingsExportCommand.h"
#include "profile/ui/SettingsSheet.h"
#include "rules/MatchPattern.h"
#include "rules/StringOrder.h"
#include "tests/support/GuiProgram.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TestSandbox.h"

using gui_testing::AnswerModal;
using gui_testing::Child;
using namespace settings_codes;
using testing_support::CTestSandbox;

// The folder windows of the settings pages (Select a Folder Path, Find Folders, Add Set) and
// the settings export, each driven as a user drives it.
class EditorDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void init() {
    m_sandbox = std::make_unique<CTestSandbox>();
    testing_support::BuildTree(m_sandbox->CRoot(), {{"home/ann/Reports/", ""},
                                                    {"home/ann/old/reprots/", ""},
                                                    {"home/bob/report.txt", "a file"},
                                                    {"srv/REPORT/", ""},
                                                    {"photos/2023/", ""},
                                                    {"photos/raw/", ""},
                                                    {"photos/trip/", ""},
                                                    {"photos/a.jpg", "a"}});
    m_prompter = std::make_unique<CScriptedPrompter>();
    m_context = std::make_unique<SEditorContext>(*m_prompter);
    m_context->match = [](std::string_view pattern, std::string_view name, bool typos) {
      return MatchPattern(pattern, name, typos, 3);
    };
    m_context->savedFolders = &m_saved;
    m_saved = {"E:\\Backup", "<Stick> F:\\Photos"};
  }

  void cleanup() {
    m_context.reset();
    m_prompter.reset();
    m_sandbox.reset();
  }

  void selectAFolderPathEditsTheSavedListAndSavesItOnlyWhenAsked() {
    CSelectFolderDlg dialog(*m_context);
    dialog.open();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Select a Folder Path"));
    QCOMPARE(Rows(&dialog, "savedFolders"), QStringList({"<Stick> F:\\Photos", "E:\\Backup"}));
    auto* save = Child<QPushButton>(&dialog, "saveButton");
    QVERIFY(!save->isEnabled());

    Press(&dialog, "addButton");
    QCOMPARE(m_prompter->Texts(), std::vector<std::string>{"Please enter a folder path."});
    QVERIFY(m_prompter->Prompts()[0].icon == EIcon::kInformation);
    TypeInto(&dialog, "folderPath", "  C:\\photos ");
    TypeInto(&dialog, "folderLabel", "Pictures");
    Press(&dialog, "addButton");
    QCOMPARE(Rows(&dialog, "savedFolders"),
             QStringList({"<Pictures> C:\\photos", "<Stick> F:\\Photos", "E:\\Backup"}));
    QCOMPARE(SelectedRows(&dialog, "savedFolders"), QList<int>({0}));
    QCOMPARE(Child<QLineEdit>(&dialog, "folderPath")->text(), QString());
    QCOMPARE(Child<QLineEdit>(&dialog, "folderLabel")->text(), QString());
    QVERIFY(save->isEnabled());
    QCOMPARE(m_saved.size(), size_t{2});  // nothing stored before Save
    Press(&dialog, "saveButton");
    QCOMPARE(m_saved.size(), size_t{3});
    QVERIFY(!save->isEnabled());

    SelectRows(&dialog, "savedFolders", {1, 2});
    Press(&dialog, "editButton");
    QCOMPARE(m_prompter->Texts().back(), std::string("Please select a single folder path."));
    SelectRows(&dialog, "savedFolders", {1});
    Press(&dialog, "editButton");
    QCOMPARE(Child<QLineEdit>(&dialog, "folderPath")->text(), QStringLiteral("F:\\Photos"));
    QCOMPARE(Child<QLineEdit>(&dialog, "folderLabel")->text(), QStringLiteral("Stick"));
    QCOMPARE(Rows(&dialog, "savedFolders"), QStringList({"<Pictures> C:\\photos", "E:\\Backup"}));
    SelectRows(&dialog, "savedFolders", {1});
    Press(&dialog, "removeButton");
    QCOMPARE(Rows(&dialog, "savedFolders"), QStringList({"<Pictures> C:\\photos"}));
    QVERIFY(save->isEnabled());
    QCOMPARE(gui_testing::UnnamedControls(&dialog), QStringList());
    QVERIFY(gui_testing::SaveScreenshot(&dialog, QStringLiteral("select-a-folder-path")));

    // Close keeps the list as it was saved last.
    Press(&dialog, "closeButton");
    QCOMPARE(dialog.result(), int{QDialog::Rejected});
    QVERIFY(!dialog.Chosen());
    QCOMPARE(m_saved, (std::vector<std::string>{"<Pictures> C:\\photos", "<Stick> F:\\Photos",
                                                "E:\\Backup"}));
  }

  void okReturnsTheTypedPathOrTheSelectedEntryAndStoresTheList() {
    {
      CSelectFolderDlg dialog(*m_context);
      dialog.open();
      Press(&dialog, "okButton");
      QCOMPARE(m_prompter->Texts(),
               std::vector<std::string>{"Please select a single folder path."});
      QVERIFY(dialog.isVisible());
      SelectRows(&dialog, "savedFolders", {0});
      Press(&dialog, "removeButton");
      SelectRows(&dialog, "savedFolders", {0});
      Press(&dialog, "okButton");
      QCOMPARE(dialog.result(), int{QDialog::Accepted});
      QCOMPARE(dialog.Chosen().value_or(""), std::string("E:\\Backup"));
      QCOMPARE(m_saved, std::vector<std::string>{"E:\\Backup"});
    }
    CSelectFolderDlg dialog(*m_context);
    dialog.open();
    SelectRows(&dialog, "savedFolders", {0});
    TypeInto(&dialog, "folderPath", "D:\\typed");
    Press(&dialog, "okButton");
    QCOMPARE(dialog.Chosen().value_or(""), std::string("D:\\typed"));
  }

  void findFoldersSearchesTheDriveAndAddsTheChosenFolders() {
    CSelectFolderDlg select(*m_context);
    select.open();
    bool searched = false;
    auto find = AnswerModal<CFindFoldersDlg>([&](CFindFoldersDlg* dialog) {
      QCOMPARE(dialog->windowTitle(), QStringLiteral("Find Folders"));
      QCOMPARE(ComboItems(dialog, "searchDrive"), QStringList({"C:", "D:"}));
      QCOMPARE(Child<QComboBox>(dialog, "searchDrive")->currentText(), QStringLiteral("C:"));
      Press(dialog, "searchButton");
      QCOMPARE(m_prompter->Texts().back(),
               std::string("The pattern's length is too short or too long."));
      TypeInto(dialog, "folderPattern", QString(256, QLatin1Char('a')));
      Press(dialog, "searchButton");
      QCOMPARE(m_prompter->Prompts().size(), size_t{2});

      TypeInto(dialog, "folderPattern", "report*");
      Press(dialog, "searchButton");
      QTRY_VERIFY(!dialog->Searching());
      QVERIFY2(StatusText(dialog).startsWith("Found 2 folders in "),
               qPrintable(StatusText(dialog)));
      QVERIFY(StatusText(dialog).endsWith(" seconds."));
      QCOMPARE(Child<QPushButton>(dialog, "searchButton")->text(), QStringLiteral("&Search"));
      QCOMPARE(Sorted(Rows(dialog, "foundFolders")),
               QStringList({"C:\\home\\ann\\Reports", "C:\\srv\\REPORT"}));

      Child<QCheckBox>(dialog, "allowTypos")->click();
      TypeInto(dialog, "folderPattern", "reports");
      QTest::keyClick(Child<QLineEdit>(dialog, "folderPattern"), Qt::Key_Return);
      QTRY_VERIFY(!dialog->Searching());
      QCOMPARE(Sorted(Rows(dialog, "foundFolders")),
               QStringList(
                   {"C:\\home\\ann\\Reports", "C:\\home\\ann\\old\\reprots", "C:\\srv\\REPORT"}));
      QCOMPARE(gui_testing::UnnamedControls(dialog), QStringList());
      QVERIFY(gui_testing::SaveScreenshot(dialog, QStringLiteral("find-folders")));

      Press(dialog, "okButton");
      QCOMPARE(m_prompter->Texts().back(), std::string("Please select one or more folder names."));
      const QStringList found = Rows(dialog, "foundFolders");
      SelectRows(dialog, "foundFolders",
                 {static_cast<int>(found.indexOf("C:\\home\\ann\\old\\reprots")),
                  static_cast<int>(found.indexOf("C:\\srv\\REPORT"))});
      searched = true;
      Press(dialog, "okButton");
    });
    Press(&select, "findButton");
    QVERIFY(searched);
    QCOMPARE(Rows(&select, "savedFolders"),
             QStringList({"<Stick> F:\\Photos", "C:\\home\\ann\\old\\reprots", "C:\\srv\\REPORT",
                          "E:\\Backup"}));
    QVERIFY(Child<QPushButton>(&select, "saveButton")->isEnabled());
  }

  void closingWhileSearchingWaitsForTheSearchToStop() {
    CFindFoldersDlg dialog(*m_context);
    dialog.open();
    TypeInto(&dialog, "folderPattern", "*");
    {
      // Another job holds the job lock, so the search waits at its start.
      std::lock_guard busy(JobLock());
      Press(&dialog, "searchButton");
      QVERIFY(dialog.Searching());
      QCOMPARE(StatusText(&dialog), QStringLiteral("Searching..."));
      QCOMPARE(Child<QPushButton>(&dialog, "searchButton")->text(), QStringLiteral("S&top"));
      Press(&dialog, "cancelButton");
      QVERIFY(dialog.isVisible());
    }
    QTRY_VERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int{QDialog::Rejected});
    QCOMPARE(StatusText(&dialog), QStringLiteral("Folder searching stopped."));

    // Stop ends a search and keeps the window.
    CFindFoldersDlg again(*m_context);
    again.open();
    TypeInto(&again, "folderPattern", "*");
    {
      std::lock_guard busy(JobLock());
      Press(&again, "searchButton");
      Press(&again, "searchButton");  // now "Stop"
    }
    QTRY_VERIFY(!again.Searching());
    QVERIFY(again.isVisible());
    QCOMPARE(StatusText(&again), QStringLiteral("Folder searching stopped."));
  }

  void addSetGathersSubfoldersAndTheSubfoldersPageAddsThem() {
    CSettingsSheet sheet(*m_prompter);
    sheet.SetListOrders({CStringANOrderTag(), CStringANOrderTag(), CStringANOrder()});
    CSettingsState settings;
    settings.sourcePath = "C:\\photos";
    settings.subfolderEntries = {"1+C:\\photos", "1-C:\\photos\\raw"};
    sheet.Apply(settings);
    sheet.resize(640, 420);
    sheet.show();
    sheet.setCurrentWidget(Child<QWidget>(&sheet, "subfoldersPage"));
    Child<QAbstractButton>(&sheet, "withSubfolders")->click();  // include only

    bool shown = false;
    auto addSet = AnswerModal<CAddSetDlg>([&](CAddSetDlg* dialog) {
      shown = true;
      QCOMPARE(dialog->windowTitle(), QStringLiteral("Add Set"));
      QCOMPARE(Child<QLineEdit>(dialog, "setFolder")->text(), QStringLiteral("C:\\photos"));
      QVERIFY(Child<QAbstractButton>(dialog, "includeTag")->isChecked());
      QVERIFY(!Child<QAbstractButton>(dialog, "withSubfolders")->isChecked());
      Press(dialog, "gatherButton");
      Press(dialog, "gatherButton");  // nothing listed twice
      QCOMPARE(Rows(dialog, "setList"),
               QStringList({"C:\\photos\\2023", "C:\\photos\\raw", "C:\\photos\\trip"}));
      QCOMPARE(gui_testing::UnnamedControls(dialog), QStringList());
      QVERIFY(gui_testing::SaveScreenshot(dialog, QStringLiteral("add-set")));
      m_prompter->AddAnswer(EAnswer::kYes);
      Press(dialog, "okButton");
    });
    QTest::mouseClick(Child<QPushButton>(&sheet, "addSetButton"), Qt::LeftButton);
    QVERIFY(shown);
    QCOMPARE(m_prompter->Texts(),
             (std::vector<std::string>{
                 "Do you want to include all of these subfolders?",
                 "Certain items could not be accepted for the following reason:\nAlready in "
                 "list: 1"}));
    QCOMPARE(Rows(&sheet, "subfolderList"),
             QStringList({" <include subs> <source folder>", " <include only> C:\\photos\\2023",
                          " <include only> C:\\photos\\trip", " <exclude> C:\\photos\\raw"}));
    QVERIFY(Child<QAbstractButton>(&sheet, "subfoldersList")->isChecked());
  }

  void addSetChecksTheFolderAndAsksBeforeClosingEmpty() {
    CAddSetDlg dialog(*m_context, "", EEntryTag::kExclude);
    dialog.open();
    QVERIFY(Child<QAbstractButton>(&dialog, "excludeTag")->isChecked());
    QVERIFY(!Child<QWidget>(&dialog, "withSubfolders")->isEnabled());
    Press(&dialog, "gatherButton");
    TypeInto(&dialog, "setFolder", "C:\\photos\\a.jpg");
    Press(&dialog, "gatherButton");
    TypeInto(&dialog, "setFolder", "C:\\photos\\trip");
    Press(&dialog, "gatherButton");  // no subfolders
    QCOMPARE(m_prompter->Texts(),
             (std::vector<std::string>{"Please enter a source or source-subfolder path.",
                                       "\"C:\\photos\\a.jpg\" is not a folder path.  Please try "
                                       "again."}));
    TypeInto(&dialog, "setFolder", "C:\\home");
    Press(&dialog, "gatherButton");
    Child<QAbstractButton>(&dialog, "clearList")->click();
    TypeInto(&dialog, "setFolder", "C:\\home\\ann");
    Press(&dialog, "gatherButton");
    QCOMPARE(Rows(&dialog, "setList"),
             QStringList({"C:\\home\\ann\\old", "C:\\home\\ann\\Reports"}));

    SelectRows(&dialog, "setList", {1});
    Press(&dialog, "okButton");
    QCOMPARE(dialog.result(), int{QDialog::Accepted});
    QCOMPARE(dialog.Chosen(), std::vector<std::string>{"C:\\home\\ann\\Reports"});
    QCOMPARE(dialog.Tag(), EEntryTag::kExclude);

    CAddSetDlg empty(*m_context, "C:\\photos", EEntryTag::kIncludeSubs);
    empty.open();
    m_prompter->AddAnswer(EAnswer::kNo);
    Press(&empty, "okButton");
    QVERIFY(empty.isVisible());
    m_prompter->AddAnswer(EAnswer::kYes);
    Press(&empty, "okButton");
    QCOMPARE(m_prompter->Texts().back(),
             std::string("No items were selected.  Do you want to close this window?"));
    QVERIFY(!empty.isVisible());
    QCOMPARE(empty.result(), int{QDialog::Rejected});
  }

  void theExportWritesThePagesAsTheyShowThem() {
    CSettingsSheet sheet(*m_prompter);
    sheet.SetListOrders({CStringANOrderTag(), CStringANOrderTag(), CStringANOrder()});
    CSettingsState settings;
    settings.sourcePath = "C:\\photos";
    settings.destinationPath = "D:\\backup";
    settings.subfolderMode = kSubfoldersList;
    settings.subfolderEntries = {"1-temp", "1+C:\\photos"};
    settings.dateMode = kDateRange;
    settings.useFromDate = 1;
    settings.fromDateTime = platform::CDateTime::FromParts(2023, 6, 1, 8, 15, 30);
    settings.throughDateTime = platform::CDateTime::FromParts(2023, 6, 30, 23, 59, 59);
    settings.sizeMode = kSizeLimits;
    settings.useMostSize = 1;
    settings.mostSize = 7;
    settings.mostUnit = 2;
    sheet.Apply(settings);
    testing_support::MakeFolders(m_sandbox->Home() + "/Desktop");

    // What the dialog showed, checked once it is closed (a failed check inside would leave it
    // open).
    QString folder;
    QStringList filters;
    bool saving = false;
    bool closed = false;
    auto save = AnswerModal<QFileDialog>([&](QFileDialog* dialog) {
      folder = dialog->directory().absolutePath();
      filters = dialog->nameFilters();
      saving = dialog->acceptMode() == QFileDialog::AcceptSave;
      TypeFileName(dialog, "holiday");
      static_cast<QDialog*>(dialog)->accept();  // as the Save button does
      closed = !dialog->isVisible();
      if (!closed) {
        dialog->reject();
      }
    });
    ExportCurrentSettings(sheet, "Holiday", "C:\\home\\Desktop", *m_prompter, nullptr);
    QVERIFY(save->Answered());
    QVERIFY(closed);
    QVERIFY(saving);
    QCOMPARE(folder, QString::fromStdString(m_sandbox->Home() + "/Desktop"));
    QCOMPARE(filters, QStringList({"Text Files (*.txt)"}));
    QCOMPARE(m_prompter->Texts(),
             std::vector<std::string>{"Finished writing the current-settings file."});
    const std::string written =
        testing_support::ReadFile(m_sandbox->Home() + "/Desktop/holiday.txt");
    QCOMPARE(written, SettingsExportText(sheet.Shown("Holiday")));
    // The lines read what the controls show.
    const QString range = QStringLiteral("(.) Date range: [x] from %1 %2 [ ] through %3 %4\r\n")
                              .arg(Child<QDateEdit>(&sheet, "fromDate")->text(),
                                   Child<QTimeEdit>(&sheet, "fromTime")->text(),
                                   Child<QDateEdit>(&sheet, "throughDate")->text(),
                                   Child<QTimeEdit>(&sheet, "throughTime")->text());
    QVERIFY2(QString::fromStdString(written).contains(range), qPrintable(range));
    QVERIFY(
        written.starts_with("Current Profile: Holiday\r\n\r\nFolders Page\r\nSource path: "
                            "C:\\photos\r\n"));
    QVERIFY(written.find("Subfolders Page\r\n(.) Include/exclude\r\n[x] <include subs> <source "
                         "folder>\r\n[x] <exclude> temp\r\n\r\n") != std::string::npos);
    QVERIFY(written.find("(.) File sizes are:\r\n[ ] at least 0 byte(s)\r\n[x] at most 7 "
                         "megabyte(s)\r\n") != std::string::npos);

    // Cancelling writes nothing and says nothing.
    m_prompter->Clear();
    auto cancel = AnswerModal<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    ExportCurrentSettings(sheet, "Holiday", "C:\\home\\Desktop", *m_prompter, nullptr);
    QVERIFY(cancel->Answered());
    QVERIFY(m_prompter->Texts().empty());
  }

  void theMainWindowExportsWithCtrlTAndKeepsTheSavedFolders() {
    testing_support::MakeFolders(m_sandbox->Home() + "/Desktop");
    SDataFileContents contents;
    SProfileRecord profile;
    profile.name = "Holiday";
    profile.settings.sourcePath = "C:\\photos";
    profile.settings.destinationPath = "D:\\backup";
    contents.profiles = {profile};
    contents.folders = {"<Stick> E:\\Backup"};
    QVERIFY(gui_testing::WriteDataFile(contents));

    CScriptedPrompter prompter;
    QVERIFY(gui_testing::RunProgram(prompter, [&](CBrevantDlg* window) {
      bool saved = false;
      auto save = AnswerModal<QFileDialog>([&](QFileDialog* dialog) {
        saved = true;
        QCOMPARE(dialog->directory().absolutePath(),
                 QString::fromStdString(m_sandbox->Home() + "/Desktop"));
        TypeFileName(dialog, "settings.txt");
        static_cast<QDialog*>(dialog)->accept();
      });
      // The command sits in the main window's menu with its shortcut.
      QAction* command = nullptr;
      for (QAction* action : Child<QMenu>(window, "mainMenu")->actions()) {
        if (action->text() == QStringLiteral("Expor&t Settings...")) {
          command = action;
        }
      }
      QVERIFY(command != nullptr);
      QCOMPARE(command->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
      command->trigger();
      QVERIFY(saved);
      QVERIFY(testing_support::ReadFile(m_sandbox->Home() + "/Desktop/settings.txt")
                  .starts_with("Current Profile: Holiday\r\n\r\nFolders Page\r\nSource path: "
                               "C:\\photos\r\nDestination path: D:\\backup\r\n"));

      // The saved folders come from the data file, and what the window stores goes back there.
      auto select = AnswerModal<CSelectFolderDlg>([&](CSelectFolderDlg* dialog) {
        QCOMPARE(Rows(dialog, "savedFolders"), QStringList({"<Stick> E:\\Backup"}));
        TypeInto(dialog, "folderPath", "D:\\archive");
        Press(dialog, "addButton");
        SelectRows(dialog, "savedFolders",
                   {static_cast<int>(Rows(dialog, "savedFolders").indexOf("D:\\archive"))});
        Press(dialog, "okButton");
      });
      QTest::mouseClick(Child<QPushButton>(window, "selectDestination"), Qt::LeftButton);
      QVERIFY(select->Answered());
      QCOMPARE(Child<QLineEdit>(window, "destinationPath")->text(), QStringLiteral("D:\\archive"));
      QTest::mouseClick(Child<QPushButton>(window, "closeButton"), Qt::LeftButton);
    }));
    QCOMPARE(prompter.Texts(),
             std::vector<std::string>{"Finished writing the current-settings file."});
    SDataFileContents stored;
    CScriptedPrompter quiet;
    SDataFolders folders;
    QVERIFY(ResolveDataFolders(folders, quiet));
    CDataFile file(DataFilePath(folders), quiet);
    QVERIFY(file.Load(stored, false) == CDataFile::ELoadResult::kRead);
    std::sort(stored.folders.begin(), stored.folders.end());
    QCOMPARE(stored.folders, (std::vector<std::string>{"<Stick> E:\\Backup", "D:\\archive"}));
    QCOMPARE(stored.profiles.front().settings.destinationPath, std::string("D:\\archive"));
  }

 private:
  // Types the name into the file dialog's name box. (selectFile leaves the box alone once it
  // has the focus, which it gets when the dialog shows.)
  static void TypeFileName(QFileDialog* dialog, const char* name) {
    Child<QLineEdit>(dialog, QStringLiteral("fileNameEdit"))->setText(QString::fromLatin1(name));
  }

  static void Press(QWidget* window, const char* button) {
    QTest::mouseClick(Child<QPushButton>(window, QString::fromLatin1(button)), Qt::LeftButton);
  }

  static void TypeInto(QWidget* window, const char* box, const QString& text) {
    auto* edit = Child<QLineEdit>(window, QString::fromLatin1(box));
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
  }

  static QStringList ComboItems(QWidget* window, const char* name) {
    auto* combo = Child<QComboBox>(window, QString::fromLatin1(name));
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) {
      items << combo->itemText(i);
    }
    return items;
  }

  static QString StatusText(QWidget* dialog) {
    return Child<QLabel>(dialog, QStringLiteral("searchStatus"))->text();
  }

  static QStringList Rows(QWidget* window, const char* name) {
    QAbstractItemModel* model = Child<QTableView>(window, QString::fromLatin1(name))->model();
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row) {
      rows << model->index(row, 0).data().toString();
    }
    return rows;
  }

  static QStringList Sorted(QStringList rows) {
    rows.sort();
    return rows;
  }

  static QList<int> SelectedRows(QWidget* window, const char* name) {
    QList<int> rows;
    auto* view = Child<QTableView>(window, QString::fromLatin1(name));
    for (const QModelIndex& index : view->selectionModel()->selectedRows()) {
      rows << index.row();
    }
    std::sort(rows.begin(), rows.end());
    return rows;
  }

  static void SelectRows(QWidget* window, const char* name, std::initializer_list<int> rows) {
    auto* view = Child<QTableView>(window, QString::fromLatin1(name));
    bool first = true;
    for (const int row : rows) {
      const QRect rect = view->visualRect(view->model()->index(row, 0));
      QTest::mouseClick(view->viewport(), Qt::LeftButton,
                        first ? Qt::KeyboardModifiers() : Qt::ControlModifier, rect.center());
      first = false;
    }
  }

  std::unique_ptr<CTestSandbox> m_sandbox;
  std::unique_ptr<CScriptedPrompter> m_prompter;
  std::unique_ptr<SEditorContext> m_context;
  std::vector<std::string> m_saved;
};

QTEST_MAIN(EditorDialogsTest)
#include "EditorDialogsTest.moc"
