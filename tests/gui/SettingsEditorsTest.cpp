// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QUrl>
#include <QtTest>
#include <memory>

#include "profile/ui/ChangeDrivesDlg.h"
#include "profile/ui/ConfirmDropDlg.h"
#include "profile/ui/SelectFolderDlg.h"
#include "profile/ui/SettingsSheet.h"
#include "rules/StringOrder.h"
#include "tests/support/AllocationHook.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TestSandbox.h"

using gui_testing::AnswerModal;
using namespace settings_codes;
using testing_support::CTestSandbox;

namespace {

// A profile on the sandbox's drive C:, with something in each list.
CSettingsState Photos() {
  CSettingsState s;
  s.sourcePath = "C:\\photos";
  s.destinationPath = "D:\\backup\\photos";
  s.subfolderMode = kSubfoldersAll;
  s.subfolderEntries = {"1+C:\\photos", "0+C:\\photos\\2023", "1*C:\\photos\\raw", "2-temp",
                        "1-Thumbs"};
  s.nameEntries = {"1+*.*", "1+*.jpg", "0+*.png", "1-*.tmp"};
  s.excludedPaths = {"1C:\\photos\\big.iso", "0D:\\old.zip"};
  return s;
}

}  // namespace

// The list pages and the Folders page as a user works them: typing, clicking, dropping files
// from the file manager and the right-click menu of the text boxes.
class SettingsEditorsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void init() {
    m_sandbox = std::make_unique<CTestSandbox>();
    testing_support::BuildTree(m_sandbox->CRoot(), {{"photos/a.jpg", "a"},
                                                    {"photos/notes.txt", "n"},
                                                    {"photos/trip/b.jpg", "b"},
                                                    {"photos/2023/", ""},
                                                    {"photos/raw/", ""}});
    m_prompter = std::make_unique<CScriptedPrompter>();
    m_sheet = std::make_unique<CSettingsSheet>(*m_prompter);
    m_sheet->SetListOrders({CStringANOrderTag(), CStringANOrderTag(), CStringANOrder()});
    m_sheet->SetFolderExplorer([this](const std::string& folder) { m_explored.push_back(folder); });
    m_sheet->resize(640, 420);
    m_sheet->Apply(Photos());
    m_sheet->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_sheet.get()));
  }

  void cleanup() {
    m_sheet.reset();
    m_prompter.reset();
    m_sandbox.reset();
    m_explored.clear();
  }

  void addTakesTheTextBoxAndSwitchesThePageToItsList() {
    ShowPage("subfoldersPage");
    QSignalSpy edited(m_sheet.get(), &CSettingsSheet::settingsEdited);
    TypeInto("subfolderText", "C:");
    Click("subfolderListAdd");
    QCOMPARE(Rows("subfolderList"),
             QStringList({"1 <include subs> <source folder>", "1 <include subs> C:\\",
                          "0 <include subs> C:\\photos\\2023", "1 <include only> C:\\photos\\raw",
                          "2 <exclude> temp", "1 <exclude> Thumbs"}));
    QVERIFY(Checked("subfoldersList"));
    QCOMPARE(Find<QLineEdit>("subfolderText")->text(), QString());
    QCOMPARE(Find<QTableView>("subfolderList")->currentIndex().row(), 1);
    QCOMPARE(SelectedRows("subfolderList"), QList<int>({1}));
    QVERIFY(edited.count() > 0);

    // "temp" is no folder path to include, but a name to exclude; the new exclude takes the
    // place of the listed one and is checked.
    TypeInto("subfolderText", "temp");
    Click("subfolderListAdd");
    QCOMPARE(m_prompter->Texts(),
             std::vector<std::string>{"When including subfolders, enter a folder path."});
    QCOMPARE(Find<QLineEdit>("subfolderText")->text(), QStringLiteral("temp"));
    Click("excludeTag");
    QTest::keyClick(Find<QLineEdit>("subfolderText"), Qt::Key_Return);
    QCOMPARE(Rows("subfolderList")[4], QStringLiteral("1 <exclude> temp"));
    QCOMPARE(Rows("subfolderList").size(), 6);
    QCOMPARE(m_sheet->Take().subfolderEntries,
             (std::vector<std::string>{"1+C:\\photos", "1+C:\\", "0+C:\\photos\\2023",
                                       "1*C:\\photos\\raw", "1-temp", "1-Thumbs"}));

    ShowPage("namesPage");
    TypeInto("nameText", " *.* ");
    Click("nameListAdd");
    QCOMPARE(m_prompter->Texts().back(),
             std::string("You may not add \"*.*\" or \"*\".  These patterns are covered by the "
                         "\"<match> <all names>\" entry."));
    QVERIFY(Checked("namesAll"));
    TypeInto("nameText", "*.raw");
    QTest::keyClick(Find<QLineEdit>("nameText"), Qt::Key_Enter);
    QVERIFY(Checked("namesList"));
    QVERIFY(Rows("nameList").contains("1 <match> *.raw"));

    ShowPage("pathsPage");
    Click("pathListAdd");
    QCOMPARE(m_prompter->Prompts().back().text, std::string("Please enter a file or folder path."));
    QVERIFY(m_prompter->Prompts().back().icon == EIcon::kStop);
    TypeInto("pathText", "d:\\OLD.zip");
    Click("pathListAdd");
    QCOMPARE(Rows("pathList"), QStringList({"1 C:\\photos\\big.iso", "1 D:\\old.zip"}));
  }

  void editPutsAnEntryBackAndSwitchesTheSourceEntry() {
    ShowPage("subfoldersPage");
    Click("subfolderListEdit");
    QCOMPARE(m_prompter->Texts(), std::vector<std::string>{"Please select a single folder entry."});

    SelectRows("subfolderList", {2});  // <include only> C:\photos\raw
    Click("subfolderListEdit");
    QCOMPARE(Find<QLineEdit>("subfolderText")->text(), QStringLiteral("C:\\photos\\raw"));
    QVERIFY(Checked("includeTag"));
    QVERIFY(!Checked("withSubfolders"));
    QVERIFY(!Rows("subfolderList").contains("1 <include only> C:\\photos\\raw"));
    QVERIFY(Find<QLineEdit>("subfolderText")->hasFocus());
    // Changed and added again.
    Click("withSubfolders");
    Click("subfolderListAdd");
    QVERIFY(Rows("subfolderList").contains("1 <include subs> C:\\photos\\raw"));

    m_prompter->AddAnswer(EAnswer::kYes);
    SelectRows("subfolderList", {0});
    Click("subfolderListEdit");
    QCOMPARE(m_prompter->Texts().back(),
             std::string("Do you want to turn off including subfolders?"));
    QCOMPARE(Rows("subfolderList").first(), QStringLiteral("1 <include only> <source folder>"));
    QCOMPARE(Find<QLineEdit>("subfolderText")->text(), QString());

    ShowPage("namesPage");
    SelectRows("nameList", {0});
    Click("nameListEdit");
    QCOMPARE(m_prompter->Texts().back(),
             std::string("You may not edit the \"<match> <all names>\" entry."));
    SelectRows("nameList", {3});
    Click("nameListEdit");
    QCOMPARE(Find<QLineEdit>("nameText")->text(), QStringLiteral("*.tmp"));
    QVERIFY(Checked("nameExcludeTag"));
  }

  void removingThreeEntriesThenUndoBringsThemBackChecksAndAll() {
    ShowPage("subfoldersPage");
    const QStringList before = Rows("subfolderList");
    SelectRows("subfolderList", {1, 2, 3});
    QCOMPARE(Find<QPushButton>("subfolderListRemove")->toolTip(),
             QStringLiteral("Remove 3 items."));
    Click("subfolderListRemove");
    QCOMPARE(Rows("subfolderList"),
             QStringList({"1 <include subs> <source folder>", "1 <exclude> Thumbs"}));
    QCOMPARE(Find<QPushButton>("subfolderListUndo")->toolTip(),
             QStringLiteral("Undo remove of 3 items."));
    Click("subfolderListUndo");
    QCOMPARE(Rows("subfolderList"), before);
    QCOMPARE(SelectedRows("subfolderList"), QList<int>({1, 2, 3}));
    QCOMPARE(m_sheet->Take().subfolderEntries, Photos().subfolderEntries);

    // A second removal takes the store's place; the source entry is never removed.
    SelectRows("subfolderList", {3});
    Click("subfolderListRemove");
    QCOMPARE(Find<QPushButton>("subfolderListUndo")->toolTip(),
             QStringLiteral("Undo remove of 1 item."));
    SelectRows("subfolderList", {0, 1});
    Click("subfolderListRemove");
    QCOMPARE(m_prompter->Texts(),
             std::vector<std::string>{"You may not remove the \"<source folder>\" entry."});
    QCOMPARE(Rows("subfolderList").size(), 4);
    Click("subfolderListUndo");
    QCOMPARE(Rows("subfolderList"), before);

    // Another profile brings no removed entries of this one along.
    SelectRows("subfolderList", {1});
    Click("subfolderListRemove");
    m_sheet->Apply(Photos());
    QCOMPARE(Find<QPushButton>("subfolderListUndo")->toolTip(),
             QStringLiteral("Undo remove of 0 items."));
  }

  void checkAndUncheckFollowTheType() {
    ShowPage("namesPage");
    QCOMPARE(ComboItems("nameListType"), QStringList({"All", "Matches", "Excludes", "Selected"}));
    ShowPage("subfoldersPage");
    QCOMPARE(ComboItems("subfolderListType"),
             QStringList({"All", "Includes", "Excludes", "Selected"}));
    ShowPage("pathsPage");
    QCOMPARE(ComboItems("pathListType"), QStringList({"All", "Selected"}));

    ShowPage("namesPage");
    ChooseBelow("nameListType", 1);  // Matches
    Click("nameListUncheck");
    QCOMPARE(Rows("nameList"), QStringList({"0 <match> <all names>", "0 <match> *.jpg",
                                            "0 <match> *.png", "1 <exclude> *.tmp"}));
    ChooseBelow("nameListType", 2);  // Selected
    SelectRows("nameList", {1, 3});
    Click("nameListCheck");
    QCOMPARE(Rows("nameList"), QStringList({"0 <match> <all names>", "1 <match> *.jpg",
                                            "0 <match> *.png", "1 <exclude> *.tmp"}));
    QCOMPARE(m_sheet->Take().nameEntries,
             (std::vector<std::string>{"0+*.*", "1+*.jpg", "0+*.png", "1-*.tmp"}));
  }

  void filesDroppedOnTheListsAreAddedAndRefusalsCounted() {
    ShowPage("subfoldersPage");
    bool asked = false;
    auto answer = AnswerModal<CConfirmDropDlg>([&](CConfirmDropDlg* dialog) {
      asked = true;
      QCOMPARE(dialog->windowTitle(), QStringLiteral("Confirm Drop Type"));
      QCOMPARE(Find<QLabel>("question", dialog)->text(),
               QStringLiteral("How do you want dropped items to be placed into the list?"));
      QVERIFY(Find<QAbstractButton>("includeTag", dialog)->isChecked());
      QCOMPARE(gui_testing::UnnamedControls(dialog), QStringList());
      QVERIFY(gui_testing::SaveScreenshot(dialog, QStringLiteral("confirm-drop-type")));
      QTest::mouseClick(Find<QPushButton>("okButton", dialog), Qt::LeftButton);
    });
    DropFiles(Find<QTableView>("subfolderList")->viewport(),
              {"photos/a.jpg", "photos/trip", "photos/notes.txt"});
    QTRY_VERIFY(asked);
    QTRY_COMPARE(m_prompter->Texts().size(), size_t{1});
    QCOMPARE(m_prompter->Texts()[0],
             std::string("Dragged items could not be accepted for the following reasons:\nNot "
                         "folders:\t2\nAlready in list:\t0"));
    QVERIFY(Rows("subfolderList").contains("1 <include subs> C:\\photos\\trip"));
    QVERIFY(Checked("subfoldersList"));

    // Names: the file's name, tagged as the dialog says.
    ShowPage("namesPage");
    auto exclude = AnswerModal<CConfirmDropDlg>([&](CConfirmDropDlg* dialog) {
      QCOMPARE(Find<QLabel>("question", dialog)->text(),
               QStringLiteral("How do you want dropped item to be placed into the list?"));
      Find<QAbstractButton>("excludeTag", dialog)->click();
      QVERIFY(gui_testing::SaveScreenshot(dialog, QStringLiteral("confirm-drop-type-names")));
      dialog->accept();
    });
    DropFiles(Find<QTableView>("nameList")->viewport(), {"photos/notes.txt"});
    QTRY_VERIFY(Rows("nameList").contains("1 <exclude> notes.txt"));
    QVERIFY(Checked("namesList"));

    // Paths need no question: a listed path is checked again and counted.
    ShowPage("pathsPage");
    m_prompter->Clear();
    DropFiles(Find<QTableView>("pathList")->viewport(), {"photos/big.iso", "photos/a.jpg"});
    QTRY_COMPARE(m_prompter->Texts().size(), size_t{1});
    QCOMPARE(m_prompter->Texts()[0],
             std::string("Dragged item could not be accepted for the following reason:\nAlready "
                         "in list:\t1"));
    QCOMPARE(Rows("pathList"),
             QStringList({"1 C:\\photos\\a.jpg", "1 C:\\photos\\big.iso", "0 D:\\old.zip"}));
  }

  void filesDroppedOnTextBoxesFillThemOrSayWhyNot() {
    ShowPage("foldersPage");
    DropFiles(Find<QLineEdit>("sourcePath"), {"photos/a.jpg"});
    QTRY_COMPARE(m_prompter->Texts().size(), size_t{1});
    QCOMPARE(m_prompter->Texts()[0], std::string("\"C:\\photos\\a.jpg\" is not a folder path."));
    QVERIFY(m_prompter->Prompts()[0].icon == EIcon::kExclamation);
    DropFiles(Find<QLineEdit>("destinationPath"), {"photos/trip", "photos/a.jpg"});
    QTRY_COMPARE(Find<QLineEdit>("destinationPath")->text(), QStringLiteral("C:\\photos\\trip"));

    ShowPage("namesPage");
    DropFiles(Find<QLineEdit>("nameText"), {"photos/trip/b.jpg"});
    QTRY_COMPARE(Find<QLineEdit>("nameText")->text(), QStringLiteral("b.jpg"));
    ShowPage("subfoldersPage");
    DropFiles(Find<QLineEdit>("subfolderText"), {"photos/raw"});
    QTRY_COMPARE(Find<QLineEdit>("subfolderText")->text(), QStringLiteral("C:\\photos\\raw"));

    // Plain text dropped on a box is still just text.
    QMimeData text;
    text.setText(QStringLiteral("typed"));
    auto* box = Find<QLineEdit>("subfolderText");
    QDragEnterEvent enter(box->rect().center(), Qt::CopyAction, &text, Qt::LeftButton, {});
    QApplication::sendEvent(box, &enter);
    QCOMPARE(m_prompter->Texts().size(), size_t{1});
  }

  void theTextBoxMenuActsOnTheBoxAndOpensItsFolder() {
    QGuiApplication::clipboard()->clear();
    ShowPage("foldersPage");
    auto* source = Find<QLineEdit>("sourcePath");
    source->setFocus();
    source->setSelection(3, 6);  // "photos"
    QMenu* menu = OpenFieldMenu(source, QContextMenuEvent::Mouse, QPoint(5, 5));
    QVERIFY(menu != nullptr);
    QCOMPARE(MenuItems(menu), QStringList({"&Undo", "", "Cu&t", "&Copy", "&Paste", "&Delete", "",
                                           "Select &All", "", "&Open Folder"}));
    QCOMPARE(EnabledItems(menu),
             QStringList({"Cu&t", "&Copy", "&Delete", "Select &All", "&Open Folder"}));
    Item(menu, "Cu&t")->trigger();
    menu->close();
    QCOMPARE(source->text(), QStringLiteral("C:\\"));

    menu = OpenFieldMenu(source, QContextMenuEvent::Keyboard, {});
    QVERIFY(menu != nullptr);
    // From the keyboard the menu opens at the middle of the box.
    QCOMPARE(menu->pos(), source->mapToGlobal(source->rect().center()));
    QVERIFY(Item(menu, "&Undo")->isEnabled());
    QVERIFY(Item(menu, "&Paste")->isEnabled());
    Item(menu, "Select &All")->trigger();
    menu->close();
    QCOMPARE(source->selectedText(), QStringLiteral("C:\\"));
    menu = OpenFieldMenu(source, QContextMenuEvent::Mouse, QPoint(5, 5));
    QVERIFY(!Item(menu, "Select &All")->isEnabled());  // everything is selected already
    Item(menu, "&Open Folder")->trigger();
    menu->close();
    source->setText(QStringLiteral("  C:\\photos\\trip "));
    menu = OpenFieldMenu(source, QContextMenuEvent::Mouse, QPoint(5, 5));
    Item(menu, "&Open Folder")->trigger();
    menu->close();
    source->setText(QStringLiteral("C:\\no such folder"));
    menu = OpenFieldMenu(source, QContextMenuEvent::Mouse, QPoint(5, 5));
    Item(menu, "&Open Folder")->trigger();
    menu->close();
    QCOMPARE(m_explored, (std::vector<std::string>{"C:\\", "C:\\photos\\trip", "C:\\"}));

    // A box of patterns names no folder; a read-only box offers copying only.
    ShowPage("namesPage");
    auto* names = Find<QLineEdit>("nameText");
    names->setText(QStringLiteral("*.jpg"));
    names->selectAll();
    names->setReadOnly(true);
    menu = OpenFieldMenu(names, QContextMenuEvent::Mouse, QPoint(5, 5));
    QCOMPARE(MenuItems(menu).last(), QStringLiteral("Select &All"));
    QCOMPARE(EnabledItems(menu), QStringList({"&Copy"}));
    QVERIFY(gui_testing::SaveScreenshot(menu, QStringLiteral("text-field-menu")));
    menu->close();

    ShowPage("datesPage");
    Click("datesRecent");
    QVERIFY(OpenFieldMenu(Find<QLineEdit>("recentCount"), QContextMenuEvent::Mouse, {}) != nullptr);
    QApplication::activePopupWidget()->close();
  }

  void appendToDestinationTakesTheSelectedPartOfTheSource() {
    ShowPage("foldersPage");
    auto* source = Find<QLineEdit>("sourcePath");
    TypeInto("sourcePath", "C:\\Users\\ann\\Photos");
    TypeInto("destinationPath", "E:\\Backup\\");
    source->setFocus();
    source->setSelection(13, 6);  // "Photos", then the button takes the focus
    m_prompter->AddAnswer(EAnswer::kYes);
    Click("appendButton");
    QCOMPARE(m_prompter->Texts(),
             std::vector<std::string>{
                 "Is the following destination path what you intend?\nE:\\Backup\\Photos"});
    QCOMPARE(Find<QLineEdit>("destinationPath")->text(), QStringLiteral("E:\\Backup\\Photos"));

    // Without a selection everything after the drive is appended; No keeps the destination.
    source->setFocus();
    source->deselect();
    m_prompter->AddAnswer(EAnswer::kNo);
    Click("appendButton");
    QCOMPARE(m_prompter->Texts().back(),
             std::string("Is the following destination path what you intend?\nE:\\Backup\\Photos\\"
                         "Users\\ann\\Photos"));
    QCOMPARE(Find<QLineEdit>("destinationPath")->text(), QStringLiteral("E:\\Backup\\Photos"));

    TypeInto("sourcePath", "C:");
    Click("appendButton");
    QCOMPARE(m_prompter->Texts().back(),
             std::string("There is nothing to append to the destination path."));
    QVERIFY(m_prompter->Prompts().back().icon == EIcon::kInformation);
  }

  void changeDrivesMovesBothPathsAndTheEntriesOnTheSourceDrive() {
    m_sandbox->SetDrives("C={root}/c;D={root}/d;E={root}/d");
    ShowPage("foldersPage");
    TypeInto("destinationPath", "D:");
    Click("changeDrivesButton");
    QCOMPARE(m_prompter->Texts(), std::vector<std::string>{"Please enter a destination path."});
    TypeInto("destinationPath", "D:\\backup");

    bool shown = false;
    auto answer = AnswerModal<CChangeDrivesDlg>([&](CChangeDrivesDlg* dialog) {
      shown = true;
      QCOMPARE(dialog->windowTitle(), QStringLiteral("Change Drive Letters"));
      QCOMPARE(Find<QLineEdit>("sourceDrive", dialog)->text(), QStringLiteral("C:"));
      QCOMPARE(Find<QLineEdit>("destinationDrive", dialog)->text(), QStringLiteral("D:"));
      QCOMPARE(Find<QLineEdit>("availableDrives", dialog)->text(), QStringLiteral("C, D and E"));
      QCOMPARE(ComboItems("newSourceDrive", dialog), QStringList({"---", "D", "E"}));
      QCOMPARE(ComboItems("newDestinationDrive", dialog), QStringList({"---", "C", "E"}));
      QVERIFY(Find<QLineEdit>("availableDrives", dialog)->isReadOnly());
      QCOMPARE(gui_testing::UnnamedControls(dialog), QStringList());
      QVERIFY(gui_testing::SaveScreenshot(dialog, QStringLiteral("change-drive-letters")));
      // Both on D: asks first; No keeps the window open.
      Find<QComboBox>("newSourceDrive", dialog)->setCurrentIndex(1);
      m_prompter->AddAnswer(EAnswer::kNo);
      QTest::mouseClick(Find<QPushButton>("okButton", dialog), Qt::LeftButton);
      QVERIFY(dialog->isVisible());
      QCOMPARE(m_prompter->Texts().back(),
               std::string("Do you want the source and destination drives to be the same?"));
      Find<QComboBox>("newSourceDrive", dialog)->setCurrentIndex(2);
      QTest::mouseClick(Find<QPushButton>("okButton", dialog), Qt::LeftButton);
    });
    Click("changeDrivesButton");
    QVERIFY(shown);
    QCOMPARE(Find<QLineEdit>("sourcePath")->text(), QStringLiteral("E:\\photos"));
    QCOMPARE(Find<QLineEdit>("destinationPath")->text(), QStringLiteral("D:\\backup"));
    QCOMPARE(Rows("subfolderList"),
             QStringList({"1 <include subs> <source folder>", "0 <include subs> E:\\photos\\2023",
                          "1 <include only> E:\\photos\\raw", "2 <exclude> temp",
                          "1 <exclude> Thumbs"}));
    QCOMPARE(Rows("pathList"), QStringList({"0 D:\\old.zip", "1 E:\\photos\\big.iso"}));
    const CSettingsState taken = m_sheet->Take();
    QCOMPARE(taken.subfolderEntries.front(), std::string("1+E:\\photos"));
  }

  void runningOutOfMemoryAbandonsTheCommandAndKeepsTheList() {
    CSettingsState settings = Photos();
    settings.excludedPaths.clear();
    for (int i = 0; i < 60; ++i) {
      settings.excludedPaths.push_back("1C:\\photos\\" + std::to_string(i) + ".iso");
    }
    m_sheet->Apply(settings);
    ShowPage("pathsPage");
    const QStringList before = Rows("pathList");
    TypeInto("pathText", "C:\\photos\\new.iso");
    {
      // The command's copy of the list is the first allocation this large.
      testing_support::CFailingAllocations failing(1, 60 * sizeof(SDisplayEntry));
      Find<QPushButton>("pathListAdd")->click();
    }
    QCOMPARE(
        m_prompter->Texts(),
        std::vector<std::string>{"Out of memory.  Please close another program and try again."});
    QVERIFY(m_prompter->Prompts()[0].icon == EIcon::kStop);
    QCOMPARE(Rows("pathList"), before);
    QCOMPARE(Find<QLineEdit>("pathText")->text(), QStringLiteral("C:\\photos\\new.iso"));
    Find<QPushButton>("pathListAdd")->click();
    QCOMPARE(Rows("pathList").size(), 61);
  }

  void browseAndSelectReplaceTheFolderBox() {
    ShowPage("foldersPage");
    auto browse = AnswerModal<QFileDialog>([&](QFileDialog* dialog) {
      QCOMPARE(dialog->windowTitle(), QStringLiteral("Select the destination folder."));
      ChooseFolder(dialog, QString::fromStdString(m_sandbox->CRoot() + "/photos/trip"));
    });
    Click("browseDestination");
    QVERIFY(browse->Answered());
    QCOMPARE(Find<QLineEdit>("destinationPath")->text(), QStringLiteral("C:\\photos\\trip"));

    // A folder that no drive holds cannot be named.
    auto outside = AnswerModal<QFileDialog>([&](QFileDialog* dialog) {
      QCOMPARE(dialog->windowTitle(), QStringLiteral("Select the source folder."));
      ChooseFolder(dialog, QString::fromStdString(m_sandbox->Root() + "/runtime"));
    });
    Click("browseSource");
    QVERIFY(outside->Answered());
    QCOMPARE(Find<QLineEdit>("sourcePath")->text(), QStringLiteral("C:\\photos"));
    QCOMPARE(m_prompter->Texts(), std::vector<std::string>{"\"" + m_sandbox->Root() +
                                                           "/runtime\" is not a folder path."});

    ShowPage("subfoldersPage");
    auto subfolder = AnswerModal<QFileDialog>([&](QFileDialog* dialog) {
      QCOMPARE(dialog->windowTitle(), QStringLiteral("Select a subfolder."));
      QCOMPARE(dialog->directory().absolutePath(),
               QString::fromStdString(m_sandbox->CRoot() + "/photos"));
      ChooseFolder(dialog, QString::fromStdString(m_sandbox->CRoot() + "/photos/raw"));
    });
    Click("browseSubfolder");
    QCOMPARE(Find<QLineEdit>("subfolderText")->text(), QStringLiteral("C:\\photos\\raw"));

    ShowPage("foldersPage");
    m_sheet->Context().savedFolders->push_back("<Stick> E:\\Backup");
    auto select = AnswerModal<CSelectFolderDlg>([&](CSelectFolderDlg* dialog) {
      QVERIFY(QTest::qWaitForWindowExposed(dialog));
      auto* list = Find<QTableView>("savedFolders", dialog);
      const QPoint row = list->visualRect(list->model()->index(0, 0)).center();
      // A double-click begins with a press, as the mouse makes it.
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
      if (dialog->isVisible()) {
        dialog->reject();
        QFAIL("a double-click on a saved folder did not choose it");
      }
    });
    Click("selectDestination");
    QVERIFY(select->Answered());
    QCOMPARE(Find<QLineEdit>("destinationPath")->text(), QStringLiteral("E:\\Backup"));
  }

 private:
  // Opens the folder in the folder browser and presses its Choose button. A browser that
  // stays open is closed, so that a failure cannot leave the test waiting.
  static void ChooseFolder(QFileDialog* dialog, const QString& folder) {
    dialog->setDirectory(folder);
    static_cast<QDialog*>(dialog)->accept();
    if (dialog->isVisible()) {
      dialog->reject();
      QFAIL("the folder browser did not take the folder");
    }
  }

  template <typename T>
  T* Find(const char* name, QWidget* in = nullptr) {
    return gui_testing::Child<T>(in != nullptr ? in : m_sheet.get(), QString::fromLatin1(name));
  }

  bool Checked(const char* name) { return Find<QAbstractButton>(name)->isChecked(); }

  void ShowPage(const char* page) { m_sheet->setCurrentWidget(Find<QWidget>(page)); }

  // Clicks a button where its box is: a check box or option button may be wider than its
  // caption, and only the box and the caption take a click.
  void Click(const char* name) {
    auto* button = Find<QAbstractButton>(name);
    const QPoint at = qobject_cast<QPushButton*>(button) != nullptr
                          ? button->rect().center()
                          : QPoint(button->height() / 2, button->height() / 2);
    QTest::mouseClick(button, Qt::LeftButton, {}, at);
  }

  void TypeInto(const char* box, const QString& text) {
    auto* edit = Find<QLineEdit>(box);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
      QTest::keyClick(edit, Qt::Key_Delete);
    }
    QTest::keyClicks(edit, text);
  }

  void ChooseBelow(const char* list, int steps) {
    auto* combo = Find<QComboBox>(list);
    combo->setFocus();
    for (int i = 0; i < steps; ++i) {
      QTest::keyClick(combo, Qt::Key_Down);
    }
  }

  QStringList ComboItems(const char* name, QWidget* in = nullptr) {
    auto* combo = Find<QComboBox>(name, in);
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) {
      items << combo->itemText(i);
    }
    return items;
  }

  // Rows as check state (as stored: 0, 1 or 2) and shown text.
  QStringList Rows(const char* name) {
    QAbstractItemModel* model = Find<QTableView>(name)->model();
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row) {
      const QModelIndex index = model->index(row, 0);
      const auto state = static_cast<Qt::CheckState>(index.data(Qt::CheckStateRole).toInt());
      const char* check = state == Qt::Checked ? "1" : (state == Qt::Unchecked ? "0" : "2");
      rows << QString::fromLatin1(check) + index.data().toString();
    }
    return rows;
  }

  QList<int> SelectedRows(const char* name) {
    QList<int> rows;
    for (const QModelIndex& index : Find<QTableView>(name)->selectionModel()->selectedRows()) {
      rows << index.row();
    }
    std::sort(rows.begin(), rows.end());
    return rows;
  }

  // Clicks the rows' texts, the later ones with Ctrl held, as a user selects several.
  void SelectRows(const char* name, std::initializer_list<int> rows) {
    auto* view = Find<QTableView>(name);
    bool first = true;
    for (const int row : rows) {
      const QRect rect = view->visualRect(view->model()->index(row, 0));
      QTest::mouseClick(view->viewport(), Qt::LeftButton,
                        first ? Qt::KeyboardModifiers() : Qt::ControlModifier,
                        QPoint(rect.center().x(), rect.center().y()));
      first = false;
    }
  }

  // Drops files of the sandbox's drive C: as the file manager does.
  void DropFiles(QWidget* target, std::initializer_list<const char*> relative) {
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const char* path : relative) {
      urls << QUrl::fromLocalFile(QString::fromStdString(m_sandbox->CRoot() + "/" + path));
    }
    data->setUrls(urls);
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    QVERIFY(drop.isAccepted());
    m_drops.emplace_back(data);
  }

  QMenu* OpenFieldMenu(QLineEdit* field, QContextMenuEvent::Reason reason, QPoint at) {
    QContextMenuEvent request(reason, at, field->mapToGlobal(at));
    QApplication::sendEvent(field, &request);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
  }

  static QStringList MenuItems(QMenu* menu) {
    QStringList items;
    for (QAction* action : menu->actions()) {
      items << action->text();
    }
    return items;
  }

  static QStringList EnabledItems(QMenu* menu) {
    QStringList items;
    for (QAction* action : menu->actions()) {
      if (!action->isSeparator() && action->isEnabled()) {
        items << action->text();
      }
    }
    return items;
  }

  static QAction* Item(QMenu* menu, const QString& text) {
    for (QAction* action : menu->actions()) {
      if (action->text() == text) {
        return action;
      }
    }
    qFatal("No menu item %s", qPrintable(text));
  }

  std::unique_ptr<CTestSandbox> m_sandbox;
  std::unique_ptr<CScriptedPrompter> m_prompter;
  std::unique_ptr<CSettingsSheet> m_sheet;
  std::vector<std::string> m_explored;
  std::vector<std::unique_ptr<QMimeData>> m_drops;
};

QTEST_MAIN(SettingsEditorsTest)
#include "SettingsEditorsTest.moc"
