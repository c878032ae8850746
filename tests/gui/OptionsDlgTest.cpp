// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <memory>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include "app/ui/OptionsDlg.h"
#include "core/Options.h"
#include "core/ui/QtPrompter.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ScriptedPrompter.h"

using gui_testing::Child;

namespace {

const QStringList kPageTitles = {"Startup", "Preview", "File Times", "Numbers", "Fonts", "Typos"};

// Options away from the defaults wherever a page shows them.
SProgramOptions Unusual() {
  SProgramOptions o;
  o.m_restorePlacement = 0;
  o.m_showDayTip = 0;
  o.m_dayTipIndex = 3;
  o.m_recallColumnWidths = 1;
  o.m_adjustColumnWidths = 0;
  o.m_confirmCopying = 0;
  o.m_detectMoves = 1;
  o.m_includeRenames = 1;
  o.m_thresholdHours = 1;
  o.m_thresholdMinutes = 2;
  o.m_thresholdSeconds = 3;
  o.UpdateTolerance();
  o.m_hourDiff = 1;
  o.m_useThousandsSep = 1;
  o.m_thousandsSep = '\'';
  o.m_useTwoDigits = 1;
  o.m_previewFixedFont = 1;
  o.m_renameFixedFont = 0;
  o.m_settingsFixedFont = 1;
  o.m_typoSeparation = 7;
  return o;
}

// The dialog as the main window opens it, shown and ready for input.
class COpenOptions {
 public:
  explicit COpenOptions(const SProgramOptions& options = {}) : dialog(options, prompter) {
    dialog.open();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
  }

  QTabWidget* Tabs() { return Child<QTabWidget>(&dialog, "optionsPages"); }

  // Clicks the page's tab, as a user turns to it.
  void TurnTo(const QString& title) {
    QTabBar* bar = Tabs()->tabBar();
    const int index = static_cast<int>(kPageTitles.indexOf(title));
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
  }
  // The title of the tab that is up, provided the page under it is the one shown.
  QString ShownPage() {
    QTabWidget* tabs = Tabs();
    const int index = tabs->currentIndex();
    if (tabs->tabBar()->currentIndex() != index || tabs->widget(index) != tabs->currentWidget() ||
        !tabs->currentWidget()->isVisible()) {
      return QStringLiteral("(tab and page differ)");
    }
    return tabs->tabText(index);
  }

  template <typename T>
  T* Control(const char* name) {
    return Child<T>(&dialog, name);
  }
  // A box is clicked on its mark: the rest of a wide row is not part of the button.
  void Click(const char* name) {
    QAbstractButton* button = Control<QAbstractButton>(name);
    const bool box = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
    const int half = button->height() / 2;
    QTest::mouseClick(button, Qt::LeftButton, {},
                      box ? QPoint(half, half) : button->rect().center());
  }
  void Type(const char* field, const QString& text) {
    QLineEdit* edit = Control<QLineEdit>(field);
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }
  bool Checked(const char* name) { return Control<QAbstractButton>(name)->isChecked(); }
  bool Enabled(const char* name) { return Control<QWidget>(name)->isEnabled(); }

  void Ok() { Click("okButton"); }
  void Cancel() { Click("cancelButton"); }

  CScriptedPrompter prompter;
  COptionsDlg dialog;
};

// The labels and buttons of the shown page that are drawn smaller than their text needs.
QStringList ClippedTexts(QWidget* page) {
  QStringList clipped;
  for (QWidget* widget : page->findChildren<QWidget*>()) {
    if (!widget->isVisible()) {
      continue;
    }
    auto* label = qobject_cast<QLabel*>(widget);
    const bool wraps = label != nullptr && label->wordWrap();
    if (label == nullptr && qobject_cast<QAbstractButton*>(widget) == nullptr) {
      continue;
    }
    const QSize need = wraps ? QSize(0, label->heightForWidth(label->width())) : widget->sizeHint();
    if (widget->width() < need.width() || widget->height() < need.height()) {
      clipped << widget->objectName() + QStringLiteral(" \"") +
                     (label ? label->text() : qobject_cast<QAbstractButton*>(widget)->text()) +
                     QLatin1Char('"');
    }
  }
  return clipped;
}

}  // namespace

class OptionsDlgTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void everyPageIsNamedReadableAndDrawnWhole() {
    COpenOptions window;
    QCOMPARE(window.dialog.windowTitle(), QStringLiteral("Options"));
    QTabWidget* tabs = window.Tabs();
    QCOMPARE(tabs->count(), 6);
    for (int i = 0; i < tabs->count(); ++i) {
      QCOMPARE(tabs->tabText(i), kPageTitles[i]);
      window.TurnTo(kPageTitles[i]);
      QCOMPARE(tabs->currentIndex(), i);
      QCOMPARE(gui_testing::UnnamedControls(&window.dialog), QStringList());
      QCOMPARE(ClippedTexts(tabs->currentWidget()), QStringList());
      QString name = kPageTitles[i].toLower();
      name.replace(QLatin1Char(' '), QLatin1Char('-'));
      QVERIFY(gui_testing::SaveScreenshot(&window.dialog, QStringLiteral("options-") + name));
    }
    QVERIFY(window.prompter.Prompts().empty());
  }

  void pagesShowTheCurrentOptionsAndOkReturnsTheEdits() {
    const SProgramOptions current = Unusual();
    COpenOptions window(current);
    QVERIFY(!window.Checked("restorePlacement"));
    QVERIFY(window.Checked("includeRenames"));
    QCOMPARE(window.Control<QLineEdit>("thresholdMinutes")->text(), QStringLiteral("2"));
    QVERIFY(window.Checked("sepOther"));
    QCOMPARE(window.Control<QLineEdit>("sepOtherText")->text(), QStringLiteral("'"));
    QVERIFY(window.Checked("previewFixed"));
    QVERIFY(window.Checked("renameProportional"));
    QVERIFY(window.Checked("settingsFixed"));
    QCOMPARE(window.Control<QSlider>("typoSeparation")->value(), 7);

    window.TurnTo("Startup");
    window.Click("restorePlacement");
    window.Click("showProgramNotes");
    window.TurnTo("Preview");
    window.Click("recallColumnWidths");
    window.Click("confirmCopying");
    window.TurnTo("File Times");
    window.Type("thresholdHours", "23");
    window.Type("thresholdSeconds", "59");
    window.Click("hourDiff");
    window.TurnTo("Numbers");
    window.Click("sepPeriod");
    window.Click("useTwoDigits");
    window.TurnTo("Fonts");
    window.Click("previewProportional");
    window.Click("renameFixed");
    window.TurnTo("Typos");
    QSlider* slider = window.Control<QSlider>("typoSeparation");
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_PageUp);  // a page is one step
    QCOMPARE(slider->value(), 8);
    QTest::keyClick(slider, Qt::Key_End);
    QCOMPARE(slider->value(), 9);
    QTest::keyClick(slider, Qt::Key_Left);
    window.Ok();

    QCOMPARE(window.dialog.result(), int(QDialog::Accepted));
    SProgramOptions expected = current;
    expected.m_restorePlacement = 1;
    expected.m_showDayTip = 1;
    expected.m_recallColumnWidths = 0;
    expected.m_confirmCopying = 1;
    expected.m_thresholdHours = 23;
    expected.m_thresholdSeconds = 59;
    expected.m_hourDiff = 0;
    expected.m_thousandsSep = '.';
    expected.m_useTwoDigits = 0;
    expected.m_previewFixedFont = 0;
    expected.m_renameFixedFont = 1;
    expected.m_typoSeparation = 8;
    SProgramOptions result = window.dialog.Result();
    QCOMPARE(result.m_tolerance, current.m_tolerance);  // the caller recomputes it
    expected.m_tolerance = result.m_tolerance;
    QVERIFY(result == expected);
    QVERIFY(window.prompter.Prompts().empty());
  }

  void cancelDiscardsTheEdits() {
    const SProgramOptions current = Unusual();
    COpenOptions window(current);
    window.TurnTo("Preview");
    window.Click("detectMoves");
    window.TurnTo("File Times");
    window.Type("thresholdHours", "x");  // not even checked: Cancel keeps nothing
    window.Cancel();
    QCOMPARE(window.dialog.result(), int(QDialog::Rejected));
    QVERIFY(window.dialog.Result() == current);
    QVERIFY(window.prompter.Prompts().empty());
  }

  void renamedFilesAreOfferedOnlyWhileMovesAreDetected() {
    SProgramOptions options;
    options.m_detectMoves = 0;
    options.m_includeRenames = 1;  // as stored, but without detection it cannot hold
    COpenOptions window(options);
    window.TurnTo("Preview");
    QVERIFY(!window.Enabled("includeRenames"));
    QVERIFY(!window.Checked("includeRenames"));

    window.Click("detectMoves");
    QVERIFY(window.Enabled("includeRenames"));
    window.Click("includeRenames");
    QVERIFY(window.Checked("includeRenames"));
    // Turning detection off by keyboard clears the renames too.
    window.Control<QCheckBox>("detectMoves")->setFocus();
    QTest::keyClick(window.Control<QCheckBox>("detectMoves"), Qt::Key_Space);
    QVERIFY(!window.Checked("detectMoves"));
    QVERIFY(!window.Enabled("includeRenames"));
    QVERIFY(!window.Checked("includeRenames"));

    window.Click("detectMoves");
    window.Ok();
    QCOMPARE(window.dialog.Result().m_detectMoves, 1);
    QCOMPARE(window.dialog.Result().m_includeRenames, 0);
  }

  void wrongFileTimesKeepThePageAndSayWhy() {
    COpenOptions window;
    window.TurnTo("File Times");
    QLineEdit* hours = window.Control<QLineEdit>("thresholdHours");
    QVERIFY(hours->contextMenuPolicy() == Qt::DefaultContextMenu);  // the edit menu
    window.Type("thresholdHours", "x");
    window.TurnTo("Numbers");
    QCOMPARE(window.ShownPage(), QStringLiteral("File Times"));
    QCOMPARE(window.prompter.Texts(), std::vector<std::string>{"Please enter an integer."});
    QVERIFY(window.prompter.Prompts()[0].icon == EIcon::kExclamation);
    QCOMPARE(QApplication::focusWidget(), hours);
    QCOMPARE(hours->selectedText(), QStringLiteral("x"));

    window.Type("thresholdHours", "24");
    window.Ok();
    QVERIFY(window.dialog.isVisible());
    QCOMPARE(window.prompter.Texts().back(), "Please enter an integer between 0 and 23.");

    window.Type("thresholdHours", "23");
    window.Type("thresholdMinutes", "60");
    window.TurnTo("Typos");
    QCOMPARE(window.ShownPage(), QStringLiteral("File Times"));
    QCOMPARE(window.prompter.Texts().back(), "Please enter an integer between 0 and 59.");
    QCOMPARE(QApplication::focusWidget(), window.Control<QLineEdit>("thresholdMinutes"));

    window.Type("thresholdMinutes", "59");
    window.Type("thresholdSeconds", "-1");
    window.Ok();
    QVERIFY(window.dialog.isVisible());
    QCOMPARE(window.prompter.Texts().size(), size_t{4});

    window.Type("thresholdSeconds", "7");
    window.TurnTo("Typos");
    QCOMPARE(window.ShownPage(), QStringLiteral("Typos"));
    window.Ok();
    QCOMPARE(window.dialog.result(), int(QDialog::Accepted));
    const SProgramOptions result = window.dialog.Result();
    QCOMPARE(result.m_thresholdHours, 23);
    QCOMPARE(result.m_thresholdMinutes, 59);
    QCOMPARE(result.m_thresholdSeconds, 7);
    QCOMPARE(window.prompter.Texts().size(), size_t{4});
  }

  // With real message boxes the message opens while the tab bar is still handling the click
  // that turned the page; the page must still end up turned back.
  void aRealMessageBoxTurnsThePageBack() {
    CQtPrompter prompter;
    COptionsDlg dialog(SProgramOptions{}, prompter);
    prompter.SetParent(&dialog);
    dialog.open();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* tabs = Child<QTabWidget>(&dialog, "optionsPages");
    tabs->setCurrentIndex(static_cast<int>(kPageTitles.indexOf("File Times")));
    QLineEdit* seconds = Child<QLineEdit>(&dialog, "thresholdSeconds");
    seconds->selectAll();
    QTest::keyClicks(seconds, "75");
    QString shown;
    auto answer = gui_testing::AnswerModal<QMessageBox>([&](QMessageBox* box) {
      shown = box->text();
      box->accept();
    });
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(5).center());
    QVERIFY(answer->Answered());
    QCOMPARE(shown, QStringLiteral("Please enter an integer between 0 and 59."));
    QCOMPARE(tabs->currentWidget()->objectName(), QStringLiteral("fileTimesPage"));
    QCOMPARE(bar->currentIndex(), tabs->currentIndex());
    QCOMPARE(dialog.focusWidget(), seconds);  // the field that focus returns to
    dialog.reject();
  }

  void numbersChoicesFollowTheInsertBox() {
    COpenOptions window;  // ',' inserted
    window.TurnTo("Numbers");
    QVERIFY(window.Checked("sepComma"));
    QCOMPARE(window.Control<QLineEdit>("sepOtherText")->text(), QString());
    QVERIFY(window.Enabled("sepSpace"));
    QVERIFY(!window.Enabled("sepOtherText"));
    QCOMPARE(window.Control<QLabel>("decimalHeading")->text(),
             QStringLiteral("Corresponding Decimal Symbol"));
    QStringList symbols;
    for (QLabel* label : window.dialog.findChildren<QLabel*>("decimalSymbol")) {
      symbols << label->text();
    }
    QCOMPARE(symbols, QStringList({"period", "comma", "comma",
                                   "period (if separator is a comma)\ncomma (otherwise)"}));

    window.Click("sepOther");
    QVERIFY(window.Enabled("sepOtherText"));
    window.Type("sepOtherText", "_;");  // one character only
    QCOMPARE(window.Control<QLineEdit>("sepOtherText")->text(), QStringLiteral("_"));

    window.Click("useThousandsSep");
    for (const char* name : {"sepComma", "sepPeriod", "sepSpace", "sepOther", "sepOtherText"}) {
      QVERIFY2(!window.Enabled(name), name);
    }
    window.Click("useThousandsSep");
    QVERIFY(window.Enabled("sepOtherText"));
    // Arrow keys move the choice without a click; the field follows all the same.
    window.Control<QRadioButton>("sepOther")->setFocus();
    QTest::keyClick(window.Control<QRadioButton>("sepOther"), Qt::Key_Up);
    QVERIFY(window.Checked("sepSpace"));
    QVERIFY(!window.Enabled("sepOtherText"));
    window.Click("sepOther");
    window.Ok();
    QCOMPARE(window.dialog.Result().m_thousandsSep, '_');
    QCOMPARE(window.dialog.Result().m_useThousandsSep, 1);
  }

  void choosingOtherWithAnEmptyFieldStoresAComma() {
    SProgramOptions options;
    options.m_thousandsSep = '.';
    options.m_useThousandsSep = 0;
    COpenOptions window(options);
    window.TurnTo("Numbers");
    QVERIFY(window.Checked("sepPeriod"));
    QVERIFY(!window.Enabled("sepPeriod"));
    window.Click("useThousandsSep");
    window.Click("sepOther");
    QCOMPARE(window.Control<QLineEdit>("sepOtherText")->text(), QString());
    window.Ok();
    QCOMPARE(window.dialog.Result().m_thousandsSep, ',');
    QCOMPARE(window.dialog.Result().m_useThousandsSep, 1);
  }

  void aNewWindowOpensAtThePageLastShown() {
    {
      COpenOptions window;
      window.TurnTo("Fonts");
      window.Cancel();
    }
    {
      COpenOptions window;
      QCOMPARE(window.ShownPage(), QStringLiteral("Fonts"));
      window.TurnTo("Preview");
      window.Ok();
    }
    {
      COpenOptions window;
      QCOMPARE(window.ShownPage(), QStringLiteral("Preview"));
      window.TurnTo("Startup");
      window.dialog.reject();
    }
    COpenOptions window;
    QCOMPARE(window.ShownPage(), QStringLiteral("Startup"));
  }

  void accessKeysReachTheControls() {
    COpenOptions window;
    window.TurnTo("Preview");
    QVERIFY(QTest::qWaitForWindowActive(&window.dialog));
    QVERIFY(!window.Checked("detectMoves"));
    QTest::keyClick(&window.dialog, Qt::Key_D, Qt::AltModifier);
    QTRY_VERIFY(window.Checked("detectMoves"));  // an access key presses the box for a moment
    QVERIFY(window.Enabled("includeRenames"));
    window.TurnTo("File Times");
    QTest::keyClick(&window.dialog, Qt::Key_C, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), window.Control<QLineEdit>("thresholdHours"));
  }
};

QTEST_MAIN(OptionsDlgTest)
#include "OptionsDlgTest.moc"
