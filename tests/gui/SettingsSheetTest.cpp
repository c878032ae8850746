// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTabBar>
#include <QTableView>
#include <QTimeEdit>
#include <QtTest>
#include <memory>

#include "core/SystemInfo.h"
#include "profile/PageRules.h"
#include "profile/ui/DatesPage.h"
#include "profile/ui/SettingsSheet.h"
#include "rules/StringOrder.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ScriptedPrompter.h"

using platform::CDateTime;
using namespace settings_codes;

namespace {

constexpr const char* kSource = "C:\\Users\\ann\\Photos";
const char* const kLeastExceedsMost = "The least size may not exceed the most size.";
const char* const kCopiesNothing =
    "Never overwriting files, excluding new files and not deleting stray files would result in "
    "no files being copied or deleted.";

SPageListOrders RuleOrders() {
  return {CStringANOrderTag(), CStringANOrderTag(), CStringANOrder()};
}

// Every field away from its default; the lists in the order the pages show them.
CSettingsState Filled() {
  CSettingsState s;
  s.sourcePath = kSource;
  s.destinationPath = "E:\\Backup\\Photos";
  s.copyMode = kCopyTreeOnly;
  s.subfolderMode = kSubfoldersList;
  s.subfolderEntries = {"0*C:\\Users\\ann\\Photos", "1+C:\\Users\\ann\\Photos\\2023", "1-Thumbs",
                        "0-~Versions"};
  s.nameMode = kNamesMatch;
  s.allowTypos = 1;
  s.nameEntries = {"0+*.*", "1+*.jpg", "2+*.png", "1-*.tmp"};
  s.excludedPaths = {"1C:\\Users\\ann\\Photos\\big.iso", "0C:\\Users\\ann\\Photos\\old 2.zip",
                     "1C:\\Users\\ann\\Photos\\old 10.zip"};
  s.dateMode = kDateRange;
  s.recentCount = 0;  // a range keeps no count
  s.recentUnit = 0;
  s.useFromDate = 1;
  s.useThroughDate = 0;
  s.fromDateTime = CDateTime::FromParts(2023, 6, 1, 8, 15, 30);
  s.throughDateTime = CDateTime::FromParts(2023, 6, 30, 23, 59, 59);
  s.sizeMode = kSizeLimits;
  s.useLeastSize = 1;
  s.leastSize = 15;
  s.leastUnit = 1;
  s.useMostSize = 1;
  s.mostSize = 2;
  s.mostUnit = 3;
  s.archiveOnly = 1;
  s.clearArchive = 0;
  s.includeReadOnly = 0;
  s.copyReadOnlyAttribute = 1;
  s.includeHidden = 1;
  s.copyHiddenAttribute = 0;
  s.includeSystem = 1;
  s.copySystemAttribute = 0;
  s.keepReadOnlyDestination = 1;
  s.keepHiddenDestination = 0;
  s.keepSystemDestination = 1;
  s.verifyCopies = 1;
  s.avoidStopping = 0;
  s.overwriteMode = kOverwriteNewerOrOlder;
  s.disposeMode = kDisposeVersions;
  s.versionLimit = 12;
  s.versionSizeLimit = 11;
  s.testSize = 1;
  s.testArchive = 1;
  s.includeNewFiles = 0;
  s.deleteStrayFiles = 1;
  s.copySecurity = OsHasFileSecurity() ? 1 : 0;
  return s;
}

CDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  return CDateTime::FromParts(year, month, day, hour, minute, second);
}

}  // namespace

// The settings sheet driven as a user drives it: clicks, typing and the keyboard.
class SettingsSheetTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void init() {
    m_prompter = std::make_unique<CScriptedPrompter>();
    m_sheet = std::make_unique<CSettingsSheet>(*m_prompter);
    m_sheet->SetListOrders(RuleOrders());
    m_sheet->resize(640, 420);
    m_sheet->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_sheet.get()));
  }

  void cleanup() {
    m_sheet.reset();
    m_prompter.reset();
  }

  void showsEveryPageNamedReachableAndWithinTheMainWindow() {
    QStringList captions;
    for (int i = 0; i < m_sheet->count(); ++i) {
      captions << m_sheet->tabText(i);
    }
    QStringList expected = {"Folders",    "Subfolders", "File/Folder Names",
                            "Paths",      "Dates",      "Sizes",
                            "Attributes", "Verify",     "Existing Files"};
    if (OsHasFileSecurity()) {
      expected << "File Security";
    }
    QCOMPARE(captions, expected);
    QVERIFY2(m_sheet->minimumSizeHint().width() <= 640,
             qPrintable(QString::number(m_sheet->minimumSizeHint().width())));
    QVERIFY2(m_sheet->minimumSizeHint().height() <= 420,
             qPrintable(QString::number(m_sheet->minimumSizeHint().height())));

    m_sheet->Apply(Filled());
    const QStringList shots = {"folders",        "subfolders",   "names",      "paths",
                               "dates",          "sizes",        "attributes", "verify",
                               "existing-files", "file-security"};
    QStringList names;  // the names the tests and the main window find controls by
    for (int i = 0; i < m_sheet->count(); ++i) {
      for (QWidget* control : Controls(m_sheet->widget(i))) {
        QVERIFY2(!names.contains(control->objectName()), qPrintable(control->objectName()));
        names << control->objectName();
      }
    }
    for (int i = 0; i < m_sheet->count(); ++i) {
      m_sheet->setCurrentIndex(i);
      QWidget* page = m_sheet->currentWidget();
      page->layout()->activate();
      QCOMPARE(gui_testing::UnnamedControls(page), QStringList());
      for (QWidget* control : Controls(page)) {
        QVERIFY2(control->focusPolicy() & Qt::TabFocus, qPrintable(control->objectName()));
      }
      // Nothing on a page is cut off: every control gets at least the room it asks for.
      for (QWidget* control : page->findChildren<QWidget*>()) {
        if (control->isVisible() && control->parentWidget() == page &&
            (qobject_cast<QAbstractButton*>(control) || qobject_cast<QLabel*>(control))) {
          QVERIFY2(control->width() >= control->minimumSizeHint().width(),
                   qPrintable(control->objectName() + " " + shots[i]));
          QVERIFY2(control->geometry().right() < page->width() &&
                       control->geometry().bottom() < page->height(),
                   qPrintable(control->objectName() + " " + shots[i]));
        }
      }
      QVERIFY(gui_testing::SaveScreenshot(m_sheet.get(), "settings-" + shots[i]));
    }
    QVERIFY(m_prompter->Prompts().empty());
  }

  void aNewProfileShowsItsDefaults() {
    m_sheet->Apply(Filled());
    m_sheet->Apply(CSettingsState());
    QVERIFY(Checked("copyIntoFolders"));
    QCOMPARE(Find<QLineEdit>("sourcePath")->text(), QString());
    QVERIFY(Checked("subfoldersAll"));
    QCOMPARE(Rows("subfolderList"), QStringList({"1 <include subs> <source folder>"}));
    QVERIFY(Checked("namesAll"));
    QCOMPARE(Find<QAbstractButton>("namesAll")->text(), QStringLiteral("&No filename filtering"));
    QCOMPARE(Rows("nameList"), QStringList({"1 <match> <all names>"}));
    QVERIFY(!Checked("allowTypos"));
    QCOMPARE(Rows("pathList"), QStringList());
    QVERIFY(Checked("datesAll"));
    QCOMPARE(Find<QLineEdit>("recentCount")->text(), QStringLiteral("1"));
    QCOMPARE(Find<QComboBox>("recentUnit")->currentText(), QStringLiteral("day(s)"));
    QCOMPARE(Find<QTimeEdit>("fromTime")->time(), QTime(0, 0, 0));
    QCOMPARE(Find<QTimeEdit>("throughTime")->time(), QTime(23, 59, 59));
    QVERIFY(Checked("sizesAll"));
    QCOMPARE(Find<QLineEdit>("leastSize")->text(), QStringLiteral("0"));
    QCOMPARE(Find<QComboBox>("mostUnit")->currentText(), QStringLiteral("byte(s)"));
    // Read-only files but not hidden or system ones; archive marks cleared; hidden and
    // system attributes copied, read-only not.
    QCOMPARE(CheckedBoxes({"archiveOnly", "clearArchive", "includeReadOnly",
                           "copyReadOnlyAttribute", "includeHidden", "copyHiddenAttribute",
                           "includeSystem", "copySystemAttribute"}),
             QStringList({"clearArchive", "includeReadOnly", "copyHiddenAttribute",
                          "copySystemAttribute"}));
    QCOMPARE(CheckedBoxes({"keepReadOnlyDestination", "keepHiddenDestination",
                           "keepSystemDestination", "verifyCopies", "avoidStopping"}),
             QStringList({"avoidStopping"}));
    QCOMPARE(Find<QComboBox>("overwriteMode")->currentText(),
             QStringLiteral("if the source file is newer"));
    QVERIFY(Checked("disposeDelete"));
    QCOMPARE(Find<QComboBox>("versionLimit")->currentText(), QStringLiteral("3"));
    QCOMPARE(Find<QComboBox>("versionSizeLimit")->currentText(), QStringLiteral("None"));
    QCOMPARE(CheckedBoxes({"testSize", "testArchive", "includeNewFiles", "deleteStrayFiles"}),
             QStringList({"includeNewFiles"}));
    if (OsHasFileSecurity()) {
      QVERIFY(!Checked("copySecurity"));
    }

    CSettingsState expected;
    expected.subfolderMode = kSubfoldersAll;
    expected.subfolderEntries = {"1+"};  // the source entry names the (empty) source path
    expected.nameMode = kNoFiltering;
    expected.nameEntries = {"1+*.*"};
    expected.dateMode = kNoFiltering;
    expected.recentCount = 0;  // only "during last" keeps a count
    expected.sizeMode = kNoFiltering;
    QVERIFY(m_sheet->Take() == expected);
  }

  void aFullyFilledRecordComesBackUnchanged() {
    const CSettingsState filled = Filled();
    m_sheet->Apply(filled);
    QVERIFY(m_sheet->Take() == filled);
    // Each field sits in its own control.
    QVERIFY(Checked("copyTreeOnly"));
    QCOMPARE(Find<QLineEdit>("destinationPath")->text(), QStringLiteral("E:\\Backup\\Photos"));
    QCOMPARE(Rows("subfolderList"), QStringList({"0 <include only> <source folder>",
                                                 "1 <include subs> C:\\Users\\ann\\Photos\\2023",
                                                 "1 <exclude> Thumbs", "0 <exclude> ~Versions"}));
    QCOMPARE(Rows("nameList"), QStringList({"0 <match> <all names>", "1 <match> *.jpg",
                                            "2 <match> *.png", "1 <exclude> *.tmp"}));
    QCOMPARE(Rows("pathList"), QStringList({"1 C:\\Users\\ann\\Photos\\big.iso",
                                            "0 C:\\Users\\ann\\Photos\\old 2.zip",
                                            "1 C:\\Users\\ann\\Photos\\old 10.zip"}));
    QCOMPARE(Find<QDateEdit>("fromDate")->date(), QDate(2023, 6, 1));
    QCOMPARE(Find<QTimeEdit>("fromTime")->time(), QTime(8, 15, 30));
    QVERIFY(!Checked("useThroughDate"));
    QCOMPARE(Find<QLineEdit>("mostSize")->text(), QStringLiteral("2"));
    QCOMPARE(Find<QComboBox>("mostUnit")->currentText(), QStringLiteral("gigabyte(s)"));
    QCOMPARE(
        CheckedBoxes({"keepReadOnlyDestination", "keepHiddenDestination", "keepSystemDestination"}),
        QStringList({"keepReadOnlyDestination", "keepSystemDestination"}));
    QCOMPARE(Find<QComboBox>("versionLimit")->currentText(), QStringLiteral("12"));
    QCOMPARE(Find<QComboBox>("versionSizeLimit")->currentText(), QStringLiteral("50 MB"));
  }

  void codesOfZeroOrUnknownShowAndSaveAsTheFirstChoice() {
    CSettingsState settings = Filled();
    settings.subfolderMode = 0;
    settings.nameMode = -1;
    settings.dateMode = 0;
    settings.sizeMode = 1099;
    m_sheet->Apply(settings);
    QVERIFY(Checked("subfoldersAll"));
    QVERIFY(Checked("namesAll"));
    QVERIFY(Checked("datesAll"));
    QVERIFY(Checked("sizesAll"));
    QVERIFY(!Find<QWidget>("recentCount")->isEnabled());
    QVERIFY(!Find<QWidget>("fromDate")->isEnabled());
    QVERIFY(!Find<QWidget>("leastSize")->isEnabled());
    const CSettingsState taken = m_sheet->Take();
    QCOMPARE(taken.subfolderMode, kSubfoldersAll);
    QCOMPARE(taken.nameMode, kNoFiltering);
    QCOMPARE(taken.dateMode, kNoFiltering);
    QCOMPARE(taken.sizeMode, kNoFiltering);
  }

  void whatTheUserChangesReachesTheRecord() {
    m_sheet->Apply(Filled());
    QSignalSpy edited(m_sheet.get(), &CSettingsSheet::settingsEdited);
    m_sheet->Apply(Filled());
    QCOMPARE(edited.count(), 0);  // loading a profile is no edit

    ShowPage("foldersPage");
    TypeInto("sourcePath", "C:\\Data");
    Click("copyIntoFolders");
    QVERIFY(edited.count() > 0);

    ShowPage("subfoldersPage");
    Click("subfoldersAll");
    ClickCheck("subfolderList", 1);  // the mouse unchecks C:\...\2023
    PressSpace("subfolderList", 0);  // the space bar checks the source entry
    ShowPage("namesPage");
    Click("allowTypos");
    PressSpace("nameList", 2);  // indeterminate becomes checked
    ShowPage("verifyPage");
    Click("keepHiddenDestination");

    CSettingsState expected = Filled();
    expected.sourcePath = "C:\\Data";
    expected.copyMode = kCopyIntoFolders;
    expected.subfolderMode = kSubfoldersAll;
    // The source entry now stands for the new source path.
    expected.subfolderEntries = {"1*C:\\Data", "0+C:\\Users\\ann\\Photos\\2023", "1-Thumbs",
                                 "0-~Versions"};
    expected.allowTypos = 0;
    expected.nameEntries[2] = "1+*.png";
    expected.keepHiddenDestination = 1;
    QVERIFY(m_sheet->Take() == expected);
  }

  void theDateControlsFollowTheChoice() {
    const CDateTime now = At(2024, 3, 5, 10, 0, 0);
    gui_testing::Child<CDatesPage>(m_sheet.get(), "datesPage")->SetClock([now] { return now; });
    m_sheet->Apply(CSettingsState());
    ShowPage("datesPage");
    QVERIFY(!Find<QWidget>("recentCount")->isEnabled());

    Click("datesRecent");
    QVERIFY(Find<QWidget>("recentCount")->isEnabled());
    QVERIFY(Find<QWidget>("recentUnit")->isEnabled());
    QVERIFY(!Find<QWidget>("useFromDate")->isEnabled());
    QVERIFY(!Find<QWidget>("throughTime")->isEnabled());
    TypeInto("recentCount", "2");
    ChooseBelow("recentUnit", 1);
    CSettingsState taken = m_sheet->Take();
    QCOMPARE(taken.dateMode, kDateRecent);
    QCOMPARE(taken.recentCount, 2);
    QCOMPARE(taken.recentUnit, kUnitWeeks);
    QVERIFY(taken.fromDateTime == At(2024, 2, 20));
    QVERIFY(taken.throughDateTime == now);

    // A range starts with both bounds, today from midnight to the last second.
    Click("datesRange");
    QVERIFY(Checked("useFromDate") && Checked("useThroughDate"));
    QVERIFY(Find<QWidget>("fromDate")->isEnabled());
    QVERIFY(!Find<QWidget>("recentCount")->isEnabled());
    QCOMPARE(Find<QDateEdit>("throughDate")->date(), QDate(2024, 3, 5));
    taken = m_sheet->Take();
    QVERIFY(taken.fromDateTime == At(2024, 3, 5));
    QVERIFY(taken.throughDateTime == At(2024, 3, 5, 23, 59, 59));

    Click("useFromDate");
    QVERIFY(Checked("datesRange"));
    Click("useThroughDate");  // no bound left: no date filtering
    QVERIFY(Checked("datesAll"));
    QVERIFY(!Find<QWidget>("useThroughDate")->isEnabled());
    QCOMPARE(m_sheet->Take().dateMode, kNoFiltering);
  }

  void theSizesPageKeepsTheUserUntilTheLeastSizeFitsTheMost() {
    ShowPage("sizesPage");
    QVERIFY(!Find<QWidget>("useLeastSize")->isEnabled());
    Click("sizesLimits");
    QVERIFY(Find<QWidget>("useLeastSize")->isEnabled());
    Click("useLeastSize");
    Click("useMostSize");
    TypeInto("leastSize", "2");
    ChooseBelow("leastUnit", 1);  // 2 kilobytes
    TypeInto("mostSize", "1500");

    NextPage();
    QCOMPARE(m_sheet->currentWidget()->objectName(), QStringLiteral("sizesPage"));
    QCOMPARE(m_prompter->Texts(), std::vector<std::string>{kLeastExceedsMost});
    QVERIFY(m_prompter->Prompts()[0].icon == EIcon::kExclamation);
    QVERIFY(!m_sheet->LeaveCurrentPage());
    QCOMPARE(m_prompter->Prompts().size(), size_t{2});

    TypeInto("mostSize", "2048");  // equal bounds are fine
    NextPage();
    QCOMPARE(m_sheet->currentWidget()->objectName(), QStringLiteral("attributesPage"));
    QCOMPARE(m_prompter->Prompts().size(), size_t{2});
    const CSettingsState taken = m_sheet->Take();
    QCOMPARE(SizeBytes(taken.leastSize, taken.leastUnit), uint64_t{2048});
    QCOMPARE(SizeBytes(taken.mostSize, taken.mostUnit), uint64_t{2048});

    // Bounds with neither box checked quietly mean no size filtering.
    ShowPage("sizesPage");
    Click("useLeastSize");
    Click("useMostSize");
    QVERIFY(m_sheet->LeaveCurrentPage());
    QVERIFY(Checked("sizesAll"));
    QCOMPARE(m_prompter->Prompts().size(), size_t{2});
  }

  void sizeBoxesTakeTheDigitsOfTheirUnit() {
    ShowPage("sizesPage");
    Click("sizesLimits");
    TypeInto("mostSize", "1234567890");
    QCOMPARE(Find<QLineEdit>("mostSize")->text(), QStringLiteral("123456789"));
    ChooseBelow("mostUnit", 2);  // megabytes: at most 9999
    QCOMPARE(Find<QLineEdit>("mostSize")->text(), QStringLiteral("9999"));
    TypeInto("mostSize", "12345");
    QCOMPARE(Find<QLineEdit>("mostSize")->text(), QStringLiteral("1234"));
    const CSettingsState taken = m_sheet->Take();
    QCOMPARE(taken.mostSize, 1234);
    QCOMPARE(taken.mostUnit, 2);
  }

  void aChoiceThatWouldCopyNothingIsRepairedWithAMessage() {
    ShowPage("existingFilesPage");
    Click("includeNewFiles");  // still overwriting newer files: nothing to repair
    QVERIFY(m_prompter->Prompts().empty());

    ChooseBelow("overwriteMode", 3);  // "never (skip the file)"
    QCOMPARE(m_prompter->Texts(), std::vector<std::string>{kCopiesNothing});
    QVERIFY(m_prompter->Prompts()[0].icon == EIcon::kStop);
    QCOMPARE(Find<QComboBox>("overwriteMode")->currentText(),
             QStringLiteral("never (skip the file)"));
    QVERIFY(Checked("includeNewFiles"));

    Click("includeNewFiles");
    QCOMPARE(m_prompter->Prompts().size(), size_t{2});
    QVERIFY(!Checked("includeNewFiles"));
    QCOMPARE(Find<QComboBox>("overwriteMode")->currentText(),
             QStringLiteral("if the source file is newer"));
    const CSettingsState taken = m_sheet->Take();
    QCOMPARE(taken.overwriteMode, kOverwriteNewer);
    QCOMPARE(taken.includeNewFiles, 0);
  }

  void dependentControlsFollowTheControlsTheyDependOn() {
    ShowPage("attributesPage");
    QVERIFY(!Find<QWidget>("copyHiddenAttribute")->isEnabled());
    Click("includeHidden");
    QVERIFY(Find<QWidget>("copyHiddenAttribute")->isEnabled());
    Click("includeReadOnly");
    QVERIFY(!Find<QWidget>("copyReadOnlyAttribute")->isEnabled());

    ShowPage("existingFilesPage");
    QVERIFY(!Find<QWidget>("versionLimit")->isEnabled());
    Click("disposeVersions");
    QVERIFY(Find<QWidget>("versionLimit")->isEnabled());
    QVERIFY(Find<QWidget>("versionSizeLimit")->isEnabled());
    Click("disposeRecycle");
    QVERIFY(!Find<QWidget>("versionSizeLimit")->isEnabled());

    ShowPage("subfoldersPage");
    auto* prompt = Find<QLabel>("subfolderTextPrompt");
    QCOMPARE(prompt->text(), QStringLiteral("For including subfolders, enter a folder path."));
    Click("excludeTag");
    QVERIFY(!Find<QWidget>("withSubfolders")->isEnabled());
    QCOMPARE(prompt->text(), QStringLiteral("For excluding subfolders, enter a folder path, name "
                                            "or pattern (such as save*)."));
    Click("includeTag");
    QVERIFY(Find<QWidget>("withSubfolders")->isEnabled());
    QVERIFY(m_prompter->Prompts().empty());
  }

  void gatheringFixesTheOverwriteChoiceAndStrayDeletion() {
    CSettingsState settings = Filled();
    settings.copyMode = kCopyIntoFolders;
    settings.overwriteMode = kOverwriteAlways;
    m_sheet->Apply(settings);
    QSignalSpy modes(m_sheet.get(), &CSettingsSheet::copyModeChanged);

    ShowPage("foldersPage");
    Click("copyGather");
    QCOMPARE(modes.count(), 1);
    QCOMPARE(modes.at(0).at(0).toInt(), int{kCopyGather});
    QCOMPARE(m_sheet->CopyMode(), kCopyGather);
    QCOMPARE(Find<QComboBox>("overwriteMode")->currentText(),
             QStringLiteral("if the source file is newer"));
    QVERIFY(!Checked("deleteStrayFiles"));
    QVERIFY(!Find<QWidget>("overwriteMode")->isEnabled());
    QVERIFY(!Find<QWidget>("deleteStrayFiles")->isEnabled());
    CSettingsState taken = m_sheet->Take();
    QCOMPARE(taken.overwriteMode, kOverwriteNewer);
    QCOMPARE(taken.deleteStrayFiles, 0);

    // Copying only the tree frees both again, and the name and path pages speak of folders.
    Click("copyTreeOnly");
    QCOMPARE(modes.count(), 2);
    QVERIFY(Find<QWidget>("overwriteMode")->isEnabled());
    QVERIFY(Find<QWidget>("deleteStrayFiles")->isEnabled());
    QCOMPARE(Find<QAbstractButton>("namesAll")->text(),
             QStringLiteral("&No folder name filtering"));
    QCOMPARE(Find<QLabel>("nameTextPrompt")->text(),
             QStringLiteral("Enter a folder name pattern (such as save*):"));
    QCOMPARE(Find<QLabel>("pathTextPrompt")->text(),
             QStringLiteral("E&nter the path of a folder to exclude:"));

    // A gathering profile is shown gathering, whatever its record says.
    settings.copyMode = kCopyGather;
    settings.deleteStrayFiles = 1;
    m_sheet->Apply(settings);
    QCOMPARE(modes.count(), 3);
    taken = m_sheet->Take();
    QCOMPARE(taken.overwriteMode, kOverwriteNewer);
    QCOMPARE(taken.deleteStrayFiles, 0);
    QVERIFY(!Find<QWidget>("overwriteMode")->isEnabled());
  }

  void disabledSettingsComeBackUnderTheirPagesRules() {
    m_sheet->EnableSettings(false);
    for (int i = 0; i < m_sheet->count(); ++i) {
      for (QWidget* control : Controls(m_sheet->widget(i))) {
        QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
      }
    }
    // A profile loaded meanwhile brings its own rules along.
    CSettingsState settings;
    settings.includeHidden = 1;
    m_sheet->Apply(settings);
    m_sheet->EnableSettings(true);
    QVERIFY(Find<QWidget>("sourcePath")->isEnabled());
    QVERIFY(Find<QWidget>("subfolderList")->isEnabled());
    QVERIFY(Find<QWidget>("copyHiddenAttribute")->isEnabled());
    QVERIFY(!Find<QWidget>("copySystemAttribute")->isEnabled());
    QVERIFY(!Find<QWidget>("recentCount")->isEnabled());
    QVERIFY(!Find<QWidget>("versionLimit")->isEnabled());
    QVERIFY(Find<QWidget>("overwriteMode")->isEnabled());
  }

  void listsShowTheRulesOrderOnceItIsHandedIn() {
    CScriptedPrompter prompter;
    CSettingsSheet sheet(prompter);
    CSettingsState settings;
    settings.sourcePath = kSource;
    settings.excludedPaths = {"1C:\\old 10.zip", "0C:\\old 2.zip"};
    settings.subfolderEntries = {"1-temp", "0+C:\\Users\\ann\\Photos\\2023"};
    sheet.Apply(settings);
    QCOMPARE(Rows("pathList", &sheet), QStringList({"1 C:\\old 10.zip", "0 C:\\old 2.zip"}));
    sheet.SetListOrders(RuleOrders());
    QCOMPARE(Rows("pathList", &sheet), QStringList({"0 C:\\old 2.zip", "1 C:\\old 10.zip"}));
    QCOMPARE(Rows("subfolderList", &sheet),
             QStringList({"1 <include subs> <source folder>",
                          "0 <include subs> C:\\Users\\ann\\Photos\\2023", "1 <exclude> temp"}));
  }

  void clearingTheEditorsLeavesTheListsAndFontsReachOnlyNames() {
    m_sheet->Apply(Filled());
    ShowPage("subfoldersPage");
    TypeInto("subfolderText", "C:\\Users\\ann\\Photos\\2024");
    ShowPage("namesPage");
    TypeInto("nameText", "*.raw");
    ShowPage("pathsPage");
    TypeInto("pathText", "C:\\Users\\ann\\Photos\\x.iso");
    m_sheet->ClearEditors();
    for (const char* box : {"subfolderText", "nameText", "pathText"}) {
      QCOMPARE(Find<QLineEdit>(box)->text(), QString());
    }
    QVERIFY(m_sheet->Take() == Filled());

    QFont font(QStringLiteral("DejaVu Sans Mono"), 13);
    m_sheet->SetNameFont(font);
    for (const char* shown : {"sourcePath", "destinationPath", "subfolderList", "subfolderText",
                              "nameList", "nameText", "pathList", "pathText"}) {
      QCOMPARE(Find<QWidget>(shown)->font().family(), font.family());
      QCOMPARE(Find<QWidget>(shown)->font().pointSize(), 13);
    }
    QVERIFY(Find<QWidget>("archiveOnly")->font().pointSize() != 13);
    auto* list = Find<QTableView>("nameList");
    QVERIFY(list->rowHeight(0) >= QFontMetrics(font).height());
  }

 private:
  template <typename T>
  T* Find(const char* name, QWidget* in = nullptr) {
    return gui_testing::Child<T>(in != nullptr ? in : m_sheet.get(), QString::fromLatin1(name));
  }

  bool Checked(const char* name) { return Find<QAbstractButton>(name)->isChecked(); }

  QStringList CheckedBoxes(std::initializer_list<const char*> names) {
    QStringList checked;
    for (const char* name : names) {
      if (Checked(name)) {
        checked << QString::fromLatin1(name);
      }
    }
    return checked;
  }

  // The rows of a list as check state (0 unchecked, 1 checked, 2 indeterminate, as stored)
  // and shown text.
  QStringList Rows(const char* name, QWidget* in = nullptr) {
    QAbstractItemModel* model = Find<QTableView>(name, in)->model();
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row) {
      const QModelIndex index = model->index(row, 0);
      const auto state = static_cast<Qt::CheckState>(index.data(Qt::CheckStateRole).toInt());
      const char* check = state == Qt::Checked ? "1" : (state == Qt::Unchecked ? "0" : "2");
      rows << QString::fromLatin1(check) + index.data().toString();
    }
    return rows;
  }

  // The controls a user works with on a page.
  static QList<QWidget*> Controls(QWidget* page) {
    QList<QWidget*> controls;
    for (QWidget* widget : page->findChildren<QWidget*>()) {
      if ((qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
           qobject_cast<QComboBox*>(widget) || qobject_cast<QAbstractSpinBox*>(widget) ||
           qobject_cast<QAbstractItemView*>(widget)) &&
          !widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_")) {
        controls << widget;
      }
    }
    return controls;
  }

  void ShowPage(const char* page) { m_sheet->setCurrentWidget(Find<QWidget>(page)); }

  // Ctrl+Tab, as the keyboard moves to the next page.
  void NextPage() { QTest::keyClick(m_sheet.get(), Qt::Key_Tab, Qt::ControlModifier); }

  // Clicks a button where its box is: a check box or option button may be wider than its
  // caption, and only the box and the caption take a click.
  void Click(const char* name) {
    auto* button = Find<QAbstractButton>(name);
    QTest::mouseClick(button, Qt::LeftButton, {},
                      QPoint(button->height() / 2, button->height() / 2));
  }

  // Selects the box's text as Ctrl+A does and types over it.
  void TypeInto(const char* box, const QString& text) {
    auto* edit = Find<QLineEdit>(box);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
  }

  // Moves a list's choice down with the arrow key, as many steps as asked.
  void ChooseBelow(const char* list, int steps) {
    auto* combo = Find<QComboBox>(list);
    combo->setFocus();
    for (int i = 0; i < steps; ++i) {
      QTest::keyClick(combo, Qt::Key_Down);
    }
  }

  void ClickCheck(const char* list, int row) {
    auto* view = Find<QTableView>(list);
    const QModelIndex index = view->model()->index(row, 0);
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.rect = view->visualRect(index);
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = index.data().toString();
    const QRect box =
        view->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, view);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, box.center());
  }

  void PressSpace(const char* list, int row) {
    auto* view = Find<QTableView>(list);
    view->setFocus();
    view->setCurrentIndex(view->model()->index(row, 0));
    QTest::keyClick(view, Qt::Key_Space);
  }

  std::unique_ptr<CScriptedPrompter> m_prompter;
  std::unique_ptr<CSettingsSheet> m_sheet;
};

QTEST_MAIN(SettingsSheetTest)
#include "SettingsSheetTest.moc"
